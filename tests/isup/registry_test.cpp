// Hygiene of the registries and message tables: codes fit their octet, none stands twice,
// rows in code order, names in both languages (unless marked as one reading's), and every
// decoder behaves on any contents: lines end with CR LF, bit columns hold only bits, dots
// and stars.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dss1/elements.hpp"
#include "isup/message.hpp"
#include "isup/parameters.hpp"
#include "line_oracle.hpp"
#include "report/context.hpp"

namespace tarn {
namespace {

// Codes in strictly rising order: each in order and none twice.
template <typename Rows, typename Code>
void expect_sorted_unique(const Rows& rows, Code code, const char* what) {
    bool first = true;
    unsigned previous = 0;
    for (const auto& row : rows) {
        const unsigned c = code(row);
        EXPECT_LE(c, 0xFFu) << what << " code " << c;
        EXPECT_TRUE(first || c > previous) << what << " code " << c << " out of order or twice";
        previous = c;
        first = false;
    }
}

TEST(Registries, CodesFitAndStandOnce) {
    expect_sorted_unique(
        dss1::element_decoders(), [](const dss1::ElementEntry& e) { return e.id; }, "DSS1 element");
    expect_sorted_unique(
        isup::parameter_decoders(), [](const isup::ParamRow& r) { return r.code; }, "ISUP parameter");
    expect_sorted_unique(
        isup::message_types(), [](const isup::MessageType& t) { return t.code; }, "ISUP message");
    for (const auto& row : dss1::element_decoders()) EXPECT_NE(row.decode, nullptr) << row.id;
    for (const auto& row : isup::parameter_decoders()) EXPECT_NE(row.decode, nullptr) << row.code;
}

// ISUP-R has no Confusion message (2F): the one name left empty on purpose.
TEST(Registries, MessageNamesInBothLanguages) {
    for (const isup::MessageType& type : isup::message_types()) {
        EXPECT_FALSE(type.name.en.empty()) << type.code;
        EXPECT_EQ(type.name.ru.empty(), type.code == 0x2F) << type.code;
        EXPECT_NE(type.layout, nullptr) << type.code;
    }
}

// The report lines of one decoder run keep the form of every report line.
void check_report(const std::string& report, const std::string& what) {
    const test::LineFault fault = test::malformed_line(report);
    EXPECT_FALSE(fault.broken) << what << ": " << (fault.line.empty() ? "no CR LF at the end" : fault.line);
}

// Every decoder on contents of every length up to eight octets, cut at every half octet, with
// a matching and a mismatching length octet, mandatory and optional, in both languages.
TEST(Registries, EveryDecoderOnShortContents) {
    const std::string patterns[] = {"00000000000000000", "FFFFFFFFFFFFFFFFF", "8090A3B1C2D3E4F50",
                                    "0123456789ABCDEF0"};
    auto run = [&](Decoder decode, unsigned id, const char* family) {
        for (const std::string& pattern : patterns) {
            for (std::size_t digits = 0; digits <= pattern.size(); ++digits) {
                const std::string contents = pattern.substr(0, digits);
                for (Lang lang : {Lang::English, Lang::Russian}) {
                    for (unsigned length : {static_cast<unsigned>(digits / 2), 8u}) {
                        for (bool mandatory : {false, true}) {
                            Context ctx(lang, true, "");
                            decode(ctx, Element(id, length, contents, mandatory, 0x01));
                            check_report(ctx.screen(),
                                         std::string(family) + " " + std::to_string(id) + " " + contents);
                        }
                    }
                    Context fixed(lang, true, "");
                    decode(fixed, Element::fixed(id, contents, true, 0x01));
                    check_report(fixed.screen(), std::string(family) + " fixed " + std::to_string(id));
                }
            }
        }
    };
    for (const auto& row : dss1::element_decoders()) run(row.decode, row.id, "DSS1");
    for (const auto& row : isup::parameter_decoders()) run(row.decode, row.code, "ISUP");
}

}  // namespace
}  // namespace tarn
