// ISUP frame: header, service information octet, routing label, CIC, message type; and
// whole messages: the circuit group messages with their range and status, IAM, SUS, the
// parameters a message passes over, and the Display information (73) of ANM.
#include "isup/isup.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "isup/isup_case.hpp"
#include "run/run.hpp"

namespace tarn::isup::test {
namespace {

// The Address complete message of an RRN=121 sample report, typed with blanks: the lines
// down to the message type line.
TEST(IsupFrame, WorkedExample) {
    const struct {
        Lang lang;
        Lines expected;
    } cases[] = {
        {En,
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
        {Ru,
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

// Point codes, SLS and CIC at their edges: a message and a line its report must hold.
TEST(IsupFrame, FieldEdges) {
    const struct {
        std::string_view hex;
        Lang lang;
        std::string_view line;
    } cases[] = {
        {"45", En, " 01...... Network indicator............. International (spare)"},
        {"C5FF3F", En, " ******** Destination point code (DPC).. 3FFF Hex"},
        {"C500C0FF0F", En, " ******** Origination point code (OPC).. 3FFF Hex"},
        {"C5000000A3", En, " 1010.... Signalling link selection..... 10 Dec"},
        {"C500000000FF0F", En,
         " ....1111 Circuit identification code... F Hex (if used E1: trunk # 127, channel # 31)"},
        {"C5000000001FF0", En,
         " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 0, channel # 31)"},
        {"C5000000000000FC", Ru, " 11111100 Тип сообщения................. ОТБОЙ ВЫЗЫВАЮЩЕГО АБОНЕНТА (CCL)"},
    };
    for (const auto& c : cases) {
        const Lines lines = message_lines(c.hex, c.lang);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.hex << ": " << c.line;
    }
}

// Which frame procedures run for each length of the worked example: D(PC), O(PC), S(LS),
// C(IC, three lines), T(ype line).
TEST(IsupFrame, LengthTestsSkipFields) {
    const Lines all = message_lines("C581400030D30006", En);
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
        EXPECT_EQ(message_lines(std::string_view("C581400030D30006").substr(0, c.digits), En), expected)
            << c.digits;
    }
}

// Codes that end the message after the CIC lines: one not in the table, and Confusion in ISUP-R.
TEST(IsupFrame, NoMessageTypeLineEndsAfterCic) {
    EXPECT_EQ(message_lines("C50000000000000A00", En).size(), 11u);
    EXPECT_EQ(message_lines("C50000000000002F02000280900000", Ru).size(), 11u);
    // In English the Confusion message goes on with its Cause indicators and end octet.
    const Lines english = message_lines("C50000000000002F02000280900000", En);
    ASSERT_GE(english.size(), 13u);
    EXPECT_EQ(english[11], " 00101111 Message Type.................. CONFUSION (CFN)");
    EXPECT_EQ(english.back(), " 00000000 Optional parameters........... End");
}

// Whole messages, typed as the operator types them: the lines after the frame.
struct MessageCase {
    const char* name;
    const char* hex;
    Lang lang;
    Lines tail;  // the last lines of the report
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class IsupMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(IsupMessages, Tail) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(last(message_lines(c.hex, c.lang), c.tail.size()), c.tail);
}

// clang-format off
const MessageCase kMessages[] = {
    // Circuit group reset: range 31, no status octet.
    {"GrsRange31", "C581400030D30017 01 01 1F", En, {" 00010111 Message Type.................. CIRCUIT GROUP RESET (GRS)",
      " Range and status", " 00000001 Length........................ 1 Dec", " 00011111 Range......................... "}},
    // Unblocking acknowledgement: range 31 but one status octet, shown as it stands.
    {"CguaCountMismatch", "C581400030D3001B 01 01 02 1F 0F", En,
     {" 00011011 Message Type.................. CURCUIT GROUP UNBLOCKING ACKNOWLEDGEMENT (CGUA)",
      " Circuit group supervision message type", " ......01 Indicator..................... hardware failure oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00011111 Range......................... ",
      " 00001111 Status........................ 0 - no indication, 1 - unblocking asknowledgement"}},
    // Initial address: the called party number.
    {"IamRu", "C581400030D30001 00 2001 0A 03 02 06 04 83102143 00", Ru,
     {" 00000010 Указатель..................... 2 Dec", " 00000110 Указатель начала необ.парам... 6 Dec",
      " Номер вызываемого абонента", " 00000100 Длина......................... 4 Dec",
      " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
      " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов", " ....0000 Резерв........................ ",
      " .001.... Индикатор плана нумерации..... план нумерации ISDN (Телефония) (Recommendation E.164)",
      " 0....... Инд.внутреннего номера сети... маршрутизация по внутреннему номеру разрешена",
      " ******** Адресные сигналы.............. 123", kKonets}},
    // Suspend (network initiated) with an empty optional part.
    {"SusRu", "C581400030D3000D 01 01 00", Ru, {" 00001101 Тип сообщения................. ВЫЗОВ ВРЕМЕННО ОТЛОЖЕН (SUS)",
      " Индикаторы приостановки/возобновления", " .......1 Индикатор..................... инициировано сетью",
      " 0000000. Резерв........................ ", " 00000001 Указатель начала необ.парам... 1 Dec", kKonets}},
    // Optional parameters outside the message's set are passed over by their length: Call
    // diversion information (36) in CON and ANM.
    {"ConPassesOverDiversion", "C581400030D30007 1614 01 36 01 1A 40 01 01 00", En, {
      " 00000001 Pointer to start of opt.part.. 1 Dec", " 01000000 Optional parameter............ Redirection number restriction parameter",
      " Redirection number restriction parameter", " 00000001 Length........................ 1 Dec",
      " ......01 Presentation restricted ind... presentation restricted", " 000000.. Spare......................... ", kEnd}},
    {"AnmPassesOverDiversion", "C581400030D30009 01 36 01 1A 33 01 AB 00", En, {
      " 00001001 Message Type.................. ANSWER (ANM)", " 00000001 Pointer to start of opt.part.. 1 Dec",
      " 00110011 Optional parameter............ Service activation", " Service activation",
      " 00000001 Length........................ 1 Dec", " ******** Information elements.......... AB Hex", kEnd}},
    // Display information: the DSS1 Display element inside Answer.
    {"DisplayAnm", "C581400030D30009 01 73 03 414243 00", En, {
        " 00000001 Pointer to start of opt.part.. 1 Dec", " 01110011 Optional parameter............ Display",
        " Display", " 00000011 Length........................ 3 Dec",
        " ******** Information elements (IA5).... ABC", kEnd}},
    {"DisplayAnmRu", "C581400030D30009 01 73 02 C0FF 00", Ru, {
        " 01110011 Необязательный параметр....... Отображение информации", " Отображение информации",
        " 00000010 Длина......................... 2 Dec", " ******** Информационные элементы (IA5). Ая", kKonets}},
    // A cut Display: the length check of the DSS1 element.
    {"DisplayCut", "C581400030D30009 01 73 03 4142", En, {
        " 01110011 Optional parameter............ Display", " Display",
        " 00000011 Length........................ 3 Dec", kMistake}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Whole, IsupMessages, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarn::isup::test
