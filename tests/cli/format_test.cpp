// tarn-decode --format json|summary end to end: what goes to standard output and to the
// output file, for files and standard input.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/tool.hpp"
#include "support/json.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
const std::string kOut = (fs::temp_directory_path() / "tarn-format-test.out").string();

// A file and standard input in one invocation: one object per message, named by its input;
// the output file gets exactly what the screen gets.
TEST(Format, JsonLinesOfFilesAndStandardInput) {
    const ToolResult r =
        run_tool({"--format", "json", "-o", kOut, kSample, "-"}, "    C581400030D30006 16140129010100FF\r\n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(read_file(kOut), r.out);
    std::vector<std::string> lines;
    std::istringstream split(r.out);
    for (std::string line; std::getline(split, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 6u);
    ASSERT_EQ(r.out.back(), '\n');
    const struct {
        std::size_t at;  // the line
        std::string file;
        long long index, line;
        const char* acronym;
    } want[] = {
        {0, fs::canonical(kSample).string(), 1, 21, "IAM"},
        {4, fs::canonical(kSample).string(), 5, 38, "RLC"},
        {5, "-", 1, 1, "ACM"},
    };
    for (const auto& w : want) {
        std::string error;
        const std::optional<json::Value> v = json::parse(lines[w.at], &error);
        ASSERT_TRUE(v.has_value()) << error;
        EXPECT_EQ((*v)["input"]["file"].string, w.file);
        EXPECT_EQ((*v)["input"]["index"].integer, w.index);
        EXPECT_EQ((*v)["input"]["line"].integer, w.line);
        EXPECT_EQ((*v)["reading"].string, "isup-r");
        EXPECT_EQ((*v)["lang"].string, "ru");
        EXPECT_EQ((*v)["frame"]["message_type"]["acronym"].string, w.acronym);
    }
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
