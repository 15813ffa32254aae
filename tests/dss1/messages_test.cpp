// DSS1 messages of an ordinary call decoded end to end, as typed in single-message mode, in
// both languages; then every prefix of each of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dss1/dss1_case.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using namespace test;

Lines typed(Lang lang, std::string text) {
    Session session;
    session.settings.lang = lang;
    return lines_of(decode_single(session, text).report);
}

struct Message {
    const char* name;
    const char* typed;
    Lang lang;
    std::size_t first;  // index of the first line compared
    Lines lines;
};

void PrintTo(const Message& m, std::ostream* os) {
    *os << m.name;
}

// clang-format off
const std::string kNoExtEn = " 1....... Extension..................... no extension";
const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";

Lines type_line(Lang lang, const char* bits, const char* name) {
    return {" " + std::string(bits) + (lang == En ? " Message Type.................." : " Тип сообщения.................") + name};
}

const Lines kDisplayOkEn = head("00101000", kOptEn, " Display", "00000010", "2", En) + Lines{" ******** Information elements (IA5).... OK"};
const Lines kDisplayOkRu = head("00101000", kOptRu, " Отображение информации", "00000010", "2", Ru) + Lines{" ******** Информационные элементы (IA5). OK"};
const Lines kDisplayAEn = head("00101000", kOptEn, " Display", "00000001", "1", En) + Lines{" ******** Information elements (IA5).... A"};
const Lines kDisplayARu = head("00101000", kOptRu, " Отображение информации", "00000001", "1", Ru) + Lines{" ******** Информационные элементы (IA5). A"};

const Lines kProgress8288En = Lines{
    " ....0010 Location...................... public network serving the local user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " .0001000 Progress description.......... in-band information or appropriate pattern now available",
    kNoExtEn};
const Lines kProgress8288Ru = Lines{
    " ....0010 Определение места............. сеть общего пользования, обслуживающая локального пользователя",
    " ...0.... Резерв........................ ",
    " .00..... Стандартное кодирование....... стандарт CCITT",
    kNoExtRu,
    " .0001000 Описание изменения............ по В-каналу возможна передача акустических сигналов",
    kNoExtRu};

const Lines kChannel89En = {
    " ......01 Information channel selection. B1 channel",
    " .....0.. D-channel indicator........... the channel identified is not the D-channel",
    " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
    " ...0.... Spare......................... ",
    " ..0..... Interface type................ basic interface",
    " .0...... Interface identifier present.. interface implicity identified",
    kNoExtEn};
const Lines kChannel89Ru = {
    " ......01 Выбор информационного канала.. B1 канал",
    " .....0.. Индикатор D-канала............ идентифицированный канал - не D-канал",
    " ....1... Предпочтение/исключительность. исключительность: приемлем только выбранный канал",
    " ...0.... Резерв........................ ",
    " ..0..... Тип интерфейса................ базовый доступ",
    " .0...... Идентификация интерфейса...... неявно идентифицированный интерфейс",
    kNoExtRu};

const Lines kA98381En = {
    " ......01 Information channel selection. as indicated in following octet",
    " .....0.. D-channel indicator........... the channel identified is not the D-channel",
    " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
    " ...0.... Spare......................... ",
    " ..1..... Interface type................ other interface: e.g. primary rate",
    " .0...... Interface identifier present.. interface implicity identified",
    kNoExtEn,
    " ....0011 Channel type/map element type. B-channel units",
    " ...0.... Number/map.................... channel is indicated by the number in the folowing octet",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " 10000001 Channel number/slot number.... See Recommendation I.431"};
const Lines kA98381Ru = {
    " ......01 Выбор информационного канала.. как обозначено в следующем октете",
    " .....0.. Индикатор D-канала............ идентифицированный канал - не D-канал",
    " ....1... Предпочтение/исключительность. исключительность: приемлем только выбранный канал",
    " ...0.... Резерв........................ ",
    " ..1..... Тип интерфейса................ другой интерфейс: в т.ч. первичный доступ",
    " .0...... Идентификация интерфейса...... неявно идентифицированный интерфейс",
    kNoExtRu,
    " ....0011 Тип канала/тип элемента табл.. блоки B-канала",
    " ...0.... Номер/таблица................. канал обозначен номером в следующем октете",
    " .00..... Стандартное кодирование....... стандарт CCITT",
    kNoExtRu,
    " 10000001 Номер канала/номер слота...... См. Рекомендацию I.431"};

const Message kMessages[] = {
    // DISCONNECT: the Cause first and mandatory, then the walk.
    {"DisconnectEn", "08 01 81 45 08 02 82 90 1E 02 82 88 28 02 4F 4B", En, 0, Lines{
        "",
        " MESSAGE EDSS1 (ETS 300 102-1): 08 01 81 45 08 02 82 90 1E 02 82 88 28 02 4F 4B",
        " 00001000 Protocol Discriminator........ Q.931",
        " 0000.... Spare......................... ",
        " ....0001 Length of call reference...... 1 Dec",
        " Call reference ",
        " .0000001 Call reference value.......... basic rate access",
        " 1....... Flag.......................... the message is sent to the side that originates the call reference",
        " 01000101 Message Type.................. DISCONNECT"}
        + head("00001000", kManEn, " Cause", "00000010", "2", En) + Lines{
        " ....0010 Location...................... public network serving the local user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0010000 Cause Value................... Normal call clearing",
        kNoExtEn}
        + head("00011110", kOptEn, " Progress indicator", "00000010", "2", En) + kProgress8288En + kDisplayOkEn},
    {"DisconnectRu", "08 01 81 45 08 02 82 90 1E 02 82 88 28 02 4F 4B", Ru, 8, type_line(Ru, "01000101", " РАЗЪЕДИНИТЬ")
        + head("00001000", kManRu, " Причина", "00000010", "2", Ru) + Lines{
        " ....0010 Определение места............. сеть общего пользования, обслуживающая локального пользователя",
        " ...0.... Резерв........................ ",
        " .00..... Стандартное кодирование....... стандарт CCITT",
        kNoExtRu,
        " .0010000 Значение причины.............. нормальное освобождение",
        kNoExtRu}
        + head("00011110", kOptRu, " Индикатор изменения", "00000010", "2", Ru) + kProgress8288Ru + kDisplayOkRu},
    // RELEASE: the Cause is optional there; cause 17 has a diagnostic in Russian only.
    {"ReleaseEn", "08 01 01 4D 08 03 80 91 81 28 01 41", En, 8, type_line(En, "01001101", " RELEASE")
        + head("00001000", kOptEn, " Cause", "00000011", "3", En) + Lines{
        " ....0000 Location...................... user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0010001 Cause Value................... User busy",
        kNoExtEn} + kDisplayAEn},
    {"ReleaseRu", "08 01 01 4D 08 03 80 91 81 28 01 41", Ru, 8, type_line(Ru, "01001101", " ОСВОБОДИТЬ РЕСУРСЫ")
        + head("00001000", kOptRu, " Причина", "00000011", "3", Ru) + Lines{
        " ....0000 Определение места............. пользователь",
        " ...0.... Резерв........................ ",
        " .00..... Стандартное кодирование....... стандарт CCITT",
        kNoExtRu,
        " .0010001 Значение причины.............. пользователь занят",
        kNoExtRu,
        " .0000001 Диагностика................... индикатор CCBS",
        kNoExtRu} + kDisplayARu},
    {"ReleaseCompleteEn", "08 01 01 5A 08 02 84 9F", En, 8, type_line(En, "01011010", " RELEASE COMPLETE")
        + head("00001000", kOptEn, " Cause", "00000010", "2", En) + Lines{
        " ....0100 Location...................... public network serving the remote user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0011111 Cause Value................... Normal, unspecified",
        kNoExtEn}},
    {"ReleaseCompleteRu", "08 01 01 5A 08 02 84 9F", Ru, 8, type_line(Ru, "01011010", " РЕСУРСЫ ОСВОБОЖДЕНЫ")
        + head("00001000", kOptRu, " Причина", "00000010", "2", Ru) + Lines{
        " ....0100 Определение места............. сеть общего пользования, обслуживающая удаленного пользователя",
        " ...0.... Резерв........................ ",
        " .00..... Стандартное кодирование....... стандарт CCITT",
        kNoExtRu,
        " .0011111 Значение причины.............. нормальное освобождение, неспецифицировано",
        kNoExtRu}},
    // SETUP: the elements after the Bearer capability (lines 13 to 27).
    {"SetupEn", "08 01 01 05 A1 04 03 80 90 A3 18 01 89 1E 02 82 88 28 03 41 42 43 2C 02 31 32"
                " 6C 04 01 83 34 35 6D 03 A0 50 12 70 04 81 31 32 33 71 03 A0 50 12", En, 28,
        head("00011000", kOptEn, " Channel identification", "00000001", "1", En) + kChannel89En
        + head("00011110", kOptEn, " Progress indicator", "00000010", "2", En) + kProgress8288En
        + head("00101000", kOptEn, " Display", "00000011", "3", En) + Lines{" ******** Information elements (IA5).... ABC"}
        + head("00101100", kOptEn, " Keypad facility", "00000010", "2", En) + Lines{" ******** Keypad information............ 12"}
        + head("01101100", kOptEn, " Calling party number", "00000100", "4", En) + Lines{
        " ....0001 Numbering plan idenfication... ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
        " .000.... Type of number................ unknown",
        " 0....... Extension..................... information continues in the next octet",
        " ......11 Screening indicator........... network provided",
        " ...000.. Spare......................... ",
        " .00..... Presentation indicator........ presentation allowed",
        kNoExtEn,
        " ******** Number digits................. 45"}
        + head("01101101", kOptEn, " Calling party subaddress", "00000011", "3", En) + Lines{
        " .....000 Spare......................... ",
        " ....0... Odd/even indicator............ even number or address signals",
        " .010.... Type of subaddress............ user specified",
        kNoExtEn,
        " ******** Subaddress information........ 5012 Hex"}
        + head("01110000", kOptEn, " Called party number", "00000100", "4", En) + Lines{
        " ....0001 Numbering plan identificat.... ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
        " .000.... Type of number................ unknown",
        kNoExtEn,
        " ******** Number digits................. 123"}
        + head("01110001", kOptEn, " Called party subaddress", "00000011", "3", En) + Lines{
        " .....000 Spare......................... ",
        " ....0... Odd/even indicator............ even number or address signals",
        " .010.... Type of subaddress............ user specified",
        kNoExtEn,
        " ******** Subaddress information........ 5012 Hex"}},
    {"SetupRu", "08 01 01 05 A1 04 03 80 90 A3 18 01 89 1E 02 82 88 28 03 41 42 43 2C 02 31 32"
                " 6C 04 01 83 34 35 6D 03 A0 50 12 70 04 81 31 32 33 71 03 A0 50 12", Ru, 28,
        head("00011000", kOptRu, " Идентификатор канала", "00000001", "1", Ru) + kChannel89Ru
        + head("00011110", kOptRu, " Индикатор изменения", "00000010", "2", Ru) + kProgress8288Ru
        + head("00101000", kOptRu, " Отображение информации", "00000011", "3", Ru) + Lines{" ******** Информационные элементы (IA5). ABC"}
        + head("00101100", kOptRu, " Услуги клавиатуры", "00000010", "2", Ru) + Lines{" ******** Информационные элементы....... 12"}
        + head("01101100", kOptRu, " Номер вызывающего абонента", "00000100", "4", Ru) + Lines{
        " ....0001 План нумерации................ план нумерации ISDN/Телефония (CCITT Рекомендация E.164/E.163)",
        " .000.... Тип номера.................... неизвестен",
        " 0....... Расширение.................... информация продолжается в следующем октете",
        " ......11 Индикатор отображения......... дан сетью",
        " ...000.. Резерв........................ ",
        " .00..... Индикатор предоставления...... предоставление разрешается",
        kNoExtRu,
        " ******** Цифры номера.................. 45"}
        + head("01101101", kOptRu, " Подадрес вызывающего абонента", "00000011", "3", Ru) + Lines{
        " .....000 Резерв........................ ",
        " ....0... Индикатор четности/нечетности. четное число адресных сигналов",
        " .010.... Тип подадреса................. определяемый пользователем",
        kNoExtRu,
        " ******** Информация подадресации....... 5012 Hex"}
        + head("01110000", kOptRu, " Номер вызываемого абонента", "00000100", "4", Ru) + Lines{
        " ....0001 План нумерации................ план нумерации ISDN/Телефония (CCITT Рекомендация E.164/E.163)",
        " .000.... Тип номера.................... неизвестен",
        kNoExtRu,
        " ******** Цифры номера.................. 123"}
        + head("01110001", kOptRu, " Подадрес вызываемого абонента", "00000011", "3", Ru) + Lines{
        " .....000 Резерв........................ ",
        " ....0... Индикатор четности/нечетности. четное число адресных сигналов",
        " .010.... Тип подадреса................. определяемый пользователем",
        kNoExtRu,
        " ******** Информация подадресации....... 5012 Hex"}},
    // STATUS: Cause and Call state fixed and mandatory, then a Display.
    {"StatusEn", "08 01 81 7D 08 03 80 E5 05 14 01 0A 28 02 4F 4B", En, 8, type_line(En, "01111101", " STATUS")
        + head("00001000", kManEn, " Cause", "00000011", "3", En) + Lines{
        " ....0000 Location...................... user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .1100101 Cause Value................... Message not compatible with call state",
        kNoExtEn,
        " .0000101 Diagnostic(s).................  Message type",
        " 0....... Extension..................... no extension"}
        + head("00010100", kManEn, " Call state", "00000001", "1", En) + Lines{
        " ..001010 Call state/global interface... user state U10 - Active, network state - N10 - Active/reserved",
        " 00...... Coding standard............... CCITT standardized coding as described below"} + kDisplayOkEn},
    {"StatusRu", "08 01 81 7D 08 03 80 E5 05 14 01 0A 28 02 4F 4B", Ru, 8, type_line(Ru, "01111101", " СТАТУС")
        + head("00001000", kManRu, " Причина", "00000011", "3", Ru) + Lines{
        " ....0000 Определение места............. пользователь",
        " ...0.... Резерв........................ ",
        " .00..... Стандартное кодирование....... стандарт CCITT",
        kNoExtRu,
        " .1100101 Значение причины.............. сообщение состояния неполного вызова",
        kNoExtRu,
        " .0000101 Диагностика................... тип сообщения",
        " 0....... Расширение.................... нет расширения"}
        + head("00010100", kManRu, " Состояние вызова", "00000001", "1", Ru) + Lines{
        " ..001010 Сост.вызова/сост.интерфейса... состояние пользователя U10 - Активное, состояние сети - N10 - Активное/резерв",
        " 00...... Стандартное кодирование....... стандарт CCITT"} + kDisplayOkRu},
    // RESTART: Channel identification and the mandatory Restart indicator.
    {"RestartEn", "08 01 00 46 18 03 A9 83 81 79 01 86", En, 8, type_line(En, "01000110", " RESTART")
        + head("00011000", kOptEn, " Channel identification", "00000011", "3", En) + kA98381En
        + head("01111001", kManEn, " Restart indicator", "00000001", "1", En) + Lines{
        " .....110 Class......................... single interface",
        " .0000... Spare......................... ",
        kNoExtEn}},
    {"RestartRu", "08 01 00 46 18 03 A9 83 81 79 01 86", Ru, 8, type_line(Ru, "01000110", " РЕСТАРТ")
        + head("00011000", kOptRu, " Идентификатор канала", "00000011", "3", Ru) + kA98381Ru
        + head("01111001", kManRu, " Индикатор рестарта", "00000001", "1", Ru) + Lines{
        " .....110 Класс......................... одиночный интерфейс",
        " .0000... Резерв........................ ",
        kNoExtRu}},
    // INFORMATION: Keypad facility, Called party number and Sending complete in its walk.
    {"InformationEn", "08 01 01 7B 2C 02 2A 23 70 02 81 39 A1", En, 8, type_line(En, "01111011", " INFORMATION")
        + head("00101100", kOptEn, " Keypad facility", "00000010", "2", En) + Lines{" ******** Keypad information............ *#"}
        + head("01110000", kOptEn, " Called party number", "00000010", "2", En) + Lines{
        " ....0001 Numbering plan identificat.... ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
        " .000.... Type of number................ unknown",
        kNoExtEn,
        " ******** Number digits................. 9",
        " 10100001 Optional parameter............ Sending complete",
        " Sending complete",
        " .0100001 Identif.information element... 0100001",
        " 1....... Single octet inform.element... 1"}},
    {"InformationRu", "08 01 01 7B 2C 02 2A 23 70 02 81 39 A1", Ru, 8, type_line(Ru, "01111011", " ИНФОРМАЦИЯ")
        + head("00101100", kOptRu, " Услуги клавиатуры", "00000010", "2", Ru) + Lines{" ******** Информационные элементы....... *#"}
        + head("01110000", kOptRu, " Номер вызываемого абонента", "00000010", "2", Ru) + Lines{
        " ....0001 План нумерации................ план нумерации ISDN/Телефония (CCITT Рекомендация E.164/E.163)",
        " .000.... Тип номера.................... неизвестен",
        kNoExtRu,
        " ******** Цифры номера.................. 9",
        " 10100001 Необязательный параметр....... Передача завершена",
        " Передача завершена",
        " .0100001 Идентиф.информацион.элемента.. 0100001",
        " 1....... Однобайтовый информ.элемент... 1"}},
    // CONNECT: Channel identification and Date/time.
    {"ConnectEn", "08 01 81 07 18 01 89 29 05 62 01 1F 0C 00", En, 8, type_line(En, "00000111", " CONNECT")
        + head("00011000", kOptEn, " Channel identification", "00000001", "1", En) + kChannel89En
        + head("00101001", kOptEn, " Data/time", "00000101", "5", En) + Lines{
        " 01100010 Year.......................... 98 Dec",
        " 00000001 Month......................... 1 Dec",
        " 00011111 Day........................... 31 Dec",
        " 00001100 Hour.......................... 12 Dec",
        " 00000000 Minute........................ 0 Dec"}},
    {"ConnectRu", "08 01 81 07 18 01 89 29 05 62 01 1F 0C 00", Ru, 8, type_line(Ru, "00000111", " СОЕДИНЕНИЕ (ответ)")
        + head("00011000", kOptRu, " Идентификатор канала", "00000001", "1", Ru) + kChannel89Ru
        + head("00101001", kOptRu, " Дата/время", "00000101", "5", Ru) + Lines{
        " 01100010 Год........................... 98 Dec",
        " 00000001 Месяц......................... 1 Dec",
        " 00011111 День.......................... 31 Dec",
        " 00001100 Час........................... 12 Dec",
        " 00000000 Минута........................ 0 Dec"}},
    // SUSPEND: only the Call identity is accepted; the Display is passed over.
    {"SuspendEn", "08 01 01 25 10 02 31 32 28 01 41", En, 8, type_line(En, "00100101", " SUSPEND")
        + head("00010000", kOptEn, " Call identity", "00000010", "2", En) + Lines{" ******** Information elements.......... 12"}},
    {"SuspendRu", "08 01 01 25 10 02 31 32 28 01 41", Ru, 8, type_line(Ru, "00100101", " ПРЕРЫВАНИЕ СОЕДИНЕНИЯ")
        + head("00010000", kOptRu, " Идентичность вызова", "00000010", "2", Ru) + Lines{" ******** Информационные элементы (IA5). 12"}},
    // NOTIFY: the Notification indicator first, then a Display.
    {"NotifyEn", "08 01 81 6E 27 01 81 28 01 41", En, 8, type_line(En, "01101110", " NOTIFY") + Lines{
        " 00100111 Mandatory parameter........... Notification indicator",
        " Notification indicator",
        " .0000001 Notification description...... user resumed",
        kNoExtEn} + kDisplayAEn},
    {"NotifyRu", "08 01 81 6E 27 01 81 28 01 41", Ru, 8, type_line(Ru, "01101110", " УВЕДОМЛЕНИЕ") + Lines{
        " 00100111 Обязательный параметр......... Индикатор уведомления",
        " Индикатор уведомления",
        " .0000001 Описание уведомления.......... пользователь продолжил",
        kNoExtRu} + kDisplayARu},
    // The messages whose rules make an element mandatory.
    {"ProgressMandatory", "08 01 81 03 1E 02 81 82", En, 8, type_line(En, "00000011", " PROGRESS")
        + head("00011110", kManEn, " Progress indicator", "00000010", "2", En) + Lines{
        " ....0001 Location...................... private network serving the local user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0000010 Progress description.......... destination address is non-ISDN",
        kNoExtEn}},
    {"ResumeAcknowledgeChannelMandatoryRu", "08 01 81 2E 18 01 89 28 01 41", Ru, 8, type_line(Ru, "00101110", " ПОДТВЕРЖДЕНИЕ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ")
        + head("00011000", kManRu, " Идентификатор канала", "00000001", "1", Ru) + kChannel89Ru + kDisplayARu},
    {"CongestionControl", "08 01 01 79 B0 08 02 80 A2", En, 8, type_line(En, "01111001", " CONGESTION CONTROL") + Lines{
        " 10110000 Mandatory parameter........... Congestion level",
        " Congestion level",
        " ....0000 Congestion level.............. receiver ready",
        " .011.... Identif.information element... 011",
        " 1....... Single octet inform.element... 1"}
        + head("00001000", kOptEn, " Cause", "00000010", "2", En) + Lines{
        " ....0000 Location...................... user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0100010 Cause Value................... No circuit/channel available",
        kNoExtEn}},
    // A Display carrying CR LF and ETX keeps the report's lines whole.
    {"DisplayWithLineBreak", "08 01 81 45 08 02 80 90 28 04 41 0D 0A 03", En, 18,
        head("00101000", kOptEn, " Display", "00000100", "4", En) + Lines{" ******** Information elements (IA5).... A<CR><LF><ETX>"}},
};
// clang-format on

class Messages : public testing::TestWithParam<Message> {};

TEST_P(Messages, Lines) {
    const Message& m = GetParam();
    const Lines lines = typed(m.lang, m.typed);
    ASSERT_LE(m.first, lines.size());
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(m.first), lines.end()), m.lines);
}

// Every prefix of the message, cut at every hex digit: each line (but the title, which
// shows the typed text) is a line of the whole message's report or a MISTAKE line.
TEST_P(Messages, EveryPrefix) {
    const Message& m = GetParam();
    std::string digits;
    for (char c : std::string_view(m.typed))
        if (c != ' ') digits += c;
    const Lines whole = typed(m.lang, digits);
    for (std::size_t k = 1; k < digits.size(); ++k) {
        const Lines lines = typed(m.lang, digits.substr(0, k));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == 1) continue;
            const bool known = std::find(whole.begin(), whole.end(), lines[i]) != whole.end();
            EXPECT_TRUE(known || mistake_line(lines[i])) << "prefix of " << k << " digits: " << lines[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dss1, Messages, testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarn::dss1
