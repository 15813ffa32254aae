// Runs the built tarn-decode binary as a child process for end-to-end tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::test {

struct ToolResult {
    int exit_code = -1;  // the exit status, or 128 + the signal that ended the tool (as a shell shows it)
    std::string out;
    std::string err;
};

struct ToolRun {
    std::string input{};           // written to standard input
    bool keep_input_open = false;  // standard input stays open after `input`: a writer that waits
    std::string stdout_path{};     // standard output goes to this file instead of a pipe ("closed": none)
    std::size_t close_after = 0;   // the reader of standard output goes away after this many bytes
    int signal = 0;                // sent to the tool once `signal_when` holds for what has come
    std::function<bool(const ToolResult&)> signal_when{};
    unsigned long memory_limit = 0;  // RLIMIT_AS of the tool, in bytes
    bool as_nobody = false;          // the tool runs as user nobody (when the tests run as root)
    int timeout_ms = 20000;          // then the tool is killed (exit_code 128 + SIGKILL)
};

// Runs the tool with `args`, as `how` says: run_tool(args, {.input = "..."}).
ToolResult run_tool(const std::vector<std::string>& args, const ToolRun& how = {});

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);
std::size_t count(std::string_view text, std::string_view what);

}  // namespace tarn::test
