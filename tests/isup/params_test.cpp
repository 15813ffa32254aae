// ISUP parameters 01 to 2F run on their own: table edges, values ISUP-R does not use, the
// status legends by message type, address signals, length checks and short contents.
#include <gtest/gtest.h>

#include "isup/isup_case.hpp"

namespace tarn::isup::test {
namespace {

class IsupParam : public ::testing::TestWithParam<ParamCase> {};

TEST_P(IsupParam, Lines) {
    check(GetParam());
}

// clang-format off
// The Cause indicators header depends on the message type: 0C and 2F have no optional line.
ParamCase cause(Lang lang, const char* type, const char* length, const char* contents, Lines lines, bool whole = true) {
    return {param(0x12), "12", length, contents, lang, std::move(lines), whole, type};
}

// Range and status takes its legend from the message type.
ParamCase range(Lang lang, const char* type, const char* length, const char* contents, Lines lines, bool whole = true) {
    return {param(0x16), "16", length, contents, lang, std::move(lines), whole, type};
}
const std::string kMaintenanceRu = "0 - нет блокировки для технического обслуживания, 1 - блокировка для технического обслуживания";
const ParamCase kCases[] = {
    {param(0x06), "", "", "3F", Ru, {" Индикаторы типа соединения ",
        " ......11 Индикатор спутника............ резерв", " ....11.. Инд.контроля целостности...... резерв",
        " ...1.... Инд.уст-ва управления эхом.... исходящий полукомплект эхоканселлера включен",
        " 001..... Резерв........................ "}},
    {param(0x07), "", "", "BFF6", Ru, {" .....11. Инд.метода из конца-в-конец... не используется в ISUP-R",
        " .....11. Индикатор метода SCCP......... не используется в ISUP-R"}, kSome},
    {param(0x07), "", "", "60", En, {" Forward call indicators ", kMistake}},
    {param(0x08), "08", "", "05", Ru, {" 00001000 Необязательный параметр....... Необязательные прямые индикаторы вызова",
        " Необязательные прямые индикаторы вызова", " 00000001 Длина......................... 1 Dec",
        " ......01 Индикатор ЗГП................. не используется", " .00001.. Резерв........................ ",
        " 0....... Запрос информ. о подкл.линии.. не запрашивается"}},
    // Calling party's category: mandatory fixed (no length line), optional, table edges.
    {param(0x09), "", "", "0A", En, {" Calling party's category",
        " 00001010 Category...................... ordinary calling subscriber"}},
    {param(0x09), "09", "", "0A", Ru, {" 00001001 Необязательный параметр....... Категория вызывающей стороны",
        " Категория вызывающей стороны", " 00000001 Длина......................... 1 Dec",
        " 00001010 Категория..................... обычный вызывающий абонент"}},
    {param(0x09), "", "", "FF", En, {" 11111111 Category...................... spare"}, kSome},
    {param(0x09), "", "", "FF", Ru, {" 11111111 Категория..................... неизвестная категория"}, kSome},
    {param(0x10), "", "", "FE", Ru, {" Индикаторы целостности",
        " .......0 Индикатор целостности......... проверка целостности неудачна", " 1111111. Резерв........................ "}},
    // Backward call indicators as an optional parameter: every field at its last value.
    {param(0x11), "11", "", "FFFF", Ru, {" 00010001 Необязательный параметр....... Обратные индикаторы вызова",
        " Обратные индикаторы вызова", " 00000010 Длина......................... 2 Dec",
        " ......11 Индикатор оплаты.............. резерв", " ....11.. Инд.сост.вызываемого абонента. резерв",
        " ..11.... Инд.кат.вызываемого абонента.. резерв",
        " 11...... Инд.метода из конца-в-конец... не используется в ISUP-R",
        " .......1 Индикатор взаимодействия...... используется взаимодействие",
        " ......1. Инд.информ.из конца-в-конец... не используется в ISUP-R",
        " .....1.. Индикатор использования ISDN.. ISUP используется на всем пути",
        " ....1... Индикатор удержания........... не используется в ISUP-R",
        " ...1.... Индикатор доступа ISDN........ оконечное устройство является устройством ISDN",
        " ..1..... Инд.устройств эхоподавления... входящий полукомплект эхоканселлера включен",
        " 11...... Инд.использования метода SCCP. не используется в ISUP-R"}},
    // one octet announced and present: the second octet's fields are not printed
    {param(0x11), "11", "", "16", Ru, {" 00010001 Необязательный параметр....... Обратные индикаторы вызова",
        " Обратные индикаторы вызова", " 00000001 Длина......................... 1 Dec", kOshibka}},
    {param(0x01), "01", "", "ABCD", Ru, {" 00000001 Необязательный параметр....... Указатель вызова (национальное использование)",
        " Указатель вызова (национальное использование)", " 00000010 Длина......................... 2 Dec",
        " ******** Информационные элементы....... ABCD"}},
    {param(0x02), "", "", "03", Ru, {" Требования к среде передачи", " 00000011 Требования.................... 3.1 kHz аудио"}},
    {param(0x02), "", "", "", En, {" Transmission medium requirement (TMR)", kMistake}},
    {param(0x02), "", "", "0B", En, {" 00001011 Transmission medium .......... spare"}, kSome},
    // Cause indicators.
    cause(En, "0C", "", "8090", {" Cause indicators", " 00000010 Length........................ 2 Dec",
        " ....0000 Location...................... user", " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension indicator........... last octet",
        " .0010000 Cause value................... Normal call clearing", " 1....... Extension indicator........... last octet"}),
    // Address complete: optional header; diagnostics run to the end past a last-octet bit
    cause(Ru, "06", "", "0A9181FF", {" 00010010 Необязательный параметр....... Индикаторы причины",
        " Индикаторы причины", " 00000100 Длина......................... 4 Dec",
        " ....1010 Определение места............. пункт взаимодействия", " ...0.... Резерв........................ ",
        " .00..... Стандарт кодирования.......... стандарт CCITT",
        " 0....... Индикатор расширения.......... информация продолжается в следующем октете",
        " .0010001 Значение причины.............. абонент занят", " 1....... Индикатор расширения.......... последний октет",
        " .0000001 Диагностика................... индикатор CCBS", " 1....... Индикатор расширения.......... последний октет",
        " .1111111 Диагностика................... индикатор CCBS", " 1....... Индикатор расширения.......... последний октет"}),
    cause(En, "10", "", "EF8A00", {" 00010010 Optional parameter............ Cause indicators",
        " ....1111 Location...................... reserved", " .0001010 Cause value................... reserved",
        " .0000000 Diagnostic(s)................. not defined for this cause value"}, kSome),
    // Confusion: cause 104 has a diagnostic name but no cause text
    cause(Ru, "2F", "", "47E881", {" .1101000 Значение причины.............. не принадлежит ISUP-R",
        " .0000001 Диагностика................... наименование параметра(ов), наименования сообщения"}, kSome),
    cause(Ru, "0C", "", "", {" Индикаторы причины", " 00000000 Длина......................... 0 Dec", kOshibka}),
    // one octet only: octet 1 is shown, no cause value line is built on missing bits
    cause(En, "0C", "", "85", {" Cause indicators", " 00000001 Length........................ 1 Dec",
        " ....0101 Location...................... private network serving the remote user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension indicator........... last octet", kMistake}),
    cause(Ru, "0C", "", "8080", {" .0000000 Значение причины.............. не принадлежит ISUP-R"}, kSome),
    cause(En, "0C", "", "80FF", {" .1111111 Cause value................... Interworking, unspecified"}, kSome),
    // Called party number, odd: the filler 0 of the last octet is not a signal.
    {param(0x04), "04", "", "8110214305", En, {" Called party number", " 00000101 Length........................ 5 Dec",
        " .0000001 Nature of address indicator... subscriber number",
        " 1....... Odd/even indicator............ odd number of address signals", " ....0000 Spare......................... ",
        " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
        " 0....... Internal network number ind... routing to internal network number allowed",
        " ******** Address signal................ 12345"}},
    // A length too short for the indicators.
    {param(0x04), "04", "", "81", Ru, {" Номер вызываемого абонента", " 00000001 Длина......................... 1 Dec", kOshibka}},
    // Subsequent number: one indicator octet; a single signal gives no address line.
    {param(0x05), "05", "", "8010", En, {" Subsequent number", " 00000010 Length........................ 2 Dec",
        " .0000000 Spare......................... ", " 1....... Odd/even indicator............ odd number of address signals"}},
    // A Connection request shorter than seven octets, as long as its length octet says:
    // the missing fields print empty before " Hex".
    {param(0x0D), "0D", "", "010203", En, {" 00001101 Optional parameter............ Connection request",
        " Connection request", " 00000011 Length........................ 3 Dec", " ******** Local reference............... 010203 Hex",
        " ******** Signalling point code.........  Hex", " ******** Protocol classs...............  Hex",
        " ******** Credit........................  Hex"}},
    // Address signals: odd with filler F (no "S" left over), even ending in ST.
    {param(0x04), "04", "", "81102143F5", Ru, {" ******** Адресные сигналы.............. 12345"}, kSome},
    {param(0x0A), "0A", "", "831376FF", En, {" ******** Address signal................ 67ST"}, kSome},
    // Table edges of the number indicators.
    {param(0x04), "04", "", "0210", Ru, {" .0000010 Индикатор типа адреса......... не используется в ISUP-R"}, kSome},
    {param(0x0C), "0C", "", "0110", En, {" 0....... Internal network number ind... routing to internal network number allowed "}, kSome},
    {param(0x28), "28", "", "0508", Ru, {" .0000101 Индикатор типа адреса......... пропущен",
        " ....10.. Инд.огранич.представл.номера.. не используется в ISUP-R"}, kSome},
    {param(0x29), "29", "", "01", Ru, {" 00101001 Необязательный параметр....... Необязательные обратные индикаторы вызова",
        " Необязательные обратные индикаторы вызова", " 00000001 Длина......................... 1 Dec",
        " .......1 Инд.внутриполосной информации. внутриполосная информация доступна",
        " ......0. Инд.возможного перенаправл.... нет индикации", " .....0.. Резерв........................ ",
        " ....0... Инд.пользователя MLLP......... нет индикации", " 0000.... Резерв........................ "}},
    {param(0x2A), "2A", "", "97", Ru, {" .......1 Инд.пользователь-пользователь. ответ",
        " .....11. Услуга1....................... резерв", " ...10... Услуга2....................... обеспечена",
        " 1....... Индикатор сброса от сети...... информация от Пользователя к Пользователю сброшена сетью"}, kSome},
    {param(0x2C), "2C", "", "60E9", En, {" .1100000 Notification indicator........ call is a waiting call",
        " 0....... Extension indicator........... information continues in the next octet",
        " .1101001 Notification indicator........ call transfer, alerting",
        " 1....... Extension indicator........... last octet"}, kSome},
    {param(0x2E), "2E", "", "01", Ru, {" 00101110 Необязательный параметр....... Информация о доставке в доступ",
        " Информация о доставке в доступ", " 00000001 Длина......................... 1 Dec",
        " .......1 Индикатор доставки в доступ... сообщение ЗАПРОС СОЕДИНЕНИЯ не сформировано",
        " 0000000. Резерв........................ "}},
    // Length 0: the length check passes and the one contents line still stands, empty.
    {param(0x2B), "2B", "", "", En, {" 00101011 Optional parameter............ Origination ISC point code",
        " Origination ISC point code", " 00000000 Length........................ 0 Dec",
        " ******** Information elements..........  Hex"}},
    // Redirection information.
    {param(0x13), "13", "", "0301", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000010 Length........................ 2 Dec",
        " .....011 Redirecting indicator......... call diverted", " ....0... Spare......................... ",
        " 0000.... Original redirection reason... unknown/not available",
        " .....001 Redirection counter........... 1 Dec", " ....0... Spare......................... ",
        " 0000.... Redirecting reason............ unknown/not available"}},
    // The English text of indicator 100 ends with a blank; values ISUP-R does not use; one
    // octet only.
    {param(0x13), "13", "", "04F7", En, {
        " .....100 Redirecting indicator......... call diverted, all redirection information presentation restricted ",
        " .....111 Redirection counter........... 7 Dec", " 1111.... Redirecting reason............ spare"}, kSome},
    {param(0x13), "13", "", "3C66", Ru, {
        " .....100 Перенаправляющий индикатор.... вызов отведен, запрещено представление всей информации о перенаправлении",
        " ....1... Резерв........................ ", " 0011.... Первонач.причина перенаправл.. не используется в ISUP-R",
        " .....110 Счетчик перенаправления....... 6 Dec", " 0110.... Причина перенаправления....... не используется в ISUP-R"}, kSome},
    {param(0x13), "13", "", "03", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000001 Length........................ 1 Dec", kMistake}},
    // Circuit group supervision message type: mandatory fixed, no header, no length check;
    // missing bits give an empty or short bit column and no meaning.
    {param(0x15), "", "", "FD", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ......01 Индикатор..................... ориентированность на отказ аппаратной части",
        " 111111.. Резерв........................ "}},
    {param(0x15), "", "", "", En, {" Circuit group supervision message type",
        " ...... Indicator..................... ", " .. Spare......................... "}},
    {param(0x15), "", "", "F", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ...... Индикатор..................... ", " 1111.. Резерв........................ "}},
    // Range and status: every octet after the range is a status octet, whatever the range
    // says; a message type without a legend.
    range(En, "2A", "", "0700", {" Range and status", " 00000010 Length........................ 2 Dec",
        " 00000111 Range......................... ", " 00000000 Status........................ not present"}),
    range(Ru, "01", "", "07AA", {" 10101010 Состояние..................... не представлено"}, kSome),
    // Two status octets for range 3, shown as they stand.
    range(Ru, "29", "", "030001", {" Диапазон и состояние", " 00000011 Длина......................... 3 Dec",
        " 00000011 Диапазон...................... ", " 00000000 Состояние..................... " + kMaintenanceRu,
        " 00000001 Состояние..................... " + kMaintenanceRu}),
    // No range octet at all.
    range(Ru, "17", "", "", {" Диапазон и состояние", " 00000000 Длина......................... 0 Dec", kOshibka}),
    // Contents as short as their length octet says: the code line is empty before " Hex".
    {param(0x1A), "1A", "", "ABCD", En, {" 00011010 Optional parameter............ Closed user group interlock code",
        " Closed user group interlock code", " 00000010 Length........................ 2 Dec",
        " ******** Network identity.............. ABCD Hex", " ******** Binary code...................  Hex"}},
    // User service information: no octets, no octet lines.
    {param(0x1D), "1D", "", "", En, {" 00011101 Optional parameter............ User service information",
        " User service information", " 00000000 Length........................ 0 Dec"}},
    // Connected number.
    {param(0x21), "21", "", "01C6", Ru, {" .0000001 Индикатор типа адреса......... не используется в ISUP-R",
        " ......10 Индикатор отображения......... не используется в ISUP-R",
        " ....01.. Инд.огранич.представл.номера.. предоставление запрещено",
        " .100.... Индикатор плана нумерации..... не используется в ISUP-R"}, kSome},
    // Even ending in the end-of-pulsing signal; one octet only.
    {param(0x21), "21", "", "03132143F5", Ru, {" ******** Адресные сигналы.............. 12345ST"}, kSome},
    {param(0x21), "21", "", "83", En, {" 00100001 Optional parameter............ Connected number",
        " Connected number", " 00000001 Length........................ 1 Dec", kMistake}},
    // Suspend/resume indicators and Event information: mandatory fixed, a title line only.
    {param(0x22), "", "", "FF", Ru, {" Индикаторы приостановки/возобновления",
        " .......1 Индикатор..................... инициировано сетью", " 1111111. Резерв........................ "}},
    {param(0x24), "", "", "82", Ru, {" Информация события", " .0000010 Индикатор события............. информация выдана по ходу вызова",
        " 1....... Инд.огранич.представл.события. не используется в ISUP-R"}},
    {param(0x24), "", "", "03", En, {" .0000011 Event indicator............... in-band information or an appropriate pattern is now available"}, kSome},
    // Transit network selection.
    {param(0x23), "23", "", "035202", En, {" 00100011 Optional parameter............ Transit network selection",
        " Transit network selection", " 00000011 Length........................ 3 Dec",
        " ....0011 Network identification plan... public data network identification code (DNIC), Recommendation X.121",
        " .000.... Type of network identificat... CCITT/ITU-T-standardized identification",
        " 0....... Odd/even indicator............ even number of address signals",
        " ******** Network identification........ 2520"}},
    // A single digit after the filler: no identification line.
    {param(0x23), "23", "", "FF01", Ru, {" 00100011 Необязательный параметр....... Выбор транзитной сети",
        " Выбор транзитной сети", " 00000010 Длина......................... 2 Dec",
        " ....1111 План идентификации сети....... резерв", " .111.... Тип идентификации сети........ резерв",
        " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов"}},
    // Automatic congestion level without its octet.
    {param(0x27), "27", "", "", En, {" 00100111 Optional parameter............ Automatic congestion level",
        " Automatic congestion level", " 00000000 Length........................ 0 Dec", kMistake}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Params01To2F, IsupParam, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace tarn::isup::test
