// Whole-report check of a file run: the RRN=121 call-sampling sample (IAM, ACM, ANM, REL, RLC)
// decoded by the command-line tool must match the hand-written reports in tests/golden byte for
// byte. The golden files hold "@PATH@" where the heading shows the input file's absolute path.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// The first line where the two reports part, in brackets so that trailing blanks show.
std::string first_difference(const std::string& got, const std::string& want) {
    const std::vector<std::string> g = split_lines(got), w = split_lines(want);
    std::size_t k = 0;
    while (k < std::min(g.size(), w.size()) && g[k] == w[k]) ++k;
    return "line " + std::to_string(k + 1) + "\n  got:      [" + (k < g.size() ? g[k] : "<end>") +
           "]\n  expected: [" + (k < w.size() ? w[k] : "<end>") + "]";
}

TEST(GoldenReport, SampleFileMatchesByteForByte) {
    const struct {
        std::vector<std::string> args;
        const char* golden;
    } cases[] = {
        {{"--lang", "en", kSample}, "sample.en.txt"},
        {{"--lang", "ru", kSample}, "sample.ru.txt"},
        {{kSample}, "sample.ru.txt"},  // Russian is the default, as in the window
    };
    for (const auto& c : cases) {
        std::string want = read_file(std::string(TARN_GOLDEN_DIR) + "/" + c.golden);
        ASSERT_EQ(std::count(want.begin(), want.end(), '\x03'), 1) << c.golden;
        want.replace(want.find("@PATH@"), 6, std::filesystem::canonical(kSample).string());
        const ToolResult r = run_tool(c.args);
        ASSERT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out == want) << c.golden << " " << first_difference(r.out, want);
    }
}

}  // namespace
}  // namespace tarn::test
