// tarn-decode --format json|summary end to end: the output file gets what the screen gets,
// each object is named by its input, and the summary's header comes once.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tool.hpp"
#include "support/json.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
const std::string kOut = (fs::temp_directory_path() / "tarn-format-test.out").string();

TEST(Format, JsonLinesNamedByTheirInput) {
    const ToolResult r = run_tool({"--format", "json", "-o", kOut, kSample, "-"},
                                  {.input = "    C581400030D30006 16140129010100FF\r\n"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(read_file(kOut), r.out);
    ASSERT_EQ(count(r.out, "\n"), 6u);  // the sample's five messages, then the typed ACM
    ASSERT_EQ(r.out.back(), '\n');
    const std::optional<json::Value> first = json::parse(r.out.substr(0, r.out.find('\n')));
    const std::optional<json::Value> last =
        json::parse(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1));
    ASSERT_TRUE(first.has_value() && last.has_value()) << r.out;
    EXPECT_EQ((*first)["input"]["file"].string, fs::canonical(kSample).string());
    EXPECT_EQ((*first)["input"]["line"].integer, 21);
    EXPECT_EQ((*last)["input"]["file"].string, "-");
    EXPECT_EQ((*last)["input"]["index"].integer, 1);
    EXPECT_EQ((*last)["frame"]["message_type"]["acronym"].string, "ACM");
    fs::remove(kOut);
}

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
