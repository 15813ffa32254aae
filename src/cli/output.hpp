// Where the command-line tool delivers reports: standard output (the screen) and/or the
// output file, in UTF-8 or Windows-1251.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "report/file_output.hpp"

namespace tarn::cli {

struct OutputOptions {
    bool screen = true;
    std::string out_path;  // empty: no output file
    bool keep = false;     // append to the output file instead of replacing it
    Encoding encoding = Encoding::Utf8;
};

// The process's standard output, written through a buffer of its own so that every
// failure of a write is seen.
class Screen {
public:
    enum class State {
        Open,
        Closed,  // its reader went away (EPIPE): the tool ends at once
        Failed,  // any other failure (a full disk, /dev/full, a closed descriptor)
    };

    static Screen& out();

    void write(std::string_view bytes);
    bool flush();

    // Standard output was closed when the tool started: every write fails.
    void closed_at_start();

    State state() const { return state_; }
    // "cannot write to standard output: <reason>".
    std::string error() const;

    // True when standard output is a pipe or socket whose reader has gone; seen without
    // writing, so a feed waiting for reports notices it too.
    bool reader_gone() const;

private:
    Screen() = default;
    void put(std::string_view bytes);

    std::string buffer_;
    State state_ = State::Open;
    int errno_ = 0;
};

// The outputs of one delivery: the screen (when shown) and the output file (when named),
// which the report goes to as it is decoded and which is put in place at commit.
class Outputs {
public:
    explicit Outputs(OutputOptions options) : options_(std::move(options)) {}

    // Checks the output file and prepares its delivery: "" or a message naming it.
    std::string open();

    void screen(std::string_view utf8);
    void file(std::string_view utf8);

    // True once the screen or the output file failed: a run stops there.
    bool failed() const { return screen_failed() || file_.failed(); }
    bool screen_failed() const;

    // Puts the output file in place: "" or a message naming it.
    std::string commit() { return file_.commit(); }
    // Gives the output file's delivery up: the file stays as it was.
    void discard() { file_.discard(); }

    const OutputOptions& options() const { return options_; }

private:
    OutputOptions options_;
    ReportFile file_;
};

// One report of a multi-message run, written as its messages are decoded: the heading goes
// out before the first message report, once the reports hold `min_chars` characters, the
// end mark after the last; a run whose reports never reach that many writes nothing.
class StreamedReport {
public:
    StreamedReport(Outputs& outputs, std::string heading, std::size_t min_chars)
        : outputs_(outputs), heading_(std::move(heading)), min_chars_(min_chars) {}

    void add(std::string_view message_report);
    void finish();
    bool delivered() const { return started_; }

private:
    void both(std::string_view text);

    Outputs& outputs_;
    std::string heading_;
    std::size_t min_chars_;
    std::string pending_;  // message reports held back while still too short
    bool started_ = false;
};

}  // namespace tarn::cli
