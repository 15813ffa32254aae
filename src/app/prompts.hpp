// The dialogs the window asks the operator through. The window owns one Prompts object;
// tests give it one that answers by itself.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;

namespace tarn::app {

// What a save dialog with a choice of file types returns.
struct SaveChoice {
    QString path;    // empty when cancelled
    int filter = 0;  // index of the chosen type in the dialog's list
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // The input file dialog (ComDialogIn): the chosen path, empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // The output file dialog (ComDialogOut): the chosen path, empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& proposed, const QString& filter) = 0;
    // The report window's "Save as..." dialog: `filters` are the file types offered,
    // `preferred` the one chosen at first; an existing file is replaced after asking.
    virtual SaveChoice saveAs(QWidget* parent, const QString& proposed, const QStringList& filters,
                              int preferred) = 0;
    // The input box: the answer, nothing when cancelled.
    virtual std::optional<QString> text(QWidget* parent, const QString& title, const QString& label,
                                        const QString& proposed) = 0;
    // Modal message boxes for errors of the operator's input.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message that does not stop the program: shown without blocking the feed.
    virtual void notice(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The platform's file dialogs, input box and message boxes.
std::unique_ptr<Prompts> systemPrompts();

}  // namespace tarn::app
