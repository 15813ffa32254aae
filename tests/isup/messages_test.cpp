// Whole ISUP messages, typed as the operator types them: the circuit group messages with
// their range and status, IAM with user service information, SUS, RES, CPG, REL, the
// parameters a message passes over, and the Display information (73) of ANM and REL.
#include <gtest/gtest.h>

#include <string>

#include "isup/isup_case.hpp"

namespace tarn::isup::test {
namespace {

struct MessageCase {
    const char* name;
    const char* hex;
    Lang lang;
    Lines tail;  // the last lines of the report
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class IsupMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(IsupMessages, Tail) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(last(message_lines(c.hex, c.lang), c.tail.size()), c.tail);
}

// clang-format off
const MessageCase kMessages[] = {
    // Circuit group reset: range 31, no status octet.
    {"GrsRange31", "C581400030D30017 01 01 1F", En, {" 00010111 Message Type.................. CIRCUIT GROUP RESET (GRS)",
      " Range and status", " 00000001 Length........................ 1 Dec", " 00011111 Range......................... "}},
    // Blocking: the supervision type, then range 7 and its status octet.
    {"Cgb", "C581400030D30018 00 01 02 07FF", En, {" 00011000 Message Type.................. CIRCUIT GROUP BLOCKING (CGB)",
      " Circuit group supervision message type", " ......00 Indicator..................... maintenance oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00000111 Range......................... ", " 11111111 Status........................ 0 - no indication, 1 - blocking"}},
    // Blocking acknowledgement: range 31 with its four status octets.
    {"CgbaRange31Ru", "C581400030D3001A 00 01 05 1F FFFFFF7F", Ru,
     {" 00011010 Тип сообщения................. ПОДТВЕРЖДЕНИЕ БЛОКИРОВКИ ГРУППЫ КАНАЛОВ (CGBA)",
      " Тип сообщения по наблюдению за группой каналов",
      " ......00 Индикатор..................... ориентированность на техническое обслуживание",
      " 000000.. Резерв........................ ", " Диапазон и состояние", " 00000101 Длина......................... 5 Dec",
      " 00011111 Диапазон...................... ",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 01111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки"}},
    // Unblocking acknowledgement: range 31 but one status octet, shown as it stands.
    {"CguaCountMismatch", "C581400030D3001B 01 01 02 1F 0F", En,
     {" 00011011 Message Type.................. CURCUIT GROUP UNBLOCKING ACKNOWLEDGEMENT (CGUA)",
      " Circuit group supervision message type", " ......01 Indicator..................... hardware failure oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00011111 Range......................... ",
      " 00001111 Status........................ 0 - no indication, 1 - unblocking asknowledgement"}},
    // Initial address: the called party number, then 3.1 kHz audio.
    {"IamAudioRu", "C581400030D30001 00 2001 0A 03 02 06 04 83102143 1D 03 9090A3 00", Ru,
     {" 00000010 Указатель..................... 2 Dec", " 00000110 Указатель начала необ.парам... 6 Dec",
      " Номер вызываемого абонента", " 00000100 Длина......................... 4 Dec",
      " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
      " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов", " ....0000 Резерв........................ ",
      " .001.... Индикатор плана нумерации..... план нумерации ISDN (Телефония) (Recommendation E.164)",
      " 0....... Инд.внутреннего номера сети... маршрутизация по внутреннему номеру разрешена",
      " ******** Адресные сигналы.............. 123",
      " 00011101 Необязательный параметр....... Информация по услуге пользователю",
      " Информация по услуге пользователю", " 00000011 Длина......................... 3 Dec", " 3 октет",
      " ...10000 Возможн.пересылки информации.. аудио в полосе 3.1 кГц",
      " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
      " 1....... Расширение.................... нет расширения", " 4 октет",
      " ...10000 Скорость передачи информации.. 64 кБит/с",
      " .00..... Режим передачи................ режим каналов", " 1....... Расширение.................... нет расширения",
      " 5 октет", " ...00011 Протокол инф.польз. 1 уровня.. Рекомендация G.711 A-закон",
      " .01..... Идентификатор 1 уровня........ 01", " 1....... Расширение.................... нет расширения", kKonets}},
    // Suspend (network initiated) with an empty optional part; Resume without its end octet.
    {"SusRu", "C581400030D3000D 01 01 00", Ru, {" 00001101 Тип сообщения................. ВЫЗОВ ВРЕМЕННО ОТЛОЖЕН (SUS)",
      " Индикаторы приостановки/возобновления", " .......1 Индикатор..................... инициировано сетью",
      " 0000000. Резерв........................ ", " 00000001 Указатель начала необ.парам... 1 Dec", kKonets}},
    {"Res", "C581400030D3000E 00 00", En, {" 00001110 Message Type.................. RESUME (RES)",
      " Suspend/resume indicators", " .......0 Suspend/resume indicator...... ISDN subscriber initiated",
      " 0000000. Spare......................... ", " 00000000 Pointer to start of opt.part.. 0 Dec"}},
    // Call progress: event information, then a connected number without address signals.
    {"Cpg", "C581400030D3002C 82 01 21 02 0313 00", En, {" 00101100 Message Type.................. CALL PROGRESS (CPG)",
      " Event information", " .0000010 Event indicator............... PROGRESS",
      " 1....... Event present.restricted ind.. presentation restricted",
      " 00000001 Pointer to start of opt.part.. 1 Dec", " 00100001 Optional parameter............ Connected number",
      " Connected number", " 00000010 Length........................ 2 Dec",
      " .0000011 Nature of address indicator... national (significant) number",
      " 0....... Odd/even indicator............ even number of address signals",
      " ......11 Screening indicator........... network provided",
      " ....00.. Address present.restrict.ind.. presentation allowed",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", kEnd}},
    // Release: normal call clearing, then signalling point code and congestion level 2.
    {"Rel", "C581400030D3000C 02 04 02 8090 1E 02 1234 27 01 02 00", En, {" 00001100 Message Type.................. RELEASE (REL)",
      " 00000010 Pointer....................... 2 Dec", " 00000100 Pointer to start of opt.part.. 4 Dec",
      " Cause indicators", " 00000010 Length........................ 2 Dec",
      " ....0000 Location...................... user", " ...0.... Spare......................... ",
      " .00..... Coding standard............... CCITT standardized coding as described below",
      " 1....... Extension indicator........... last octet",
      " .0010000 Cause value................... Normal call clearing", " 1....... Extension indicator........... last octet",
      " 00011110 Optional parameter............ Signalling point code (national use)",
      " Signalling point code (national use)", " 00000010 Length........................ 2 Dec",
      " ******** Information elements.......... 1234 Hex",
      " 00100111 Optional parameter............ Automatic congestion level", " Automatic congestion level",
      " 00000001 Length........................ 1 Dec",
      " 00000010 Automatic congestion level.... congestion level 2 exceeded", kEnd}},
    // Optional parameters outside the message's set are passed over by their length: Call
    // diversion information (36) in CON and ANM, not in ACM.
    {"AcmDiversionRu", "C581400030D30006 1614 01 36 01 1A 00", Ru, {" 00000001 Указатель начала необ.парам... 1 Dec",
      " 00110110 Необязательный параметр....... Информация о перенаправлении вызова",
      " Информация о перенаправлении вызова", " 00000001 Длина......................... 1 Dec",
      " .....010 Опции уведомления абонента.... представление разрешено с номером перенаправления",
      " .0011... Причина перенаправления....... безусловное перенаправление", " 0....... Резерв........................ ", kKonets}},
    {"ConPassesOverDiversion", "C581400030D30007 1614 01 36 01 1A 40 01 01 00", En, {
      " 00000001 Pointer to start of opt.part.. 1 Dec", " 01000000 Optional parameter............ Redirection number restriction parameter",
      " Redirection number restriction parameter", " 00000001 Length........................ 1 Dec",
      " ......01 Presentation restricted ind... presentation restricted", " 000000.. Spare......................... ", kEnd}},
    {"AnmPassesOverDiversion", "C581400030D30009 01 36 01 1A 33 01 AB 00", En, {
      " 00001001 Message Type.................. ANSWER (ANM)", " 00000001 Pointer to start of opt.part.. 1 Dec",
      " 00110011 Optional parameter............ Service activation", " Service activation",
      " 00000001 Length........................ 1 Dec", " ******** Information elements.......... AB Hex", kEnd}},
    // Display information: the DSS1 Display element inside Answer and Release.
    {"DisplayAnm", "C581400030D30009 01 73 03 414243 00", En, {
        " 00000001 Pointer to start of opt.part.. 1 Dec", " 01110011 Optional parameter............ Display",
        " Display", " 00000011 Length........................ 3 Dec",
        " ******** Information elements (IA5).... ABC", kEnd}},
    {"DisplayAnmRu", "C581400030D30009 01 73 02 C0FF 00", Ru, {
        " 01110011 Необязательный параметр....... Отображение информации", " Отображение информации",
        " 00000010 Длина......................... 2 Dec", " ******** Информационные элементы (IA5). Ая", kKonets}},
    {"DisplayRel", "C581400030D3000C 02 04 02 8090 73 01 41 00", En, {
        " 01110011 Optional parameter............ Display", " Display",
        " 00000001 Length........................ 1 Dec", " ******** Information elements (IA5).... A", kEnd}},
    // A cut Display: the length check of the DSS1 element.
    {"DisplayCut", "C581400030D30009 01 73 03 4142", En, {
        " 01110011 Optional parameter............ Display", " Display",
        " 00000011 Length........................ 3 Dec", kMistake}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Whole, IsupMessages, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// An Initial address message does not carry code 73: it is passed over by its length.
TEST(IsupDisplay, InitialAddressPassesItOver) {
    const Lines lines =
        message_lines("C581400030D300010020010A00020907031094153254760A06831394755604 73 01 41 00", En);
    EXPECT_EQ(last(lines, 2), (Lines{" ******** Address signal................ 4957654", kEnd}));
    for (const std::string& line : lines) EXPECT_EQ(line.find("Display"), std::string::npos) << line;
}

}  // namespace
}  // namespace tarn::isup::test
