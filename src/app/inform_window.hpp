// INFORM: the screen window. It shows the delivered reports, at most 30000 characters,
// the oldest reports dropped first; its title tells the input status.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "report/report.hpp"

class QPlainTextEdit;

namespace tarn::app {

class InformWindow : public QWidget {
    Q_OBJECT
public:
    explicit InformWindow(QWidget* parent);

    // Shows a report: appended with "Keep date", otherwise replacing the text.
    void deliver(std::string_view report, bool keep);
    void clearScreen();

    // The screen text as delivered (UTF-8, CR LF line ends, ETX end marks).
    const std::string& text() const { return buffer_.text(); }
    QPlainTextEdit* txtScreen() const { return txtScreen_; }

private:
    void refresh();

    QPlainTextEdit* txtScreen_;
    ScreenBuffer buffer_;
};

}  // namespace tarn::app
