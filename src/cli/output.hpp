// Where the command-line tool delivers reports: standard output (the screen) and/or the
// output file, in UTF-8 or Windows-1251.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
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

// The output file of one invocation is written to a temporary file beside it and only
// put in place (renamed over it, or appended to it with --keep) when the invocation
// succeeds, so a failed run leaves the old file as it was.
class Outputs {
public:
    explicit Outputs(OutputOptions options) : options_(std::move(options)) {}
    ~Outputs();
    Outputs(const Outputs&) = delete;
    Outputs& operator=(const Outputs&) = delete;

    // Checks that the output file can be written; returns an error message or "".
    std::string open();

    // Writes report text to the screen and to the pending output file.
    void screen(std::string_view utf8);
    void file(std::string_view utf8);

    // Puts the output file in place; returns an error message or "".
    std::string commit();

    const OutputOptions& options() const { return options_; }

private:
    OutputOptions options_;
    std::filesystem::path temp_;
    std::ofstream file_;
    bool failed_ = false;
};

// One report of a multi-message run, written as its messages are decoded: the heading
// goes out before the first message that has lines, the end mark after the last; a run
// in which no message had lines writes nothing.
class StreamedReport {
public:
    StreamedReport(Outputs& outputs, std::string heading) : outputs_(outputs), heading_(std::move(heading)) {}

    void add(std::string_view message_report);
    void finish();
    bool empty() const { return !started_; }

private:
    void both(std::string_view text);

    Outputs& outputs_;
    std::string heading_;
    std::string pending_;  // message reports of fewer than two characters, held back
    bool started_ = false;
};

}  // namespace tarn::cli
