#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
constexpr const char* kBadInput = "Допустимые информационные символы: 0-9, A-F";

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tarn-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    fs::path dir_;
};

TEST_F(Cli, OptionsAndExitCodes) {
    const struct {
        std::vector<std::string> args;
        int exit_code;
        const char* in_err;  // text standard error must hold ("" for none)
    } cases[] = {
        {{"--version"}, 0, ""},
        {{"--bogus"}, 2, "unknown option --bogus"},
        {{}, 2, "Usage"},
        {{"--lang", "de", "-m", "08"}, 2, "--lang"},
        {{"-m"}, 2, "needs a value"},
        {{"-m", "0801010D", "file.txt"}, 2, "not both"},
        {{"-m", "080G"}, 1, kBadInput},
        {{"-m", "08\t01"}, 1, kBadInput},
        {{"-m", "0101"}, 0, ""},  // neither protocol: no lines, no error
        {{"-m", ""}, 0, ""},
        {{"/no/such/file.txt"}, 1, "\"/no/such/file.txt\""},
        {{"-m", "0801010D", "-o", "/no/such/folder/out.txt"}, 1, "\"/no/such/folder/out.txt\""},
        // A bad feed address is a bad option (an address missing from Tarn.INI is not).
        {{"--feed", "nohost"}, 2, "--feed takes HOST:PORT"},
        {{"--feed", "127.0.0.1:0"}, 2, "--feed takes HOST:PORT"},
    };
    for (const auto& c : cases) {
        const ToolResult r = run_tool(c.args);
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        EXPECT_EQ(r.exit_code, c.exit_code) << shown << r.err;
        EXPECT_NE(r.err.find(c.in_err), std::string::npos) << shown << r.err;
        if (c.exit_code != 0) {
            EXPECT_EQ(r.out, "") << shown;
        }
    }
    EXPECT_EQ(run_tool({"--version"}).out, "tarn-decode 2.0.0\n");
    EXPECT_EQ(run_tool({"-m", "0101"}).out, "");
    // A message typed over two lines: its title line shows both, joined by CR LF.
    const std::string two_lines = run_tool({"-m", "0801\n010D"}).out;
    EXPECT_EQ(two_lines.find('\n'), 1u);
    EXPECT_NE(two_lines.find(": 0801\r\n010D\r\n"), std::string::npos) << two_lines;
}

TEST_F(Cli, FileRunIsFramedWithHeadingAndEndMark) {
    const ToolResult r = run_tool({"--lang", "en", kSample});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::string heading = "   REPORT (File: " + fs::canonical(kSample).string() + ")\r\n";
    EXPECT_EQ(r.out.substr(0, heading.size()), heading);
    ASSERT_GT(r.out.size(), 5u);
    EXPECT_EQ(r.out.substr(r.out.size() - 5), "\r\n\x03\r\n");
    EXPECT_EQ(r.out.find('\x03'), r.out.size() - 3);  // one report: one end mark

    const ToolResult ru = run_tool({kSample});
    EXPECT_EQ(ru.out.rfind("   ОТЧЕТ (Файл: ", 0), 0u);
}

TEST_F(Cli, StandardInputAndFileOutput) {
    const std::string sample = read_file(kSample);
    const std::string out = path("out.txt");
    ToolResult r = run_tool({"--lang", "en", "-o", out, "-"}, sample);
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("   REPORT (File: -)\r\n", 0), 0u);
    // The file gets the report followed by CR LF.
    EXPECT_EQ(read_file(out), r.out + "\r\n");

    // Without --keep the file is replaced, with it the new report is appended.
    r = run_tool({"--lang", "en", "--no-screen", "-o", out, "-"}, sample);
    EXPECT_EQ(r.out, "");
    const std::string once = read_file(out);
    run_tool({"--lang", "en", "--keep", "--no-screen", "-o", out, "-"}, sample);
    EXPECT_EQ(read_file(out), once + once);
}

TEST_F(Cli, FailedRunLeavesTheOutputFileAsItWas) {
    const std::string out = path("out.txt");
    write_file(out, "earlier report\r\n");
    const ToolResult r = run_tool({"-o", out, kSample, "/no/such/input.txt"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("/no/such/input.txt"), std::string::npos);
    EXPECT_EQ(read_file(out), "earlier report\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary file
}

TEST_F(Cli, Windows1251Output) {
    const std::string out = path("out.txt");
    const ToolResult r = run_tool({"--encoding", "cp1251", "-o", out, kSample});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    // "   ОТЧЕТ" in Windows-1251: one byte a letter.
    EXPECT_EQ(r.out.substr(0, 8), "   \xCE\xD2\xD7\xC5\xD2");
    EXPECT_EQ(read_file(out), r.out + "\r\n");
}

TEST_F(Cli, MessagesWithoutAProtocolWriteNothing) {
    const ToolResult r = run_tool({"-o", path("out.txt"), "-"}, "0101000000000000 0000000000000000\r\n");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(path("out.txt")));
}

}  // namespace
}  // namespace tarn::test
