// ISUP Display information (73): the DSS1 Display element inside Answer and Release; any
// other message passes it over.
#include <gtest/gtest.h>

#include <string>

#include "isup/isup_case.hpp"
#include "run/run.hpp"

namespace tarn::isup {
namespace {

using test::En;
using test::Lines;
using test::Ru;

Lines decoded(Lang lang, std::string text) {
    Session session;
    session.settings.lang = lang;
    return test::report_lines(decode_single(session, text).report);
}

Lines last(const Lines& lines, std::size_t n) {
    return n > lines.size() ? lines : Lines(lines.end() - static_cast<std::ptrdiff_t>(n), lines.end());
}

struct DisplayCase {
    const char* name;
    const char* typed;
    Lang lang;
    Lines tail;  // the last lines of the report
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const DisplayCase kCases[] = {
    {"Answer", "C581400030D30009 01 73 03 414243 00", En, {
        " 00000001 Pointer to start of opt.part.. 1 Dec",
        " 01110011 Optional parameter............ Display",
        " Display",
        " 00000011 Length........................ 3 Dec",
        " ******** Information elements (IA5).... ABC",
        " 00000000 Optional parameters........... End"}},
    {"AnswerRu", "C581400030D30009 01 73 02 C0FF 00", Ru, {
        " 01110011 Необязательный параметр....... Отображение информации",
        " Отображение информации",
        " 00000010 Длина......................... 2 Dec",
        " ******** Информационные элементы (IA5). Ая",
        " 00000000 Необязательный параметр....... Конец"}},
    {"ReleaseAfterCause", "C581400030D3000C 02 04 02 8090 73 01 41 00", En, {
        " 01110011 Optional parameter............ Display",
        " Display",
        " 00000001 Length........................ 1 Dec",
        " ******** Information elements (IA5).... A",
        " 00000000 Optional parameters........... End"}},
    // A cut Display: the length check of the DSS1 element.
    {"AnswerCut", "C581400030D30009 01 73 03 4142", En, {
        " 01110011 Optional parameter............ Display",
        " Display",
        " 00000011 Length........................ 3 Dec",
        " MISTAKE: Invalid element format"}},
};
// clang-format on

class IsupDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(IsupDisplay, Tail) {
    const DisplayCase& c = GetParam();
    EXPECT_EQ(last(decoded(c.lang, c.typed), c.tail.size()), c.tail);
}

INSTANTIATE_TEST_SUITE_P(Isup, IsupDisplay, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// An Initial address message does not carry code 73: it is passed over by its length.
TEST(IsupDisplay, InitialAddressPassesItOver) {
    const Lines lines =
        decoded(En, "C581400030D300010020010A00020907031094153254760A06831394755604 73 01 41 00");
    EXPECT_EQ(last(lines, 2), (Lines{" ******** Address signal................ 4957654",
                                     " 00000000 Optional parameters........... End"}));
    for (const std::string& line : lines) EXPECT_EQ(line.find("Display"), std::string::npos) << line;
}

}  // namespace
}  // namespace tarn::isup
