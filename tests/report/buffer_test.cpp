// The report buffer reused from message to message, and the pieces a line is built from
// without an allocation: bit columns, bit texts of hex digits, short values, the hex dump.
#include <gtest/gtest.h>

#include <string>

#include "report/context.hpp"
#include "report/octets.hpp"
#include "report/report.hpp"
#include "report/short_text.hpp"

namespace tarn {
namespace {

constexpr Label kName{" Name.......................... ", " Имя........................... "};

// The bit column of every kind of field range, from a whole octet, a half octet (the last
// digit of cut contents) and a missing one: dots left and right of the field's bits.
TEST(BitColumn, DotsMaskedInByTheFieldRange) {
    const struct {
        const char* name;
        std::string_view bits;
        int hi;
        int lo;
        const char* column;
    } cases[] = {
        {"Bit8", "10110011", 8, 8, "1......."},
        {"WholeOctet", "10110011", 8, 1, "10110011"},
        {"Bit1", "10110011", 1, 1, ".......1"},
        {"Bits7To5", "10110011", 7, 5, ".011...."},
        {"Bits6To3", "10110011", 6, 3, "..1100.."},
        {"Bits4To1", "10110011", 4, 1, "....0011"},
        {"Bit5", "10110011", 5, 5, "...1...."},
        {"HalfHigh", "1011", 8, 5, "1011...."},
        {"HalfTop", "1011", 8, 7, "10......"},
        {"HalfMiddle", "1011", 6, 5, "..11...."},
        {"HalfLowMissing", "1011", 4, 1, "...."},
        {"HalfInnerMissing", "1011", 3, 2, "......"},
        {"MissingWhole", "", 8, 1, ""},
        {"MissingHigh", "", 8, 5, "...."},
    };
    for (const auto& c : cases) {
        Context ctx(Lang::English, true, "");
        ctx.field(c.bits, c.hi, c.lo, kName, "value");
        EXPECT_EQ(ctx.screen(), std::string(" ") + c.column + " Name.......................... value\r\n")
            << c.name;
    }
}

// The value of a field read from its octet's bit text: the octet's bits taken at once, and
// any other text (a cut octet, characters that are no bits) read character by character.
TEST(BitColumn, FieldValueFromTheBitText) {
    static constexpr Text kValues[] = {{"v0", ""}, {"v1", ""}, {"v2", ""}, {"v3", ""},
                                       {"v4", ""}, {"v5", ""}, {"v6", ""}, {"v7", ""}};
    static constexpr Field kLow = dense_field(3, 1, kName, kValues);
    static constexpr Field kHigh = dense_field(8, 6, kName, kValues);
    static constexpr Field kMiddle = dense_field(5, 3, kName, kValues);
    const struct {
        std::string_view bits;
        const Field& field;
        const char* line;
    } cases[] = {
        {"10110011", kLow, " .....011 Name.......................... v3\r\n"},
        {"10110011", kHigh, " 101..... Name.......................... v5\r\n"},
        {"10110011", kMiddle, " ...100.. Name.......................... v4\r\n"},
        {"11111111", kHigh, " 111..... Name.......................... v7\r\n"},
        {"00000000", kMiddle, " ...000.. Name.......................... v0\r\n"},
        {"1011001x", kLow, " .....01x Name.......................... v2\r\n"},  // x reads 0
        {"1011", kHigh, " 101..... Name.......................... v5\r\n"},
        {"1011", kMiddle, " ...1.. Name.......................... v1\r\n"},  // bit 5 alone
    };
    for (const auto& c : cases) {
        Context ctx(Lang::English, true, "");
        ctx.field(c.bits, c.field);
        EXPECT_EQ(ctx.screen(), c.line) << c.bits;
    }
}

// A context given the run's buffer writes after what the buffer holds and sees only its
// own message's lines; the title is the caller's text.
TEST(ReportBuffer, ContextAppendsToTheRunsBuffer) {
    std::string buffer = "earlier message\r\n";
    const std::string title = " 0801010D ";
    {
        Context ctx(Lang::Russian, false, title, AppendTo{buffer});
        EXPECT_EQ(ctx.title(), " 0801010D ");
        EXPECT_EQ(ctx.report(), "");
        ctx.line(" title", ctx.title());
        ctx.field(bits8(0x81), 8, 8, kName, "один");
        EXPECT_EQ(ctx.report(), " title 0801010D \r\n 1....... Имя........................... один\r\n");
        EXPECT_EQ(ctx.take_screen(), ctx.report());  // a copy: the buffer stays the run's
    }
    EXPECT_EQ(buffer,
              "earlier message\r\n title 0801010D \r\n 1....... Имя........................... один\r\n");
    // A context that keeps its report hands it over whole.
    Context own(Lang::English, true, "typed");
    own.line(own.title());
    EXPECT_EQ(own.report(), "typed\r\n");
    EXPECT_EQ(own.take_screen(), "typed\r\n");
}

// BIN of at most two digits, from the table.
TEST(BitsOfDigits, OneOrTwoDigits) {
    const struct {
        std::string_view digits;
        std::string_view bits;
    } cases[] = {
        {"", ""},           {"A", "1010"},      {"A1", "10100001"}, {"0f", "00001111"},
        {"FF", "11111111"}, {"G1", "00000001"},  // a character that is no digit reads as 0
        {"5", "0101"},
    };
    for (const auto& c : cases) EXPECT_EQ(bits_of_digits(c.digits), c.bits) << c.digits;
}

TEST(ShortText, PiecesAndDecimalNumbers) {
    EXPECT_EQ(ShortText(0u, " Dec").view(), "0 Dec");
    EXPECT_EQ(ShortText("D3", " Hex").view(), "D3 Hex");
    EXPECT_EQ(ShortText("0", " Hex (канал # ", 4294967295u, ")").view(), "0 Hex (канал # 4294967295)");
    EXPECT_EQ(ShortText().view(), "");
    // What would not fit is left off; the text never grows past its room.
    const std::string longer(ShortText::kCapacity + 10, 'x');
    EXPECT_EQ(ShortText(longer, "y").view(), std::string(ShortText::kCapacity, 'x'));
}

// The dump appended to a reused buffer is the dump FormatOutMessage gives, after what the
// buffer held.
TEST(MessageDump, AppendedAfterTheBuffersText) {
    std::string buffer = "x";
    append_message_dump(buffer, "0123456789ABCDEF012");
    EXPECT_EQ(buffer, "x 0123456789ABCDEF 012");
    buffer.clear();
    append_message_dump(buffer, "01234567");
    EXPECT_EQ(buffer, " 01234567");
    EXPECT_EQ(FormatOutMessage("0123456789ABCDEF"), " 0123456789ABCDEF ");
}

}  // namespace
}  // namespace tarn
