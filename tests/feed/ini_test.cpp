#include "feed/ini.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using tarn::feed::AddressProblem;
using tarn::feed::ReadIniString;

class IniTest : public ::testing::Test {
protected:
    std::string write(const std::string& text) {
        std::ofstream(path_, std::ios::binary) << text;
        return path_.string();
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("tarn-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
};

struct IniCase {
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

TEST_F(IniTest, ReadsValuesTheWayWindowsDoes) {
    const IniCase cases[] = {
        {"[Vantix]\r\nRemoteHost=10.1.2.3\r\nRemotePort=7001\r\n", "Vantix", "RemotePort", "7001"},
        // names compared without regard to case, blanks around names and values ignored
        {"[VANTIX]\nremotehost = exchange-3 \n", "Vantix", "RemoteHost", "exchange-3"},
        {"  [ vantix ]  \n  REMOTEHOST=h\n", "Vantix", "RemoteHost", "h"},
        // the key of another section is not taken
        {"[Other]\nRemoteHost=wrong\n[Vantix]\nRemotePort=1\n", "Vantix", "RemoteHost", "dflt"},
        // the first key of the name counts, comments are skipped, quotes are removed
        {"[Vantix]\n;RemoteHost=commented\nRemoteHost=\"first\"\nRemoteHost=second\n", "Vantix", "RemoteHost",
         "first"},
        // an empty value is a value
        {"[Vantix]\nRemoteHost=\n", "Vantix", "RemoteHost", ""},
        // a UTF-8 mark before the first section
        {"\xEF\xBB\xBF[Vantix]\nRemoteHost=bom\n", "Vantix", "RemoteHost", "bom"},
        // no '=' on the line: not a key
        {"[Vantix]\nRemoteHost\n", "Vantix", "RemoteHost", "dflt"},
    };
    for (const IniCase& c : cases) {
        EXPECT_EQ(ReadIniString(write(c.file), c.section, c.key, "dflt"), c.expected) << c.file;
    }
}

TEST_F(IniTest, MissingFileGivesTheDefault) {
    EXPECT_EQ(ReadIniString("/nonexistent/Tarn.INI", "Vantix", "RemoteHost", "x"), "x");
}

TEST_F(IniTest, ValueIsCutLikeA255CharacterBuffer) {
    const std::string value(400, 'a');
    EXPECT_EQ(ReadIniString(write("[Vantix]\nRemoteHost=" + value + "\n"), "Vantix", "RemoteHost", ""),
              std::string(254, 'a'));
}

TEST_F(IniTest, FeedAddressAndItsProblems) {
    auto good = tarn::feed::read_feed_address(write("[Vantix]\nRemoteHost=127.0.0.1\nRemotePort=5005\n"));
    EXPECT_TRUE(good.ok());
    EXPECT_EQ(good.host, "127.0.0.1");
    EXPECT_EQ(good.port, 5005);

    const std::pair<const char*, AddressProblem> bad[] = {
        {"[Vantix]\nRemotePort=5005\n", AddressProblem::NoHost},
        {"[Vantix]\nRemoteHost=h\n", AddressProblem::BadPort},
        {"[Vantix]\nRemoteHost=h\nRemotePort=50x5\n", AddressProblem::BadPort},
        {"[Vantix]\nRemoteHost=h\nRemotePort=65536\n", AddressProblem::BadPort},
        {"[Vantix]\nRemoteHost=h\nRemotePort=0\n", AddressProblem::BadPort},
    };
    for (const auto& [file, problem] : bad) {
        const auto address = tarn::feed::read_feed_address(write(file));
        EXPECT_EQ(address.problem, problem) << file;
        const std::string ru = tarn::feed::describe_problem(address, path_.string(), tarn::Lang::Russian);
        EXPECT_NE(ru.find(path_.string()), std::string::npos) << ru;
    }
    const auto missing = tarn::feed::read_feed_address("/nonexistent/Tarn.INI");
    EXPECT_EQ(missing.problem, AddressProblem::NoFile);
    EXPECT_NE(tarn::feed::describe_problem(missing, "/nonexistent/Tarn.INI", tarn::Lang::English)
                  .find("/nonexistent/Tarn.INI is missing"),
              std::string::npos);
}

TEST(FeedAddress, HostAndPortFromTheCommandLine) {
    auto a = tarn::feed::parse_feed_address("127.0.0.1:6001");
    EXPECT_TRUE(a.ok());
    EXPECT_EQ(a.host, "127.0.0.1");
    EXPECT_EQ(a.port, 6001);
    a = tarn::feed::parse_feed_address("[::1]:80");
    EXPECT_EQ(a.host, "::1");
    EXPECT_EQ(a.port, 80);
    EXPECT_EQ(tarn::feed::parse_feed_address("host").problem, AddressProblem::BadPort);
    EXPECT_EQ(tarn::feed::parse_feed_address(":80").problem, AddressProblem::NoHost);
    EXPECT_EQ(tarn::feed::parse_feed_address("h:-1").problem, AddressProblem::BadPort);
}

}  // namespace
