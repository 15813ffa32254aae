// The message dump, the empty report and the conversions every decoder reads its octets
// with.
#include "report/report.hpp"

#include <gtest/gtest.h>

#include <string>

#include "report/convert.hpp"

namespace tarn {
namespace {

std::string digits(std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += "0123456789ABCDEF"[i % 16];
    return s;
}

TEST(FormatOutMessage, GroupsOfSixteenWithHalfToEvenRounding) {
    const std::string d16 = digits(16);
    const struct {
        std::size_t length;
        std::string dump;
    } cases[] = {
        {0, " "},
        {8, " 01234567"},                           // 8/16 = 0.5 rounds to 0: no extra group
        {9, " 012345678 "},                         // remainder 9 rounds up
        {16, " " + d16 + " "},                      // a multiple of 16 ends in one extra blank
        {24, " " + d16 + " 01234567 "},             // 1.5 rounds to 2
        {40, " " + d16 + " " + d16 + " 01234567"},  // 2.5 rounds to 2
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOutMessage(digits(c.length)), c.dump) << c.length;
}

// A report of at most 9 characters is empty; characters are counted, not bytes.
TEST(Report, EmptyReportsCountCharactersNotBytes) {
    EXPECT_TRUE(is_empty_report("\r\n12345\r\n"));  // 9 characters
    EXPECT_FALSE(is_empty_report("\r\n123456\r\n"));
    EXPECT_TRUE(is_empty_report("ОШИБКА12\r"));  // 9 characters in 15 bytes
}

TEST(Convert, EdgesOfTheConversions) {
    // A run longer than an integer holds keeps only its low bits instead of overflowing.
    EXPECT_EQ(decadic(std::string(40, '1')), 0x7FFFFFFFu);
    EXPECT_EQ(AdrS("21F3"), "123ST");
    EXPECT_EQ(AdrS("214"), "12");   // an odd last character is not taken
    EXPECT_EQ(IA5("41424"), "AB");  // a half octet at the end is no character
    // Control codes never reach a report line: CR, LF and ETX would break the lines and the
    // feed framing. They show by name; 98, the code of Windows-1251 without a character, by
    // its hex.
    EXPECT_EQ(IA5("0D0A03"), "<CR><LF><ETX>");
    EXPECT_EQ(IA5("00011B1F"), "<NUL><SOH><ESC><US>");
    EXPECT_EQ(IA5("979899"), "—<98>™");
    const std::string text = "ОШИБКА: недопустимый формат элемента Ёё №";
    EXPECT_EQ(cp1251_to_utf8(utf8_to_cp1251(text)), text);
    EXPECT_EQ(utf8_to_cp1251("日"), "?");    // no Windows-1251 form
    EXPECT_EQ(utf8_to_cp1251("\xD0"), "?");  // cut sequence
    EXPECT_EQ(mid("0801010D", 9, 2), "");
    EXPECT_EQ(mid("0801010D", 0, 2), "");
}

}  // namespace
}  // namespace tarn
