// --jobs end to end: a report file and standard input longer than a few MB, decoded on one
// thread and on several, give the same report byte for byte, on the screen and in the
// output file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "cli/tool.hpp"

namespace tarn::test {
namespace {

namespace fs = std::filesystem;

// A day of sampled calls, a little over 4 MB: headings, the messages of ISUP and DSS1 calls
// with their circuit and call reference changing, messages without a protocol, lower-case
// groups, an ETX, long words, and now and then a message beyond the bound of 4096 octets.
std::string observation_day() {
    static const char kHex[] = "0123456789ABCDEF";
    auto octet = [](unsigned v) { return std::string{kHex[(v >> 4) & 15], kHex[v & 15]}; };
    std::string digits = "C581400030D3000901";  // an ANM whose optional part goes on and on
    while (digits.size() < 530 * 16) digits += "11020000";
    std::string anm = " ANM  LONG\r\n   ";
    for (std::size_t i = 0; i < 530 * 16; i += 16) anm += " " + digits.substr(i, 16);
    std::string text;
    for (unsigned call = 0; text.size() < (4u << 20) + 200000; ++call) {
        const std::string cic = octet(call & 0xFF);
        text += " OBSERVATION/CALL SAMPLING        RRN=121\r\n\r\n SIGNAL TABLE\r\n\r\n IAM    RECEIVED\r\n";
        text += "    C581400030" + cic + "0001 0020010A00020907 031094153254760A\r\n    0683139475560400\r\n";
        text += " ACM\r\n    C581400030" + cic + "0006 16140129010100FF\r\n\r\n";
        text += " REL\r\n    c581400030" + cic + "000c 0200028090ffffff\r\n";  // lower case
        text += " SETUP\r\n    0801" + octet(call % 127 + 1) + "0504038090 90A31803A983816C 0600813935303170";
        text += " 0880393530313030 30FFFFFFFFFFFFFF\r\n";
        text += " CONNECT\x03" + std::string("0801800718018") + kHex[call % 10] + "FF\r\n";
        text += " OTHER  0101010101010101\r\n";  // no protocol: no lines
        if (call % 500 == 7) text += anm + "\r\n";
        if (call % 97 == 5) text += " " + std::string(300, 'W') + " 0123456789ABCDEFG\r\n";
    }
    return text;
}

TEST(Jobs, SameReportWithAnyNumberOfJobs) {
    const fs::path dir = fs::temp_directory_path() / ("tarn-jobs-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto at = [&dir](const char* name) { return (dir / name).string(); };
    // Where two long reports part, without printing them.
    auto first_difference = [](const std::string& a, const std::string& b) {
        return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
    };
    const std::string text = observation_day();
    write_file(at("day.txt"), text);
    auto run = [&at](const std::vector<std::string>& args, const std::string& in = {}) {
        write_file(at("screen"), "");  // standard output goes to this file, as it is
        EXPECT_EQ(run_tool(args, {.input = in, .stdout_path = at("screen")}).exit_code, 0);
        return read_file(at("screen"));
    };
    // A file of known length: pieces from its start. The screen and the output file.
    const std::string one = run({"--lang", "en", "--jobs", "1", "-o", at("one.txt"), at("day.txt")});
    ASSERT_GT(one.size(), 30u << 20);
    EXPECT_NE(one.find(" MISTAKE: Message too long: cut after 4096 octets\r\n"), std::string::npos);
    const std::string one_file = read_file(at("one.txt"));
    EXPECT_TRUE(one_file == one + "\r\n") << "at " << first_difference(one_file, one + "\r\n");
    const std::string two = run({"--lang", "en", "--jobs", "2", at("day.txt")});
    EXPECT_TRUE(two == one) << "2 jobs, at " << first_difference(two, one);
    // Standard input from a pipe: one run until 4 MB have come, then pieces. Its report is
    // the file's but for the heading.
    run({"--lang", "en", "--jobs", "3", "--no-screen", "-o", at("piped.txt"), "-"}, text);
    std::string expected = one_file;
    expected.replace(0, expected.find("\r\n"), "   REPORT (File: -)");
    const std::string piped = read_file(at("piped.txt"));
    EXPECT_TRUE(piped == expected) << "standard input, at " << first_difference(piped, expected);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tarn::test
