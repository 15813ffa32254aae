// ISUP parameters 13 to 27 run on their own: every table in both readings, the status
// legends by message type, length checks and short contents.
#include <gtest/gtest.h>

#include <string>

#include "isup/isup_case.hpp"

namespace tarn::isup::test {
namespace {

class Params13To27 : public ::testing::TestWithParam<ParamCase> {};

TEST_P(Params13To27, Lines) {
    check(GetParam());
}

// clang-format off
// Range and status takes its legend from the message type.
ParamCase range(Lang lang, const char* type, const char* length, const char* contents, Lines lines, bool whole = true) {
    return {param(0x16), "16", length, contents, lang, std::move(lines), whole, type};
}
const std::string kMaintenanceRu = "0 - нет блокировки для технического обслуживания, 1 - блокировка для технического обслуживания";
const ParamCase kCases[] = {
    // Redirection information.
    {param(0x13), "13", "", "0301", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000010 Length........................ 2 Dec",
        " .....011 Redirecting indicator......... call diverted", " ....0... Spare......................... ",
        " 0000.... Original redirection reason... unknown/not available",
        " .....001 Redirection counter........... 1 Dec", " ....0... Spare......................... ",
        " 0000.... Redirecting reason............ unknown/not available"}},
    // Table edges; the English text of indicator 100 ends with a blank.
    {param(0x13), "13", "", "04F7", En, {
        " .....100 Redirecting indicator......... call diverted, all redirection information presentation restricted ",
        " .....111 Redirection counter........... 7 Dec", " 1111.... Redirecting reason............ spare"}, kSome},
    {param(0x13), "13", "", "3C66", Ru, {
        " .....100 Перенаправляющий индикатор.... вызов отведен, запрещено представление всей информации о перенаправлении",
        " ....1... Резерв........................ ", " 0011.... Первонач.причина перенаправл.. не используется в ISUP-R",
        " .....110 Счетчик перенаправления....... 6 Dec", " 0110.... Причина перенаправления....... не используется в ISUP-R"}, kSome},
    {param(0x13), "13", "", "0010", En, {" .....000 Redirecting indicator......... no redirection (national use)",
        " 0001.... Redirecting reason............ user busy"}, kSome},
    {param(0x13), "13", "", "0760", En, {" .....111 Redirecting indicator......... spare",
        " 0110.... Redirecting reason............ mobile subscriber not reachable"}, kSome},
    {param(0x13), "13", "", "07F0", Ru, {" .....111 Перенаправляющий индикатор.... не используется в ISUP-R",
        " 1111.... Причина перенаправления....... не используется в ISUP-R"}, kSome},
    // One octet only.
    {param(0x13), "13", "", "03", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000001 Length........................ 1 Dec", kMistake}},
    // Circuit group supervision message type: mandatory fixed, no header, no length check;
    // missing bits give an empty or short bit column and no meaning.
    {param(0x15), "", "", "FD", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ......01 Индикатор..................... ориентированность на отказ аппаратной части",
        " 111111.. Резерв........................ "}},
    {param(0x15), "", "", "02", En, {" ......10 Indicator..................... reserved for national use (used in 1984 version)"}, kSome},
    {param(0x15), "", "", "FF", Ru, {" ......11 Индикатор..................... резерв"}, kSome},
    {param(0x15), "", "", "", En, {" Circuit group supervision message type",
        " ...... Indicator..................... ", " .. Spare......................... "}},
    {param(0x15), "", "", "F", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ...... Индикатор..................... ", " 1111.. Резерв........................ "}},
    // Range and status: every octet after the range is a status octet, whatever the range
    // says; a message type without a legend.
    range(En, "2A", "", "0700", {" Range and status", " 00000010 Length........................ 2 Dec",
        " 00000111 Range......................... ", " 00000000 Status........................ not present"}),
    range(Ru, "01", "", "07AA", {" 10101010 Состояние..................... не представлено"}, kSome),
    // Two status octets for range 3, and five for range 0, shown as they stand.
    range(Ru, "29", "", "030001", {" Диапазон и состояние", " 00000011 Длина......................... 3 Dec",
        " 00000011 Диапазон...................... ", " 00000000 Состояние..................... " + kMaintenanceRu,
        " 00000001 Состояние..................... " + kMaintenanceRu}),
    range(En, "19", "", "00FF00FF00FF", {" Range and status", " 00000110 Length........................ 6 Dec",
        " 00000000 Range......................... ", " 11111111 Status........................ 0 - no indication, 1 - unblocking",
        " 00000000 Status........................ 0 - no indication, 1 - unblocking",
        " 11111111 Status........................ 0 - no indication, 1 - unblocking",
        " 00000000 Status........................ 0 - no indication, 1 - unblocking",
        " 11111111 Status........................ 0 - no indication, 1 - unblocking"}),
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
    {param(0x21), "21", "", "01B52143", En, {" .0000001 Nature of address indicator... subscriber number",
        " 0....... Odd/even indicator............ even number of address signals",
        " ......01 Screening indicator........... user provided, verified passed",
        " ....01.. Address present.restrict.ind.. presentation restricted",
        " .011.... Numbering plan indicator...... Data numbering plan (Recommendation X.121)",
        " 1....... Spare......................... ", " ******** Address signal................ 1234"}, kSome},
    {param(0x21), "21", "", "01C6", Ru, {" .0000001 Индикатор типа адреса......... не используется в ISUP-R",
        " ......10 Индикатор отображения......... не используется в ISUP-R",
        " ....01.. Инд.огранич.представл.номера.. предоставление запрещено",
        " .100.... Индикатор плана нумерации..... не используется в ISUP-R"}, kSome},
    {param(0x21), "21", "", "027A", En, {" .0000010 Nature of address indicator... unknown",
        " ......10 Screening indicator........... reserved", " ....10.. Address present.restrict.ind.. address not available",
        " .111.... Numbering plan indicator...... spare"}, kSome},
    // Even ending in the end-of-pulsing signal; one octet only.
    {param(0x21), "21", "", "03132143F5", Ru, {" ******** Адресные сигналы.............. 12345ST"}, kSome},
    {param(0x21), "21", "", "83", En, {" 00100001 Optional parameter............ Connected number",
        " Connected number", " 00000001 Length........................ 1 Dec", kMistake}},
    // Suspend/resume indicators and Event information: mandatory fixed, a title line only.
    {param(0x22), "", "", "FF", Ru, {" Индикаторы приостановки/возобновления",
        " .......1 Индикатор..................... инициировано сетью", " 1111111. Резерв........................ "}},
    {param(0x24), "", "", "82", Ru, {" Информация события", " .0000010 Индикатор события............. информация выдана по ходу вызова",
        " 1....... Инд.огранич.представл.события. не используется в ISUP-R"}},
    {param(0x24), "", "", "01", En, {" .0000001 Event indicator............... ALERTING",
        " 0....... Event present.restricted ind.. no indication"}, kSome},
    {param(0x24), "", "", "03", En, {" .0000011 Event indicator............... in-band information or an appropriate pattern is now available"}, kSome},
    {param(0x24), "", "", "06", En, {" .0000110 Event indicator............... call forwarded unconditional (national use)"}, kSome},
    {param(0x24), "", "", "00", En, {" .0000000 Event indicator............... spare"}, kSome},
    {param(0x24), "", "", "FF", Ru, {" .1111111 Индикатор события............. не используется в ISUP-R"}, kSome},
    // Transit network selection.
    {param(0x23), "23", "", "035202", En, {" 00100011 Optional parameter............ Transit network selection",
        " Transit network selection", " 00000011 Length........................ 3 Dec",
        " ....0011 Network identification plan... public data network identification code (DNIC), Recommendation X.121",
        " .000.... Type of network identificat... CCITT/ITU-T-standardized identification",
        " 0....... Odd/even indicator............ even number of address signals",
        " ******** Network identification........ 2520"}},
    {param(0x23), "23", "", "A62103", En, {
        " ....0110 Network identification plan... public land Mobile Network Identification Code (MNIC), Recommendation E.212",
        " .010.... Type of network identificat... national network identification",
        " 1....... Odd/even indicator............ odd number of address signals",
        " ******** Network identification........ 123"}, kSome},
    // One octet, or a single digit after the filler: no identification line.
    {param(0x23), "23", "", "70", En, {" 00100011 Optional parameter............ Transit network selection",
        " Transit network selection", " 00000001 Length........................ 1 Dec",
        " ....0000 Network identification plan... unknown", " .111.... Type of network identificat... spare",
        " 0....... Odd/even indicator............ even number of address signals"}},
    {param(0x23), "23", "", "FF01", Ru, {" 00100011 Необязательный параметр....... Выбор транзитной сети",
        " Выбор транзитной сети", " 00000010 Длина......................... 2 Dec",
        " ....1111 План идентификации сети....... резерв", " .111.... Тип идентификации сети........ резерв",
        " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов"}},
    // Automatic congestion level.
    {param(0x27), "27", "", "01", En, {" 00000001 Automatic congestion level.... congestion level 1 exceeded"}, kSome},
    {param(0x27), "27", "", "03", En, {" 00000011 Automatic congestion level.... spare"}, kSome},
    {param(0x27), "27", "", "00", Ru, {" 00000000 Уровень перегрузки............ резерв"}, kSome},
    {param(0x27), "27", "", "", En, {" 00100111 Optional parameter............ Automatic congestion level",
        " Automatic congestion level", " 00000000 Length........................ 0 Dec", kMistake}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Params13To27, Params13To27, ::testing::ValuesIn(kCases), test::case_name);

}  // namespace
}  // namespace tarn::isup::test
