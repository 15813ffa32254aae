// Runs the built tarn-decode binary as a child process for end-to-end tests.
#pragma once

#include <string>
#include <vector>

namespace tarn::test {

struct ToolResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Runs tarn-decode with `args`, writing `input` to its standard input.
ToolResult run_tool(const std::vector<std::string>& args, const std::string& input = {});

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);

}  // namespace tarn::test
