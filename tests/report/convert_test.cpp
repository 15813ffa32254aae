#include "report/convert.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

TEST(Convert, BinGivesFourBitsPerDigit) {
    const struct {
        const char* hex;
        const char* bits;
    } cases[] = {
        {"08", "00001000"}, {"A1", "10100001"}, {"F", "1111"}, {"", ""}, {"0123", "0000000100100011"},
    };
    for (const auto& c : cases) EXPECT_EQ(BIN(c.hex), c.bits) << c.hex;
}

TEST(Convert, DecadicReadsMostSignificantBitFirst) {
    EXPECT_EQ(decadic("0000000000001"), 1u);
    EXPECT_EQ(decadic("11"), 3u);
    EXPECT_EQ(decadic("10000000"), 128u);
    EXPECT_EQ(decadic(""), 0u);
    // A run longer than an integer holds keeps only its low bits instead of overflowing.
    EXPECT_EQ(decadic(std::string(40, '1')), 0x7FFFFFFFu);
}

TEST(Convert, AdrSSwapsSignalPairsAndWritesStForF) {
    const struct {
        const char* hex;
        const char* digits;
    } cases[] = {
        {"1032547698", "0123456789"},
        {"21F3", "123ST"},
        {"214", "12"},  // an odd last character is not taken
        {"2", ""},
        {"", ""},
        {"0F", "ST0"},
    };
    for (const auto& c : cases) EXPECT_EQ(AdrS(c.hex), c.digits) << c.hex;
}

TEST(Convert, Ia5TakesOctetsAsWindows1251Characters) {
    EXPECT_EQ(IA5("414243"), "ABC");
    EXPECT_EQ(IA5(""), "");
    EXPECT_EQ(IA5("41424"), "AB");  // a half octet at the end is no character
    EXPECT_EQ(IA5("C0FFA8B9"), "АяЁ№");
}

// Control codes never reach a report line: CR, LF and ETX would break the lines and the feed
// framing. They show by name; 98, the code of Windows-1251 without a character, by its hex.
TEST(Convert, Ia5NamesControlCodes) {
    EXPECT_EQ(IA5("0D0A03"), "<CR><LF><ETX>");
    EXPECT_EQ(IA5("00011B1F"), "<NUL><SOH><ESC><US>");
    EXPECT_EQ(IA5("20417E7F"), " A~<DEL>");
    EXPECT_EQ(IA5("979899"), "—<98>™");
    EXPECT_EQ(IA5("A0"), "\u00A0");
}

TEST(Convert, Cp1251RoundTripsCyrillic) {
    const std::string text = "ОШИБКА: недопустимый формат элемента Ёё №";
    const std::string bytes = utf8_to_cp1251(text);
    EXPECT_EQ(bytes.size(), utf8_length(text));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCE);  // О
    EXPECT_EQ(cp1251_to_utf8(bytes), text);
    EXPECT_EQ(utf8_to_cp1251("日"), "?");    // no Windows-1251 form
    EXPECT_EQ(utf8_to_cp1251("\xD0"), "?");  // cut sequence
}

TEST(Convert, MidNeverReadsOutOfRange) {
    EXPECT_EQ(mid("0801010D", 7, 2), "0D");
    EXPECT_EQ(mid("0801010D", 7, 10), "0D");
    EXPECT_EQ(mid("0801010D", 9, 2), "");
    EXPECT_EQ(mid("0801010D", 0, 2), "");
    EXPECT_EQ(mid("0801010D", 5), "010D");
    EXPECT_EQ(hex_number("1F"), 31u);
    EXPECT_EQ(hex_number(""), 0u);
}

}  // namespace
}  // namespace tarn
