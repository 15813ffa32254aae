#include <gtest/gtest.h>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

constexpr const char* kBadInput = "Допустимые информационные символы: 0-9, A-F";
constexpr const char* kJobs = "--jobs takes a number from 1 to 64";

TEST(Cli, OptionsAndExitCodes) {
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
        {{"-m", "08\t01"}, 1, kBadInput},
        {{"--format", "json", "-m", "080G"}, 1, "0-9, A-F"},
        {{"-m", "0101"}, 0, ""},  // neither protocol: no lines, no error
        {{"/no/such/file.txt"}, 1, "\"/no/such/file.txt\""},
        {{"-m", "0801010D", "-o", "/no/such/folder/out.txt"}, 1, "\"/no/such/folder/out.txt\""},
        // A bad feed address is a bad option (an address missing from Tarn.INI is not).
        {{"--feed", "nohost"}, 2, "--feed takes HOST:PORT"},
        {{"--feed", "127.0.0.1:0"}, 2, "--feed takes HOST:PORT"},
        {{"--format", "xml", "-m", "08"}, 2, "--format takes text, json or summary"},
        {{"--format", "json", "--encoding", "cp1251", "-m", "08"}, 2, "UTF-8"},
        {{"--jobs", "0", "-m", "08"}, 2, kJobs},
        {{"--jobs", "65", "-m", "08"}, 2, kJobs},
        {{"--jobs", "2x", "-m", "08"}, 2, kJobs},
    };
    for (const auto& c : cases) {
        const ToolResult r = run_tool(c.args);
        std::string shown;
        for (const auto& a : c.args) shown += a + " ";
        EXPECT_EQ(r.exit_code, c.exit_code) << shown << r.err;
        EXPECT_NE(r.err.find(c.in_err), std::string::npos) << shown << r.err;
        EXPECT_TRUE(c.exit_code == 0 || r.out.empty()) << shown;
    }
    EXPECT_EQ(run_tool({"--version"}).out, "tarn-decode 2.0.0\n");
    EXPECT_EQ(run_tool({"-m", "0101"}).out, "");
    // A message typed over two lines: its title line shows both, joined by CR LF.
    EXPECT_NE(run_tool({"-m", "0801\n010D"}).out.find(": 0801\r\n010D\r\n"), std::string::npos);
    // "   ОТЧЕТ" in Windows-1251: one byte a letter.
    const std::string sample = std::string(TARN_SOURCE_DIR) + "/examples/rrn121-call.txt";
    EXPECT_EQ(run_tool({"--encoding", "cp1251", sample}).out.substr(0, 8), "   \xCE\xD2\xD7\xC5\xD2");
}

TEST(Cli, LongTypedMessageIsCutLikeAMessageOfAReport) {
    std::string typed = "C581400030D3000901";
    while (typed.size() < 8200) typed += "11020000";  // 8202 digits: 4101 octets
    const std::string out = run_tool({"--lang", "en", "-m", typed}).out;
    const std::string cut = " MISTAKE: Message too long: cut after 4096 octets\r\n";
    EXPECT_TRUE(out.ends_with(cut));
    // The title line shows the typed text up to the 8192nd digit; at the bound nothing is cut.
    EXPECT_NE(out.find(": " + typed.substr(0, 8192) + "\r\n"), std::string::npos);
    EXPECT_EQ(count(run_tool({"--lang", "en", "-m", typed.substr(0, 8192)}).out, cut), 0u);
}

}  // namespace
}  // namespace tarn::test
