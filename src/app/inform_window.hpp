// INFORM: the screen window. It shows the delivered reports, at most 30000 characters,
// the oldest reports dropped first; its title tells the input status. Its own menu finds
// text in the reports, saves them, copies them and clears the window.
#pragma once

#include <QByteArray>
#include <QWidget>
#include <string>
#include <string_view>

#include "app/screen_text.hpp"
#include "report/file_output.hpp"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarn::app {

class Coalescer;
class Prompts;

class InformWindow : public QWidget {
    Q_OBJECT
public:
    // A report line is about 120 characters; the window opens this many wide when the
    // screen allows.
    static constexpr int kLineChars = 122;

    InformWindow(QWidget* parent, Prompts& prompts, QString programDir);

    // Shows a report: appended with "Keep date", otherwise replacing the text. The text box
    // follows at once, or within a tenth of a second when reports come faster.
    void deliver(std::string_view report, bool keep);
    void clearScreen();
    // Brings the text box up to date now.
    void showPending();

    // Shows the window at the size and place it had when it was last hidden.
    void present();

    // "Find next" / "Find previous": selects the next match of the find text after (or
    // before) the cursor, letters compared without regard to case, going round at the end.
    // False when the text is nowhere.
    bool findNext(bool backward = false);
    // The find bar with its text selected, ready for typing.
    void openFind();
    // "Copy": the selection, or the whole text when nothing is selected.
    void copy();
    // "Save as...": the whole text in UTF-8 or Windows-1251, as the operator picks.
    void saveAs();
    // The file type the save dialog offers first (the Output menu's Windows-1251 mark).
    void setPreferredEncoding(Encoding encoding) { preferred_ = encoding; }

    // The screen text as delivered (UTF-8, CR LF line ends, ETX end marks).
    const std::string& text() const { return screen_.text(); }
    QPlainTextEdit* txtScreen() const { return txtScreen_; }
    QLineEdit* findText() const { return txtFind_; }
    QString findStatus() const;

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* command(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys);
    void refresh();

    Prompts& prompts_;
    QString programDir_;
    QPlainTextEdit* txtScreen_;
    QWidget* findBar_;
    QLineEdit* txtFind_;
    QLabel* findStatus_;
    Coalescer* painter_;
    ScreenText screen_;
    QByteArray placed_;  // geometry the operator gave the window, kept while it is hidden
    QString savedPath_;
    Encoding preferred_ = Encoding::Utf8;
};

}  // namespace tarn::app
