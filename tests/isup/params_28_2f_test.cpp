#include "isup/params_28_2f.hpp"

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
    {subcl_29, "29", "", "04", En,
     {" 00101001 Optional parameter............ Optional backward call indicators",
      " Optional backward call indicators", " 00000001 Length........................ 1 Dec",
      " .......0 In-band information ind....... no indication",
      " ......0. Call diversion may occur ind.. no indication",
      " .....1.. Simple segmentation ind....... additional information will be sent in a segmentation "
      "message",
      " ....0... MLLP user indicator........... no indication", " 0000.... Spare......................... "}},
    // A one-octet parameter without its octet, and contents longer than the length octet says.
    {subcl_29, "29", "", "", En,
     {" 00101001 Optional parameter............ Optional backward call indicators",
      " Optional backward call indicators", " 00000000 Length........................ 0 Dec",
      " MISTAKE: Invalid element format"}},
    {subcl_2A, "2A", "01", "0A0B", Ru,
     {" 00101010 Необязательный параметр....... Индикаторы от пользователя к пользователю",
      " Индикаторы от пользователя к пользователю", " 00000001 Длина......................... 1 Dec",
      " ОШИБКА: недопустимый формат элемента"}},
    {subcl_2A, "2A", "", "0A", En,
     {" 00101010 Optional parameter............ User-to-user indicators", " User-to-user indicators",
      " 00000001 Length........................ 1 Dec", " .......0 User-to-user indicator........ request",
      " .....01. Service1...................... spare", " ...01... Service2...................... spare",
      " .00..... Service3...................... no information",
      " 0....... Spare......................... "}},
    {subcl_2C, "2C", "", "60E9", En,
     {" 00101100 Optional parameter............ Generic notification indicator",
      " Generic notification indicator", " 00000010 Length........................ 2 Dec",
      " .1100000 Notification indicator........ call is a waiting call",
      " 0....... Extension indicator........... information continues in the next octet",
      " .1101001 Notification indicator........ call transfer, alerting",
      " 1....... Extension indicator........... last octet"}},
    {subcl_2B, "2B", "", "1234", Ru,
     {" 00101011 Необязательный параметр....... Код пункта исходящего МЦК", " Код пункта исходящего МЦК",
      " 00000010 Длина......................... 2 Dec", " ******** Информационные элементы....... 1234 Hex"}},
    {subcl_2D, "2D", "", "0064", En,
     {" 00101101 Optional parameter............ Call history information", " Call history information",
      " 00000010 Length........................ 2 Dec", " ******** Information elements.......... 0064 Hex"}},
    {subcl_2E, "2E", "", "FE", En,
     {" 00101110 Optional parameter............ Access delivery information", " Access delivery information",
      " 00000001 Length........................ 1 Dec",
      " .......0 Access delivery indicator..... set-up message generated",
      " 1111111. Spare......................... "}},
    {subcl_2E, "2E", "", "01", Ru,
     {" 00101110 Необязательный параметр....... Информация о доставке в доступ",
      " Информация о доставке в доступ", " 00000001 Длина......................... 1 Dec",
      " .......1 Индикатор доставки в доступ... сообщение ЗАПРОС СОЕДИНЕНИЯ не сформировано",
      " 0000000. Резерв........................ "}},
    {subcl_2F, "2F", "03", "ABCD", En,
     {" 00101111 Optional parameter............ Network specific facility (national use)",
      " Network specific facility (national use)", " 00000011 Length........................ 3 Dec",
      " MISTAKE: Invalid element format"}},
    {subcl_2F, "2F", "", "ABCD", Ru,
     {" 00101111 Необязательный параметр....... Услуги специфичной сети (национальное использование)",
      " Услуги специфичной сети (национальное использование)",
      " 00000010 Длина......................... 2 Dec", " ******** Информационные элементы....... ABCD Hex"}},
};

// clang-format on

class ParamReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ParamReport, PrintsTheLines) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(decode_lines(c.decode, c.lang, c.ind, c.contents, c.length), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Params28To2F, ParamReport, ::testing::ValuesIn(kReports));

const LineCase kValues[] = {
    {subcl_29, "29", "04", " Optional backward call indicators",
     " Необязательные обратные индикаторы вызова"},
    {subcl_2A, "2A", "97", " .......1 User-to-user indicator........ response",
     " .......1 Инд.пользователь-пользователь. ответ"},
    {subcl_2A, "2A", "97", " .00..... Service3...................... no information",
     " .00..... Услуга3....................... нет информации"},
    {subcl_2C, "2C", "60", " 0....... Extension indicator........... information continues in the next octet",
     " 0....... Индикатор расширения.......... информация продолжается в следующем октете"},
    {subcl_2C, "2C", "E9", " 1....... Extension indicator........... last octet",
     " 1....... Индикатор расширения.......... последний октет"},
    {subcl_29, "29", "0B",
     " .......1 In-band information ind....... in-band information or an appropriate pattern is now "
     "available",
     " .......1 Инд.внутриполосной информации. внутриполосная информация доступна"},
    {subcl_29, "29", "0B", " ......1. Call diversion may occur ind.. call diversion may occur",
     " ......1. Инд.возможного перенаправл.... возможное перенаправление вызова"},
    {subcl_29, "29", "0B", " .....0.. Simple segmentation ind....... no additional information will be sent",
     " .....0.. Резерв........................ "},
    {subcl_29, "29", "FB", " ....1... MLLP user indicator........... MLLP user",
     " ....1... Инд.пользователя MLLP......... пользователь MLLP"},
    {subcl_29, "29", "FB", " 1111.... Spare......................... ",
     " 1111.... Резерв........................ "},
    // Request: bits 3-2 = 10, 5-4 = 11; response: 3-2 = 11, 5-4 = 10, bit 8 = 1.
    {subcl_2A, "2A", "1C", " .....10. Service1...................... request, not essential",
     " .....10. Услуга1....................... запрос несущественный"},
    {subcl_2A, "2A", "1C", " ...11... Service2...................... request, essential",
     " ...11... Услуга2....................... запрос существенный"},
    {subcl_2A, "2A", "97", " .....11. Service1...................... spare",
     " .....11. Услуга1....................... резерв"},
    {subcl_2A, "2A", "97", " ...10... Service2...................... provided",
     " ...10... Услуга2....................... обеспечена"},
    {subcl_2A, "2A", "97",
     " 1....... Network discard indicator..... user-to-user information discarded by the network",
     " 1....... Индикатор сброса от сети...... информация от Пользователя к Пользователю сброшена сетью"},
    {subcl_2C, "2C", "80", " .0000000 Notification indicator........ user suspended",
     " .0000000 Индикатор уведомления......... не используется в ISUP-R"},
    {subcl_2C, "2C", "85", " .0000101 Notification indicator........ not used",
     " .0000101 Индикатор уведомления......... не используется в ISUP-R"},
    {subcl_2C, "2C", "FB", " .1111011 Notification indicator........ call is divertind",
     " .1111011 Индикатор уведомления......... вызов отведен"},
    {subcl_2C, "2C", "FF", " .1111111 Notification indicator........ not used",
     " .1111111 Индикатор уведомления......... не используется в ISUP-R"},
    {subcl_2E, "2E", "01", " .......1 Access delivery indicator..... no set-up message generated",
     " .......1 Индикатор доставки в доступ... сообщение ЗАПРОС СОЕДИНЕНИЯ не сформировано"},
    {subcl_2E, "2E", "00", " .......0 Access delivery indicator..... set-up message generated",
     " .......0 Индикатор доставки в доступ... сообщение ЗАПРОС СОЕДИНЕНИЯ сформировано"},
};

class ParamValue : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParamValue, PrintsTheLineInBothLanguages) {
    const LineCase& c = GetParam();
    EXPECT_THAT(decode_lines(c.decode, En, c.ind, c.contents), Contains(std::string(c.english)));
    EXPECT_THAT(decode_lines(c.decode, Ru, c.ind, c.contents), Contains(std::string(c.russian)));
}

INSTANTIATE_TEST_SUITE_P(Params28To2F, ParamValue, ::testing::ValuesIn(kValues));

}  // namespace
}  // namespace tarn::isup::test
