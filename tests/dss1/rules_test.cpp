// DSS1 message rules, seen through a probe decoder for every identifier: which elements
// each message type hands on, with which presence flag, and where its walk stops.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dss1/dss1.hpp"
#include "dss1/report_lines.hpp"
#include "report/context.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using Lines = std::vector<std::string>;

// Writes the identifier, the contents and, for an element with a presence flag, M when
// the flag is true and O when it is false.
void probe(Context& ctx, std::string_view contents) {
    const Flags& f = ctx.flags;
    std::string flag;
    if (ctx.ind == "08") flag = f.bCAUSE ? " M" : " O";
    if (ctx.ind == "18") flag = f.bChannel ? " M" : " O";
    if (ctx.ind == "1E") flag = f.bProgress ? " M" : " O";
    if (ctx.ind == "7E") flag = f.bUser ? " M" : " O";
    if (ctx.ind == "79") flag = f.bRestart ? " M" : " O";
    if (ctx.ind == "7D") flag = f.bHigh ? " H" : "";
    ctx.line(ctx.ind, " ", contents, flag);
}

constexpr ElementEntry kProbes[] = {
    {0x04, probe}, {0x08, probe}, {0x10, probe}, {0x14, probe}, {0x18, probe}, {0x1C, probe},
    {0x1E, probe}, {0x20, probe}, {0x27, probe}, {0x28, probe}, {0x29, probe}, {0x2C, probe},
    {0x6C, probe}, {0x6D, probe}, {0x70, probe}, {0x71, probe}, {0x78, probe}, {0x79, probe},
    {0x7C, probe}, {0x7D, probe}, {0x7E, probe}, {0xA0, probe}, {0xA1, probe}, {0xB0, probe},
};

// The lines after the message type line of 080101 + `rest`, decoded with the probes.
// Flags that callers set before each call start true, bHigh starts false.
Lines probed(const std::string& rest, Flags& flags) {
    flags.bCAUSE = flags.bChannel = flags.bUser = true;
    flags.bHigh = false;
    const std::string message = "080101" + rest;
    Context ctx(Lang::English, true, message, flags);
    DEC_DSS(ctx, message, kProbes);
    const Lines lines = test::lines_of(ctx.screen());
    return lines.size() > 9 ? Lines(lines.begin() + 9, lines.end()) : Lines{};
}

struct Case {
    const char* name;
    const char* rest;  // message type and elements
    Lines expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const Case kCases[] = {
    {"Alerting", "01" "1801891C01001E02808828014134018070018064020441" "7E020441",
     {"18 89 O", "1C 00", "1E 8088 O", "28 41", "7E 0441 O"}},
    {"CallProceeding", "02" "1C0100180189" "1E028088" "280141" "7E020441",
     {"18 89 O", "1E 8088 O", "28 41"}},
    {"Progress", "03" "0802809018018A" "1E028088" "280141" "7E020441",
     {"08 8090 O", "1E 8088 M", "28 41", "7E 0441 O"}},
    {"ProgressWithoutIndicator", "03" "280141",
     {"28 41", " MISTAKE: Progress indicator - mandatory element not present"}},
    {"Setup", "05" "A1" "04028090" "04028890" "180189" "1C0100" "1E028088" "200100" "280141" "2C0131"
              "6C020031" "6D0180" "70028031" "710180" "780100" "7C028890" "7D029181" "7E020441"
              "08028090" "270100" "A1",
     {"A1 A1", "04 8090", "18 89 O", "1C 00", "1E 8088 O", "20 00", "28 41", "2C 31", "6C 0031", "6D 80",
      "70 8031", "71 80", "78 00", "7C 8890", "7D 9181 H", "7E 0441 O", "A1 A1"}},
    {"SetupBearerFirst", "05" "04028090" "70028031", {"04 8090", "70 8031"}},
    {"SetupCalledNumberFirst", "05" "70028031" "04028090", {" MISTAKE: mandatory element is absent"}},
    {"Connect", "07" "180189" "1C0100" "1E028088" "280141" "2903630101" "7C028890" "7E020441" "70028031",
     {"18 89 O", "1C 00", "1E 8088 O", "28 41", "29 630101", "7C 8890", "7E 0441 O"}},
    {"SetupAcknowledge", "0D" "1C0100" "180189" "1E028088" "280141" "7E020441",
     {"18 89 O", "1E 8088 O", "28 41"}},
    {"ConnectAcknowledge", "0F" "1E028088" "180189" "280141", {"18 89 O", "28 41"}},
    {"UserInformation", "20" "A0" "7E020441" "280141", {"A0 A0", "7E 0441 M"}},
    {"UserInformationMoreDataOnly", "20" "A0",
     {"A0 A0", " MISTAKE: User to user information - mandatory element not present"}},
    {"SuspendReject", "21" "08028090" "08028091" "280141", {"08 8090 M", "28 41"}},
    {"ResumeReject", "22" "08028090" "100131", {"08 8090 M"}},
    {"Suspend", "25" "100131" "280141", {"10 31"}},
    {"Resume", "26" "280141" "100131", {"10 31"}},
    {"SuspendAcknowledge", "2D" "100131" "280141", {"28 41"}},
    {"StatusEnquiry", "75" "280141" "08028090", {"28 41"}},
    {"ResumeAcknowledge", "2E" "180189" "18018A" "280141", {"18 89 M", "28 41"}},
    {"Disconnect", "45" "08028090" "1C0100" "1E028088" "280141" "7E020441" "08028091" "180189",
     {"08 8090 M", "1C 00", "1E 8088 O", "28 41", "7E 0441 O"}},
    {"Restart", "46" "180189" "280141" "790187", {"18 89 O", "28 41", "79 87 M"}},
    {"RestartAcknowledge", "4E" "180189",
     {"18 89 O", " MISTAKE: Restart indicator - mandatory element not present"}},
    {"Release", "4D" "08028090" "1C0100" "280141" "7E020441" "1E028088", {"08 8090 O", "1C 00", "28 41", "7E 0441 O"}},
    {"ReleaseComplete", "5A" "180189" "08028090", {"08 8090 O"}},
    {"Segment", "60" "280141", {" See ETS 300 102-1 (Annex K)"}},
    {"Facility", "62" "1C0100", {" This message is defined in ETSI T/S 46-32B"}},
    {"Notify", "6E" "270181" "280141" "270182", {"27 81", "28 41"}},
    {"CongestionControl", "79" "B1" "08028090" "280141" "180189", {"B1 B1", "08 8090 O", "28 41"}},
    {"Information", "7B" "A1" "08028090" "280141" "2C0131" "70028031" "180189",
     {"A1 A1", "08 8090 O", "28 41", "2C 31", "70 8031"}},
    {"Status", "7D" "08028090" "14010A" "280141" "08028091", {"08 8090 M", "14 0A", "28 41"}},
    {"StatusWithoutCallState", "7D" "08028090" "280141", {"08 8090 M", " MISTAKE: mandatory element is absent"}},
    // Edges of the walk.
    {"SignalSkipped", "01" "340180" "280141", {"28 41"}},
    {"FillerEndsWalk", "01" "280141" "FF" "280142", {"28 41"}},
    {"SingleDigitLeft", "01" "280141" "F", {"28 41"}},
    {"ShiftReadWithLength", "01" "9601" "28" "280141", {"28 41"}},
    {"UnacceptedSingleOctetTakesLength", "01" "A101" "28" "280141", {"28 41"}},
    {"TruncatedElement", "01" "28054142", {"28 4142"}},
    {"LengthOctetMissing", "01" "280141" "28", {"28 41"}},
    {"LengthOctetMissingBeforeEndCheck", "03" "1E", {" MISTAKE: Progress indicator - mandatory element not present"}},
    {"FixedElementWithoutLength", "45" "08", {}},
    {"SendingCompleteLast", "05" "04028090" "A1", {"04 8090", "A1 A1"}},
};
// clang-format on

class Dss1Rules : public testing::TestWithParam<Case> {};

TEST_P(Dss1Rules, ElementsAndFlags) {
    Flags flags;
    EXPECT_EQ(probed(GetParam().rest, flags), GetParam().expected);
    // The end-check flags are false after every message.
    EXPECT_FALSE(flags.bProgress);
    EXPECT_FALSE(flags.bRestart);
    EXPECT_TRUE(flags.bHigh);
}

INSTANTIATE_TEST_SUITE_P(Types, Dss1Rules, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

TEST(Dss1RulesFlags, FoundFlagsAreClearedAfterTheirWalk) {
    Flags flags;
    probed(
        "20"
        "7E020441",
        flags);
    EXPECT_FALSE(flags.bUser);
    probed(
        "21"
        "08028090",
        flags);
    EXPECT_FALSE(flags.bCAUSE);
}

// Every prefix of a long SETUP, with the real decoders and with the probes.
TEST(Dss1Rules, EveryPrefixOfALongSetup) {
    const std::string setup =
        "08020001 05 A1 04 0B 88 10 00 91 21 48 42 3B D1 C2 E2 18 01 89 1E 02 8088 28 03 414243"
        " 6C 04 0081 3132 70 05 81 31323334 7D 02 9181 7E 02 0441 A1";
    for (Lang lang : {Lang::English, Lang::Russian}) {
        for (std::size_t k = 0; k <= setup.size(); ++k) {
            Session s;
            s.settings.lang = lang;
            std::string box = setup.substr(0, k);
            const SingleResult r = decode_single(s, box);
            EXPECT_TRUE(r.valid);
            EXPECT_TRUE(test::well_formed(r.report)) << box;

            std::string message;
            for (char c : setup.substr(0, k)) {
                if (c != ' ') message += c;
            }
            Flags flags;
            Context ctx(lang, false, message, flags);
            DEC_DSS(ctx, message, kProbes);
            EXPECT_TRUE(test::well_formed(ctx.screen())) << message;
        }
    }
}

}  // namespace
}  // namespace tarn::dss1
