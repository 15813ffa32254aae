#include "feed/ini.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

using tarn::feed::AddressProblem;

std::string shown(const tarn::feed::FeedAddress& a) {
    const char* problems[] = {"", "no file", "no host", "bad port"};  // in AddressProblem's order
    return a.ok() ? a.host + ":" + std::to_string(a.port) : problems[int(a.problem)];
}

using Case = std::pair<const char*, const char*>;  // {text, address or its problem}

TEST(FeedAddress, FromTarnIni) {
    // section and key names in any case, blanks and quotes around values, the first key counts
    const Case cases[] = {
        {"[Vantix]\r\nRemoteHost=10.1.2.3\r\nRemotePort=7001\r\n", "10.1.2.3:7001"},
        {"\xEF\xBB\xBF  [ VANTIX ]\nremotehost = \"h\" \nREMOTEPORT= 1\nRemotePort=2\n", "h:1"},
        {"[Other]\nRemoteHost=h\n[Vantix]\n;RemoteHost=h\nRemotePort=1\n", "no host"},
        {"[Vantix]\nRemoteHost=h\n", "bad port"},
        {"[Vantix]\nRemoteHost=h\nRemotePort=47123 x ; comment\n", "bad port"},
        // a comment after the value, as GetPrivateProfileString returns it and Val reads it
        {"[Vantix]\nRemoteHost=h\nRemotePort = 47123 ; main server\n", "h:47123"},
        {"[Vantix]\nRemoteHost=h ; standby\nRemotePort=47123;\n", "h:47123"},
        {nullptr, "no file"},
    };
    const auto path =
        std::filesystem::temp_directory_path() / ("tarn-" + std::to_string(::getpid()) + ".ini");
    for (const auto& [ini, expected] : cases) {
        std::filesystem::remove(path);
        if (ini != nullptr) std::ofstream(path, std::ios::binary) << ini;
        const auto address = tarn::feed::read_feed_address(path.string());
        EXPECT_EQ(shown(address), expected) << (ini ? ini : "");
        // the operator is told which file to mend
        const std::string told = tarn::feed::describe_problem(address, path.string(), tarn::Lang::Russian);
        EXPECT_EQ(told.find(path.string()) != std::string::npos, !address.ok()) << told;
    }
    std::filesystem::remove(path);
}

TEST(FeedAddress, FromTheCommandLine) {
    const Case cases[] = {
        {"[::1]:80", "::1:80"}, {"host", "bad port"}, {":80", "no host"}, {"h:-1", "bad port"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shown(tarn::feed::parse_feed_address(text)), expected);
}

}  // namespace
