// DSS1 Low and High layer compatibility, Facility, Network-specific facilities, Transit
// network selection and User-user: the elements on their own, then in SETUP and USER
// INFORMATION messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dss1/bearer_capability.hpp"
#include "dss1/compat_lines.hpp"
#include "dss1/facility.hpp"
#include "dss1/high_layer.hpp"
#include "dss1/user_user.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using namespace tarn::dss1::test;

Lines lines_of(std::string_view report) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string_view::npos; start = end + 2)
        lines.emplace_back(report.substr(start, end - start));
    EXPECT_EQ(start, report.size()) << "last line without CR LF";
    return lines;
}

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// One element handed to its decoder as a walk hands it: identifier, length octet (the
// contents' own length unless given), contents, mandatory or not.
struct Row {
    const char* name;
    Decoder decode;
    unsigned id;
    const char* contents;
    Lang lang;
    std::size_t first;  // the expected lines are the report's from this index on
    Lines lines;
    int length = -1;
    bool mandatory = false;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const Row kRows[] = {
    // --- Low layer compatibility ---
    {"LowLayer3a", LOW_LAYER_COMP, 0x7C, "088090", Lang::English, 0, kLowLayerEn},
    {"LowLayer3aRussian", LOW_LAYER_COMP, 0x7C, "088090", Lang::Russian, 0, kLowLayerRu},
    // Octet 3a without bit 8 = 1: the element ends after octet 3.
    {"LowLayer3aWithoutEnd", LOW_LAYER_COMP, 0x7C, "0800", Lang::English, 6, {kContEn}},
    // Octet 6 (no octet 5) with extension 0, then 6a, then octet 7 two octets later.
    {"LowLayer6aThen7", LOW_LAYER_COMP, 0x7C, "88904D81E2", Lang::English, 11, {
        " 6 octet",
        " ...01101 User inform.layer 2 protocol.. CCITT Recommendation X.75 Single Link Procedure (SLP)",
        " .10 Layer 2 identificator......... 10",
        kContEn,
        " 6a octet",
        " .0000001 Optional layer 2 protocol id.. user specified to be specified",
        kNoExtEn,
        " 7 octet",
        " ...00010 User inform.layer 3 protocol.. CCITT Recommendation Q.931 (I.451)",
        " .11 Layer 3 identificator......... 11",
        kNoExtEn}},
    {"LowLayer6aThen7Russian", LOW_LAYER_COMP, 0x7C, "88904D81E2", Lang::Russian, 11, {
        " 6 октет",
        " ...01101 Протокол инф.польз. 2 уровня.. резерв",
        " .10..... Идентификатор 2 уровня........ 10",
        kContRu,
        " 6a octet",
        " .0000001 Необяз.информ.протокола 2 ур.. еще должна быть определена",
        kNoExtRu,
        " 7 октет",
        " ...00010 Протокол инф.польз. 3 уровня.. Рекомендация Q.931(I.451)",
        " .11..... Идентификатор 3 уровня........ 11",
        kNoExtRu}},
    {"LowLayer7a", LOW_LAYER_COMP, 0x7C, "8890C266FF", Lang::English, 11, {
        " 6 octet",
        " ...00010 User inform.layer 2 protocol.. CCITT Recommendation Q.921 (I.441)",
        " .10 Layer 2 identificator......... 10",
        kNoExtEn,
        " 7 octet",
        " ...00110 User inform.layer 3 protocol.. Recommendation X.25, packet layer",
        " .11 Layer 3 identificator......... 11",
        kContEn,
        " 7a octet",
        " .1111111 Optional layer 3 protocol id.. user specified to be specified",
        kNoExtEn}},
    // Octet 7a without bit 8 = 1: the element ends after octet 7.
    {"LowLayer7aWithoutEnd", LOW_LAYER_COMP, 0x7C, "8890C2667F", Lang::English, 18, {kContEn}},
    // The V.120 octet 5b has its own English texts for assignor/assignee.
    {"LowLayerV120", LOW_LAYER_COMP, 0x7C, "88902828F4", Lang::English, 20, {
        " 5b octet",
        " .......0 Spare......................... ",
        " ......0. In-band/Out-band negotiation.. negotiation is done with USER INFORMATION messages on a temporary signalling connection",
        " .....1.. Assignor/assignee............. message originator is: Assignor only",
        " ....0... Logical link iden.negotiation. default, LLI=256 only",
        " ...1.... Mode of operation............. protocol sensitive mode of operation",
        " ..1..... Multiframe support............ multiple frame establishment supported",
        " .1...... Rate adaptation header........ rate adaptation header included",
        kNoExtEn}},
    // Octet 4 announced but missing: empty fields, the last table rows, then the end.
    {"LowLayerOctet4Missing", LOW_LAYER_COMP, 0x7C, "80", Lang::English, 7, {
        " 4 octet",
        " ... Information transfer rate..... reserved",
        " ...... Transfer mode................. reserved",
        " ....... Extension..................... no extension"}},
    {"LowLayerLengthMistake", LOW_LAYER_COMP, 0x7C, "0880", Lang::English, 2, {
        " 00000011 Length........................ 3 Dec", " MISTAKE: Invalid element format"}, 3},

    // --- High layer compatibility ---
    {"HighLayer", HIGH_LAYER_COMP, 0x7D, "9181", Lang::English, 0, kHighLayerEn},
    {"HighLayerRussian", HIGH_LAYER_COMP, 0x7D, "9181", Lang::Russian, 0, kHighLayerRu},
    // The body, for an ISUP parameter with its own header: no preamble.
    {"HighLayerBody", HIGH_LAYER_COMP_body, 0x34, "9181", Lang::English, 0, Lines(kHighLayerEn.begin() + 3, kHighLayerEn.end())},
    // Octet 4a; its own bit 8 is not examined.
    {"HighLayerExtended", HIGH_LAYER_COMP, 0x7D, "91015E", Lang::English, 7, {
        " .0000001 High layer char.identificat... Telephony (Recommendation G.711)",
        kContEn,
        " .1011110 Extended high layer char.id... Not available for assignment",
        " 0....... Extension..................... no extension"}},
    {"HighLayerExtendedRussian", HIGH_LAYER_COMP, 0x7D, "91015F", Lang::Russian, 7, {
        " .0000001 Идент.характ.высокого уровня.. Телефония (Рекомендация G.711)",
        kContRu,
        " .1011111 Идент.характ.расшир.высок.ур.. не доступный для назначения",
        " 0....... Расширение.................... нет расширения"}},
    {"HighLayerExtendedTelexRussian", HIGH_LAYER_COMP, 0x7D, "9135B5", Lang::Russian, 7, {
        " .0110101 Идент.характ.высокого уровня.. Телекс (Рекомендация F.60)",
        kContRu,
        " .0110101 Идент.характ.расшир.высок.ур.. телекс (Рекомендация F.60)",
        kNoExtRu}},
    // Octet 4 missing: its line with empty bits and "reserved", no extension line.
    {"HighLayerOctet4Missing", HIGH_LAYER_COMP, 0x7D, "91", Lang::English, 7, {
        " . High layer char.identificat... reserved"}},
    {"HighLayerOctet4aMissing", HIGH_LAYER_COMP, 0x7D, "9101", Lang::English, 8, {
        kContEn,
        " . Extended high layer char.id... reserved",
        " ....... Extension..................... no extension"}},
    {"HighLayerOctet3WithoutExtension", HIGH_LAYER_COMP, 0x7D, "1181", Lang::English, 3, {}},
    {"HighLayerReservedValues", HIGH_LAYER_COMP, 0x7D, "FEFF", Lang::English, 3, {
        " ......10 Present.method of protoc.prof. reserved",
        " ...111.. Interpretation................ reserved",
        " .11..... Coding standard............... standard defined for the network (either public or private) present on the network side of the interface",
        kNoExtEn,
        " .1111111 High layer char.identificat... reserved",
        kNoExtEn}},

    // --- Facility ---
    {"Facility", FACILITY, 0x1C, "91A10602010102", Lang::English, 0, kFacilityEn},
    {"FacilityRussian", FACILITY, 0x1C, "91A10602010102", Lang::Russian, 0, kFacilityRu},
    // Octet 4 missing: its fields with empty bits and "reserved", nothing after.
    {"FacilityOctet4Missing", FACILITY, 0x1C, "91", Lang::English, 6, {
        " ... Component tag................. reserved",
        " ....... Form.......................... reserved",
        " ...... Class......................... reserved"}},
    // Class 01 is not context-specific; no component contents after a length of 0.
    {"FacilityClass01", FACILITY, 0x1C, "916100", Lang::English, 6, {
        " ...00001 Component tag................. invoke",
        " ..1..... Form.......................... constructor",
        " 01...... Class......................... reserved",
        " .0000000 Lenght of component........... 0 Dec",
        " 0....... Lenght format................. lenght of the component lenght field is on octet"}},
    {"FacilityReturnErrorPrimitive", FACILITY, 0x1C, "9F8381FF", Lang::Russian, 3, {
        " ...11111 Дискриминатор службы.......... резерв",
        " .00..... Резерв........................ ",
        kNoExtRu,
        " ...00011 Составляющая отметка.......... ошибка возврата",
        " ..0..... Форма......................... резерв",
        " 10...... Класс......................... контекстно-специфический",
        " .0000001 Длина составляющей............ 1 Dec",
        " 1....... Формат длины.................. резерв",
        " ******** Содержание составляющей....... FF Hex"}},
    {"FacilityOctet3WithoutExtension", FACILITY, 0x1C, "11A1", Lang::English, 3, {}},

    // --- Network-specific facilities ---
    {"NetworkSpecific", NETWORK_SPECIFIC_FAC, 0x20, "001234", Lang::English, 0, kNsfEn},
    {"NetworkSpecificRussian", NETWORK_SPECIFIC_FAC, 0x20, "001234", Lang::Russian, 0, kNsfRu},
    // The length 3 counts octet 3.1 and two characters; the facility octets follow them.
    {"NetworkSpecificIdentified", NETWORK_SPECIFIC_FAC, 0x20, "03A132335566", Lang::English, 3, {
        " 00000011 Length of network identific... 3 Dec",
        " ....0001 Network identification plan... Carrier Identification Code",
        " .010.... Type of network identificat... national network identification",
        kNoExtEn,
        " ******** Network identification (IA5).. 23",
        " ******** Network-specific facilities... 5566 (Hex)"}},
    {"NetworkSpecificIdentifiedRussian", NETWORK_SPECIFIC_FAC, 0x20, "03B032335566", Lang::Russian, 3, {
        " 00000011 Длина идентификации сети...... 3 Dec",
        " ....0000 План идентификации сети....... неизвестен",
        " .011.... Тип идентификации сети........ идентифицируются международной сетью",
        kNoExtRu,
        " ******** Идентификация сети (IA5)...... 23",
        " ******** Услуги специфичной сети....... 5566 (Hex)"}},
    // Octet 3.1 alone: an empty identification, no facility octets.
    {"NetworkSpecificPlanOnly", NETWORK_SPECIFIC_FAC, 0x20, "0185", Lang::English, 3, {
        " 00000001 Length of network identific... 1 Dec",
        " ....0101 Network identification plan... reserved",
        " .000.... Type of network identificat... user specified",
        kNoExtEn,
        " ******** Network identification (IA5).. "}},
    // No octet 3.1 where the length announces one; no octet 3 at all.
    {"NetworkSpecificPlanMissing", NETWORK_SPECIFIC_FAC, 0x20, "02", Lang::English, 3, {
        " 00000010 Length of network identific... 2 Dec"}},
    {"NetworkSpecificEmpty", NETWORK_SPECIFIC_FAC, 0x20, "", Lang::English, 2, {
        " 00000000 Length........................ 0 Dec"}},

    // --- Transit network selection ---
    {"Transit", TRANSIT_NETWORK_SELECTION, 0x78, "A1323334", Lang::English, 0, kTransitEn},
    {"TransitRussian", TRANSIT_NETWORK_SELECTION, 0x78, "A1323334", Lang::Russian, 0, kTransitRu},
    {"TransitDataNetworkCode", TRANSIT_NETWORK_SELECTION, 0x78, "E3", Lang::English, 3, {
        " ....0011 Network identification plan... data network identification code",
        " .110.... Type of network identificat... reserved",
        kNoExtEn,
        " ******** Network identification (IA5).. "}},
    {"TransitWithoutExtension", TRANSIT_NETWORK_SELECTION, 0x78, "21323334", Lang::English, 3, {}},

    // --- User-user / User to user information ---
    {"UserUser", subcl_20, 0x7E, "044142", Lang::English, 0, kUserUserEn},
    {"UserUserRussian", subcl_20, 0x7E, "044142", Lang::Russian, 0, kUserUserRu},
    {"UserUserMandatory", subcl_20, 0x7E, "044142", Lang::English, 0, {
        " 01111110 Mandatory parameter........... User to user information"}, -1, true},
    {"UserUserHex", subcl_20, 0x20, "004142", Lang::English, 3, {
        " 00000000 Protocol discriminator........ user-specific protocol",
        " ******** User information.............. 4142 (Hex)"}},
    // The discriminator alone: an empty user information.
    {"UserUserDiscriminatorOnly", subcl_20, 0x20, "08", Lang::English, 3, {
        " 00001000 Protocol discriminator........ Q.931 (I.451) user-network call control messages",
        " ******** User information..............  (Hex)"}},
    {"UserUserIA5Only", subcl_20, 0x20, "04", Lang::English, 3, {
        " 00000100 Protocol discriminator........ IA5 characters",
        " ******** User information.............. "}},
    {"UserUserReservedRussian", subcl_20, 0x20, "05FF", Lang::Russian, 3, {
        " 00000101 Дискриминатор протокола....... резервирован",
        " ******** Информация пользователя....... FF (Hex)"}},
    // No protocol discriminator: nothing after the length line.
    {"UserUserEmpty", subcl_20, 0x20, "", Lang::English, 2, {
        " 00000000 Length........................ 0 Dec"}},
    {"UserUserLengthMistake", subcl_20, 0x20, "0441", Lang::Russian, 2, {
        " 00000100 Длина......................... 4 Dec", " ОШИБКА: недопустимый формат элемента"}, 4},
};
// clang-format on

class Compat : public testing::TestWithParam<Row> {};

TEST_P(Compat, Lines) {
    const Row& row = GetParam();
    const std::string contents = row.contents;
    const unsigned length =
        row.length < 0 ? static_cast<unsigned>(contents.size() / 2) : static_cast<unsigned>(row.length);
    Context ctx(row.lang, true, "");
    row.decode(ctx, Element(row.id, length, contents, row.mandatory));
    const Lines lines = lines_of(ctx.screen());
    ASSERT_LE(row.first, lines.size());
    const Lines tail(lines.begin() + static_cast<std::ptrdiff_t>(row.first), lines.end());
    if (row.mandatory) {  // only the identification line is checked
        ASSERT_FALSE(tail.empty());
        EXPECT_EQ(tail.front(), row.lines.front());
    } else {
        EXPECT_EQ(tail, row.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(Elements, Compat, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The lines of a typed message after its first `first` lines.
Lines message(Lang lang, std::string box, std::size_t first) {
    Session s;
    s.settings.lang = lang;
    const Lines lines = lines_of(decode_single(s, box).report);
    if (lines.size() < first) return {"(only " + std::to_string(lines.size()) + " lines)"};
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
}

const char kSetup[] =
    "080101 05 04 03 8090A3 1C 07 91A10602010102 20 03 001234 78 04 A1323334 7C 03 088090 7D 02 9181 7E 03 "
    "044142";

// A SETUP with every one of these elements after its Bearer capability: each decoded as on
// its own, in the order of the message (the Bearer capability takes 15 lines).
TEST(CompatMessages, Setup) {
    EXPECT_EQ(message(Lang::English, kSetup, 24),
              concat({kFacilityEn, kNsfEn, kTransitEn, kLowLayerEn, kHighLayerEn, kUserUserEn}));
    EXPECT_EQ(message(Lang::Russian, kSetup, 24),
              concat({kFacilityRu, kNsfRu, kTransitRu, kLowLayerRu, kHighLayerRu, kUserUserRu}));
}

// USER INFORMATION requires its User-user element: the header says mandatory, and no
// missing-element line follows.
TEST(CompatMessages, UserInformation) {
    Lines en = kUserUserEn;
    en[0] = " 01111110 Mandatory parameter........... User to user information";
    EXPECT_EQ(message(Lang::English, "080101207E03044142", 9), en);
    Lines ru = kUserUserRu;
    ru[0] = " 01111110 Обязательный параметр......... Информация от пользователя к пользователю";
    EXPECT_EQ(message(Lang::Russian, "080101207E03044142", 9), ru);
}

// Every prefix of the SETUP decodes to whole lines, in both languages.
TEST(CompatMessages, EveryPrefix) {
    const std::string setup = kSetup;
    for (Lang lang : {Lang::English, Lang::Russian}) {
        for (std::size_t k = 0; k <= setup.size(); ++k) message(lang, setup.substr(0, k), 0);
    }
}

}  // namespace
}  // namespace tarn::dss1
