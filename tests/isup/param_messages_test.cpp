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

TEST(IsupParameters, AddressCompleteBothReadings) {
    const Lines en = parameter_lines("C581400030D30006 16140129010100FF", Lang::English);
    EXPECT_EQ(head(en, kBackward1614En), kBackward1614En);
    const Lines ru_expected = {
        " Обратные индикаторы вызова",
        " ......10 Индикатор оплаты.............. подлежит тарификации",
        " ....01.. Инд.сост.вызываемого абонента. абонент свободен",
        " ..01.... Инд.кат.вызываемого абонента.. обычный абонент",
        " 00...... Инд.метода из конца-в-конец... метод из конца в конец не используется",
        " .......0 Индикатор взаимодействия...... взаимодействие не используется (сигнализация №7 на всем "
        "пути)",
        " ......0. Инд.информ.из конца-в-конец... информация из конца в конец не передается",
        " .....1.. Индикатор использования ISDN.. ISUP используется на всем пути",
        " ....0... Индикатор удержания........... удержание не запрошено",
        " ...1.... Индикатор доступа ISDN........ оконечное устройство является устройством ISDN",
        " ..0..... Инд.устройств эхоподавления... входящий полукомплект эхоканселлера не включен",
        " 00...... Инд.использования метода SCCP. нет индикации",
        " 00000001 Указатель начала необ.парам... 1 Dec"};
    const Lines ru = parameter_lines("C581400030D30006 16140129010100FF", Lang::Russian);
    EXPECT_EQ(head(ru, ru_expected), ru_expected);
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

// Initial address: the four mandatory fixed parameters, Calling party's category without
// a length line.
TEST(IsupParameters, InitialAddressFixedPart) {
    const Lines expected = {
        " Nature of connection indicators ",
        " ......00 Satellite indicator........... no satellite circuit in the connection ",
        " ....00.. Continuity check indicator.... continuity check not required",
        " ...0.... Echo control device indicator. outgoing echo control device not included",
        " 000..... Spare.........................",
        " Forward call indicators ",
        " .......0 National/international ind.... call to be treated as a national call",
        " .....00. Еnd-to-end method indicator... no end-to-end method available (only link-by-link method "
        "available)",
        " ....0... Interworking indicator........ no interworking encountered (No.7 signalling all the way)",
        " ...0.... End-to-end information ind.... no end-to-end information available",
        " ..1..... ISDN user part indicator...... ISDN user part used all the way",
        " 01...... ISDN user part preference ind. ISDN user not required all the way ",
        " .......1 ISDN access indicator......... originating access ISDN",
        " .....00. SCCP method indicator......... no indication",
        " 00000... Spare......................... ",
        " Calling party's category",
        " 00001010 Category...................... ordinary calling subscriber",
        " Transmission medium requirement (TMR)",
        " 00000011 Transmission medium .......... 3.1 kHz audio",
        " 00000010 Pointer....................... 2 Dec",
        " 00000000 Pointer to start of opt.part.. 0 Dec"};
    const Lines lines = parameter_lines("C581400030D30001 0060010A03020002 1032", Lang::English);
    EXPECT_EQ(head(lines, expected), expected);
}

}  // namespace
}  // namespace tarn::isup::test
