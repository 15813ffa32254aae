// tarn-decode --format summary end to end: the output file gets what the screen gets, rows
// are numbered across the inputs, and the header comes once, also when rows are appended.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
const std::string kOut = (fs::temp_directory_path() / ("tarn-format-" + std::to_string(::getpid()))).string();

TEST(Format, SummaryWithItsHeaderOnce) {
    const std::string header =
        "index\tprotocol\tmessage\tcic_or_call_ref\tdpc\topc\tcalled\tcalling\tcause\tcause_text\tmistakes\n";
    auto rows = [](int from) {
        const char* tails[] = {"IAM\t211\t129\t1\t4951234567\t4957654\t\t\t0\n",
                               "ACM\t211\t129\t1\t\t\t\t\t0\n", "ANM\t211\t129\t1\t\t\t\t\t0\n",
                               "REL\t211\t129\t1\t\t\t16\tNormal call clearing\t0\n",
                               "RLC\t211\t1\t129\t\t\t\t\t0\n"};
        std::string all;
        for (const char* tail : tails) all += std::to_string(from++) + "\tisup\t" + tail;
        return all;
    };
    ToolResult r = run_tool({"--format", "summary", "--lang", "en", "-o", kOut, kSample, kSample});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, header + rows(1) + rows(6));
    EXPECT_EQ(read_file(kOut), r.out);
    // Appended with --keep to a file that holds rows: no second header there; to a new file
    // the header comes first.
    r = run_tool({"--format", "summary", "--lang", "en", "--keep", "--no-screen", "-o", kOut, kSample});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read_file(kOut), header + rows(1) + rows(6) + rows(1));
    fs::remove(kOut);
    r = run_tool({"--format", "summary", "--lang", "en", "--keep", "-o", kOut, kSample});
    EXPECT_EQ(read_file(kOut), header + rows(1));
    fs::remove(kOut);
}

}  // namespace
}  // namespace tarn::test
