#include "isup/numbers.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "isup/param_check.hpp"

namespace tarn::isup::test {
namespace {

using ::testing::Contains;
constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

// clang-format off
const ReportCase kReports[] = {
    // Called party number, odd: the filler 0 of the last octet is not a signal.
    {subcl_04, "04", "", "8110214305", En,
     {" Called party number", " 00000101 Length........................ 5 Dec",
      " .0000001 Nature of address indicator... subscriber number",
      " 1....... Odd/even indicator............ odd number of address signals",
      " ....0000 Spare......................... ",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Internal network number ind... routing to internal network number allowed",
      " ******** Address signal................ 12345"}},
    // Contents longer than the length octet says, and a length too short for the indicators.
    {subcl_04, "04", "06", "8110214305", En,
     {" Called party number", " 00000110 Length........................ 6 Dec",
      " MISTAKE: Invalid element format"}},
    {subcl_04, "04", "", "81", Ru,
     {" Номер вызываемого абонента", " 00000001 Длина......................... 1 Dec",
      " ОШИБКА: недопустимый формат элемента"}},
    // Subsequent number: one indicator octet; a single signal gives no address line.
    {subcl_05, "05", "", "8010", En,
     {" Subsequent number", " 00000010 Length........................ 2 Dec",
      " .0000000 Spare......................... ",
      " 1....... Odd/even indicator............ odd number of address signals"}},
    {subcl_05, "05", "", "0021F3", Ru,
     {" Последующий номер", " 00000011 Длина......................... 3 Dec",
      " .0000000 Резерв........................ ",
      " 0....... Инд. четности/нечетности...... четное число адресных сигналов",
      " ******** Адресный сигнал............... 123ST"}},
    {subcl_0A, "0A", "", "83132143", Ru,
     {" 00001010 Необязательный параметр....... Номер вызывающего абонента", " Номер вызывающего абонента",
      " 00000100 Длина......................... 4 Dec",
      " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
      " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов",
      " ......11 Инд.контроля номера абонента.. номер обеспечивается сетью",
      " ....00.. Инд.огранич.представл.номера.. предоставление разрешено",
      " .001.... Индикатор плана нумерации..... План нумерации ISDN (Телефония) (Recommendation E.164)",
      " 0....... Индикатор полноты номера...... номер полный",
      " ******** Адресные сигналы.............. 123"}},
    {subcl_0C, "0C", "", "00F02143", Ru,
     {" 00001100 Необязательный параметр....... Номер перенаправления", " Номер перенаправления",
      " 00000100 Длина......................... 4 Dec", " .0000000 Индикатор типа адреса......... резерв",
      " 0....... Инд. четности/нечетности...... четное число адресных сигналов",
      " ....0000 Резерв........................ ",
      " .111.... Индикатор плана нумерации..... не используется в ISUP-R",
      " 1....... Инд. номера внутренней сети... доступ к номеру внутренней сети не разрешен",
      " ******** Адресные сигналы.............. 1234"}},
    {subcl_28, "28", "", "03142143", En,
     {" 00101000 Optional parameter............ Original called number", " Original called number",
      " 00000100 Length........................ 4 Dec",
      " .0000011 Nature of address indicator... national (significant) number",
      " 0....... Odd/even indicator............ even number of address signals",
      " ......00 Spare......................... ",
      " ....01.. Address present.restrict.ind.. presentation restricted",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", " ******** Address signal................ 1234"}},
    {subcl_0D, "0D", "", "01020304050607", En,
     {" 00001101 Optional parameter............ Connection request", " Connection request",
      " 00000111 Length........................ 7 Dec", " ******** Local reference............... 010203 Hex",
      " ******** Signalling point code......... 0405 Hex", " ******** Protocol classs............... 06 Hex",
      " ******** Credit........................ 07 Hex"}},
    // Russian report of the Connection request; a request cut short stops at the missing field.
    {subcl_0D, "0D", "", "010203040506", Ru,
     {" 00001101 Необязательный параметр....... Запрос соединения", " Запрос соединения",
      " 00000110 Длина......................... 6 Dec", " ******** Локальная ссылка.............. 010203 Hex",
      " ******** Код пункта сигнализации....... 0405 Hex", " ******** Класс протокола............... 06 Hex",
      " ОШИБКА: недопустимый формат элемента"}},
};

// clang-format on

class NumberReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(NumberReport, PrintsTheLines) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(decode_lines(c.decode, c.lang, c.ind, c.contents, c.length), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberReport, ::testing::ValuesIn(kReports));

const LineCase kValues[] = {
    {subcl_0A, "0A", "0313", " Calling party number", " Номер вызывающего абонента"},
    {subcl_0B, "0B", "0313", " Redirecting number", " Перенаправляющий номер"},
    {subcl_28, "28", "0313", " Original called number", " Первоначальный вызываемый номер"},
    {subcl_0C, "0C", "0313", " Redirection number", " Номер перенаправления"},
    // Address signals: odd with filler F, odd ending in ST, even ending in ST.
    {subcl_04, "04", "81102143F5", " ******** Address signal................ 12345",
     " ******** Адресные сигналы.............. 12345"},
    {subcl_0A, "0A", "831376FF", " ******** Address signal................ 67ST",
     " ******** Адресные сигналы.............. 67ST"},
    {subcl_28, "28", "031021F3", " ******** Address signal................ 123ST",
     " ******** Адресные сигналы.............. 123ST"},
    {subcl_05, "05", "80214365F7", " ******** Address signal................ 1234567",
     " ******** Адресный сигнал............... 1234567"},
    // Called party number tables.
    {subcl_04, "04", "0210", " .0000010 Nature of address indicator... unknown (national use)",
     " .0000010 Индикатор типа адреса......... не используется в ISUP-R"},
    {subcl_04, "04", "0410", " .0000100 Nature of address indicator... international number",
     " .0000100 Индикатор типа адреса......... международный номер"},
    {subcl_04, "04", "0010", " .0000000 Nature of address indicator... spare",
     " .0000000 Индикатор типа адреса......... не используется в ISUP-R"},
    {subcl_04, "04", "0130",
     " .011.... Numbering plan indicator...... Data numbering plan (Recommendation X.121)",
     " .011.... Индикатор плана нумерации..... не применяется в ISUP-R"},
    {subcl_04, "04", "01F0", " .111.... Numbering plan indicator...... spare",
     " .111.... Индикатор плана нумерации..... не применяется в ISUP-R"},
    {subcl_04, "04", "0180",
     " 1....... Internal network number ind... routing to internal network number not allowed",
     " 1....... Инд.внутреннего номера сети... маршрутизация по внутреннему номеру не разрешена"},
    // Calling party number tables.
    {subcl_0A, "0A", "0113", " .0000001 Nature of address indicator... subscriber number",
     " .0000001 Индикатор типа адреса......... не используется в ISUP-R"},
    {subcl_0A, "0A", "7F13", " .1111111 Nature of address indicator... spare",
     " .1111111 Индикатор типа адреса......... не используется в ISUP-R"},
    {subcl_0A, "0A", "0310", " ......00 Screening indicator........... reserved",
     " ......00 Инд.контроля номера абонента.. не используется в ISUP-R"},
    {subcl_0A, "0A", "0311", " ......01 Screening indicator........... user provided, verified and passed",
     " ......01 Инд.контроля номера абонента.. номер обеспечивается оборудованием пользователя, проверяется "
     "и "
     "передается"},
    {subcl_0A, "0A", "0315", " ....01.. Address present.restrict.ind.. presentation restricted",
     " ....01.. Инд.огранич.представл.номера.. предоставление не разрешено"},
    {subcl_0A, "0A", "0319", " ....10.. Address present.restrict.ind.. address not available",
     " ....10.. Инд.огранич.представл.номера.. не используется в ISUP-R"},
    {subcl_0A, "0A", "031D", " ....11.. Address present.restrict.ind.. spare",
     " ....11.. Инд.огранич.представл.номера.. не используется в ISUP-R"},
    {subcl_0A, "0A", "0303", " .000.... Numbering plan indicator...... spare",
     " .000.... Индикатор плана нумерации..... не используется в ISUP-R"},
    {subcl_0A, "0A", "0393", " 1....... Number incomplete indicator... incomplete",
     " 1....... Индикатор полноты номера...... не используется в ISUP-R"},
    // Redirecting number, Redirection number and Original called number tables.
    {subcl_0B, "0B", "0210", " .0000010 Nature of address indicator... unknown",
     " .0000010 Индикатор типа адреса......... неизвестен"},
    {subcl_0B, "0B", "0560", " .110.... Numbering plan indicator...... reserved for national use",
     " .110.... Индикатор плана нумерации..... не используется в ISUP-R"},
    {subcl_0C, "0C", "0110",
     " 0....... Internal network number ind... routing to internal network number allowed ",
     " 0....... Инд. номера внутренней сети... доступ к номеру внутренней сети разрешен"},
    {subcl_0C, "0C", "0120", " .010.... Numbering plan indicator...... reserved for national use",
     " .010.... Индикатор плана нумерации..... не используется в ISUP-R"},
    {subcl_28, "28", "0510", " .0000101 Nature of address indicator... spare",
     " .0000101 Индикатор типа адреса......... пропущен"},
    {subcl_28, "28", "0108", " ....10.. Address present.restrict.ind.. address not available",
     " ....10.. Инд.огранич.представл.номера.. не используется в ISUP-R"},
};

class NumberValue : public ::testing::TestWithParam<LineCase> {};

TEST_P(NumberValue, PrintsTheLineInBothLanguages) {
    const LineCase& c = GetParam();
    EXPECT_THAT(decode_lines(c.decode, En, c.ind, c.contents), Contains(std::string(c.english)));
    EXPECT_THAT(decode_lines(c.decode, Ru, c.ind, c.contents), Contains(std::string(c.russian)));
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberValue, ::testing::ValuesIn(kValues));

}  // namespace
}  // namespace tarn::isup::test
