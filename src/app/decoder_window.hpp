// DECODER: the main window. Its menus hold the settings (one check mark per field of
// tarn::Settings); its commands hand the message box's text to the decoding run and
// deliver what the run returns to the screen window and the output file.
#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/prompts.hpp"
#include "app/vantix_link.hpp"
#include "report/file_output.hpp"
#include "run/run.hpp"
#include "run/session.hpp"

class QAction;
class QActionGroup;
class QLabel;
class QPlainTextEdit;

namespace tarn::app {

class Coalescer;
class HelpWindow;
class InformWindow;

// Input files are refused beyond this many bytes (a clipboard text beyond this many characters).
inline constexpr qint64 kMaxInputBytes = 64000;

// What the feed has done since "Vantix" was chosen.
struct FeedCounts {
    std::uint64_t received = 0;   // complete reports
    std::uint64_t delivered = 0;  // put out to the screen and/or the output file
    std::uint64_t filtered = 0;   // decoded, but without the filter text
};

class DecoderWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is where Tarn.INI and the default output file are (the program's folder
    // when empty).
    explicit DecoderWindow(std::unique_ptr<Prompts> prompts = systemPrompts(), QString programDir = {},
                           QWidget* parent = nullptr);
    ~DecoderWindow() override;

    const Settings& settings() const { return session_.settings; }
    QPlainTextEdit* txtMessage() const { return txtMessage_; }
    InformWindow* inform() const { return inform_; }
    HelpWindow* help() const { return help_; }
    VantixLink* vantix() const { return vantix_; }
    QString outputPath() const { return outPath_; }
    QString inputPath() const { return inPath_; }
    Encoding outputEncoding() const { return encoding_; }
    const FeedCounts& feedCounts() const { return counts_; }
    // The feed's line of the status bar (shown while "Vantix" is the input).
    QString feedStatus() const;
    // Brings the message box, the status bar and the screen window up to date now.
    void showPending();

signals:
    // A decoding run has ended; `delivered` when it put out a report.
    void runFinished(bool delivered);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QAction* item(QMenu* menu, const char* name, const QString& caption, bool checkable);
    void syncMenus();

    void mnuDecoding_Click();
    void mnuSingle_Click();
    void mnuInFile_Click();
    void mnuVantix_Click();
    void mnuFilter_Click();
    void mnuOutFile_Click();
    void mnuHelp_Click();
    void mnuClipboard_Click();
    void mnuShowScreen_Click();

    void switchInput(InputMode mode);
    void setMessageFontSize(int points);
    void readInputFile();
    void startDecoding();
    void deliver(const Output& output);
    void feedReport(const QByteArray& raw);
    void feedWatched(bool connected);
    void connectFeed();
    std::optional<VantixLink::Address> feedAddress();
    std::string feedHeading();
    void writeOutputFile(const std::string& report);
    void setBox(const QString& text);
    void refreshView();

    std::unique_ptr<Prompts> prompts_;
    QString programDir_;
    Session session_;
    QString inPath_;   // the input dialog's file name
    QString outPath_;  // the output dialog's file name
    Encoding encoding_ = Encoding::Utf8;
    bool outputFailing_ = false;  // the last write of the output file failed and was told
    bool unframedTold_ = false;   // dropped unframed text was told; no report came since
    FeedCounts counts_;
    QString feedProblem_;                // what is wrong in Tarn.INI, empty when nothing
    std::optional<std::string> boxDue_;  // the latest feed report, for the message box
    qint64 headingSecond_ = -1;          // the feed heading of this second
    std::string heading_;

    QPlainTextEdit* txtMessage_;
    InformWindow* inform_;
    HelpWindow* help_ = nullptr;
    VantixLink* vantix_;
    Coalescer* viewer_;
    QLabel* feedStatus_;

    QAction* mnuSingle_;
    QAction* mnuInFile_;
    QAction* mnuVantix_;
    QAction* mnuFilter_;
    QAction* mnuScreen_;
    QAction* mnuOutFile_;
    QAction* mnuKeep_;
    QAction* mnuCp1251_;
    QAction* mnuShowScreen_;
    QAction* mnuClipboard_;
    QAction* mnuEnglish_;
    QAction* mnuRussian_;
    QAction* mnuDecoding_;
    QAction* mnuHelp_;
};

}  // namespace tarn::app
