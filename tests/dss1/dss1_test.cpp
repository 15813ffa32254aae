// DSS1 frame, message rules (through a probe decoder), Bearer capability in a SETUP and
// whole messages: one table.
#include "dss1/dss1.hpp"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "dss1/dss1_case.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using namespace test;

// Writes identifier, contents and whether the element is mandatory there (M) or optional
// (O), for the elements whose identification line depends on it.
void probe(Context& ctx, const Element& e) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string id{kHex[e.id >> 4], kHex[e.id & 15]};
    std::string flag;
    if (e.id == 0x08 || e.id == 0x18 || e.id == 0x1E || e.id == 0x7E) flag = e.mandatory ? " M" : " O";
    ctx.line(id, " ", e.hex(), flag);
}

// The probe stands for every identifier; Congestion level (Bx) is looked up as B0.
const auto kProbes = [] {
    std::array<ElementEntry, 256> table{};
    for (unsigned id = 0; id < table.size(); ++id) table[id] = ElementEntry{id, probe};
    return table;
}();

enum class Mode {
    Single,  // a message typed in single-message mode
    Multi,   // a message of a multi-message run
    Probes,  // 080101 + input with the probe decoder: the lines after the type line
};

Lines decode(Mode mode, Lang lang, std::string input) {
    Session s;
    s.settings.lang = lang;
    if (mode == Mode::Single) return lines_of(decode_single(s, input).report);
    if (mode == Mode::Multi) return lines_of(decode_message(s, input));
    Context ctx(lang, true, "080101" + input);
    DEC_DSS(ctx, "080101" + input, kProbes);
    return from(lines_of(ctx.screen()), 9);
}

// A row: the lines of the report of `input` from index `first` to the end.
struct Row {
    const char* name;
    const char* input;
    Lang lang;
    std::size_t first;
    Lines lines;
    Mode mode = Mode::Single;
    // ctest lists a row by its name, not by its bytes.
    friend void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }
};

// clang-format off
const Row kRows[] = {
    {"BasicRateAsTyped", "  08 01 01 0d  ", En, 0, {"",
        " MESSAGE EDSS1 (ETS 300 102-1): 08 01 01 0d",
        " 00001000 Protocol Discriminator........ Q.931",
        " 0000.... Spare......................... ",
        " ....0001 Length of call reference...... 1 Dec",
        " Call reference ",
        " .0000001 Call reference value.......... basic rate access",
        " 0....... Flag.......................... the message is sent from the side that originates the call reference",
        " 00001101 Message Type.................. SETUP ACKNOWLEDGE"}},
    {"BasicRateRussianFirstType", "08010101", Ru, 8, {
        " 00000001 Тип сообщения................. ПЕРЕДАЧА ВЫЗЫВНОГО СИГНАЛА"}},
    // Short messages: nothing after the discriminator, or the length line (half a reference).
    {"ThreeDigits", "080", En, 3, {}},
    {"HalfBasicReference", "08010", En, 5, {}},
    // Call reference lengths other than 1 or 2: no call reference lines.
    {"ReferenceLength0", "08004D", En, 4, {
        " ....0000 MISTAKE: invalid length....... 0",
        " 01001101 Message Type.................. RELEASE"}},
    // No message type, or one outside the table: no message type line; the table's last.
    {"NoType", "080101", En, 8, {}},
    {"UnknownType", "08010199", En, 8, {}},
    {"LastType", "0801017D", En, 8, {
        " 01111101 Message Type.................. STATUS", " MISTAKE: mandatory element is absent"}},
    // Multi-message mode: the hex dump as title, the long Russian discriminator value.
    {"MultiModeRussianPrimaryRate", "0802800145FFFFFF", Ru, 1, {
        " СООБЩЕНИЕ EDSS1 (ETS 300 102-1):  0802800145FFFFFF ",
        " 00001000 Дискриминатор протокола....... Q.931 - управление соединениями ISDN в режиме коммутации каналов",
        " 0000.... Резерв........................ ",
        " ....0010 Длина метки соединения........ 2 Dec",
        " Метка соединения",
        " .0000000 Значение метки соединения..... первичный доступ",
        " 1....... Флаг.......................... метка назначена удаленной стороной звена данных",
        " 00000001 Значение метки соединения..... ",
        " 01000101 Тип сообщения................. РАЗЪЕДИНИТЬ",
        " ОШИБКА: отсутствует обязательный элемент"}, Mode::Multi},
    // Message rules: the elements each type hands on, with their presence flags.
    {"Setup", "05" "A1" "04028090" "04028890" "340180" "180189" "1C0100" "1E028088" "200100" "280141" "2C0131"
              "6C020031" "6D0180" "70028031" "710180" "780100" "7C028890" "7D029181" "7E020441"
              "08028090" "270100" "A1", En, 0,
     {"A1 A1", "04 8090", "18 89 O", "1C 00", "1E 8088 O", "20 00", "28 41", "2C 31", "6C 0031", "6D 80",
      "70 8031", "71 80", "78 00", "7C 8890", "7D 9181", "7E 0441 O", "A1 A1"}, Mode::Probes},
    {"Progress", "03" "0802809018018A" "1E028088" "280141" "7E020441", En, 0,
     {"08 8090 O", "1E 8088 M", "28 41", "7E 0441 O"}, Mode::Probes},
    {"CongestionControl", "79" "B1" "08028090" "280141" "180189", En, 0, {"B1 B1", "08 8090 O", "28 41"}, Mode::Probes},
    {"Status", "7D" "08028090" "14010A" "280141" "08028091", En, 0, {"08 8090 M", "14 0A", "28 41"}, Mode::Probes},
    // The rules' own lines.
    {"SetupCalledNumberFirst", "05" "70028031" "04028090", En, 0, {" MISTAKE: mandatory element is absent"}, Mode::Probes},
    {"NotifyWithoutIndicator", "6E" "280141", En, 0, {" MISTAKE: mandatory element not present"}, Mode::Probes},
    {"ProgressWithoutIndicatorRu", "03", Ru, 0, {" ОШИБКА: Индикатор изменения - отсутствует обязательный элемент"}, Mode::Probes},
    {"UserInformationMoreDataOnly", "20" "A0", En, 0,
     {"A0 A0", " MISTAKE: User to user information - mandatory element not present"}, Mode::Probes},
    {"RestartAcknowledgeWithoutIndicator", "4E" "180189", En, 0,
     {"18 89 O", " MISTAKE: Restart indicator - mandatory element not present"}, Mode::Probes},
    {"Segment", "60" "280141", En, 0, {" See ETS 300 102-1 (Annex K)"}, Mode::Probes},
    {"Facility", "62" "1C0100", En, 0, {" This message is defined in ETSI T/S 46-32B"}, Mode::Probes},
    // Edges of the walk; an indicator cut off before its length octet is found, though not
    // decoded.
    {"FillerEndsWalk", "01" "280141" "FF" "280142", En, 0, {"28 41"}, Mode::Probes},
    {"SingleDigitLeft", "01" "280141" "F", En, 0, {"28 41"}, Mode::Probes},
    {"ShiftReadWithLength", "01" "9601" "28" "280141", En, 0, {"28 41"}, Mode::Probes},
    {"TruncatedElement", "01" "28054142", En, 0, {"28 4142"}, Mode::Probes},
    {"ProgressIndicatorLengthMissing", "03" "280141" "1E", En, 0, {"28 41"}, Mode::Probes},
    {"FixedElementWithoutLength", "45" "08", En, 0, {}, Mode::Probes},
    // Bearer capability in a SETUP: the preamble (always mandatory), the length check.
    {"LengthMistake", "08010105 0405 8090A3", En, 9, {
        " 00000100 Mandatory parameter........... Bearer capability",
        " Bearer capability",
        " 00000101 Length........................ 5 Dec",
        " MISTAKE: Invalid element format"}},
    // Octet 5a missing: octets 5a to 5d print with empty bit columns and their tables' last
    // rows; the element ends with octet 5d, whose missing extension bit is not 1.
    {"Octet5aMissing", "080101050403889021", En, 23, {
        kContEn,
        " 5a octet",
        " ... User rate..................... reserved",
        " ....... Negotiation................... in-band negotiation possible",
        " ....... Synchronous/asynchronous...... asynchronous",
        " ....... Extension..................... no extension",
        " 5b octet",
        " ....... Spare......................... ",
        " ....... Flow control on reception..... can accept data with flow control mechanism",
        " ....... Flow control on transmission.. required to send data with flow control mechanism",
        " ....... Netw.Ind.Clock on reception... can accept data with Network Independent Clock",
        " ....... Netw.Ind.Clock on Transmiss... required to send data with Network Independent Clock",
        " ...... Intermediate rate............. 32 kbit/s",
        " ....... Extension..................... no extension",
        " 5c octet",
        " ..... Parity information............ reserved",
        " ...... Number of data bits........... 8 bits",
        " ...... Number of stop bits........... 2 bits",
        " ....... Extension..................... no extension",
        " 5d octet",
        " .. Modem type.................... national use",
        " ....... Duplex mode................... full duplex"}},
    // Whole messages: a SETUP from its Keypad facility on (after the Bearer capability,
    // Channel identification, Progress indicator and Display), a header made mandatory.
    {"SetupEn", "08 01 01 05 A1 04 03 80 90 A3 18 01 89 1E 02 82 88 28 03 41 42 43 2C 02 31 32"
                " 6C 04 01 83 34 35 6D 03 A0 50 12 70 04 81 31 32 33 71 03 A0 50 12", En, 51,
        head("00101100", " Keypad facility", "00000010", "2") + Lines{" ******** Keypad information............ 12"}
        + head("01101100", " Calling party number", "00000100", "4") + Lines{
        " ....0001 Numbering plan idenfication... ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
        " .000.... Type of number................ unknown",
        " 0....... Extension..................... information continues in the next octet",
        " ......11 Screening indicator........... network provided",
        " ...000.. Spare......................... ",
        " .00..... Presentation indicator........ presentation allowed",
        kNoExtEn,
        " ******** Number digits................. 45"}
        + head("01101101", " Calling party subaddress", "00000011", "3") + Lines{
        " .....000 Spare......................... ",
        " ....0... Odd/even indicator............ even number or address signals",
        " .010.... Type of subaddress............ user specified",
        kNoExtEn,
        " ******** Subaddress information........ 5012 Hex"}
        + head("01110000", " Called party number", "00000100", "4") + Lines{
        " ....0001 Numbering plan identificat.... ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
        " .000.... Type of number................ unknown",
        kNoExtEn,
        " ******** Number digits................. 123"}
        + head("01110001", " Called party subaddress", "00000011", "3") + Lines{
        " .....000 Spare......................... ",
        " ....0... Odd/even indicator............ even number or address signals",
        " .010.... Type of subaddress............ user specified",
        kNoExtEn,
        " ******** Subaddress information........ 5012 Hex"}},
    // USER INFORMATION requires its User-user element: the header says mandatory.
    {"UserInformationWithUserUser", "080101207E03044142", En, 9, Lines{" 01111110 Mandatory parameter........... User to user information"} + from(kUserUserEn, 1)},
};
// clang-format on

class Dss1 : public testing::TestWithParam<Row> {};

TEST_P(Dss1, Lines) {
    const Row& row = GetParam();
    EXPECT_EQ(from(decode(row.mode, row.lang, row.input), row.first), row.lines);
}

INSTANTIATE_TEST_SUITE_P(Reports, Dss1, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarn::dss1
