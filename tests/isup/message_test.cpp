// ISUP parameter walk: fixed parameters, pointers, variable parameter, optional part.
#include "isup/message.hpp"

#include <gtest/gtest.h>

#include <string>

#include "isup/isup_case.hpp"
#include "report/convert.hpp"

namespace tarn::isup {
namespace {

using test::En;
using test::kEnd;
using test::Lines;
using test::report_lines;
using test::Ru;

// A stand-in decoder: one line "{code|contents|length octet|mandatory}", where the
// mandatory column is shown for codes 09, 11 and 20 and "-" for any other code.
void record(Context& ctx, const Element& e) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string code{kHex[e.id >> 4], kHex[e.id & 15]};
    const std::string length = e.has_length ? std::string{kHex[e.length >> 4], kHex[e.length & 15]} : "";
    std::string_view flag = "-";
    if (e.id == 0x09 || e.id == 0x11 || e.id == 0x20) flag = e.mandatory ? "1" : "0";
    ctx.line("{", code, "|", e.hex(), "|", length, "|", flag, "}");
}

// Every parameter has the stand-in decoder, except 2A, whose decoder is not built.
Decoder recording(unsigned code) {
    return code == 0x2A ? nullptr : record;
}

Lines walk(std::string_view spaced, Lang lang, ParamFinder find = recording) {
    const std::string hex = test::unspaced(spaced);
    Context ctx(lang, false, "T");
    const MessageType* type = find_message_type(hex_number(mid(hex, 15, 2)));
    if (type != nullptr) walk_parameters(ctx, hex, *type, find);
    return report_lines(ctx.screen());
}

struct WalkCase {
    std::string_view name;
    std::string_view hex;
    Lang lang;
    Lines expected;
};

class IsupWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(IsupWalk, Lines) {
    const WalkCase& c = GetParam();
    EXPECT_EQ(walk(c.hex, c.lang), c.expected);
}

constexpr std::string_view kLongIam =
    "C581400030D30001 00 2001 0A 00 02 05 03 811032 0A 03 031121 20 02 A1B2 73 01 55 2A 01 80 3F 02 1234 00";

// clang-format off
const WalkCase kWalkCases[] = {
    {"AcmSample", "C581400030D30006 1614 01 29 01 01 00 FF", En,
     {"{11|1614||1}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{29|01|01|-}", kEnd}},
    {"RelSample", "C581400030D3000C 02 00 02 8090 FFFFFF", En,
     {" 00000010 Pointer....................... 2 Dec", " 00000000 Pointer to start of opt.part.. 0 Dec",
      "{12|8090|02|-}", kEnd}},
    // 0A, 20 and 3F decoded; 73 is outside the IAM set; 2A has no decoder.
    {"IamWithOptionalPart", kLongIam, En,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec",
      " 00000101 Pointer to start of opt.part.. 5 Dec", "{04|811032|03|-}", "{0A|031121|03|-}", "{20|A1B2|02|0}",
      "{3F|1234|02|-}", kEnd}},
    {"IamCalledNumberCut", "C581400030D30001 00 2001 0A 00 02 05 03 8110", En,
     {"{06|00||-}", "{07|2001||-}", "{09|0A||1}", "{02|00||-}", " 00000010 Pointer....................... 2 Dec",
      " 00000101 Pointer to start of opt.part.. 5 Dec"}},
    {"InrWithoutOptionalOctets", "C581400030D30003 0310 00", En,
     {"{0E|0310||-}", " 00000000 Pointer to start of opt.part.. 0 Dec"}},
    {"InfCallingCategoryOptional", "C581400030D30004 0000 01 09 01 0A 00", En,
     {"{0F|0000||-}", " 00000001 Pointer to start of opt.part.. 1 Dec", "{09|0A|01|0}", kEnd}},
    {"Grs", "C581400030D30017 01 02 0F00 00", En, {"{16|0F00|02|-}"}},
    {"CfnWithEndOctet", "C581400030D3002F 02 00 02 8090 00", En, {"{12|8090|02|-}", kEnd}},
    {"CfnWithoutEndOctet", "C581400030D3002F 01 02 8090 FF", En, {"{12|8090|02|-}"}},
    {"RngWithEndOctet", "C581400030D300FF 00", En, {kEnd}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Messages, IsupWalk, ::testing::ValuesIn(kWalkCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarn::isup
