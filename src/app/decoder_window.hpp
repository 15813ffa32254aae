// DECODER: the main window. Its menus hold the settings (one check mark per field of
// tarn::Settings); its commands hand the message box's text to the decoding run and
// deliver what the run returns to the screen window and the output file.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>

#include "app/prompts.hpp"
#include "run/run.hpp"
#include "run/session.hpp"

class QAction;
class QActionGroup;
class QPlainTextEdit;

namespace tarn::app {

class HelpWindow;
class InformWindow;
class VantixLink;

// Input files are refused beyond this many bytes.
inline constexpr qint64 kMaxInputBytes = 64000;

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

    void switchInput(InputMode mode);
    void setMessageFontSize(int points);
    void readInputFile();
    void startDecoding(const std::string& feedHeading = {});
    void deliver(const Output& output);
    void feedReport(const QByteArray& raw);
    void feedWatched(bool connected);

    std::unique_ptr<Prompts> prompts_;
    QString programDir_;
    Session session_;
    QString inPath_;   // the input dialog's file name
    QString outPath_;  // the output dialog's file name

    QPlainTextEdit* txtMessage_;
    InformWindow* inform_;
    HelpWindow* help_ = nullptr;
    VantixLink* vantix_;

    QAction* mnuSingle_;
    QAction* mnuInFile_;
    QAction* mnuVantix_;
    QAction* mnuFilter_;
    QAction* mnuScreen_;
    QAction* mnuOutFile_;
    QAction* mnuKeep_;
    QAction* mnuEnglish_;
    QAction* mnuRussian_;
    QAction* mnuDecoding_;
    QAction* mnuHelp_;
};

}  // namespace tarn::app
