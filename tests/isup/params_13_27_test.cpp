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
const ParamCase kRedirectionInformation[] = {
    {param(0x13), "13", "", "0301", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000010 Length........................ 2 Dec",
        " .....011 Redirecting indicator......... call diverted", " ....0... Spare......................... ",
        " 0000.... Original redirection reason... unknown/not available",
        " .....001 Redirection counter........... 1 Dec", " ....0... Spare......................... ",
        " 0000.... Redirecting reason............ unknown/not available"}},
    {param(0x13), "13", "", "0311", Ru, {" 00010011 Необязательный параметр....... Информация о перенаправлении",
        " Информация о перенаправлении", " 00000010 Длина......................... 2 Dec",
        " .....011 Перенаправляющий индикатор.... вызов отведен", " ....0... Резерв........................ ",
        " 0000.... Первонач.причина перенаправл.. неизвестна/недоступна",
        " .....001 Счетчик перенаправления....... 1 Dec", " ....0... Резерв........................ ",
        " 0001.... Причина перенаправления....... не используется в ISUP-R"}},
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
    {param(0x13), "13", "", "00FF", Ru, {" .....000 Перенаправляющий индикатор.... не используется в ISUP-R",
        " 0000.... Первонач.причина перенаправл.. неизвестна/недоступна", " .....111 Счетчик перенаправления....... 7 Dec",
        " ....1... Резерв........................ "}, kSome},
    // One octet as announced, and contents longer than announced.
    {param(0x13), "13", "", "03", En, {" 00010011 Optional parameter............ Redirection information",
        " Redirection information", " 00000001 Length........................ 1 Dec", kMistake}},
    {param(0x13), "13", "03", "0301", Ru, {" 00010011 Необязательный параметр....... Информация о перенаправлении",
        " Информация о перенаправлении", " 00000011 Длина......................... 3 Dec", kOshibka}},
};
INSTANTIATE_TEST_SUITE_P(RedirectionInformation, Params13To27, ::testing::ValuesIn(kRedirectionInformation));

// Circuit group supervision message type: mandatory fixed, no header, no length check;
// missing bits give an empty or short bit column and no meaning.
const ParamCase kSupervisionType[] = {
    {param(0x15), "", "", "FD", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ......01 Индикатор..................... ориентированность на отказ аппаратной части",
        " 111111.. Резерв........................ "}},
    {param(0x15), "", "", "02", En, {" ......10 Indicator..................... reserved for national use (used in 1984 version)"}, kSome},
    {param(0x15), "", "", "FF", Ru, {" ......11 Индикатор..................... резерв"}, kSome},
    {param(0x15), "", "", "", En, {" Circuit group supervision message type",
        " ...... Indicator..................... ", " .. Spare......................... "}},
    {param(0x15), "", "", "F", Ru, {" Тип сообщения по наблюдению за группой каналов",
        " ...... Индикатор..................... ", " 1111.. Резерв........................ "}},
};
INSTANTIATE_TEST_SUITE_P(SupervisionType, Params13To27, ::testing::ValuesIn(kSupervisionType));

// Range and status: the legend follows the message type; every octet after the range is
// a status octet, whatever the range says.
ParamCase range(Lang lang, const char* type, const char* length, const char* contents, Lines lines, bool whole = true) {
    return {param(0x16), "16", length, contents, lang, std::move(lines), whole, type};
}
const std::string kMaintenanceRu = "0 - нет блокировки для технического обслуживания, 1 - блокировка для технического обслуживания";
const ParamCase kRangeAndStatus[] = {
    // A status octet in a circuit group reset, and in a message type without a legend.
    range(En, "17", "", "0055", {" 01010101 Status........................ not present"}, kSome),
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
    // The length check; no range octet at all.
    range(En, "18", "03", "07FF", {" Range and status", " 00000011 Length........................ 3 Dec", kMistake}),
    range(Ru, "17", "", "", {" Диапазон и состояние", " 00000000 Длина......................... 0 Dec", kOshibka}),
};
INSTANTIATE_TEST_SUITE_P(RangeAndStatus, Params13To27, ::testing::ValuesIn(kRangeAndStatus));

const ParamCase kInterlockServicePointCode[] = {
    // Contents as short as their length octet says: the code line is empty before " Hex".
    {param(0x1A), "1A", "", "ABCD", En, {" 00011010 Optional parameter............ Closed user group interlock code",
        " Closed user group interlock code", " 00000010 Length........................ 2 Dec",
        " ******** Network identity.............. ABCD Hex", " ******** Binary code...................  Hex"}},
    {param(0x1A), "1A", "04", "123456", En, {" 00011010 Optional parameter............ Closed user group interlock code",
        " Closed user group interlock code", " 00000100 Length........................ 4 Dec", kMistake}},
    // User service information: the length check; no octets, no octet lines.
    {param(0x1D), "1D", "04", "8090A3", En, {" 00011101 Optional parameter............ User service information",
        " User service information", " 00000100 Length........................ 4 Dec", kMistake}},
    {param(0x1D), "1D", "", "", En, {" 00011101 Optional parameter............ User service information",
        " User service information", " 00000000 Length........................ 0 Dec"}},
    // Signalling point code: the same layout in both readings.
    {param(0x1E), "1E", "", "3FFF", Ru, {" 00011110 Необязательный параметр....... Код пункта сигнализации (национальное использование)",
        " Код пункта сигнализации (национальное использование)", " 00000010 Длина......................... 2 Dec",
        " ******** Информационные элементы....... 3FFF Hex"}},
};
INSTANTIATE_TEST_SUITE_P(InterlockServicePointCode, Params13To27, ::testing::ValuesIn(kInterlockServicePointCode));

const ParamCase kConnectedNumber[] = {
    // No address octets: no address line.
    {param(0x21), "21", "", "0413", Ru, {" 00100001 Необязательный параметр....... Подключенный номер",
        " Подключенный номер", " 00000010 Длина......................... 2 Dec",
        " .0000100 Индикатор типа адреса......... международный номер",
        " 0....... Инд.четности/нечетности....... четное число адресных сигналов",
        " ......11 Индикатор отображения......... номер обеспечивается сетью",
        " ....00.. Инд.огранич.представл.номера.. предоставление разрешено",
        " .001.... Индикатор плана нумерации..... План нумерации ISDN (Телефония)",
        " 0....... Резерв........................ "}},
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
    // Odd with filler F, and even ending in the end-of-pulsing signal.
    {param(0x21), "21", "", "831321F3", En, {" ******** Address signal................ 123"}, kSome},
    {param(0x21), "21", "", "03132143F5", Ru, {" ******** Адресные сигналы.............. 12345ST"}, kSome},
    {param(0x21), "21", "", "83", En, {" 00100001 Optional parameter............ Connected number",
        " Connected number", " 00000001 Length........................ 1 Dec", kMistake}},
    {param(0x21), "21", "06", "8313214305", Ru, {" 00100001 Необязательный параметр....... Подключенный номер",
        " Подключенный номер", " 00000110 Длина......................... 6 Dec", kOshibka}},
};
INSTANTIATE_TEST_SUITE_P(ConnectedNumber, Params13To27, ::testing::ValuesIn(kConnectedNumber));

const ParamCase kParams22To27[] = {
    // Suspend/resume indicators and Event information: mandatory fixed, a title line only.
    {param(0x22), "", "", "FF", Ru, {" Индикаторы приостановки/возобновления",
        " .......1 Индикатор..................... инициировано сетью", " 1111111. Резерв........................ "}},
    {param(0x22), "", "", "", En, {" Suspend/resume indicators", kMistake}},
    {param(0x24), "", "", "82", Ru, {" Информация события", " .0000010 Индикатор события............. информация выдана по ходу вызова",
        " 1....... Инд.огранич.представл.события. не используется в ISUP-R"}},
    {param(0x24), "", "", "01", En, {" .0000001 Event indicator............... ALERTING",
        " 0....... Event present.restricted ind.. no indication"}, kSome},
    {param(0x24), "", "", "03", En, {" .0000011 Event indicator............... in-band information or an appropriate pattern is now available"}, kSome},
    {param(0x24), "", "", "06", En, {" .0000110 Event indicator............... call forwarded unconditional (national use)"}, kSome},
    {param(0x24), "", "", "06", Ru, {" .0000110 Индикатор события............. не используется в ISUP-R"}, kSome},
    {param(0x24), "", "", "00", En, {" .0000000 Event indicator............... spare"}, kSome},
    {param(0x24), "", "", "FF", Ru, {" .1111111 Индикатор события............. не используется в ISUP-R"}, kSome},
    {param(0x24), "", "", "", Ru, {" Информация события", kOshibka}},
    // Transit network selection, in both readings.
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
    {param(0x23), "23", "", "A62103", Ru, {
        " ....0110 План идентификации сети....... код идентификации наземной сети подвижной связи общего пользования (MNIC), Рекомендация E.212",
        " .010.... Тип идентификации сети........ идентификация национальной сети",
        " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов"}, kSome},
    // One octet, or a single digit after the filler: no identification line.
    {param(0x23), "23", "", "70", En, {" 00100011 Optional parameter............ Transit network selection",
        " Transit network selection", " 00000001 Length........................ 1 Dec",
        " ....0000 Network identification plan... unknown", " .111.... Type of network identificat... spare",
        " 0....... Odd/even indicator............ even number of address signals"}},
    {param(0x23), "23", "", "FF01", Ru, {" 00100011 Необязательный параметр....... Выбор транзитной сети",
        " Выбор транзитной сети", " 00000010 Длина......................... 2 Dec",
        " ....1111 План идентификации сети....... резерв", " .111.... Тип идентификации сети........ резерв",
        " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов"}},
    {param(0x23), "23", "", "", Ru, {" 00100011 Необязательный параметр....... Выбор транзитной сети",
        " Выбор транзитной сети", " 00000000 Длина......................... 0 Dec", kOshibka}},
    {param(0x23), "23", "04", "035202", En, {" 00100011 Optional parameter............ Transit network selection",
        " Transit network selection", " 00000100 Length........................ 4 Dec", kMistake}},
    // Automatic congestion level.
    {param(0x27), "27", "", "01", En, {" 00000001 Automatic congestion level.... congestion level 1 exceeded"}, kSome},
    {param(0x27), "27", "", "03", En, {" 00000011 Automatic congestion level.... spare"}, kSome},
    {param(0x27), "27", "", "00", Ru, {" 00000000 Уровень перегрузки............ резерв"}, kSome},
    {param(0x27), "27", "", "", En, {" 00100111 Optional parameter............ Automatic congestion level",
        " Automatic congestion level", " 00000000 Length........................ 0 Dec", kMistake}},
    {param(0x27), "27", "02", "01", Ru, {" 00100111 Необязательный параметр....... Уровень автоматической перегрузки",
        " Уровень автоматической перегрузки", " 00000010 Длина......................... 2 Dec", kOshibka}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Params22To27, Params13To27, ::testing::ValuesIn(kParams22To27));

}  // namespace
}  // namespace tarn::isup::test
