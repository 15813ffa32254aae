// tarn-decode --format json|summary end to end: what goes to standard output and to the
// output file, for a typed message, files and standard input.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/tool.hpp"
#include "support/json.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
const std::string kHeader =
    "index\tprotocol\tmessage\tcic_or_call_ref\tdpc\topc\tcalled\tcalling\tcause\tcause_text\tmistakes\n";
const std::string kAcm = "C581400030D30006 16140129010100FF";

std::vector<std::string> lines_of(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = out.find('\n', from)) != std::string::npos; from = at + 1)
        lines.push_back(out.substr(from, at - from));
    EXPECT_EQ(from, out.size()) << "the last line has no LF";
    return lines;
}

class Format : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("tarn-format-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

TEST_F(Format, OptionErrors) {
    const struct {
        std::vector<std::string> args;
        int exit_code;
        const char* in_err;
    } cases[] = {
        {{"--format", "xml", "-m", "08"}, 2, "--format takes text, json or summary"},
        {{"--format"}, 2, "needs a value"},
        {{"--format", "json", "--encoding", "cp1251", "-m", "08"}, 2, "UTF-8"},
        {{"--format", "json", "-m", "080G"}, 1, "0-9, A-F"},
        {{"--format=summary", "/no/such/file.txt"}, 1, "\"/no/such/file.txt\""},
    };
    for (const auto& c : cases) {
        const ToolResult r = run_tool(c.args);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.args[0] << " " << r.err;
        EXPECT_NE(r.err.find(c.in_err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(Format, TypedMessageAsOneJsonLine) {
    const ToolResult r = run_tool({"--format", "json", "--lang", "en", "-m", kAcm});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 1u);
    std::string error;
    const std::optional<json::Value> v = json::parse(lines[0], &error);
    ASSERT_TRUE(v.has_value()) << error;
    EXPECT_TRUE((*v)["input"]["file"].is_null());
    EXPECT_EQ((*v)["input"]["index"].integer, 1);
    EXPECT_EQ((*v)["hex"].string, "C581400030D3000616140129010100FF");
    EXPECT_EQ((*v)["frame"]["message_type"]["acronym"].string, "ACM");
    // A message no decoder recognises writes nothing, and leaves the output file alone.
    const std::string out = path("out.json");
    write_file(out, "earlier\n");
    const ToolResult none = run_tool({"--format", "json", "-o", out, "-m", "0101"});
    EXPECT_EQ(none.exit_code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(read_file(out), "earlier\n");
}

// A file and standard input in one invocation: one object per message, named by its input;
// the output file gets exactly what the screen gets.
TEST_F(Format, FilesAndStandardInputToTheOutputFile) {
    const std::string out = path("out.json");
    const ToolResult r = run_tool({"--format", "json", "-o", out, kSample, "-"}, "    " + kAcm + "\r\n");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(read_file(out), r.out);
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 6u);
    const std::string canonical = fs::canonical(kSample).string();
    const struct {
        const char* file;  // nullptr: the sample's full path
        long long index;
        long long line;
        const char* reading;
    } want[] = {
        {nullptr, 1, 21, "isup-r"}, {nullptr, 2, 26, "isup-r"}, {nullptr, 3, 30, "isup-r"},
        {nullptr, 4, 34, "isup-r"}, {nullptr, 5, 38, "isup-r"}, {"-", 1, 1, "isup-r"},
    };
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::optional<json::Value> v = json::parse(lines[k]);
        ASSERT_TRUE(v.has_value()) << lines[k];
        EXPECT_EQ((*v)["input"]["file"].string, want[k].file != nullptr ? want[k].file : canonical) << k;
        EXPECT_EQ((*v)["input"]["index"].integer, want[k].index) << k;
        EXPECT_EQ((*v)["input"]["line"].integer, want[k].line) << k;
        EXPECT_EQ((*v)["reading"].string, want[k].reading) << k;
        EXPECT_EQ((*v)["lang"].string, "ru") << k;
    }
}

TEST_F(Format, SummaryWithItsHeaderOnce) {
    const std::string out = path("out.tsv");
    ToolResult r = run_tool({"--format", "summary", "--lang", "en", "-o", out, kSample, kSample});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::string rows =
        "1\tisup\tIAM\t211\t129\t1\t4951234567\t4957654\t\t\t0\n"
        "2\tisup\tACM\t211\t129\t1\t\t\t\t\t0\n"
        "3\tisup\tANM\t211\t129\t1\t\t\t\t\t0\n"
        "4\tisup\tREL\t211\t129\t1\t\t\t16\tNormal call clearing\t0\n"
        "5\tisup\tRLC\t211\t1\t129\t\t\t\t\t0\n";
    const std::string again =
        "6\tisup\tIAM\t211\t129\t1\t4951234567\t4957654\t\t\t0\n"
        "7\tisup\tACM\t211\t129\t1\t\t\t\t\t0\n"
        "8\tisup\tANM\t211\t129\t1\t\t\t\t\t0\n"
        "9\tisup\tREL\t211\t129\t1\t\t\t16\tNormal call clearing\t0\n"
        "10\tisup\tRLC\t211\t1\t129\t\t\t\t\t0\n";
    EXPECT_EQ(r.out, kHeader + rows + again);
    EXPECT_EQ(read_file(out), r.out);
    // Appended with --keep to a file that holds rows: no second header there.
    r = run_tool({"--format", "summary", "--lang", "en", "--keep", "--no-screen", "-o", out, kSample});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read_file(out), kHeader + rows + again + rows);
    // --keep to a new file: the header comes first.
    const std::string fresh = path("fresh.tsv");
    r = run_tool({"--format", "summary", "--lang", "en", "--keep", "-o", fresh, kSample});
    EXPECT_EQ(read_file(fresh), kHeader + rows);
}

TEST_F(Format, SummaryInWindows1251) {
    const ToolResult r =
        run_tool({"--format", "summary", "--encoding", "cp1251", "-m", "C581400030D3000C0200028090FFFFFF"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // "нормальное освобождение" in Windows-1251, one byte a letter.
    EXPECT_EQ(
        r.out,
        kHeader +
            "1\tisup\tREL\t211\t129\t1\t\t\t16\t"
            "\xED\xEE\xF0\xEC\xE0\xEB\xFC\xED\xEE\xE5 \xEE\xF1\xE2\xEE\xE1\xEE\xE6\xE4\xE5\xED\xE8\xE5\t0\n");
}

TEST_F(Format, TextStaysTheDefault) {
    EXPECT_EQ(run_tool({"--format", "text", "--lang", "en", kSample}).out,
              run_tool({"--lang", "en", kSample}).out);
}

}  // namespace
}  // namespace tarn::test
