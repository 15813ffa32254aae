// The DSS1 elements, each decoded alone as the message walk hands it over, then every cut
// of every element and every prefix of a long SETUP.
#include "dss1/elements.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "dss1/bearer_capability.hpp"
#include "dss1/dss1_case.hpp"
#include "dss1/high_layer.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using namespace test;

// One element: identifier, contents, the expected lines from index `first` on, the length
// octet (the contents' own length when negative), mandatory in its message or not.
struct Case {
    const char* name;
    unsigned id;
    const char* contents;
    Lang lang;
    std::size_t first;
    Lines lines;
    int length = -1;
    bool mandatory = false;
    Decoder decode = nullptr;  // the identifier's decoder unless given
    // ctest lists a row by its name, not by its bytes.
    friend void PrintTo(const Case& r, std::ostream* os) { *os << r.name; }
};

// clang-format off

// Octet 3 of a primary-rate channel E9: exclusive, channel in the following octet.
const Lines kE9En = {
    " ......01 Information channel selection. as indicated in following octet",
    " .....0.. D-channel indicator........... the channel identified is not the D-channel",
    " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
    " ...0.... Spare......................... ",
    " ..1..... Interface type................ other interface: e.g. primary rate",
    " .1...... Interface identifier present.. interface explicity identified in one or more octets beginning with octet 3.1",
    kNoExtEn};

const Case kCases[] = {
    // --- Called and Calling party number (70, 6C) ---
    // The header says optional even where the message makes the element mandatory.
    {"CalledNumberOctet3Extended", 0x70, "01313233", En, 0, head("01110000", " Called party number", "00000100", "4"), -1, true},
    // Type of number 101 and plan 1111: the called and the calling texts differ in Russian.
    {"CalledReservedRu", 0x70, "DF", Ru, 3, {
        " ....1111 План нумерации................ резервирован для расширения",
        " .101.... Тип номера.................... резервирован",
        kNoExtRu,
        " ******** Цифры номера.................. "}},
    {"CallingReservedRu", 0x6C, "DF", Ru, 3, {
        " ....1111 План нумерации................ зарезервированный для расширения",
        " .101.... Тип номера.................... зарезервированный",
        kNoExtRu,
        " ******** Цифры номера.................. "}},
    // Octet 3a with bit 8 = 0: its extension line tells so.
    {"CallingNumber3aExtended", 0x6C, "314239", En, 9, {
        kContEn,
        " ******** Number digits................. 9"}},
    // --- subaddresses (71, 6D); a cut calling party subaddress is reported as cut too ---
    {"CalledSubaddressNsapRu", 0x71, "8F50", Ru, 5, {
        " .000.... Тип подадреса................. NSAP (X.213/ISO 8348 AD2)",
        kNoExtRu,
        " ******** Информация подадресации....... 50 Hex"}},
    {"CallingSubaddressOctet3Extended", 0x6D, "2050", En, 3, {}},
    {"CallingSubaddressCut", 0x6D, "A05012", En, 3, {kMistakeEn}, 5},
    // --- Call identity (10), Display (28), Keypad facility (2C) ---
    {"CallIdentity", 0x10, "3132", En, 3, {" ******** Information elements.......... 12"}},
    // Bytes of 128 and above are Windows-1251 characters.
    {"DisplayCyrillicRu", 0x28, "C0FFA8", Ru, 3, {" ******** Информационные элементы (IA5). АяЁ"}},
    // Control codes are shown by name: the report keeps its lines and its ETX framing.
    {"DisplayControlCodes", 0x28, "410D0A03007F9842", En, 3, {" ******** Information elements (IA5).... A<CR><LF><ETX><NUL><DEL><98>B"}},
    {"KeypadCut", 0x2C, "3132", En, 3, {kMistakeEn}, 5},
    // --- Call state (14): always mandatory ---
    {"CallStateRestartNetworkStandardRu", 0x14, "FE", Ru, 3, {
        " ..111110 Сост.вызова/сост.интерфейса... резерв/РЕСТ 2 - рестарт",
        " 11...... Стандартное кодирование....... стандарт, определенный для сети (или общей или частной), представленный на сетевой стороне интерфейса"}},
    // Call state, Calling party number and Cause of length 0: the header and the MISTAKE.
    {"CallStateEmpty", 0x14, "", En, 3, {kMistakeEn}},
    {"CallingNumberEmpty", 0x6C, "", En, 3, {kMistakeEn}},
    {"CauseEmpty", 0x08, "", En, 3, {kMistakeEn}, -1, true},
    // Octet 3a (recommendation), no diagnostic lines past the end; 3a or 4 extended: the end.
    {"CauseRecommendation", 0x08, "008090", En, 6, {
        kContEn,
        " .0000000 Recommendation................ Q.931",
        kNoExtEn,
        " .0010000 Cause Value................... Normal call clearing",
        kNoExtEn}},
    {"Cause3aExtended", 0x08, "000390", En, 6, {kContEn}},
    {"CauseValueExtended", 0x08, "801001", En, 6, {kNoExtEn}},
    // The two languages know diagnostics for different causes (16 in Russian, 88 in
    // English).
    {"CauseDiagnosticRu", 0x08, "809081", Ru, 9, {
        " .0000001 Диагностика................... перегрузка рабочих условий",
        kNoExtRu}},
    {"Cause88", 0x08, "80D801", En, 9, {
        " .0000001 Diagnostic(s).................  Incompatible parameter",
        " 0....... Extension..................... no extension"}},
    // A cause value outside the table: its own English text, never the previous line's.
    {"CauseOutsideTable", 0x08, "8AE700", En, 7, {
        " .1100111 Cause Value................... not a DSS1 cause value",
        kNoExtEn}},
    // Two channel number octets: all their bits on one line.
    {"ChannelTwoNumbers", 0x18, "A9838182", En, 14, {
        " 1000000110000010 Channel number/slot number.... See Recommendation I.431"}},
    // An identifier of two octets: both are shown, octet 3.2 follows the last one.
    {"ChannelIdentifierOfTwoOctets", 0x18, "E901828981", En, 12, {
        " .0000010 Interface identifier.......... (BIN)",
        kNoExtEn,
        " ....1001 Channel type/map element type. H12-channel units",
        " ...0.... Number/map.................... channel is indicated by the number in the folowing octet",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " 10000001 Channel number/slot number.... See Recommendation I.431"}},
    // Identifier announced but missing, or never ended: no octet 3.2 to read.
    {"ChannelIdentifierMissing", 0x18, "E9", En, 3, kE9En},
    {"ChannelIdentifierNeverEnds", 0x18, "E90102", En, 3, kE9En + Lines{
        " .0000001 Interface identifier.......... (BIN)",
        kContEn,
        " .0000010 Interface identifier.......... (BIN)",
        kContEn}},
    {"ChannelOctet3Extended", 0x18, "298381", En, 3, {}},
    {"ChannelOctet32Extended", 0x18, "A90381", En, 10, {}},
    {"ProgressTransitLocationReserved", 0x1E, "8382", En, 3, {
        " ....0011 Location...................... reserved",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0000010 Progress description.......... destination address is non-ISDN",
        kNoExtEn}, -1, true},
    {"ProgressOctet3Extended", 0x1E, "0288", En, 3, {}},
    {"ProgressOctet4Extended", 0x1E, "8208", En, 7, {}},
    // --- Notification indicator (27): always mandatory, no length line; a cut one says so ---
    {"NotificationReservedRu", 0x27, "83", Ru, 2, {
        " .0000011 Описание уведомления.......... резерв",
        kNoExtRu}},
    {"NotificationExtended", 0x27, "00", En, 0, {
        " 00100111 Mandatory parameter........... Notification indicator",
        " Notification indicator"}},
    {"NotificationCut", 0x27, "80", En, 2, {kMistakeEn}, 2},
    // --- Restart indicator (79): always mandatory ---
    {"RestartIndicatedChannelsRu", 0x79, "F8", Ru, 3, {
        " .....000 Класс......................... обозначенные каналы",
        " .1111... Резерв........................ ",
        kNoExtRu}},
    {"RestartExtended", 0x79, "06", En, 3, {}},
    {"MoreData", 0xA0, "A0", En, 3, {" 1....... Single octet inform.element... 1"}},
    // Optional in its header even in first place of a SETUP.
    {"SendingComplete", 0xA1, "A1", En, 0, {
        " 10100001 Optional parameter............ Sending complete",
        " Sending complete",
        " .0100001 Identif.information element... 0100001",
        " 1....... Single octet inform.element... 1"}, -1, true},
    {"CongestionReserved", 0xB5, "B5", En, 2, {
        " ....0101 Congestion level.............. reserved",
        " .011.... Identif.information element... 011",
        " 1....... Single octet inform.element... 1"}, -1, true},
    // --- Date/time (29): missing octets show an empty bit column and 0 ---
    {"DateTimeWithoutHourAndMinute", 0x29, "FF0C1F", En, 3, {
        " 11111111 Year.......................... 255 Dec",
        " 00001100 Month......................... 12 Dec",
        " 00011111 Day........................... 31 Dec",
        "  Hour.......................... 0 Dec",
        "  Minute........................ 0 Dec"}},
    // --- Bearer capability (04), and its octets alone as ISUP parameters carry them ---
    // V.110 octet 5b in Russian: the text for flow control on reception = 1 is ours.
    {"V110Octet5bRussian", 0x04, "88902148C2", Ru, 19, {
        " ......" "1" ". Управление ходом приема....... " "могут приниматься данные с помощью механизма управления ходом",
        " ....." "0" ".. Управление ходом передачи..... " "не требуется посылать данные с помощью механизма управления ходом",
        " ...." "0" "... NIC при приеме (Rx)........... " "нет возможности принимать данные с независимой синхронизацией коммутационного поля",
        " ..." "0" ".... NIC при передаче (Tx)......... " "не требуется посылать данные с независимой синхронизацией коммутационного поля",
        " ." "10" "..... Промежуточная скорость........ " "16 кБит/с",
        kNoExtRu}, -1, false, BEARER_CAPABILITY_body},
    // Octet 5d with extension 0: the element ends after the duplex mode line.
    {"Octet5dWithoutExtension", 0x04, "88902148423B51C2", En, 35, {
        " ." "1" "...... Duplex mode................... " "full duplex"}},
    // Layer 1 protocol 00111: no 5b heading or fields, but the 5b extension line.
    {"OtherProtocolOctet5b", 0x04, "8890270880", En, 16, {kContEn, kNoExtEn}, -1, false, BEARER_CAPABILITY_body},
    // Octet 7 without octet 6: nothing after the octet-5 group.
    {"Octet7WithoutOctet6", 0x04, "8090A3E2", En, 11, {kNoExtEn}, -1, false, BEARER_CAPABILITY_body},
    // Octet 4a ending the group: octet 5 is read from the 25th bit.
    {"Octet4aEndsGroup", 0x04, "88108FA2", En, 13, {
        " 5 octet",
        " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
        " ." "01" "..... Layer 1 identification........ " "01",
        kNoExtEn}, -1, false, BEARER_CAPABILITY_body},
    // Structure 000 takes its meaning from octets 3 and 4; packet-mode speech is ours.
    {"PacketModeDigital", 0x04, "884080", En, 11, {
        " ." "000" ".... Structure..................... " "service data unit integrity", kNoExtEn}, -1, false, BEARER_CAPABILITY_body},
    {"PacketModeSpeech", 0x04, "804080", En, 11, {" ." "000" ".... Structure..................... " "default", kNoExtEn}, -1, false, BEARER_CAPABILITY_body},
    // Octet 3 with extension 0: nothing.
    {"Octet3WithoutExtension", 0x04, "0090A3", En, 0, {}, -1, false, BEARER_CAPABILITY_body},
    // A missing octet of the octet-4 group has no extension bit: the group has no end and
    // the element ends after its lines, as it does after octet 4b with extension 0.
    {"Octet4aMissing", 0x04, "8810", En, 8, {
        " 4a octet",
        " ...... Establishment................. reserved",
        " ...... Configuration................. reserved",
        " ..... Structure..................... reserved",
        " ....... Extension..................... no extension"}, -1, false, BEARER_CAPABILITY_body},
    {"Octet4bWithoutExtension", 0x04, "8810001FA2", En, 14, {
        " ..." "11111" " Information transfer rate..... " "reserved",
        " ." "00" "..... Symmetry...................... " "bidirectional symmetric"}, -1, false, BEARER_CAPABILITY_body},
    // Half an octet 3 (an ISUP parameter cut inside an octet): its shortened bits match no
    // row; octet 4 announced but missing prints empty fields with the last rows, then ends.
    {"HalfOctet3", 0x04, "8", En, 0, {
        " 3 octet",
        " ...0 Inform. transfer capability... reserved",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " 4 octet",
        " ... Information transfer rate..... reserved",
        " ...... Transfer mode................. reserved",
        " ....... Extension..................... no extension"}, -1, false, BEARER_CAPABILITY_body},
    {"LowLayer3a", 0x7C, "088090", En, 0, kLowLayerEn},
    {"LowLayer3aRussian", 0x7C, "088090", Ru, 0, kLowLayerRu},
    // Octet 3a or 7a without bit 8 = 1: the element ends there.
    {"LowLayer3aWithoutEnd", 0x7C, "0800", En, 6, {kContEn}},
    {"LowLayer7aWithoutEnd", 0x7C, "8890C2667F", En, 18, {kContEn}},
    // The V.120 octet 5b has its own English texts for assignor/assignee.
    {"LowLayerV120", 0x7C, "88902828F4", En, 20, {
        " 5b octet",
        " .......0 Spare......................... ",
        " ......0. In-band/Out-band negotiation.. negotiation is done with USER INFORMATION messages on a temporary signalling connection",
        " .....1.. Assignor/assignee............. message originator is: Assignor only",
        " ....0... Logical link iden.negotiation. default, LLI=256 only",
        " ...1.... Mode of operation............. protocol sensitive mode of operation",
        " ..1..... Multiframe support............ multiple frame establishment supported",
        " .1...... Rate adaptation header........ rate adaptation header included",
        kNoExtEn}},
    // Octet 6 (no octet 5) with extension 0, then 6a, then octet 7 two octets later.
    {"LowLayer6aThen7Russian", 0x7C, "88904D81E2", Ru, 13, {
        " .10..... Идентификатор 2 уровня........ 10",
        kContRu,
        " 6a octet",
        " .0000001 Необяз.информ.протокола 2 ур.. еще должна быть определена",
        kNoExtRu,
        " 7 октет",
        " ...00010 Протокол инф.польз. 3 уровня.. Рекомендация Q.931(I.451)",
        " .11..... Идентификатор 3 уровня........ 11",
        kNoExtRu}},
    // --- High layer compatibility (7D); the body without preamble for an ISUP parameter ---
    {"HighLayer", 0x7D, "9181", En, 0, kHighLayerEn},
    {"HighLayerRussian", 0x7D, "9181", Ru, 0, kHighLayerRu},
    {"HighLayerBody", 0x34, "9181", En, 0, Lines(kHighLayerEn.begin() + 3, kHighLayerEn.end()), -1, false, HIGH_LAYER_COMP_body},
    // Octet 4a; its own bit 8 is not examined.
    {"HighLayerExtended", 0x7D, "91015E", En, 8, {
        kContEn,
        " .1011110 Extended high layer char.id... Not available for assignment",
        " 0....... Extension..................... no extension"}},
    // Octet 4 or 4a missing: its line with empty bits and "reserved".
    {"HighLayerOctet4Missing", 0x7D, "91", En, 7, {
        " . High layer char.identificat... reserved"}},
    {"HighLayerOctet4aMissing", 0x7D, "9101", En, 9, {
        " . Extended high layer char.id... reserved",
        " ....... Extension..................... no extension"}},
    {"HighLayerOctet3WithoutExtension", 0x7D, "1181", En, 3, {}},
    // --- Facility (1C); class 01 is not context-specific ---
    {"Facility", 0x1C, "91A10602010102", En, 3, {
        " ...10001 Service discriminator......... supplementary service applications",
        " .00..... Spare......................... ",
        kNoExtEn,
        " ...00001 Component tag................. invoke",
        " ..1..... Form.......................... constructor",
        " 10...... Class......................... context-specific",
        " .0000110 Lenght of component........... 6 Dec",
        " 0....... Lenght format................. lenght of the component lenght field is on octet",
        " ******** Component contents............ 02010102 Hex",
    }},
    {"FacilityOctet4Missing", 0x1C, "91", En, 6, {
        " ... Component tag................. reserved",
        " ....... Form.......................... reserved",
        " ...... Class......................... reserved"}},
    {"FacilityClass01", 0x1C, "916100", En, 8, {
        " 01...... Class......................... reserved",
        " .0000000 Lenght of component........... 0 Dec",
        " 0....... Lenght format................. lenght of the component lenght field is on octet"}},
    {"FacilityOctet3WithoutExtension", 0x1C, "11A1", En, 3, {}},

    // --- Network-specific facilities (20): the identification length counts octet 3.1 and
    // the characters; the facility octets follow them ---
    {"NetworkSpecificIdentified", 0x20, "03A132335566", En, 3, {
        " 00000011 Length of network identific... 3 Dec",
        " ....0001 Network identification plan... Carrier Identification Code",
        " .010.... Type of network identificat... national network identification",
        kNoExtEn,
        " ******** Network identification (IA5).. 23",
        " ******** Network-specific facilities... 5566 (Hex)"}},
    {"NetworkSpecificPlanMissing", 0x20, "02", En, 3, {
        " 00000010 Length of network identific... 2 Dec"}},
    {"NetworkSpecificEmpty", 0x20, "", En, 2, {
        " 00000000 Length........................ 0 Dec"}},

    {"TransitDataNetworkCode", 0x78, "E3", En, 3, {
        " ....0011 Network identification plan... data network identification code",
        " .110.... Type of network identificat... reserved",
        kNoExtEn,
        " ******** Network identification (IA5).. "}},
    {"TransitWithoutExtension", 0x78, "21323334", En, 3, {}},

    // --- User-user (7E) / the ISUP User to user information (20) ---
    {"UserUser", 0x7E, "044142", En, 0, kUserUserEn},
    {"UserUserRussian", 0x7E, "044142", Ru, 0, kUserUserRu},
    {"UserUserHex", 0x7E, "004142", En, 3, {
        " 00000000 Protocol discriminator........ user-specific protocol",
        " ******** User information.............. 4142 (Hex)"}},
    {"UserUserEmpty", 0x7E, "", En, 2, {
        " 00000000 Length........................ 0 Dec"}},
    {"UserUserLengthMistake", 0x7E, "0441", Ru, 2, {
        " 00000100 Длина......................... 4 Dec", " ОШИБКА: недопустимый формат элемента"}, 4},

};
// clang-format on

// The decoder of an identifier as the walk finds it: Congestion level (Bx) under B0.
Decoder decoder_of(unsigned id) {
    return find_decoder(element_decoders(), (id & 0xF0) == 0xB0 ? 0xB0 : id);
}

Lines decode(const Case& c, int length, std::string_view contents) {
    return decode_element(c.decode ? c.decode : decoder_of(c.id), c.id, length, contents, c.lang,
                          c.mandatory);
}

class Elements : public testing::TestWithParam<Case> {};

TEST_P(Elements, Lines) {
    const Case& c = GetParam();
    EXPECT_EQ(from(decode(c, c.length, c.contents), c.first), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Dss1, Elements, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

bool in(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every cut of every element above (every element has a row), at every octet and half
// octet, and every prefix of a long SETUP. Cut off by the end of the message (the length
// octet still announces the whole), and every prefix of the SETUP: each line is a line of
// the whole report or a MISTAKE line, so no line is built on a value left over from an
// earlier field. Cut with a length octet that fits: each line of an octet's fields is its
// line in the report of all the contents (but the length line and the channel number, one
// line for all its octets); a half octet is a MISTAKE. The octets alone (the ISUP
// parameters' bodies) have no length check.
TEST(Dss1Robustness, EveryCut) {
    for (const ElementEntry& entry : element_decoders()) {
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases),
                                [&](const Case& c) { return !c.decode && decoder_of(c.id) == entry.decode; }))
            << "no row for element " << std::hex << entry.id;
    }
    for (const Case& c : kCases) {
        const std::string contents = c.contents;
        const int own = static_cast<int>(contents.size() / 2);
        const Lines whole = decode(c, c.length < 0 ? own : c.length, contents);
        const Lines all = decode(c, own, contents);
        for (std::size_t k = 0; k < contents.size(); ++k) {
            const std::string cut = contents.substr(0, k);
            for (const std::string& line : decode(c, c.length < 0 ? own : c.length, cut))
                EXPECT_TRUE(c.decode || in(whole, line) || mistake_line(line)) << c.name << " " << k << line;
            const Lines fitting = decode(c, static_cast<int>(k / 2), cut);
            const bool half = k % 2 == 1 && !c.decode && !single_octet_id(c.id);
            EXPECT_TRUE(!half || (!fitting.empty() && mistake_line(fitting.back()))) << c.name << " " << k;
            for (const std::string& line : fitting) {
                const bool varies = line.find(" Length....") != std::string::npos ||
                                    line.find(" Длина....") != std::string::npos ||
                                    line.find(" Channel number/slot") != std::string::npos;
                EXPECT_TRUE(!octet_line(line) || varies || in(all, line)) << c.name << " " << k / 2 << line;
            }
        }
    }
    const std::string setup =
        "08020001 05 A1 04 0B 88 10 00 91 21 48 42 3B D1 C2 E2 18 01 89 1C 07 91A10602010102 1E 02 8088"
        " 20 03 001234 28 03 414243 2C 02 3132 6C 04 0081 3132 6D 03 A05012 70 05 81 31323334"
        " 71 03 A05012 78 04 A1323334 7C 03 088090 7D 02 9181 7E 02 0441 A1";
    for (Lang lang : {En, Ru}) {
        const auto typed = [lang](std::string box) {
            Session s;
            s.settings.lang = lang;
            return lines_of(decode_single(s, box).report);
        };
        const Lines whole = typed(setup);
        for (std::size_t k = 0; k <= setup.size(); ++k) {
            const Lines lines = typed(setup.substr(0, k));
            for (std::size_t i = 2; i < lines.size(); ++i)
                EXPECT_TRUE(in(whole, lines[i]) || mistake_line(lines[i])) << "prefix " << k << lines[i];
        }
    }
}

}  // namespace
}  // namespace tarn::dss1
