// ISUP parameter walk: fixed parameters, pointers, variable parameter, optional part.
#include "isup/message.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "isup/isup.hpp"
#include "isup/lines.hpp"
#include "report/convert.hpp"
#include "run/run.hpp"

namespace tarn::isup {
namespace {

using test::report_lines;
using Lines = std::vector<std::string>;

// A stand-in decoder: one line "{code|contents|length octet|flag}", where the flag is
// bSubcl_09 for code 09, bSubcl_11 for 11, bUser for 20 and "-" for any other code.
void record(Context& ctx, std::string_view contents) {
    std::string_view flag = "-";
    if (ctx.ind == "09") flag = ctx.flags.bSubcl_09 ? "1" : "0";
    if (ctx.ind == "11") flag = ctx.flags.bSubcl_11 ? "1" : "0";
    if (ctx.ind == "20") flag = ctx.flags.bUser ? "1" : "0";
    ctx.line("{", ctx.ind, "|", contents, "|", ctx.MN, "|", flag, "}");
}

// Every parameter has the stand-in decoder, except 2A, whose decoder is not built.
ParamDecoder recording(std::string_view code) {
    return code == "2A" ? nullptr : record;
}
ParamDecoder none(std::string_view) {
    return nullptr;
}

// The hex text may hold blanks between octets for legibility.
std::string strip(std::string_view hex) {
    std::string out;
    for (char c : hex)
        if (c != ' ') out += c;
    return out;
}

Lines walk(std::string_view spaced, Lang lang, bool flags_before, ParamFinder find = recording) {
    const std::string hex = strip(spaced);
    Flags flags;
    flags.bSubcl_09 = flags.bSubcl_11 = flags.bUser = flags_before;
    Context ctx(lang, false, "T", flags);
    walk_parameters(ctx, hex, mid(hex, 15, 2), find);
    return report_lines(ctx.screen());
}

constexpr std::string_view kEnd = " 00000000 Optional parameters........... End";

struct WalkCase {
    std::string_view name;
    std::string_view hex;
    Lang lang;
    Lines expected;
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

class IsupWalk : public ::testing::TestWithParam<WalkCase> {};

// The flags are set right before each call, whatever they held before.
TEST_P(IsupWalk, Lines) {
    const WalkCase& c = GetParam();
    EXPECT_EQ(walk(c.hex, c.lang, false), c.expected);
    EXPECT_EQ(walk(c.hex, c.lang, true), c.expected);
}

constexpr std::string_view kLongIam =
    "C581400030D30001 00 2001 0A 00 02 05 03 811032 0A 03 031121 20 02 A1B2 73 01 55 2A 01 80 3F 02 1234 00";

// clang-format off
const std::string kEn = std::string(kEnd);
const WalkCase kWalkCases[] = {
    {"AcmSample", "C581400030D30006 1614 01 29 01 01 00 FF", Lang::English,
     {"{11|1614||1}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{29|01|01|-}", kEn}},
    {"AnmSample", "C581400030D30009 01 2D 02 0100 00 FFFF", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec", "{2D|0100|02|-}", kEn}},
    {"RelSample", "C581400030D3000C 02 00 02 8090 FFFFFF", Lang::English,
     {" 00000010 Pointer....................... 2 Dec", " 00000000 Pointer to start of opt.part.. 0 Dec",
      "{12|8090|02|-}", kEn}},
    {"RelSampleRussian", "C581400030D3000C 02 00 02 8090 FFFFFF", Lang::Russian,
     {" 00000010 Указатель..................... 2 Dec", " 00000000 Указатель начала необ.парам... 0 Dec",
      "{12|8090|02|-}", " 00000000 Необязательный параметр....... Конец"}},
    {"RlcSample", "C501402030D30010 00 FFFFFFFFFFFFFF", Lang::English,
     {" 00000000 Pointer to start of opt.part.. 0 Dec", kEn}},
    // 0A, 20 and 3F decoded; 73 is outside the IAM set; 2A has no decoder.
    {"IamWithOptionalPart", kLongIam, Lang::English,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec",
      " 00000101 Pointer to start of opt.part.. 5 Dec", "{04|811032|03|-}", "{0A|031121|03|-}", "{20|A1B2|02|0}",
      "{3F|1234|02|-}", kEn}},
    {"IamOptionalPointerZero", "C581400030D30001 00 2001 0A 00 02 00 03 811032", Lang::English,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec",
      " 00000000 Pointer to start of opt.part.. 0 Dec", "{04|811032|03|-}", kEn}},
    {"IamCalledNumberCut", "C581400030D30001 00 2001 0A 00 02 05 03 8110", Lang::English,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec",
      " 00000101 Pointer to start of opt.part.. 5 Dec"}},
    {"IamEndsBeforeOptionalPointer", "C581400030D30001 00 2001 0A 00 02", Lang::English,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec"}},
    {"SamEndsAfterSubsequentNumber", "C581400030D30002 02 04 03 123456 00", Lang::English,
     {" 00000010 Pointer....................... 2 Dec", " 00000100 Pointer to start of opt.part.. 4 Dec",
      "{05|123456|03|-}"}},
    {"InrWithoutOptionalOctets", "C581400030D30003 0310 00", Lang::English,
     {"{0E|0310||-}", " 00000000 Pointer to start of opt.part.. 0 Dec"}},
    {"InfCallingCategoryOptional", "C581400030D30004 0000 01 09 01 0A 00", Lang::English,
     {"{0F|0000||-}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{09|0A|01|0}", kEn}},
    {"CotFixedOnly", "C581400030D30005 01 00", Lang::English, {"{10|01||-}"}},
    {"AcmCauseOptional", "C581400030D30006 1614 01 12 02 8090 00", Lang::English,
     {"{11|1614||1}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{12|8090|02|-}", kEn}},
    {"AcmSkipsCodeOutsideSet", "C581400030D30006 1614 01 21 01 00 00", Lang::English,
     {"{11|1614||1}", " 00000001 Pointer to start of opt.part.. 1 Dec", kEn}},
    {"ConOptionalStartsAfterPointer", "C581400030D30007 1614 00", Lang::English,
     {"{11|1614||1}", " 00000000 Pointer to start of opt.part.. 0 Dec"}},
    {"Fot", "C581400030D30008 01 01 01 AA 00", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec", "{01|AA|01|-}", kEn}},
    {"AnmDisplay", "C581400030D30009 01 73 01 41 00", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec", "{73|41|01|-}", kEn}},
    {"AnmParameterRunsPastEnd", "C581400030D30009 01 2D 05 0100", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec", "{2D|0100|05|-}"}},
    {"RelEndsBeforeOptionalPointer", "C581400030D3000C 02", Lang::English,
     {" 00000010 Pointer....................... 2 Dec"}},
    {"Sus", "C581400030D3000D 00 01 01 01 AA 00", Lang::English,
     {"{22|00||-}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{01|AA|01|-}", kEn}},
    {"RlcCauseOptional", "C581400030D30010 01 12 02 8090 00", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec", "{12|8090|02|-}", kEn}},
    {"Grs", "C581400030D30017 01 02 0F00 00", Lang::English, {"{16|0F00|02|-}"}},
    {"Gra", "C581400030D30029 01 02 0F00", Lang::English, {"{16|0F00|02|-}"}},
    {"GrsWithoutLengthOctet", "C581400030D30017 05", Lang::English, {}},
    {"Cgb", "C581400030D30018 00 01 02 01FF", Lang::English, {"{15|00||-}", "{16|01FF|02|-}"}},
    {"Cgu", "C581400030D30019 01 01 01 03 00", Lang::English, {"{15|01||-}", "{16|03|01|-}"}},
    {"CgbWithoutPointer", "C581400030D30018 00", Lang::English, {"{15|00||-}"}},
    {"Cpg", "C581400030D3002C 01 01 11 02 1234 20 01 55 00", Lang::English,
     {"{24|01||-}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{11|1234|02|0}", "{20|55|01|0}", kEn}},
    {"CfnWithEndOctet", "C581400030D3002F 02 00 02 8090 00", Lang::English, {"{12|8090|02|-}", kEn}},
    {"CfnWithoutEndOctet", "C581400030D3002F 01 02 8090 FF", Lang::English, {"{12|8090|02|-}"}},
    {"RngWithEndOctet", "C581400030D300FF 00", Lang::English, {kEn}},
    {"RngOtherOctet", "C581400030D300FF 01", Lang::English, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Messages, IsupWalk, ::testing::ValuesIn(kWalkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Blocking and the other messages without parameters print nothing after the type line.
TEST(IsupWalkNoParameters, NothingFollowsTheTypeLine) {
    for (std::string_view type : {"11", "12", "13", "14", "15", "16", "31", "FC"}) {
        const std::string hex = "C581400030D300" + std::string(type) + "0001020304050600";
        EXPECT_TRUE(walk(hex, Lang::English, false).empty()) << type;
    }
}

// A parameter whose decoder is not built prints nothing, mandatory or optional.
TEST(IsupWalkNoDecoders, OnlyPointerAndEndLines) {
    EXPECT_EQ(walk("C581400030D3000616140129010100FF", Lang::English, false, none),
              (Lines{" 00000001 Pointer to start of opt.part.. 1 Dec", std::string(kEnd)}));
    EXPECT_EQ(walk("C581400030D3000C0200028090FFFFFF", Lang::English, false, none),
              (Lines{" 00000010 Pointer....................... 2 Dec",
                     " 00000000 Pointer to start of opt.part.. 0 Dec", std::string(kEnd)}));
}

// Every prefix of a long IAM: the frame and the walk print only lines of the whole
// message's report, in its order; only the last parameter may be cut short.
TEST(IsupWalkPrefixes, NoLineFromStaleValues) {
    const std::string iam = strip(kLongIam);
    Flags flags;
    Context whole(Lang::English, false, "T", flags);
    DEC_SS(whole, iam);
    const Lines all = report_lines(whole.screen());
    const Lines all_walk = walk(iam, Lang::English, false);

    for (std::size_t k = 2; k < iam.size(); ++k) {
        const std::string_view prefix = std::string_view(iam).substr(0, k);
        Context ctx(Lang::English, false, "T", flags);
        DEC_SS(ctx, prefix);
        for (const std::string& line : report_lines(ctx.screen())) {
            EXPECT_NE(std::find(all.begin(), all.end(), line), all.end()) << k << ": " << line;
        }

        const Lines part = walk(prefix, Lang::English, false);
        ASSERT_LE(part.size(), all_walk.size()) << k;
        for (std::size_t i = 0; i < part.size(); ++i) {
            if (part[i] == all_walk[i]) continue;
            // A cut optional parameter: same code and length octet, contents a prefix.
            const std::string& full = all_walk[i];
            EXPECT_EQ(i + 1, part.size()) << k << ": " << part[i];
            EXPECT_EQ(part[i].substr(0, 4), full.substr(0, 4)) << k;
            const std::string contents = part[i].substr(4, part[i].find('|', 4) - 4);
            EXPECT_EQ(full.compare(4, contents.size(), contents), 0) << k << ": " << part[i];
            EXPECT_EQ(part[i].substr(part[i].find('|', 4)), full.substr(full.find('|', 4))) << k;
        }
    }
}

}  // namespace
}  // namespace tarn::isup
