// ISUP frame: header, service information octet, routing label, CIC, message type.
#include "isup/isup.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "isup/lines.hpp"
#include "run/run.hpp"

namespace tarn::isup {
namespace {

using test::report_lines;
using Lines = std::vector<std::string>;

Lines decode(std::string_view hex, Lang lang) {
    Flags flags;
    Context ctx(lang, false, "T", flags);
    DEC_SS(ctx, hex);
    return report_lines(ctx.screen());
}

// The Address complete message of an RRN=121 sample report, typed with blanks: the lines
// down to the message type line.
TEST(IsupFrame, WorkedExample) {
    const struct {
        Lang lang;
        Lines expected;
    } cases[] = {
        {Lang::English,
         {"", " MESSAGE ISDN-ISUP SS#7 (Q.767 - Whitebook): C581400030D30006 16140129010100FF",
          " ....0101 Service indicator............. ISUP ISDN user part",
          " ..00.... Spare......................... ",
          " 11...... Network indicator............. Local (or zonal)",
          " ******** Destination point code (DPC).. 0081 Hex",
          " ******** Origination point code (OPC).. 0001 Hex",
          " 0011.... Signalling link selection..... 3 Dec", " 11010011 Circuit identification code... D3 Hex",
          " 0000.... Spare.........................",
          " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 6, channel # 19)",
          " 00000110 Message Type.................. ADDRESS COMPLETE (ASM)"}},
        {Lang::Russian,
         {"", " СООБЩЕНИЕ ISDN-ISUP SS#7 (ISUP-R): C581400030D30006 16140129010100FF",
          " ....0101 Индикатор службы.............. Подсистема пользователя ISUP ISDN",
          " ..00.... Резерв........................ ",
          " 11...... Индикатор сети................ Местная (или зональная)",
          " ******** Код пункта назначения (DPC)... 0081 Hex",
          " ******** Код исходящего пункта (OPC)... 0001 Hex",
          " 0011.... Выбор сигнального соединения.. 3 Dec", " 11010011 Код идентификации канала...... D3 Hex",
          " 0000.... Резерв........................",
          " ....0000 Код идентификации канала...... 0 Hex (если используется E1: поток # 6, канал # 19)",
          " 00000110 Тип сообщения................. АДРЕС ПОЛНЫЙ (ASM)"}},
    };
    for (const auto& c : cases) {
        Session s;
        s.settings.lang = c.lang;
        std::string box = "  C581400030D30006 16140129010100FF ";
        const Lines lines = report_lines(decode_single(s, box).report);
        ASSERT_GE(lines.size(), c.expected.size());
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + c.expected.size()), c.expected);
    }
}

// One frame field: a message and a line that its report must hold.
struct FieldCase {
    std::string_view hex;
    Lang lang;
    std::string_view line;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.hex << " " << c.line;
}

class IsupFrameField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(IsupFrameField, ReportHoldsLine) {
    const FieldCase& c = GetParam();
    const Lines lines = decode(c.hex, c.lang);
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.hex;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, IsupFrameField, ::testing::Values(
    FieldCase{"05", Lang::English, " 00...... Network indicator............. International"},
    FieldCase{"45", Lang::English, " 01...... Network indicator............. International (spare)"},
    FieldCase{"85", Lang::English, " 10...... Network indicator............. National"},
    FieldCase{"C5", Lang::English, " 11...... Network indicator............. Local (or zonal)"},
    FieldCase{"B5", Lang::English, " ..11.... Spare......................... "},
    FieldCase{"05", Lang::Russian, " 00...... Индикатор сети................ Международная"},
    FieldCase{"C5FF3F", Lang::English, " ******** Destination point code (DPC).. 3FFF Hex"},
    FieldCase{"C50140", Lang::English, " ******** Destination point code (DPC).. 0001 Hex"},
    FieldCase{"C512E7", Lang::Russian, " ******** Код пункта назначения (DPC)... 2712 Hex"},
    FieldCase{"C500C0FF0F", Lang::English, " ******** Origination point code (OPC).. 3FFF Hex"},
    FieldCase{"C500400000", Lang::English, " ******** Origination point code (OPC).. 0001 Hex"},
    FieldCase{"C50080A5F6", Lang::Russian, " ******** Код исходящего пункта (OPC)... 1A96 Hex"},
    FieldCase{"C5000000A3", Lang::English, " 1010.... Signalling link selection..... 10 Dec"},
    FieldCase{"C5000000A3", Lang::Russian, " 1010.... Выбор сигнального соединения.. 10 Dec"},
    FieldCase{"C5000000001F00", Lang::English, " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 0, channel # 31)"},
    FieldCase{"C5000000002000", Lang::English, " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 1, channel # 0)"},
    FieldCase{"C500000000FF0F", Lang::English, " ....1111 Circuit identification code... F Hex (if used E1: trunk # 127, channel # 31)"},
    FieldCase{"C5000000001FF0", Lang::English, " 1111.... Spare........................."},
    FieldCase{"C5000000001FF0", Lang::English, " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 0, channel # 31)"},
    FieldCase{"C5000000002A05", Lang::Russian, " ....0101 Код идентификации канала...... 5 Hex (если используется E1: поток # 41, канал # 10)"},
    FieldCase{"C500000000000013", Lang::English, " 00010011 Message Type.................. BLOCKING (BLA)"},
    FieldCase{"C500000000000013", Lang::Russian, " 00010011 Тип сообщения................. БЛОКИРОВКА (BLA)"},
    FieldCase{"C50000000000001B", Lang::English, " 00011011 Message Type.................. CURCUIT GROUP UNBLOCKING ACKNOWLEDGEMENT (CGUA)"},
    FieldCase{"C50000000000002F", Lang::English, " 00101111 Message Type.................. CONFUSION (CFN)"},
    FieldCase{"C5000000000000FC", Lang::Russian, " 11111100 Тип сообщения................. ОТБОЙ ВЫЗЫВАЮЩЕГО АБОНЕНТА (CCL)"},
    FieldCase{"C5000000000000FF", Lang::English, " 11111111 Message Type.................. RING (RNG)"}));
// clang-format on

// Which frame procedures run for each length of the worked example: D(PC), O(PC), S(LS),
// C(IC, three lines), T(ype line).
TEST(IsupFrame, LengthTestsSkipFields) {
    const Lines all = decode("C581400030D30006", Lang::English);
    ASSERT_EQ(all.size(), 12u);
    const struct {
        std::size_t digits;
        std::string_view fields;
    } cases[] = {{2, ""},     {5, ""},     {6, "D"},     {8, "D"},     {9, "DS"},
                 {10, "DOS"}, {13, "DOS"}, {14, "DOSC"}, {15, "DOSC"}, {16, "DOSCT"}};
    for (const auto& c : cases) {
        Lines expected(all.begin(), all.begin() + 5);  // blank line, header, SI, spare, NI
        for (char f : c.fields) {
            if (f == 'D') expected.push_back(all[5]);
            if (f == 'O') expected.push_back(all[6]);
            if (f == 'S') expected.push_back(all[7]);
            if (f == 'C') expected.insert(expected.end(), all.begin() + 8, all.begin() + 11);
            if (f == 'T') expected.push_back(all[11]);
        }
        EXPECT_EQ(decode(std::string_view("C581400030D30006").substr(0, c.digits), Lang::English), expected)
            << c.digits << " digits";
    }
}

// Codes that end the message after the CIC lines: one not in the table, and Confusion in ISUP-R.
TEST(IsupFrame, NoMessageTypeLineEndsAfterCic) {
    const struct {
        std::string_view hex;
        Lang lang;
    } cases[] = {{"C50000000000000A00", Lang::English},
                 {"C50000000000000A00", Lang::Russian},
                 {"C5000000000000300000", Lang::English},
                 {"C50000000000002F02000280900000", Lang::Russian}};
    for (const auto& c : cases) EXPECT_EQ(decode(c.hex, c.lang).size(), 11u) << c.hex;
    // In English the Confusion message goes on with its Cause indicators and end octet.
    const Lines english = decode("C50000000000002F02000280900000", Lang::English);
    ASSERT_GE(english.size(), 13u);
    EXPECT_EQ(english[11], " 00101111 Message Type.................. CONFUSION (CFN)");
    EXPECT_EQ(english.back(), " 00000000 Optional parameters........... End");
}

}  // namespace
}  // namespace tarn::isup
