// A window with dialogs that answer by themselves and remember what they were asked.
#pragma once

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/decoder_window.hpp"
#include "app/inform_window.hpp"
#include "app/prompts.hpp"

struct FakePrompts final : tarn::app::Prompts {
    QString openAnswer, saveAnswer;      // the file "chosen"; empty: cancelled
    tarn::app::SaveChoice saveAsAnswer;  // the report window's Save as dialog
    QStringList asked;                   // every dialog and message box, in order

    QString openFileName(QWidget*, const QString& filter) override {
        asked << "open " + filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString& proposed, const QString&) override {
        asked << "save " + proposed;
        return saveAnswer;
    }
    tarn::app::SaveChoice saveAs(QWidget*, const QString& proposed, const QStringList& filters,
                                 int preferred) override {
        asked << "save as " + proposed + "|" + filters.join(";;") + "|" + QString::number(preferred);
        return saveAsAnswer;
    }
    std::optional<QString> text(QWidget*, const QString& title, const QString&, const QString&) override {
        asked << "text " + title;
        return std::nullopt;  // cancelled
    }
    void warning(QWidget*, const QString& t, const QString& s) override { asked << "warning " + t + "|" + s; }
    void information(QWidget*, const QString& t, const QString& s) override {
        asked << "information " + t + "|" + s;
    }
    void notice(QWidget*, const QString& t, const QString& s) override { asked << "notice " + t + "|" + s; }
};

// A fresh main window whose program folder is a temporary directory.
struct Harness {
    QTemporaryDir dir;
    FakePrompts* prompts = new FakePrompts;
    tarn::app::DecoderWindow window{std::unique_ptr<tarn::app::Prompts>(prompts), dir.path()};

    QAction* act(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
    QString box() const { return window.txtMessage()->toPlainText(); }
    const std::string& screen() const { return window.inform()->text(); }
};

inline std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
