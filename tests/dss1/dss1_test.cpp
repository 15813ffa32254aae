// DSS1 frame, message rules (through a probe decoder) and Bearer capability: one table.
#include "dss1/dss1.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "dss1/bearer_capability.hpp"
#include "report_lines.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using Lines = std::vector<std::string>;

using test::report_lines;
Lines lines_of(std::string_view report) {
    return report_lines(report);
}

// The lines from index `first` to the end; a marker line when there are fewer lines.
Lines from(const Lines& lines, std::size_t first) {
    if (first > lines.size()) return {"(only " + std::to_string(lines.size()) + " lines)"};
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
}

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

// The lines after the type line of 080101 + `rest` through the probes.
Lines probed(Lang lang, const std::string& rest) {
    Context ctx(lang, true, "080101" + rest);
    DEC_DSS(ctx, "080101" + rest, kProbes);
    return from(lines_of(ctx.screen()), 9);
}

enum class Mode {
    Single,  // a message typed in single-message mode
    Multi,   // a message of a multi-message run
    Probes,  // 080101 + input, with the probe decoder
    Body,    // Bearer capability contents, from octet 3 on
};

Lines decode(Mode mode, Lang lang, std::string input) {
    Session s;
    s.settings.lang = lang;
    Context ctx(lang, true, "");
    if (mode == Mode::Single) return lines_of(decode_single(s, input).report);
    if (mode == Mode::Multi) return lines_of(decode_message(s, input));
    if (mode == Mode::Probes) return probed(lang, input);
    BEARER_CAPABILITY_body(ctx, Element(0x04, static_cast<unsigned>(input.size() / 2), input));
    return lines_of(ctx.screen());
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
const std::string kContEn = " 0....... Extension..................... information continues in the next octet";
const std::string kNoExtEn = " 1....... Extension..................... no extension";
const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";

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
const Lines kSpeechRu = {
    " 3 октет",
    " ..." "00000" " Возможн.пересылки информации.. " "речь",
    " ." "00" "..... Стандартное кодирования....... " "стандарт кодирования CCITT",
    kNoExtRu,
    " 4 октет",
    " ..." "10000" " Скорость передачи информации.. " "64 кБит/с",
    " ." "00" "..... Режим передачи................ " "режим каналов",
    kNoExtRu,
    " 5 октет",
    " ..." "00011" " Протокол инф.польз. 1 уровня.. " "Рекомендация G.711 A-закон",
    " ." "01" "..... Идентификатор 1 уровня........ " "01",
    kNoExtRu,
};

// 88 90 21 48 42 3B D1 C2 E2: unrestricted digital, V.110 with octets 5 to 5d, layers 2, 3.
const Lines kV110En = {
    " 3 octet",
    " ..." "01000" " Inform. transfer capability... " "unrestricted digital information",
    " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
    kNoExtEn,
    " 4 octet",
    " ..." "10000" " Information transfer rate..... " "64 kbits/s",
    " ." "00" "..... Transfer mode................. " "circuit mode",
    kNoExtEn,
    " 5 octet",
    " ..." "00001" " User inform.layer 1 protocol.. " "CCITT standardized rate adaption V.110/X.30.",
    " ." "01" "..... Layer 1 identification........ " "01",
    kContEn,
    " 5a octet",
    " ..." "01000" " User rate..................... " "9.6 kbit/s Recommendation V.6 and X.1",
    " .." "0" "..... Negotiation................... " "in-band negotiation not possible",
    " ." "1" "...... Synchronous/asynchronous...... " "asynchronous",
    kContEn,
    " 5b octet",
    " ......." "0" " Spare......................... ",
    " ......" "1" ". Flow control on reception..... " "can accept data with flow control mechanism",
    " ....." "0" ".. Flow control on transmission.. " "not required to send data with flow control mechanism",
    " ...." "0" "... Netw.Ind.Clock on reception... " "cannot accept data with Network Independent Clock",
    " ..." "0" ".... Netw.Ind.Clock on Transmiss... " "not required to send data with Network Independent Clock",
    " ." "10" "..... Intermediate rate............. " "16 kbit/s",
    kContEn,
    " 5c octet",
    " ....." "011" " Parity information............ " "none",
    " ..." "11" "... Number of data bits........... " "8 bits",
    " ." "01" "..... Number of stop bits........... " "1 bit",
    kContEn,
    " 5d octet",
    " .." "010001" " Modem type.................... " "V.21",
    " ." "1" "...... Duplex mode................... " "full duplex",
    kNoExtEn,
    " 6 octet",
    " ..." "00010" " User inform.layer 2 protocol.. " "Recommendation Q.921(I.441)",
    " ." "10" "..... Layer 2 identificator......... " "10",
    kNoExtEn,
    " 7 octet",
    " ..." "00010" " User inform.layer 3 protocol.. " "Recommendation Q.931(I.451)",
    " ." "11" " Layer 3 identificator......... " "11",
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
    {"ReferenceLength3", "08F30102035A", Lang::Russian, 3, {
        " 1111.... Резерв........................ ",
        " ....0011 ОШИБКА: неправильная длина.... 3",
        " 01011010 Тип сообщения................. РЕСУРСЫ ОСВОБОЖДЕНЫ"}},
    {"ReferenceLength15", "080F0102", Lang::English, 4, {" ....1111 MISTAKE: invalid length....... 15"}},
    // No message type, or one outside the table: no message type line.
    {"NoType", "080101", Lang::English, 8, {}},
    {"UnknownType", "08010199", Lang::English, 8, {}},
    // The last message type of the table.
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
    {"NotifyWithoutIndicatorRu", "6E" "280141", Lang::Russian, 0, {" ОШИБКА: отсутствует обязательный элемент"}, Mode::Probes},
    {"ProgressWithoutIndicatorRu", "03", Lang::Russian, 0, {" ОШИБКА: Индикатор изменения - отсутствует обязательный элемент"}, Mode::Probes},
    {"UserInformationMoreDataOnly", "20" "A0", Lang::English, 0,
     {"A0 A0", " MISTAKE: User to user information - mandatory element not present"}, Mode::Probes},
    {"UserInformationMoreDataOnlyRu", "20" "A0", Lang::Russian, 1,
     {" ОШИБКА: Информация от пользователя к пользователю - отсутствует обязательный элемент"}, Mode::Probes},
    {"RestartAcknowledgeWithoutIndicator", "4E" "180189", Lang::English, 0,
     {"18 89 O", " MISTAKE: Restart indicator - mandatory element not present"}, Mode::Probes},
    {"RestartAcknowledgeWithoutIndicatorRu", "4E", Lang::Russian, 0, {" ОШИБКА: Индикатор рестарта - отсутствует обязательный элемент"}, Mode::Probes},
    {"Segment", "60" "280141", Lang::English, 0, {" See ETS 300 102-1 (Annex K)"}, Mode::Probes},
    {"SegmentRu", "60", Lang::Russian, 0, {" См. ETS 300 102-1 (Annex K)"}, Mode::Probes},
    {"Facility", "62" "1C0100", Lang::English, 0, {" This message is defined in ETSI T/S 46-32B"}, Mode::Probes},
    {"FacilityRu", "62", Lang::Russian, 0, {" Это сообщение сформировано в ETSI T/S 46-32B"}, Mode::Probes},
    // Edges of the walk.
    {"FillerEndsWalk", "01" "280141" "FF" "280142", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"SingleDigitLeft", "01" "280141" "F", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"ShiftReadWithLength", "01" "9601" "28" "280141", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"TruncatedElement", "01" "28054142", Lang::English, 0, {"28 4142"}, Mode::Probes},
    // An indicator cut off before its length octet is found, though not decoded.
    {"ProgressIndicatorLengthMissing", "03" "280141" "1E", Lang::English, 0, {"28 41"}, Mode::Probes},
    {"FixedElementWithoutLength", "45" "08", Lang::English, 0, {}, Mode::Probes},
    // Bearer capability in a SETUP: the preamble (always mandatory), the length check.
    {"SpeechInSetup", "08010105 04038090A3", Lang::English, 12, kSpeechEn},
    {"SpeechInSetupRussian", "08010105 04038090A3", Lang::Russian, 12, kSpeechRu},
    {"LengthMistake", "08010105 0405 8090A3", Lang::English, 9, {
        " 00000100 Mandatory parameter........... Bearer capability",
        " Bearer capability",
        " 00000101 Length........................ 5 Dec",
        " MISTAKE: Invalid element format"}},
    // The octets alone, as an ISUP parameter carries them.
    {"UnrestrictedDigital", "8890", Lang::English, 0, Lines(kV110En.begin(), kV110En.begin() + 8), Mode::Body},
    {"V110WithLayers2And3", "88902148423BD1C2E2", Lang::English, 0, kV110En, Mode::Body},
    // V.110 octet 5b in Russian: the text for flow control on reception = 1 is ours.
    {"V110Octet5bRussian", "88902148C2", Lang::Russian, 17, {
        " 5b октет",
        " ......." "0" " Резерв........................ ",
        " ......" "1" ". Управление ходом приема....... " "могут приниматься данные с помощью механизма управления ходом",
        " ....." "0" ".. Управление ходом передачи..... " "не требуется посылать данные с помощью механизма управления ходом",
        " ...." "0" "... NIC при приеме (Rx)........... " "нет возможности принимать данные с независимой синхронизацией коммутационного поля",
        " ..." "0" ".... NIC при передаче (Tx)......... " "не требуется посылать данные с независимой синхронизацией коммутационного поля",
        " ." "10" "..... Промежуточная скорость........ " "16 кБит/с",
        kNoExtRu}, Mode::Body},
    {"V120", "88902828F4", Lang::English, 17, {
        " 5b octet",
        " ......." "0" " Spare......................... ",
        " ......" "0" ". In-band/Out-band negotiation.. " "negotiation is done with USER INFORMATION messages on a temporary signalling connection",
        " ....." "1" ".. Assignor/assignee............. " "message originator is: ASSIGNOR ONLY",
        " ...." "0" "... Logical link iden.negotiation. " "default, LLI=256 only",
        " ..." "1" ".... Mode of operation............. " "protocol sensitive mode of operation",
        " .." "1" "..... Multiframe support............ " "multiple frame establishment supported",
        " ." "1" "...... Rate adaptation header........ " "rate adaptation header included",
        kNoExtEn}, Mode::Body},
    // Octet 5d with extension 0: the element ends after the duplex mode line.
    {"Octet5dWithoutExtension", "88902148423B51C2", Lang::English, 32, {
        " ." "1" "...... Duplex mode................... " "full duplex"}, Mode::Body},
    // Layer 1 protocol 00111: no 5b heading or fields, but the 5b extension line.
    {"OtherProtocolOctet5b", "8890270880", Lang::English, 16, {kContEn, kNoExtEn}, Mode::Body},
    // Octet 7 without octet 6: nothing after the octet-5 group.
    {"Octet7WithoutOctet6", "8090A3E2", Lang::English, 11, {kNoExtEn}, Mode::Body},
    {"Octet4b", "88100091", Lang::English, 13, {
        " 4b octet",
        " ..." "10001" " Information transfer rate..... " "2*64 kbits/s (circuit mode)",
        " ." "00" "..... Symmetry...................... " "bidirectional symmetric",
        kNoExtEn}, Mode::Body},
    // Octet 4a ending the group: octet 5 is read from the 25th bit.
    {"Octet4aEndsGroup", "88108FA2", Lang::English, 11, {
        " ." "000" ".... Structure..................... " " 8kHz integrity",
        kNoExtEn,
        " 5 octet",
        " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
        " ." "01" "..... Layer 1 identification........ " "01",
        kNoExtEn}, Mode::Body},
    // Structure 000 takes its meaning from octets 3 and 4; packet-mode speech is ours.
    {"PacketModeDigital", "884080", Lang::English, 11, {
        " ." "000" ".... Structure..................... " "service data unit integrity", kNoExtEn}, Mode::Body},
    {"PacketModeSpeech", "804080", Lang::English, 11, {" ." "000" ".... Structure..................... " "default", kNoExtEn}, Mode::Body},
    // Values outside the tables. Octet 4 is announced but missing: its fields print empty
    // with the table's last row, and the element ends there (no place for octet 5).
    {"ReservedValuesOctet4Missing", "FF", Lang::English, 1, {
        " ..." "11111" " Inform. transfer capability... " "reserved",
        " ." "11" "..... Coding standard............... " "standard defined for the network (either public or private) present on the network side of the interface",
        kNoExtEn,
        " 4 octet",
        " ... Information transfer rate..... reserved",
        " ...... Transfer mode................. reserved",
        " ....... Extension..................... no extension"}, Mode::Body},
    // Octet 3 with extension 0: nothing at all.
    {"Octet3WithoutExtension", "0090A3", Lang::English, 0, {}, Mode::Body},
    // Short contents in a SETUP: the octets the extension bits announce print with empty
    // bit columns and the texts of their tables' last rows.
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
    // Octet 5a missing: the walk goes on through 5a to 5d and ends with octet 5d, whose
    // missing extension bit is not 1.
    {"Octet5aMissing", "080101050403889021", Lang::English, 12, {
        " 3 octet",
        " ..." "01000" " Inform. transfer capability... " "unrestricted digital information",
        " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
        kNoExtEn,
        " 4 octet",
        " ..." "10000" " Information transfer rate..... " "64 kbits/s",
        " ." "00" "..... Transfer mode................. " "circuit mode",
        kNoExtEn,
        " 5 octet",
        " ..." "00001" " User inform.layer 1 protocol.. " "CCITT standardized rate adaption V.110/X.30.",
        " ." "01" "..... Layer 1 identification........ " "01",
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
    {"Octet5aMissingRussian", "080101050403889021", Lang::Russian, 9, {
        " 00000100 Обязательный параметр......... Средства доставки информации",
        " Средства доставки информации",
        " 00000011 Длина......................... 3 Dec",
        " 3 октет",
        " ..." "01000" " Возможн.пересылки информации.. " "неограниченная цифровая информация",
        " ." "00" "..... Стандартное кодирования....... " "стандарт кодирования CCITT",
        kNoExtRu,
        " 4 октет",
        " ..." "10000" " Скорость передачи информации.. " "64 кБит/с",
        " ." "00" "..... Режим передачи................ " "режим каналов",
        kNoExtRu,
        " 5 октет",
        " ..." "00001" " Протокол инф.польз. 1 уровня.. " "адаптация скорости V.110/X.30, стандартизованной CCITT",
        " ." "01" "..... Идентификатор 1 уровня........ " "01",
        " 0....... Расширение.................... информация продолжается в следующем октете",
        " 5a октет",
        " ... Скорость пользователя......... резерв",
        " ....... Переговоры.................... переговоры в диапазоне возможны",
        " ....... Синхронный/асинхронный........ асинхронность",
        " ....... Расширение.................... нет расширения",
        " 5b октет",
        " ....... Резерв........................ ",
        " ....... Управление ходом приема....... могут приниматься данные с помощью механизма управления ходом",
        " ....... Управление ходом передачи..... требуется посылать данные с помощью механизма управления ходом",
        " ....... NIC при приеме (Rx)........... возможность принимать данные с независимой синхронизацией коммутационного поля",
        " ....... NIC при передаче (Tx)......... требуется посылать данные с независимой синхронизацией коммутационного поля",
        " ...... Промежуточная скорость........ 32 кБит/с",
        " ....... Расширение.................... нет расширения",
        " 5c октет",
        " ..... Информация четности........... резервирован",
        " ...... Число информационных битов.... 8 битов",
        " ...... Число стоповых битов.......... 2 бита",
        " ....... Расширение.................... нет расширения",
        " 5d октет",
        " .. Тип модема.................... в национальном использовании",
        " ....... Дуплексный режим.............. дуплексный"}},
    // A missing octet of the octet-4 group has no extension bit: the group has no end and
    // the element ends after its lines, as it does after octet 4b with extension 0.
    {"Octet4aMissing", "8810", Lang::English, 8, {
        " 4a octet",
        " ...... Establishment................. reserved",
        " ...... Configuration................. reserved",
        " ..... Structure..................... reserved",
        " ....... Extension..................... no extension"}, Mode::Body},
    {"Octet4bMissing", "881000", Lang::English, 12, {
        kContEn,
        " 4b octet",
        " ... Information transfer rate..... reserved",
        " ...... Symmetry...................... reserved"}, Mode::Body},
    // Half an octet 3 (an ISUP parameter cut inside an octet): its shortened bits match no row.
    {"HalfOctet3", "8", Lang::English, 0, {
        " 3 octet",
        " ...0 Inform. transfer capability... reserved",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " 4 octet",
        " ... Information transfer rate..... reserved",
        " ...... Transfer mode................. reserved",
        " ....... Extension..................... no extension"}, Mode::Body},
    // Octet 4b with extension 0: no place for octet 5, the element ends.
    {"Octet4bWithoutExtension", "8810001FA2", Lang::English, 14, {
        " ..." "11111" " Information transfer rate..... " "reserved",
        " ." "00" "..... Symmetry...................... " "bidirectional symmetric"}, Mode::Body},
};
// clang-format on

class Dss1 : public testing::TestWithParam<Row> {};

TEST_P(Dss1, Lines) {
    const Row& row = GetParam();
    EXPECT_EQ(from(decode(row.mode, row.lang, row.input), row.first), row.lines);
}

INSTANTIATE_TEST_SUITE_P(Reports, Dss1, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Every prefix of a long SETUP: each line (but the title, which shows the typed text) is a
// line of the whole message's report or a MISTAKE line, so no line is built on a value left
// over from an earlier field. Every prefix of a Bearer capability's contents: well formed.
TEST(Dss1Robustness, EveryPrefix) {
    const std::string setup =
        "08020001 05 A1 04 0B 88 10 00 91 21 48 42 3B D1 C2 E2 18 01 89 1E 02 8088 28 03 414243"
        " 6C 04 0081 3132 70 05 81 31323334 7D 02 9181 7E 02 0441 A1";
    const std::string contents = "881000912148423BD1C2E2";
    for (Lang lang : {Lang::English, Lang::Russian}) {
        const Lines whole = decode(Mode::Single, lang, setup);
        const std::string mistake = lang == Lang::English ? " MISTAKE: " : " ОШИБКА: ";
        for (std::size_t k = 0; k <= setup.size(); ++k) {
            const Lines lines = decode(Mode::Single, lang, setup.substr(0, k));
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (i == 1 || lines[i].rfind(mistake, 0) == 0) continue;
                EXPECT_NE(std::find(whole.begin(), whole.end(), lines[i]), whole.end())
                    << k << ": " << lines[i];
            }
        }
        for (std::size_t k = 0; k <= contents.size(); ++k) decode(Mode::Body, lang, contents.substr(0, k));
    }
}

}  // namespace
}  // namespace tarn::dss1
