// Whole-report check of a file run: the RRN=121 call-sampling sample (IAM, ACM, ANM, REL, RLC)
// decoded by the command-line tool must match the hand-written reports in tests/golden byte for
// byte. The golden files hold "@PATH@" where the heading shows the input file's absolute path.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
constexpr std::string_view kPathMark = "@PATH@";

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));  // after the last CR LF: normally empty
    return lines;
}

// Names the first line where the two reports part, with both versions of it in brackets
// (so that trailing blanks show), or "" when they are equal.
std::string first_difference(const std::string& got, const std::string& want) {
    if (got == want) return {};
    const std::vector<std::string> g = split_lines(got), w = split_lines(want);
    const std::size_t common = std::min(g.size(), w.size());
    std::size_t k = 0;
    while (k < common && g[k] == w[k]) ++k;
    std::string shown = "first difference at line " + std::to_string(k + 1) + " (of " +
                        std::to_string(g.size()) + " got, " + std::to_string(w.size()) + " expected)\n";
    shown += "  got:      [" + (k < g.size() ? g[k] : std::string("<end of output>")) + "]\n";
    shown += "  expected: [" + (k < w.size() ? w[k] : std::string("<end of golden>")) + "]\n";
    return shown;
}

std::string expected_report(const std::string& golden_name) {
    std::string text = read_file(std::string(TARN_GOLDEN_DIR) + "/" + golden_name);
    const std::size_t at = text.find(kPathMark);
    if (at != std::string::npos) text.replace(at, kPathMark.size(), fs::canonical(kSample).string());
    return text;
}

struct GoldenCase {
    const char* name;
    std::vector<std::string> lang_args;
    const char* golden;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

class GoldenReport : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, SampleFileMatchesByteForByte) {
    const GoldenCase& c = GetParam();
    const std::string want = expected_report(c.golden);
    ASSERT_GT(want.size(), 1000u) << "golden file missing or empty: " << c.golden;
    ASSERT_EQ(std::count(want.begin(), want.end(), '\x03'), 1) << c.golden;

    std::vector<std::string> args = c.lang_args;
    args.push_back(kSample);
    const ToolResult r = run_tool(args);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out == want) << first_difference(r.out, want);
}

INSTANTIATE_TEST_SUITE_P(Rrn121, GoldenReport,
                         ::testing::Values(GoldenCase{"English", {"--lang", "en"}, "sample.en.txt"},
                                           GoldenCase{"Russian", {"--lang", "ru"}, "sample.ru.txt"},
                                           GoldenCase{"DefaultIsRussian", {}, "sample.ru.txt"}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

// The comparison helper itself: it must point at the right line, trailing blanks included.
TEST(GoldenReportHelper, NamesTheFirstDifferingLine) {
    EXPECT_EQ(first_difference("a\r\nb\r\n", "a\r\nb\r\n"), "");
    const std::string d = first_difference("a\r\nb \r\nc\r\n", "a\r\nb\r\nc\r\n");
    EXPECT_NE(d.find("line 2"), std::string::npos) << d;
    EXPECT_NE(d.find("[b ]"), std::string::npos) << d;
    const std::string shorter = first_difference("a\r\n", "a\r\nb\r\n");
    EXPECT_NE(shorter.find("line 2"), std::string::npos) << shorter;
    EXPECT_NE(shorter.find("[]"), std::string::npos) << shorter;  // output ended: empty tail
}

}  // namespace
}  // namespace tarn::test
