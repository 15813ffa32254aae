// Indicator and cause parameters inside whole ISUP messages, through the decoding run.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "isup/lines.hpp"
#include "run/run.hpp"

namespace tarn::isup::test {
namespace {

using Lines = std::vector<std::string>;

// The report lines that follow the message type line (the frame prints 12 lines up to it
// for a message with every frame field present).
Lines parameter_lines(std::string box, Lang lang) {
    Session s;
    s.settings.lang = lang;
    const Lines lines = report_lines(decode_single(s, box).report);
    return lines.size() > 12 ? Lines(lines.begin() + 12, lines.end()) : Lines{};
}

// The first lines of `lines`, as many as `expected` has.
Lines head(const Lines& lines, const Lines& expected) {
    return Lines(lines.begin(), lines.begin() + std::min(lines.size(), expected.size()));
}

const Lines kCauseNormalEn = {
    " ....0000 Location...................... user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    " 1....... Extension indicator........... last octet",
    " .0010000 Cause value................... Normal call clearing",
    " 1....... Extension indicator........... last octet"};

TEST(IsupParameters, ReleaseEnglish) {
    Lines expected = {" 00000010 Pointer....................... 2 Dec",
                      " 00000000 Pointer to start of opt.part.. 0 Dec", " Cause indicators",
                      " 00000010 Length........................ 2 Dec"};
    expected.insert(expected.end(), kCauseNormalEn.begin(), kCauseNormalEn.end());
    expected.push_back(" 00000000 Optional parameters........... End");
    EXPECT_EQ(parameter_lines("C581400030D3000C 0200028090FFFFFF", Lang::English), expected);
}

TEST(IsupParameters, ReleaseRussian) {
    const Lines expected = {" 00000010 Указатель..................... 2 Dec",
                            " 00000000 Указатель начала необ.парам... 0 Dec",
                            " Индикаторы причины",
                            " 00000010 Длина......................... 2 Dec",
                            " ....0000 Определение места............. пользователь",
                            " ...0.... Резерв........................ ",
                            " .00..... Стандарт кодирования.......... стандарт CCITT",
                            " 1....... Индикатор расширения.......... последний октет",
                            " .0010000 Значение причины.............. нормальное освобождение",
                            " 1....... Индикатор расширения.......... последний октет",
                            " 00000000 Необязательный параметр....... Конец"};
    EXPECT_EQ(parameter_lines("C581400030D3000C 0200028090FFFFFF", Lang::Russian), expected);
}

const Lines kBackward1614En = {
    " Backward call indicators",
    " ......10 Charge indicator.............. charge",
    " ....01.. Called party's status ind..... subscriber free",
    " ..01.... Called party's category ind... ordinary subscriber",
    " 00...... End-to-end method indicator... no end-to-end method available (only link-by-link method "
    "available)",
    " .......0 Interworking indicator........ no interworking encountered (Signalling System No.7 all the "
    "way)",
    " ......0. End-to-end information ind.... no end-to-end information available",
    " .....1.. ISDN user part indicator...... ISDN user part used all the way",
    " ....0... Holding indicator............. holding not requested",
    " ...1.... ISDN access indicator......... terminating access ISDN",
    " ..0..... Echo control device ind....... incoming echo control device not included",
    " 00...... SCCP method indicator......... no indication",
    " 00000001 Pointer to start of opt.part.. 1 Dec"};

TEST(IsupParameters, AddressComplete) {
    const Lines lines = parameter_lines("C581400030D30006 16140129010100FF", Lang::English);
    EXPECT_EQ(head(lines, kBackward1614En), kBackward1614En);
}

// In an Address complete message the Cause indicators is optional: full optional header.
TEST(IsupParameters, CauseInAddressComplete) {
    Lines expected = kBackward1614En;
    expected.insert(expected.end(), {" 00010010 Optional parameter............ Cause indicators",
                                     " Cause indicators", " 00000010 Length........................ 2 Dec"});
    expected.insert(expected.end(), kCauseNormalEn.begin(), kCauseNormalEn.end());
    expected.push_back(" 00000000 Optional parameters........... End");
    EXPECT_EQ(parameter_lines("C581400030D30006 16140112028090 00", Lang::English), expected);
}

// Initial address: Calling party's category as a mandatory fixed parameter (no length line)
// between the Forward call indicators and the Transmission medium requirement.
TEST(IsupParameters, InitialAddressFixedPart) {
    const Lines expected = {" 00000... Spare......................... ",
                            " Calling party's category",
                            " 00001010 Category...................... ordinary calling subscriber",
                            " Transmission medium requirement (TMR)",
                            " 00000011 Transmission medium .......... 3.1 kHz audio",
                            " 00000010 Pointer....................... 2 Dec"};
    const Lines lines = parameter_lines("C581400030D30001 0060010A03020002 1032", Lang::English);
    ASSERT_GE(lines.size(), 20u);
    EXPECT_EQ(lines[0], " Nature of connection indicators ");
    EXPECT_EQ(lines[5], " Forward call indicators ");
    EXPECT_EQ(Lines(lines.begin() + 14, lines.begin() + 20), expected);
}

}  // namespace
}  // namespace tarn::isup::test
