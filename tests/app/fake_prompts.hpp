// Dialogs that answer by themselves and remember what they were asked.
#pragma once

#include <QStringList>
#include <optional>

#include "app/prompts.hpp"
#include "run/run.hpp"

struct FakePrompts final : tarn::app::Prompts {
    QString openAnswer;                 // the input file "chosen"; empty: cancelled
    QString saveAnswer;                 // the output file "chosen"; empty: cancelled
    std::optional<QString> textAnswer;  // the input box's answer; nothing: cancelled
    QStringList asked;                  // every dialog and message box, in order
    QString proposedOutput;             // what the output dialog proposed

    QString openFileName(QWidget*, const QString& filter) override {
        asked << "open " + filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString& proposed, const QString& filter) override {
        asked << "save " + filter;
        proposedOutput = proposed;
        return saveAnswer;
    }
    std::optional<QString> text(QWidget*, const QString& title, const QString& label,
                                const QString& proposed) override {
        asked << "text " + title + "|" + label + "|" + proposed;
        return textAnswer;
    }
    void warning(QWidget*, const QString& title, const QString& text) override {
        asked << "warning " + title + "|" + text;
    }
    void information(QWidget*, const QString& title, const QString& text) override {
        asked << "information " + title + "|" + text;
    }
    void notice(QWidget*, const QString& title, const QString& text) override {
        asked << "notice " + title + "|" + text;
    }
};

// True once the protocol decoders write report lines: until they do, a run delivers nothing.
inline bool decodersLinked() {
    tarn::Session session;
    return !tarn::decode_message(session, "C581400030D30009012D02010000FFFF").empty();
}
