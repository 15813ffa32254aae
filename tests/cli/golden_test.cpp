// Whole-report check of a file run: the RRN=121 call-sampling sample (IAM, ACM, ANM, REL, RLC)
// decoded by the command-line tool must match the hand-written reports in tests/golden byte for
// byte. The golden files hold "@PATH@" where the heading shows the input file's absolute path.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/tool.hpp"
#include "report_lines.hpp"

namespace tarn::test {
namespace {

TEST(GoldenReport, SampleFileMatchesByteForByte) {
    const std::string sample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
    const struct {
        std::vector<std::string> args;
        const char* golden;
    } cases[] = {
        {{"--lang", "en", sample}, "sample.en.txt"},
        {{"--lang", "ru", sample}, "sample.ru.txt"},
        {{sample}, "sample.ru.txt"},  // Russian is the default, as in the window
    };
    for (const auto& c : cases) {
        std::string want = read_file(std::string(TARN_GOLDEN_DIR) + "/" + c.golden);
        ASSERT_EQ(count(want, "\x03"), 1u) << c.golden;
        want.replace(want.find("@PATH@"), 6, std::filesystem::canonical(sample).string());
        const ToolResult r = run_tool(c.args);
        ASSERT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        // The first line where the two part, in brackets so that trailing blanks show.
        const std::vector<std::string> g = report_lines(r.out), w = report_lines(want);
        const auto [gi, wi] = std::mismatch(g.begin(), g.end(), w.begin(), w.end());
        EXPECT_TRUE(r.out == want) << c.golden << " line " << (gi - g.begin() + 1) << "\n  got:      ["
                                   << (gi != g.end() ? *gi : "<end>") << "]\n  expected: ["
                                   << (wi != w.end() ? *wi : "<end>") << "]";
    }
}

}  // namespace
}  // namespace tarn::test
