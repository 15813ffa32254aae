// The line builders every decoder writes with: the openings of an element, field tables
// over whole and half octets, and what a cut field shows.
#include "report/context.hpp"

#include <gtest/gtest.h>

#include <string>

#include "report/octets.hpp"
#include "report/short_text.hpp"

namespace tarn {
namespace {

// Each opening: which lines it writes, and when it stops the element.
TEST(Context, Openings) {
    constexpr Text kTitle{" Name", " Имя"};
    const struct {
        const char* name;
        Element element;
        Opening how;
        std::size_t min_octets;
        bool ok;
        std::string lines;
    } cases[] = {
        {"HeaderWhole", Element(0x08, 1, "80"), Opening::Header, 1, true,
         " 00001000 Optional parameter............ Name\r\n Name\r\n 00000001 Length........................ "
         "1 Dec\r\n"},
        {"TitleLengthCut", Element(0x04, 3, "8110"), Opening::TitleLength, 2, false,
         " Name\r\n 00000011 Length........................ 3 Dec\r\n MISTAKE: Invalid element format\r\n"},
        {"TitleShort", Element::fixed(0x06, "0", true), Opening::Title, 1, false,
         " Name\r\n MISTAKE: Invalid element format\r\n"},
        {"ByPlaceFixed", Element::fixed(0x09, "0A", true), Opening::ByPlace, 1, true, " Name\r\n"},
        {"NoneLongEnough", Element(0x2B, 0, ""), Opening::None, 0, true, ""},
    };
    for (const auto& c : cases) {
        Context ctx(Lang::English, true, "");
        EXPECT_EQ(ctx.open(c.element, kTitle, c.how, c.min_octets), c.ok) << c.name;
        EXPECT_EQ(ctx.screen(), c.lines) << c.name;
    }
}

// A field reads its bits from the octet's bit text; a cut octet prints the bits that are
// there; the other reading's field prints nothing; a miss gives the "any other" text.
TEST(Context, FieldTables) {
    static constexpr Row kValues[] = {{0b01, {"one", "один"}}};
    static constexpr Text kDense[] = {{"zero", "ноль"}, {"one", "один"}};
    static constexpr Field kOctet[] = {
        {2,
         1,
         {" Low........................... ", " Младшие....................... "},
         kValues,
         {"other", "иное"}},
        dense_field(3, 3, {" Bit 3......................... ", " Бит 3......................... "}, kDense),
        {4, 4, {" English only.................. ", ""}, kValues, {"other", ""}, Only::English},
        spare_field(8, 5, kSpare),
    };
    const Octets octets("3");  // a half octet: bits 8-5 only
    Context en(Lang::English, true, "");
    en.fields(bits8(0x05), kOctet);
    en.fields(octets.bits(0), kOctet);
    EXPECT_EQ(en.screen(),
              " ......01 Low........................... one\r\n"
              " .....1.. Bit 3......................... one\r\n"
              " ....0... English only.................. other\r\n"
              " 0000.... Spare......................... \r\n"
              " ...... Low........................... other\r\n"
              " ....... Bit 3......................... zero\r\n"
              " ....... English only.................. other\r\n"
              " 0011.... Spare......................... \r\n");
    Context ru(Lang::Russian, true, "");
    ru.fields(bits8(0x02), kOctet);
    EXPECT_EQ(ru.screen(),
              " ......10 Младшие....................... иное\r\n"
              " .....0.. Бит 3......................... ноль\r\n"
              " 0000.... Резерв........................ \r\n");
}

// Read with Cut::LastRow, a field that the end of the contents shortens matches no row and
// shows its table's last row: the "any other" text, the last text of a dense table, the last
// row of a table without "any other" text. Read by value, the empty fields read 0.
TEST(Context, CutFieldsShowTheLastRow) {
    static constexpr Row kBit[] = {{0, {"zero", "ноль"}}, {1, {"one", "один"}}};
    static constexpr Text kPairs[] = {{"none", "нет"}, {"one", "один"}, {"two", "два"}, {"three", "три"}};
    static constexpr Field kOctet[] = {
        {1, 1, {" Sparse........................ ", " Редкая........................ "}, kBit},
        dense_field(6, 5, {" Dense......................... ", " Плотная....................... "}, kPairs),
        {8,
         7,
         {" Top........................... ", " Верх.......................... "},
         kBit,
         {"other", "иное"}},
        spare_field(4, 2, kSpare),
    };
    Context ru(Lang::Russian, true, "");
    ru.fields("", kOctet, Cut::LastRow);
    ru.fields("", kOctet);
    EXPECT_EQ(ru.screen(),
              " ....... Редкая........................ один\r\n"
              " ...... Плотная....................... три\r\n"
              " ...... Верх.......................... иное\r\n"
              " ..... Резерв........................ \r\n"
              " ....... Редкая........................ ноль\r\n"
              " ...... Плотная....................... нет\r\n"
              " ...... Верх.......................... ноль\r\n"
              " ..... Резерв........................ \r\n");
}

TEST(Context, OctetsAndShortTextStayInTheirRoom) {
    const Octets o("8A1");
    EXPECT_EQ(o.size(), 1u);
    EXPECT_EQ(o.bits(1), "0001");
    EXPECT_EQ(o.bits(2), "");
    EXPECT_EQ(o[5], 0u);
    EXPECT_EQ(ShortText("0", " Hex (канал # ", 4294967295u, ")").view(), "0 Hex (канал # 4294967295)");
    // What would not fit is left off; the text never grows past its room.
    const std::string longer(ShortText::kCapacity + 10, 'x');
    EXPECT_EQ(ShortText(longer, "y").view(), std::string(ShortText::kCapacity, 'x'));
}

}  // namespace
}  // namespace tarn
