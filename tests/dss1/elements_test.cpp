// The DSS1 elements of the basic call, each decoded alone as the message walk hands it over:
// one table of contents and expected lines, then every cut of every element.
#include "dss1/elements.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dss1/call_state.hpp"
#include "dss1/cause.hpp"
#include "dss1/channel.hpp"
#include "dss1/dss1_case.hpp"
#include "dss1/numbers.hpp"
#include "dss1/progress.hpp"
#include "dss1/single_octet.hpp"

namespace tarn::dss1 {
namespace {

using namespace test;

struct Case {
    const char* name;
    Decoder decode;
    unsigned id;
    int length;  // the length octet; the contents' own length when negative
    const char* contents;
    Lang lang;
    bool mandatory;
    Lines lines;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const std::string kNoExtEn = " 1....... Extension..................... no extension";
const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";
const std::string kContEn = " 0....... Extension..................... information continues in the next octet";
const std::string kContRu = " 0....... Расширение.................... информация продолжается в следующем октете";
const std::string kIsdnEn = "ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)";
const std::string kIsdnRu = "план нумерации ISDN/Телефония (CCITT Рекомендация E.164/E.163)";

Lines called_head(Lang lang, const char* length_bits, const char* length) {
    return head("01110000", lang == En ? kOptEn : kOptRu,
                lang == En ? " Called party number" : " Номер вызываемого абонента", length_bits, length, lang);
}
Lines calling_head(Lang lang, const char* length_bits, const char* length) {
    return head("01101100", lang == En ? kOptEn : kOptRu,
                lang == En ? " Calling party number" : " Номер вызывающего абонента", length_bits, length, lang);
}
Lines cause_head(Lang lang, bool mandatory, const char* length_bits, const char* length) {
    const std::string_view word = lang == En ? (mandatory ? kManEn : kOptEn) : (mandatory ? kManRu : kOptRu);
    return head("00001000", word, lang == En ? " Cause" : " Причина", length_bits, length, lang);
}
Lines channel_head(Lang lang, bool mandatory, const char* length_bits, const char* length) {
    const std::string_view word = lang == En ? (mandatory ? kManEn : kOptEn) : (mandatory ? kManRu : kOptRu);
    return head("00011000", word, lang == En ? " Channel identification" : " Идентификатор канала", length_bits,
                length, lang);
}
Lines progress_head(Lang lang, bool mandatory, const char* length_bits, const char* length) {
    const std::string_view word = lang == En ? (mandatory ? kManEn : kOptEn) : (mandatory ? kManRu : kOptRu);
    return head("00011110", word, lang == En ? " Progress indicator" : " Индикатор изменения", length_bits, length,
                lang);
}

// Octet 3 of a primary-rate channel A9 (exclusive, channel in the following octet) and
// its octet 3.2 83 (B-channel units, by number).
const Lines kA9En = {
    " ......01 Information channel selection. as indicated in following octet",
    " .....0.. D-channel indicator........... the channel identified is not the D-channel",
    " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
    " ...0.... Spare......................... ",
    " ..1..... Interface type................ other interface: e.g. primary rate",
    " .0...... Interface identifier present.. interface implicity identified",
    kNoExtEn};
const Lines kE9En = {
    " ......01 Information channel selection. as indicated in following octet",
    " .....0.. D-channel indicator........... the channel identified is not the D-channel",
    " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
    " ...0.... Spare......................... ",
    " ..1..... Interface type................ other interface: e.g. primary rate",
    " .1...... Interface identifier present.. interface explicity identified in one or more octets beginning with octet 3.1",
    kNoExtEn};
const Lines k83En = {
    " ....0011 Channel type/map element type. B-channel units",
    " ...0.... Number/map.................... channel is indicated by the number in the folowing octet",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn};
const std::string kChannel81En = " 10000001 Channel number/slot number.... See Recommendation I.431";

const Lines kCause8090En = {
    " ....0000 Location...................... user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " .0010000 Cause Value................... Normal call clearing",
    kNoExtEn};
const Lines kCause8090Ru = {
    " ....0000 Определение места............. пользователь",
    " ...0.... Резерв........................ ",
    " .00..... Стандартное кодирование....... стандарт CCITT",
    kNoExtRu,
    " .0010000 Значение причины.............. нормальное освобождение",
    kNoExtRu};
const Lines kCause82E2En = {
    " ....0010 Location...................... public network serving the local user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " .1100010 Cause Value................... Message not compatible with call state or message type non-existent or not implemented",
    kNoExtEn};
const Lines kCauseOctet3UserEn(kCause8090En.begin(), kCause8090En.begin() + 3);

const Lines kProgress82En = {
    " ....0010 Location...................... public network serving the local user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn};

const Case kCases[] = {
    // --- Called party number (70) ---
    // The header says optional even where the message makes the element mandatory.
    {"CalledNumberOctet3Extended", CALLED_PARTY_NUMBER, 0x70, -1, "01313233", En, true, called_head(En, "00000100", "4")},
    {"CalledNumberEmpty", CALLED_PARTY_NUMBER, 0x70, -1, "", En, false, called_head(En, "00000000", "0")},
    {"CalledNumberCut", CALLED_PARTY_NUMBER, 0x70, 5, "8131", Ru, false, called_head(Ru, "00000101", "5") + Lines{kMistakeRu}},
    // Type of number 101 and plan 1111: the called and the calling texts differ in Russian.
    {"CalledReservedRu", CALLED_PARTY_NUMBER, 0x70, -1, "DF", Ru, false, called_head(Ru, "00000001", "1") + Lines{
        " ....1111 План нумерации................ резервирован для расширения",
        " .101.... Тип номера.................... резервирован",
        kNoExtRu,
        " ******** Цифры номера.................. "}},
    {"CallingReservedRu", CALLING_PARTY_NUMBER, 0x6C, -1, "DF", Ru, false, calling_head(Ru, "00000001", "1") + Lines{
        " ....1111 План нумерации................ зарезервированный для расширения",
        " .101.... Тип номера.................... зарезервированный",
        kNoExtRu,
        " ******** Цифры номера.................. "}},
    // --- Calling party number (6C) ---
    {"CallingNumberWith3aRu", CALLING_PARTY_NUMBER, 0x6C, -1, "21BD3435", Ru, false, calling_head(Ru, "00000100", "4") + Lines{
        " ....0001 План нумерации................ " + kIsdnRu,
        " .010.... Тип номера.................... национальный номер",
        kContRu,
        " ......01 Индикатор отображения......... дан пользователем, проверен, передан",
        " ...111.. Резерв........................ ",
        " .01..... Индикатор предоставления...... предоставление ограничено",
        kNoExtRu,
        " ******** Цифры номера.................. 45"}},
    {"CallingNumberWithout3a", CALLING_PARTY_NUMBER, 0x6C, -1, "F2393031", En, false, calling_head(En, "00000100", "4") + Lines{
        " ....0010 Numbering plan idenfication... reserved",
        " .111.... Type of number................ reserved for extension",
        kNoExtEn,
        " ******** Number digits................. 901"}},
    // Octet 3a with bit 8 = 0: its extension line tells so.
    {"CallingNumber3aExtended", CALLING_PARTY_NUMBER, 0x6C, -1, "314239", En, false, calling_head(En, "00000011", "3") + Lines{
        " ....0001 Numbering plan idenfication... " + kIsdnEn,
        " .011.... Type of number................ network specific number",
        kContEn,
        " ......10 Screening indicator........... user-provided, verified and failed",
        " ...000.. Spare......................... ",
        " .10..... Presentation indicator........ number not available due to interworking",
        kContEn,
        " ******** Number digits................. 9"}},
    // Octet 3a announced but missing: nothing is left to read.
    {"CallingNumber3aMissing", CALLING_PARTY_NUMBER, 0x6C, -1, "01", En, false, calling_head(En, "00000001", "1") + Lines{
        " ....0001 Numbering plan idenfication... " + kIsdnEn,
        " .000.... Type of number................ unknown",
        kContEn}},
    {"CallingNumberEmpty", CALLING_PARTY_NUMBER, 0x6C, -1, "", En, false, calling_head(En, "00000000", "0") + Lines{kMistakeEn}},
    // --- subaddresses (71, 6D) ---
    {"CallingSubaddressOctet3OnlyRu", CALLING_PARTY_SUB, 0x6D, -1, "98", Ru, false,
     head("01101101", kOptRu, " Подадрес вызывающего абонента", "00000001", "1", Ru) + Lines{
        " .....000 Резерв........................ ",
        " ....1... Индикатор четности/нечетности. нечетное число адресных сигналов",
        " .001.... Тип подадреса................. резерв",
        kNoExtRu,
        " ******** Информация подадресации.......  Hex"}},
    {"CalledSubaddressNsapRu", CALLED_PARTY_SUB, 0x71, -1, "8F50", Ru, false,
     head("01110001", kOptRu, " Подадрес вызываемого абонента", "00000010", "2", Ru) + Lines{
        " .....111 Резерв........................ ",
        " ....1... Индикатор четности/нечетности. нечетное число адресных сигналов",
        " .000.... Тип подадреса................. NSAP (X.213/ISO 8348 AD2)",
        kNoExtRu,
        " ******** Информация подадресации....... 50 Hex"}},
    {"CallingSubaddressOctet3Extended", CALLING_PARTY_SUB, 0x6D, -1, "2050", En, false,
     head("01101101", kOptEn, " Calling party subaddress", "00000010", "2", En)},
    // A cut calling party subaddress is reported as cut too.
    {"CallingSubaddressCut", CALLING_PARTY_SUB, 0x6D, 5, "A05012", En, false,
     head("01101101", kOptEn, " Calling party subaddress", "00000101", "5", En) + Lines{kMistakeEn}},
    // --- Call identity (10), Display (28), Keypad facility (2C) ---
    // Bytes of 128 and above are Windows-1251 characters.
    {"DisplayCyrillicRu", DISPLAY, 0x28, -1, "C0FFA8", Ru, false,
     head("00101000", kOptRu, " Отображение информации", "00000011", "3", Ru) + Lines{" ******** Информационные элементы (IA5). АяЁ"}},
    // Control codes are shown by name: the report keeps its lines and its ETX framing.
    {"DisplayControlCodes", DISPLAY, 0x28, -1, "410D0A03007F9842", En, false,
     head("00101000", kOptEn, " Display", "00001000", "8", En) + Lines{" ******** Information elements (IA5).... A<CR><LF><ETX><NUL><DEL><98>B"}},
    {"DisplayEmpty", DISPLAY, 0x28, -1, "", En, false,
     head("00101000", kOptEn, " Display", "00000000", "0", En) + Lines{" ******** Information elements (IA5).... "}},
    {"KeypadCut", KEYPAD_FACILITY, 0x2C, 5, "3132", En, false,
     head("00101100", kOptEn, " Keypad facility", "00000101", "5", En) + Lines{kMistakeEn}},
    // --- Call state (14): always mandatory ---
    {"CallStateRestartRequest", CALL_STATE, 0x14, -1, "3D", En, false,
     head("00010100", kManEn, " Call state", "00000001", "1", En) + Lines{
        " ..111101 Call state/global interface... reserved/REST 1 - Restart Request",
        " 00...... Coding standard............... CCITT standardized coding as described below"}},
    {"CallStateNull", CALL_STATE, 0x14, -1, "00", En, false,
     head("00010100", kManEn, " Call state", "00000001", "1", En) + Lines{
        " ..000000 Call state/global interface... user state U0 - Null, network state - N0 - Null/REST 0 - Null",
        " 00...... Coding standard............... CCITT standardized coding as described below"}},
    {"CallStateAbortOtherStandard", CALL_STATE, 0x14, -1, "56", En, false,
     head("00010100", kManEn, " Call state", "00000001", "1", En) + Lines{
        " ..010110 Call state/global interface... network state - N22 - Call Abort/reserved",
        " 01...... Coding standard............... reserved for other international standards"}},
    {"CallStateRestartNetworkStandardRu", CALL_STATE, 0x14, -1, "FE", Ru, false,
     head("00010100", kManRu, " Состояние вызова", "00000001", "1", Ru) + Lines{
        " ..111110 Сост.вызова/сост.интерфейса... резерв/РЕСТ 2 - рестарт",
        " 11...... Стандартное кодирование....... стандарт, определенный для сети (или общей или частной), представленный на сетевой стороне интерфейса"}},
    {"CallStateInitiatedRu", CALL_STATE, 0x14, -1, "81", Ru, false,
     head("00010100", kManRu, " Состояние вызова", "00000001", "1", Ru) + Lines{
        " ..000001 Сост.вызова/сост.интерфейса... состояние пользователя U1 - Инициализированный Вызов , состояние сети - N1 - Инициализированный Вызов/резерв",
        " 10...... Стандартное кодирование....... национальный стандарт"}},
    {"CallStateEmpty", CALL_STATE, 0x14, -1, "", En, false,
     head("00010100", kManEn, " Call state", "00000000", "0", En) + Lines{kMistakeEn}},
    // --- Cause (08) ---
    {"CauseMandatory", CAUSE, 0x08, -1, "8090", En, true, cause_head(En, true, "00000010", "2") + kCause8090En},
    // Cause 16 has a diagnostic row in Russian only.
    {"CauseDiagnosticRu", CAUSE, 0x08, -1, "809081", Ru, false, cause_head(Ru, false, "00000011", "3") + kCause8090Ru + Lines{
        " .0000001 Диагностика................... перегрузка рабочих условий",
        kNoExtRu}},
    {"CauseNoEnglishDiagnostic", CAUSE, 0x08, -1, "809081", En, false, cause_head(En, false, "00000011", "3") + kCause8090En},
    // The diagnostic octet's extension line says "no extension" whatever its bit 8.
    {"CauseMessageTypeDiagnostic", CAUSE, 0x08, -1, "82E205", En, false, cause_head(En, false, "00000011", "3") + kCause82E2En + Lines{
        " .0000101 Diagnostic(s).................  Message type",
        " 0....... Extension..................... no extension"}},
    // No diagnostic lines when the element ends after the cause value.
    {"CauseWithoutDiagnosticOctet", CAUSE, 0x08, -1, "82E2", En, false, cause_head(En, false, "00000010", "2") + kCause82E2En},
    {"CauseRecommendation", CAUSE, 0x08, -1, "008090", En, false, cause_head(En, false, "00000011", "3") + kCauseOctet3UserEn + Lines{
        kContEn,
        " .0000000 Recommendation................ Q.931",
        kNoExtEn,
        " .0010000 Cause Value................... Normal call clearing",
        kNoExtEn}},
    {"CauseRecommendationReservedRu", CAUSE, 0x08, -1, "2181E4", Ru, false, cause_head(Ru, false, "00000011", "3") + Lines{
        " ....0001 Определение места............. частная сеть, обслуживающая локального пользователя",
        " ...0.... Резерв........................ ",
        " .01..... Стандартное кодирование....... стандарт ISO/IEC",
        kContRu,
        " .0000001 Рекомендация.................. резерв",
        kNoExtRu,
        " .1100100 Значение причины.............. недопустимое содержание информационного элемента",
        kNoExtRu}},
    // Octet 3a with extension 0, octet 4 with extension 0: the element ends silently.
    {"Cause3aExtended", CAUSE, 0x08, -1, "000390", En, false, cause_head(En, false, "00000011", "3") + kCauseOctet3UserEn + Lines{kContEn}},
    {"CauseValueExtended", CAUSE, 0x08, -1, "801001", En, false, cause_head(En, false, "00000011", "3") + kCauseOctet3UserEn + Lines{kNoExtEn}},
    // Cause 88 differs between the languages, and has a diagnostic row in English only.
    {"Cause88", CAUSE, 0x08, -1, "80D801", En, false, cause_head(En, false, "00000011", "3") + kCauseOctet3UserEn + Lines{
        kNoExtEn,
        " .1011000 Cause Value................... Non-existent closed user group",
        kNoExtEn,
        " .0000001 Diagnostic(s).................  Incompatible parameter",
        " 0....... Extension..................... no extension"}},
    {"Cause88Ru", CAUSE, 0x08, -1, "80D801", Ru, false, cause_head(Ru, false, "00000011", "3") + Lines(kCause8090Ru.begin(), kCause8090Ru.begin() + 4) + Lines{
        " .1011000 Значение причины.............. несовместимое назначение",
        kNoExtRu}},
    // A cause value outside the table, with a diagnostic row in Russian only.
    {"CauseOutsideTable", CAUSE, 0x08, -1, "8AE700", En, false, cause_head(En, false, "00000011", "3") + Lines{
        " ....1010 Location...................... network beyond interworking point",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .1100111 Cause Value................... not a DSS1 cause value",
        kNoExtEn}},
    {"CauseOutsideTableRu", CAUSE, 0x08, -1, "8AE700", Ru, false, cause_head(Ru, false, "00000011", "3") + Lines{
        " ....1010 Определение места............. пункт взаимодействия",
        " ...0.... Резерв........................ ",
        " .00..... Стандартное кодирование....... стандарт CCITT",
        kNoExtRu,
        " .1100111 Значение причины.............. не принадлежит DSS1",
        kNoExtRu,
        " .0000000 Диагностика................... наименование параметра(ов)",
        " 0....... Расширение.................... нет расширения"}},
    {"CauseReservedLocationLocalStandard", CAUSE, 0x08, -1, "F6FF", En, false, cause_head(En, false, "00000010", "2") + Lines{
        " ....0110 Location...................... reserved",
        " ...1.... Spare......................... ",
        " .11..... Coding standard............... standard specific to identified location",
        kNoExtEn,
        " .1111111 Cause Value................... Interworking, unspecified",
        kNoExtEn}},
    {"CauseEmpty", CAUSE, 0x08, -1, "", En, true, cause_head(En, true, "00000000", "0") + Lines{kMistakeEn}},
    // --- Channel identification (18) ---
    {"ChannelBasicB1", CHANNEL_IDENTIFICATION, 0x18, -1, "89", En, false, channel_head(En, false, "00000001", "1") + Lines{
        " ......01 Information channel selection. B1 channel",
        " .....0.. D-channel indicator........... the channel identified is not the D-channel",
        " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
        " ...0.... Spare......................... ",
        " ..0..... Interface type................ basic interface",
        " .0...... Interface identifier present.. interface implicity identified",
        kNoExtEn}},
    {"ChannelBasicAnyDChannel", CHANNEL_IDENTIFICATION, 0x18, -1, "97", En, true, channel_head(En, true, "00000001", "1") + Lines{
        " ......11 Information channel selection. any channel",
        " .....1.. D-channel indicator........... the channel identified is the D-channel",
        " ....0... Preferred/exclusive........... indicated channel is preffered",
        " ...1.... Spare......................... ",
        " ..0..... Interface type................ basic interface",
        " .0...... Interface identifier present.. interface implicity identified",
        kNoExtEn}},
    {"ChannelTwoNumbers", CHANNEL_IDENTIFICATION, 0x18, -1, "A9838182", En, false, channel_head(En, false, "00000100", "4") + kA9En + k83En + Lines{
        " 1000000110000010 Channel number/slot number.... See Recommendation I.431"}},
    {"ChannelSlotMapNational", CHANNEL_IDENTIFICATION, 0x18, -1, "AAD50102", En, false, channel_head(En, false, "00000100", "4") + Lines{
        " ......10 Information channel selection. reserved",
        " .....0.. D-channel indicator........... the channel identified is not the D-channel",
        " ....1... Preferred/exclusive........... exclusive: only the indicated channel is acceptable",
        " ...0.... Spare......................... ",
        " ..1..... Interface type................ other interface: e.g. primary rate",
        " .0...... Interface identifier present.. interface implicity identified",
        kNoExtEn,
        " ....0101 Channel type/map element type. reserved",
        " ...1.... Number/map.................... channel is indicated by the slot map (Map) in the folowing octet(s)",
        " .10..... Coding standard............... national standard",
        kNoExtEn,
        " 0000000100000010 Channel number/slot number.... See Recommendation I.431"}},
    {"ChannelH0NetworkStandardRu", CHANNEL_IDENTIFICATION, 0x18, -1, "A8F6", Ru, false, channel_head(Ru, false, "00000010", "2") + Lines{
        " ......00 Выбор информационного канала.. канал не выбран",
        " .....0.. Индикатор D-канала............ идентифицированный канал - не D-канал",
        " ....1... Предпочтение/исключительность. исключительность: приемлем только выбранный канал",
        " ...0.... Резерв........................ ",
        " ..1..... Тип интерфейса................ другой интерфейс: в т.ч. первичный доступ",
        " .0...... Идентификация интерфейса...... неявно идентифицированный интерфейс",
        kNoExtRu,
        " ....0110 Тип канала/тип элемента табл.. блоки H0-канала",
        " ...1.... Номер/таблица................. канал обозначен таблицей в следующих октетах",
        " .11..... Стандартное кодирование....... стандарт, определенный для сети (или общий или частный), представленный на сетевой стороне интерфейса",
        kNoExtRu}},
    {"ChannelInterfaceIdentifier", CHANNEL_IDENTIFICATION, 0x18, -1, "E9818381", En, false, channel_head(En, false, "00000100", "4") + kE9En + Lines{
        " .0000001 Interface identifier.......... (BIN)",
        kNoExtEn} + k83En + Lines{kChannel81En}},
    // An identifier of two octets: both are shown, octet 3.2 follows the last one.
    {"ChannelIdentifierOfTwoOctets", CHANNEL_IDENTIFICATION, 0x18, -1, "E901828981", En, false, channel_head(En, false, "00000101", "5") + kE9En + Lines{
        " .0000001 Interface identifier.......... (BIN)",
        kContEn,
        " .0000010 Interface identifier.......... (BIN)",
        kNoExtEn,
        " ....1001 Channel type/map element type. H12-channel units",
        " ...0.... Number/map.................... channel is indicated by the number in the folowing octet",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        kChannel81En}},
    // Identifier announced but missing, or never ended: no octet 3.2 to read.
    {"ChannelIdentifierMissing", CHANNEL_IDENTIFICATION, 0x18, -1, "E9", En, false, channel_head(En, false, "00000001", "1") + kE9En},
    {"ChannelIdentifierNeverEnds", CHANNEL_IDENTIFICATION, 0x18, -1, "E90102", En, false, channel_head(En, false, "00000011", "3") + kE9En + Lines{
        " .0000001 Interface identifier.......... (BIN)",
        kContEn,
        " .0000010 Interface identifier.......... (BIN)",
        kContEn}},
    {"ChannelOctet3Extended", CHANNEL_IDENTIFICATION, 0x18, -1, "298381", En, false, channel_head(En, false, "00000011", "3")},
    {"ChannelOctet32Extended", CHANNEL_IDENTIFICATION, 0x18, -1, "A90381", En, false, channel_head(En, false, "00000011", "3") + kA9En},
    // --- Progress indicator (1E) ---
    {"ProgressTransitLocationReserved", PROGRESS_INDICATOR, 0x1E, -1, "8382", En, true, progress_head(En, true, "00000010", "2") + Lines{
        " ....0011 Location...................... reserved",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        kNoExtEn,
        " .0000010 Progress description.......... destination address is non-ISDN",
        kNoExtEn}},
    {"ProgressNetworkStandard", PROGRESS_INDICATOR, 0x1E, -1, "E181", En, false, progress_head(En, false, "00000010", "2") + Lines{
        " ....0001 Location...................... private network serving the local user",
        " ...0.... Spare......................... ",
        " .11..... Coding standard............... standard defined for the network (either public or private) present on the network side of the interface",
        kNoExtEn,
        " .0000001 Progress description.......... call is not end-to-end ISDN: futher progress information may be available in-band",
        kNoExtEn}},
    {"ProgressReservedDescriptionRu", PROGRESS_INDICATOR, 0x1E, -1, "BA85", Ru, true, progress_head(Ru, true, "00000010", "2") + Lines{
        " ....1010 Определение места............. сеть вне пункта взаимодействия",
        " ...1.... Резерв........................ ",
        " .01..... Стандартное кодирование....... зарезервирован для других международных стандартов",
        kNoExtRu,
        " .0000101 Описание изменения............ резерв",
        kNoExtRu}},
    {"ProgressOctet3Extended", PROGRESS_INDICATOR, 0x1E, -1, "0288", En, false, progress_head(En, false, "00000010", "2")},
    {"ProgressOctet4Extended", PROGRESS_INDICATOR, 0x1E, -1, "8208", En, false, progress_head(En, false, "00000010", "2") + kProgress82En},
    // --- Notification indicator (27): always mandatory, no length line ---
    {"NotificationSuspended", NOTIFICATION_INDICATOR, 0x27, -1, "80", En, false, {
        " 00100111 Mandatory parameter........... Notification indicator",
        " Notification indicator",
        " .0000000 Notification description...... user suspended",
        kNoExtEn}},
    {"NotificationReservedRu", NOTIFICATION_INDICATOR, 0x27, -1, "83", Ru, false, {
        " 00100111 Обязательный параметр......... Индикатор уведомления",
        " Индикатор уведомления",
        " .0000011 Описание уведомления.......... резерв",
        kNoExtRu}},
    {"NotificationExtended", NOTIFICATION_INDICATOR, 0x27, -1, "00", En, false, {
        " 00100111 Mandatory parameter........... Notification indicator",
        " Notification indicator"}},
    // A cut element says so instead of decoding what there is.
    {"NotificationCut", NOTIFICATION_INDICATOR, 0x27, 2, "80", En, false, {
        " 00100111 Mandatory parameter........... Notification indicator",
        " Notification indicator",
        kMistakeEn}},
    // --- Restart indicator (79): always mandatory ---
    {"RestartAllInterfaces", RESTART_INDICATOR, 0x79, -1, "87", En, false,
     head("01111001", kManEn, " Restart indicator", "00000001", "1", En) + Lines{
        " .....111 Class......................... all interfaces",
        " .0000... Spare......................... ",
        kNoExtEn}},
    {"RestartReserved", RESTART_INDICATOR, 0x79, -1, "81", En, false,
     head("01111001", kManEn, " Restart indicator", "00000001", "1", En) + Lines{
        " .....001 Class......................... reserved",
        " .0000... Spare......................... ",
        kNoExtEn}},
    {"RestartIndicatedChannelsRu", RESTART_INDICATOR, 0x79, -1, "F8", Ru, false,
     head("01111001", kManRu, " Индикатор рестарта", "00000001", "1", Ru) + Lines{
        " .....000 Класс......................... обозначенные каналы",
        " .1111... Резерв........................ ",
        kNoExtRu}},
    {"RestartExtended", RESTART_INDICATOR, 0x79, -1, "06", En, false, head("01111001", kManEn, " Restart indicator", "00000001", "1", En)},
    // --- single-octet elements ---
    {"MoreData", MORE_DATA, 0xA0, -1, "A0", En, false, {
        " 10100000 Optional parameter............ More data",
        " More data",
        " .0100000 Identif.information element... 0100000",
        " 1....... Single octet inform.element... 1"}},
    // Optional in its header even in first place of a SETUP.
    {"SendingComplete", SENDING_COMPLETE, 0xA1, -1, "A1", En, true, {
        " 10100001 Optional parameter............ Sending complete",
        " Sending complete",
        " .0100001 Identif.information element... 0100001",
        " 1....... Single octet inform.element... 1"}},
    {"CongestionReserved", CONGESTION_LEVEL, 0xB5, -1, "B5", En, true, {
        " 10110101 Mandatory parameter........... Congestion level",
        " Congestion level",
        " ....0101 Congestion level.............. reserved",
        " .011.... Identif.information element... 011",
        " 1....... Single octet inform.element... 1"}},
    {"CongestionReceiverNotReadyRu", CONGESTION_LEVEL, 0xBF, -1, "BF", Ru, true, {
        " 10111111 Обязательный параметр......... Уровень перегрузки",
        " Уровень перегрузки",
        " ....1111 Уровень перегрузки............ приемник не готов",
        " .011.... Идентиф.информацион.элемента.. 011",
        " 1....... Однобайтовый информ.элемент... 1"}},
    // --- Date/time (29) ---
    {"DateTime", DATA_TIME, 0x29, -1, "020C1F173B", En, false, head("00101001", kOptEn, " Data/time", "00000101", "5", En) + Lines{
        " 00000010 Year.......................... 2 Dec",
        " 00001100 Month......................... 12 Dec",
        " 00011111 Day........................... 31 Dec",
        " 00010111 Hour.......................... 23 Dec",
        " 00111011 Minute........................ 59 Dec"}},
    // The sixth octet, the second, is not shown.
    {"DateTimeWithSecondRu", DATA_TIME, 0x29, -1, "630C1F173B2D", Ru, false, head("00101001", kOptRu, " Дата/время", "00000110", "6", Ru) + Lines{
        " 01100011 Год........................... 99 Dec",
        " 00001100 Месяц......................... 12 Dec",
        " 00011111 День.......................... 31 Dec",
        " 00010111 Час........................... 23 Dec",
        " 00111011 Минута........................ 59 Dec"}},
    // Fewer than five octets: the missing ones show an empty bit column and 0.
    {"DateTimeWithoutHourAndMinute", DATA_TIME, 0x29, -1, "FF0C1F", En, false, head("00101001", kOptEn, " Data/time", "00000011", "3", En) + Lines{
        " 11111111 Year.......................... 255 Dec",
        " 00001100 Month......................... 12 Dec",
        " 00011111 Day........................... 31 Dec",
        "  Hour.......................... 0 Dec",
        "  Minute........................ 0 Dec"}},
};
// clang-format on

class Elements : public testing::TestWithParam<Case> {};

TEST_P(Elements, Lines) {
    const Case& c = GetParam();
    EXPECT_EQ(decode_element(c.decode, c.id, c.length, c.contents, c.lang, c.mandatory), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Dss1, Elements, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every cut of every element (at every octet and half octet). Cut off by the end of the
// message (the length octet still announces the whole): every line is a line of the whole
// element's report or a MISTAKE line. Cut with a length octet that fits: every field line
// that is there is the line of that octet in the report of all the contents, nothing taken
// from elsewhere; a half octet is a MISTAKE.
TEST_P(Elements, EveryCut) {
    const Case& c = GetParam();
    const std::string contents = c.contents;
    const int announced = c.length < 0 ? static_cast<int>(contents.size() / 2) : c.length;
    const int own = static_cast<int>(contents.size() / 2);
    const Lines whole = decode_element(c.decode, c.id, announced, contents, c.lang, c.mandatory);
    const Lines all = decode_element(c.decode, c.id, own, contents, c.lang, c.mandatory);
    const auto in = [](const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    const bool single_octet =
        c.decode == MORE_DATA || c.decode == SENDING_COMPLETE || c.decode == CONGESTION_LEVEL;
    for (std::size_t k = 0; k < contents.size(); ++k) {
        const std::string cut = contents.substr(0, k);
        for (const std::string& line : decode_element(c.decode, c.id, announced, cut, c.lang, c.mandatory)) {
            EXPECT_TRUE(in(whole, line) || mistake_line(line)) << "cut at " << k << ": " << line;
        }
        const Lines fitting =
            decode_element(c.decode, c.id, static_cast<int>(k / 2), cut, c.lang, c.mandatory);
        if (k % 2 == 1 && !single_octet) {
            EXPECT_TRUE(mistake_line(fitting.back())) << "half octet at " << k;
        }
        // Date/time alone prints its missing octets, with an empty bit column and 0.
        if (c.decode == DATA_TIME) continue;
        for (std::size_t i = c.decode == NOTIFICATION_INDICATOR ? 2 : 3; i < fitting.size(); ++i) {
            const std::string& line = fitting[i];
            const bool channel_number = line.find("Channel number/slot") != std::string::npos ||
                                        line.find("Номер канала/номер слота") != std::string::npos;
            if (field_line(line) && !channel_number) {
                EXPECT_TRUE(in(all, line)) << "length " << k / 2 << ": " << line;
            }
        }
    }
}

// The element table: one row per identifier, in identifier order, and a decoder for every
// element of the basic call.
TEST(ElementTable, OrderedAndComplete) {
    const auto table = element_decoders();
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].id, table[i].id) << "row " << i;
    for (unsigned id : {0x08u, 0x10u, 0x14u, 0x18u, 0x1Eu, 0x27u, 0x28u, 0x29u, 0x2Cu, 0x6Cu, 0x6Du, 0x70u,
                        0x71u, 0x79u, 0xA0u, 0xA1u, 0xB0u})
        EXPECT_NE(find_decoder(table, id), nullptr) << std::hex << id;
}

}  // namespace
}  // namespace tarn::dss1
