// DSS1 frame, message rules (through a probe decoder) and Bearer capability in a SETUP: one
// table.
#include "dss1/dss1.hpp"

#include <gtest/gtest.h>

#include <array>
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
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const Lines kSpeechEn = {
    " 3 octet",
    " ..." "00000" " Inform. transfer capability... " "speech",
    " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
    kNoExtEn,
    " 4 octet",
    " ..." "10000" " Information transfer rate..... " "64 kbits/s",
    " ." "00" "..... Transfer mode................. " "circuit mode",
    kNoExtEn,
    " 5 octet",
    " ..." "00011" " User inform.layer 1 protocol.. " "Recommendation G.711 A-law",
    " ." "01" "..... Layer 1 identification........ " "01",
    kNoExtEn,
};
const Row kRows[] = {
    // Frame.
    {"BasicRateAsTyped", "  08 01 01 0d  ", Lang::English, 0, {"",
        " MESSAGE EDSS1 (ETS 300 102-1): 08 01 01 0d",
        " 00001000 Protocol Discriminator........ Q.931",
        " 0000.... Spare......................... ",
        " ....0001 Length of call reference...... 1 Dec",
        " Call reference ",
        " .0000001 Call reference value.......... basic rate access",
        " 0....... Flag.......................... the message is sent from the side that originates the call reference",
        " 00001101 Message Type.................. SETUP ACKNOWLEDGE"}},
    {"BasicRateRussianFirstType", "08010101", Lang::Russian, 5, {
        " Метка соединения",
        " .0000001 Значение метки соединения..... базовый доступ",
        " 0....... Флаг.......................... метка назначена исходящей стороной звена данных",
        " 00000001 Тип сообщения................. ПЕРЕДАЧА ВЫЗЫВНОГО СИГНАЛА"}},
    {"PrimaryRate", "08028A7F5A", Lang::English, 5, {
        " Call reference",
        " .0001010 Call reference value.......... primary rate access",
        " 1....... Flag.......................... the message is sent to the side that originates the call reference",
        " 01111111 Call reference value.......... ",
        " 01011010 Message Type.................. RELEASE COMPLETE"}},
    // Short messages: nothing after the discriminator, or the length line (half a reference).
    {"ThreeDigits", "080", Lang::English, 3, {}},
    {"HalfBasicReference", "08010", Lang::English, 5, {}},
    // Call reference lengths other than 1 or 2: no call reference lines.
    {"ReferenceLength0", "08004D", Lang::English, 4, {
        " ....0000 MISTAKE: invalid length....... 0",
        " 01001101 Message Type.................. RELEASE"}},
    {"ReferenceLength15", "080F0102", Lang::English, 4, {" ....1111 MISTAKE: invalid length....... 15"}},
    // No message type, or one outside the table: no message type line; the table's last.
    {"NoType", "080101", Lang::English, 8, {}},
    {"UnknownType", "08010199", Lang::English, 8, {}},
    {"LastType", "0801017D", Lang::English, 8, {
        " 01111101 Message Type.................. STATUS", " MISTAKE: mandatory element is absent"}},
    // Multi-message mode: the hex dump as title, the long Russian discriminator value.
    {"MultiModeRussianPrimaryRate", "0802800145FFFFFF", Lang::Russian, 1, {
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
              "08028090" "270100" "A1", Lang::English, 0,
     {"A1 A1", "04 8090", "18 89 O", "1C 00", "1E 8088 O", "20 00", "28 41", "2C 31", "6C 0031", "6D 80",
      "70 8031", "71 80", "78 00", "7C 8890", "7D 9181", "7E 0441 O", "A1 A1"}, Mode::Probes},
    {"Progress", "03" "0802809018018A" "1E028088" "280141" "7E020441", Lang::English, 0,
     {"08 8090 O", "1E 8088 M", "28 41", "7E 0441 O"}, Mode::Probes},
    {"CongestionControl", "79" "B1" "08028090" "280141" "180189", Lang::English, 0, {"B1 B1", "08 8090 O", "28 41"}, Mode::Probes},
    {"Status", "7D" "08028090" "14010A" "280141" "08028091", Lang::English, 0, {"08 8090 M", "14 0A", "28 41"}, Mode::Probes},
    // The rules' own lines.
    {"SetupCalledNumberFirst", "05" "70028031" "04028090", Lang::English, 0, {" MISTAKE: mandatory element is absent"}, Mode::Probes},
    {"NotifyWithoutIndicator", "6E" "280141", Lang::English, 0, {" MISTAKE: mandatory element not present"}, Mode::Probes},
    {"ProgressWithoutIndicatorRu", "03", Lang::Russian, 0, {" ОШИБКА: Индикатор изменения - отсутствует обязательный элемент"}, Mode::Probes},
    {"UserInformationMoreDataOnly", "20" "A0", Lang::English, 0,
     {"A0 A0", " MISTAKE: User to user information - mandatory element not present"}, Mode::Probes},
    {"RestartAcknowledgeWithoutIndicator", "4E" "180189", Lang::English, 0,
     {"18 89 O", " MISTAKE: Restart indicator - mandatory element not present"}, Mode::Probes},
    {"Segment", "60" "280141", Lang::English, 0, {" See ETS 300 102-1 (Annex K)"}, Mode::Probes},
    {"Facility", "62" "1C0100", Lang::English, 0, {" This message is defined in ETSI T/S 46-32B"}, Mode::Probes},
    // Edges of the walk; an indicator cut off before its length octet is found, though not
    // decoded.
    {"FillerEndsWalk", "01" "280141" "FF" "280142", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"SingleDigitLeft", "01" "280141" "F", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"ShiftReadWithLength", "01" "9601" "28" "280141", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"TruncatedElement", "01" "28054142", Lang::English, 0, {"28 4142"}, Mode::Probes},
    {"ProgressIndicatorLengthMissing", "03" "280141" "1E", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"FixedElementWithoutLength", "45" "08", Lang::English, 0, {}, Mode::Probes},
    // Bearer capability in a SETUP: the preamble (always mandatory), the length check.
    {"SpeechInSetup", "08010105 04038090A3", Lang::English, 12, kSpeechEn},
    {"LengthMistake", "08010105 0405 8090A3", Lang::English, 9, {
        " 00000100 Mandatory parameter........... Bearer capability",
        " Bearer capability",
        " 00000101 Length........................ 5 Dec",
        " MISTAKE: Invalid element format"}},
    // Short contents: the octets the extension bits announce print with empty bit columns
    // and the texts of their tables' last rows. Octet 5a missing: the walk goes on through
    // 5a to 5d and ends with octet 5d, whose missing extension bit is not 1.
    {"Octet4Missing", "08010105040180", Lang::English, 9, {
        " 00000100 Mandatory parameter........... Bearer capability",
        " Bearer capability",
        " 00000001 Length........................ 1 Dec",
        " 3 octet",
        " ...00000 Inform. transfer capability... speech",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " 4 octet",
        " ... Information transfer rate..... reserved",
        " ...... Transfer mode................. reserved",
        " ....... Extension..................... no extension"}},
    {"Octet4MissingRussian", "08010105040180", Lang::Russian, 9, {
        " 00000100 Обязательный параметр......... Средства доставки информации",
        " Средства доставки информации",
        " 00000001 Длина......................... 1 Dec",
        " 3 октет",
        " ...00000 Возможн.пересылки информации.. речь",
        " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
        kNoExtRu,
        " 4 октет",
        " ... Скорость передачи информации.. резерв",
        " ...... Режим передачи................ резерв",
        " ....... Расширение.................... нет расширения"}},
    {"Octet5aMissing", "080101050403889021", Lang::English, 23, {
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
