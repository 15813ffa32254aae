// frmDESCR: the help window, a description of the program in Russian and a sample
// observation report.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tarn::app {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    QPlainTextEdit* txtDESCR() const { return txtDESCR_; }
    QPlainTextEdit* txtRRN() const { return txtRRN_; }

private:
    QPlainTextEdit* txtDESCR_;
    QPlainTextEdit* txtRRN_;
};

// The description shown in txtDESCR.
QString helpDescription();

}  // namespace tarn::app
