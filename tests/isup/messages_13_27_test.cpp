// Whole messages that carry the parameters 13 to 27, typed as a single message, in both
// readings: the circuit group messages with their range and status, IAM with redirection
// information, closed user group and user service information, SUS, RES, CPG, ANM, CON
// and REL; and every prefix of each of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "isup/isup.hpp"
#include "isup/isup_case.hpp"
#include "run/run.hpp"

namespace tarn::isup::test {
namespace {

// The header, frame and message type lines of a message C5 8140 0030 D300 <type>, typed
// as `typed`: DPC 0081, OPC 0001, SLS 3, CIC D3 (trunk 6, channel 19).
Lines frame(Lang lang, const std::string& typed, const std::string& type_line) {
    if (lang == En)
        return {"",
                " MESSAGE ISDN-ISUP SS#7 (Q.767 - Whitebook): " + typed,
                " ....0101 Service indicator............. ISUP ISDN user part",
                " ..00.... Spare......................... ",
                " 11...... Network indicator............. Local (or zonal)",
                " ******** Destination point code (DPC).. 0081 Hex",
                " ******** Origination point code (OPC).. 0001 Hex",
                " 0011.... Signalling link selection..... 3 Dec",
                " 11010011 Circuit identification code... D3 Hex",
                " 0000.... Spare.........................",
                " ....0000 Circuit identification code... 0 Hex (if used E1: trunk # 6, channel # 19)",
                " " + type_line};
    return {"",
            " СООБЩЕНИЕ ISDN-ISUP SS#7 (ISUP-R): " + typed,
            " ....0101 Индикатор службы.............. Подсистема пользователя ISUP ISDN",
            " ..00.... Резерв........................ ",
            " 11...... Индикатор сети................ Местная (или зональная)",
            " ******** Код пункта назначения (DPC)... 0081 Hex",
            " ******** Код исходящего пункта (OPC)... 0001 Hex",
            " 0011.... Выбор сигнального соединения.. 3 Dec",
            " 11010011 Код идентификации канала...... D3 Hex",
            " 0000.... Резерв........................",
            " ....0000 Код идентификации канала...... 0 Hex (если используется E1: поток # 6, канал # 19)",
            " " + type_line};
}

// One message: its typed text, the reading, the message type line (bits, label and name),
// and the lines after it. `tail`: the report ends with these lines (the parameters before
// them belong to other decoders); otherwise the report is the frame and these lines.
struct MessageCase {
    const char* name;
    const char* typed;
    Lang lang;
    std::string type_line;
    Lines lines;
    bool tail = false;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

Lines decode_typed(const std::string& typed, Lang lang) {
    Session session;
    session.settings.lang = lang;
    std::string box = typed;
    const SingleResult result = decode_single(session, box);
    EXPECT_TRUE(result.valid) << typed;
    return report_lines(result.report);
}

class Messages13To27 : public ::testing::TestWithParam<MessageCase> {};

TEST_P(Messages13To27, Lines) {
    const MessageCase& c = GetParam();
    const Lines lines = decode_typed(c.typed, c.lang);
    Lines expected = frame(c.lang, c.typed, c.type_line);
    if (c.tail) {
        ASSERT_GE(lines.size(), expected.size() + c.lines.size());
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(expected.size())),
                  expected);
        EXPECT_EQ(Lines(lines.end() - static_cast<std::ptrdiff_t>(c.lines.size()), lines.end()), c.lines);
        return;
    }
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(lines, expected);
}

const std::string kEnd = " 00000000 Optional parameters........... End";
const std::string kKonec = " 00000000 Необязательный параметр....... Конец";

// clang-format off
const Lines kIamEnPointers = {" 00000010 Pointer....................... 2 Dec", " 00000110 Pointer to start of opt.part.. 6 Dec",
    " Called party number", " 00000100 Length........................ 4 Dec",
    " .0000011 Nature of address indicator... national (significant) number",
    " 1....... Odd/even indicator............ odd number of address signals", " ....0000 Spare......................... ",
    " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
    " 0....... Internal network number ind... routing to internal network number allowed",
    " ******** Address signal................ 123"};
const Lines kIamRuPointers = {" 00000010 Указатель..................... 2 Dec", " 00000110 Указатель начала необ.парам... 6 Dec",
    " Номер вызываемого абонента", " 00000100 Длина......................... 4 Dec",
    " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
    " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов", " ....0000 Резерв........................ ",
    " .001.... Индикатор плана нумерации..... план нумерации ISDN (Телефония) (Recommendation E.164)",
    " 0....... Инд.внутреннего номера сети... маршрутизация по внутреннему номеру разрешена",
    " ******** Адресные сигналы.............. 123"};

Lines join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Lines kBearerOctets3And4En = {" 3 octet", " ...00000 Inform. transfer capability... speech",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    " 1....... Extension..................... no extension", " 4 octet",
    " ...10000 Information transfer rate..... 64 kbits/s", " .00..... Transfer mode................. circuit mode",
    " 1....... Extension..................... no extension"};
const Lines kBearerALawEn = {" 5 octet", " ...00011 User inform.layer 1 protocol.. Recommendation G.711 A-law",
    " .01..... Layer 1 identification........ 01", " 1....... Extension..................... no extension"};
const Lines kBearerALawRu = {" 5 октет", " ...00011 Протокол инф.польз. 1 уровня.. Рекомендация G.711 A-закон",
    " .01..... Идентификатор 1 уровня........ 01", " 1....... Расширение.................... нет расширения"};
const Lines kBearer4Ru = {" 4 октет", " ...10000 Скорость передачи информации.. 64 кБит/с",
    " .00..... Режим передачи................ режим каналов", " 1....... Расширение.................... нет расширения"};

const char* const kIamFull = "C581400030D30001 00 2001 0A 00 02 06 04 83102143 13 02 0301 1A 04 12345678 1D 03 8090A3 00";
const char* const kIamAudio = "C581400030D30001 00 2001 0A 03 02 06 04 83102143 1D 03 9090A3 00";
const char* const kIamV110 = "C581400030D30001 00 2001 0A 02 02 06 04 83102143 1D 05 8890210FC0 00";

const MessageCase kMessages[] = {
    // Circuit group reset: range 31, no status octet.
    {"GrsRange31", "C581400030D30017 01 01 1F", En, "00010111 Message Type.................. CIRCUIT GROUP RESET (GRS)",
     {" Range and status", " 00000001 Length........................ 1 Dec", " 00011111 Range......................... "}},
    {"GrsRange31Ru", "C581400030D30017 01 01 1F", Ru, "00010111 Тип сообщения................. СБРОС ГРУППЫ КАНАЛОВ (GRS)",
     {" Диапазон и состояние", " 00000001 Длина......................... 1 Dec", " 00011111 Диапазон...................... "}},
    // Reset acknowledgement: range 1, one status octet.
    {"GraRange1", "C581400030D30029 01 02 01 02", En, "00101001 Message Type.................. CIRCUIT GROUP RESET ACKNOWLEDGEMENT (GRA)",
     {" Range and status", " 00000010 Length........................ 2 Dec", " 00000001 Range......................... ",
      " 00000010 Status........................ 0 - not blocked for maintenance reasons, 1 - blocked for maintenance reasons"}},
    {"GraRange1Ru", "C581400030D30029 01 02 01 02", Ru, "00101001 Тип сообщения................. ПОДТВЕРЖДЕНИЕ СБРОСА ГРУППЫ КАНАЛОВ (GRA)",
     {" Диапазон и состояние", " 00000010 Длина......................... 2 Dec", " 00000001 Диапазон...................... ",
      " 00000010 Состояние..................... 0 - нет блокировки для технического обслуживания, 1 - блокировка для технического обслуживания"}},
    // Blocking: the supervision type, then range 7 and its status octet.
    {"Cgb", "C581400030D30018 00 01 02 07FF", En, "00011000 Message Type.................. CIRCUIT GROUP BLOCKING (CGB)",
     {" Circuit group supervision message type", " ......00 Indicator..................... maintenance oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00000111 Range......................... ", " 11111111 Status........................ 0 - no indication, 1 - blocking"}},
    {"CgbRu", "C581400030D30018 00 01 02 07FF", Ru, "00011000 Тип сообщения................. БЛОКИРОВКА ГРУППЫ КАНАЛОВ (CGB)",
     {" Тип сообщения по наблюдению за группой каналов",
      " ......00 Индикатор..................... ориентированность на техническое обслуживание",
      " 000000.. Резерв........................ ", " Диапазон и состояние", " 00000010 Длина......................... 2 Dec",
      " 00000111 Диапазон...................... ", " 11111111 Состояние..................... 0 - нет индикации, 1 - блокировка"}},
    // Unblocking: range 0 (one circuit).
    {"CguRange0", "C581400030D30019 01 01 02 0001", En, "00011001 Message Type.................. CIRCUIT GROUP UNBLOCKING (CGU)",
     {" Circuit group supervision message type", " ......01 Indicator..................... hardware failure oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00000000 Range......................... ", " 00000001 Status........................ 0 - no indication, 1 - unblocking"}},
    {"CguRange0Ru", "C581400030D30019 01 01 02 0001", Ru, "00011001 Тип сообщения................. РАЗБЛОКИРОВКА ГРУППЫ КАНАЛОВ (CGU)",
     {" Тип сообщения по наблюдению за группой каналов",
      " ......01 Индикатор..................... ориентированность на отказ аппаратной части",
      " 000000.. Резерв........................ ", " Диапазон и состояние", " 00000010 Длина......................... 2 Dec",
      " 00000000 Диапазон...................... ", " 00000001 Состояние..................... 0 - нет индикации, 1 - разблокировка"}},
    // Blocking acknowledgement: range 31 with its four status octets.
    {"CgbaRange31", "C581400030D3001A 00 01 05 1F FFFFFF7F", En,
     "00011010 Message Type.................. CURCUIT GROUP BLOCKING ACKNOWLEDGEMENT (CGBA)",
     {" Circuit group supervision message type", " ......00 Indicator..................... maintenance oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000101 Length........................ 5 Dec",
      " 00011111 Range......................... ",
      " 11111111 Status........................ 0 - no indication, 1 - blocking asknowledgement",
      " 11111111 Status........................ 0 - no indication, 1 - blocking asknowledgement",
      " 11111111 Status........................ 0 - no indication, 1 - blocking asknowledgement",
      " 01111111 Status........................ 0 - no indication, 1 - blocking asknowledgement"}},
    {"CgbaRange31Ru", "C581400030D3001A 00 01 05 1F FFFFFF7F", Ru,
     "00011010 Тип сообщения................. ПОДТВЕРЖДЕНИЕ БЛОКИРОВКИ ГРУППЫ КАНАЛОВ (CGBA)",
     {" Тип сообщения по наблюдению за группой каналов",
      " ......00 Индикатор..................... ориентированность на техническое обслуживание",
      " 000000.. Резерв........................ ", " Диапазон и состояние", " 00000101 Длина......................... 5 Dec",
      " 00011111 Диапазон...................... ",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 11111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки",
      " 01111111 Состояние..................... 0 - нет индикации, 1 - подтверждение блокировки"}},
    // Unblocking acknowledgement: range 31 but one status octet, shown as it stands.
    {"CguaCountMismatch", "C581400030D3001B 01 01 02 1F 0F", En,
     "00011011 Message Type.................. CURCUIT GROUP UNBLOCKING ACKNOWLEDGEMENT (CGUA)",
     {" Circuit group supervision message type", " ......01 Indicator..................... hardware failure oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000010 Length........................ 2 Dec",
      " 00011111 Range......................... ",
      " 00001111 Status........................ 0 - no indication, 1 - unblocking asknowledgement"}},
    {"CguaCountMismatchRu", "C581400030D3001B 01 01 02 1F 0F", Ru,
     "00011011 Тип сообщения................. ПОДТВЕРЖДЕНИЕ РАЗБЛОКИРОВКИ ГРУППЫ КАНАЛОВ (CGUA)",
     {" Тип сообщения по наблюдению за группой каналов",
      " ......01 Индикатор..................... ориентированность на отказ аппаратной части",
      " 000000.. Резерв........................ ", " Диапазон и состояние", " 00000010 Длина......................... 2 Dec",
      " 00011111 Диапазон...................... ",
      " 00001111 Состояние..................... 0 - нет индикации, 1 - подтверждение разблокировки"}},
    // A Range and status cut inside its contents.
    {"CgbCut", "C581400030D30018 00 01 03 07FF", En, "00011000 Message Type.................. CIRCUIT GROUP BLOCKING (CGB)",
     {" Circuit group supervision message type", " ......00 Indicator..................... maintenance oriented",
      " 000000.. Spare......................... ", " Range and status", " 00000011 Length........................ 3 Dec",
      " MISTAKE: Invalid element format"}},

    // Initial address: redirection information, closed user group, speech.
    {"IamRedirectionCugSpeech", kIamFull, En, "00000001 Message Type.................. INITIAL ADDRESS (IAM)",
     join({kIamEnPointers,
           {" 00010011 Optional parameter............ Redirection information", " Redirection information",
            " 00000010 Length........................ 2 Dec", " .....011 Redirecting indicator......... call diverted",
            " ....0... Spare......................... ", " 0000.... Original redirection reason... unknown/not available",
            " .....001 Redirection counter........... 1 Dec", " ....0... Spare......................... ",
            " 0000.... Redirecting reason............ unknown/not available",
            " 00011010 Optional parameter............ Closed user group interlock code",
            " Closed user group interlock code", " 00000100 Length........................ 4 Dec",
            " ******** Network identity.............. 1234 Hex", " ******** Binary code................... 5678 Hex",
            " 00011101 Optional parameter............ User service information", " User service information",
            " 00000011 Length........................ 3 Dec"},
           kBearerOctets3And4En, kBearerALawEn, {kEnd}}),
     true},
    {"IamRedirectionCugSpeechRu", kIamFull, Ru, "00000001 Тип сообщения................. НАЧАЛЬНОЕ АДРЕСНОЕ СООБЩЕНИЕ (IAM)",
     join({kIamRuPointers,
           {" 00010011 Необязательный параметр....... Информация о перенаправлении", " Информация о перенаправлении",
            " 00000010 Длина......................... 2 Dec", " .....011 Перенаправляющий индикатор.... вызов отведен",
            " ....0... Резерв........................ ", " 0000.... Первонач.причина перенаправл.. неизвестна/недоступна",
            " .....001 Счетчик перенаправления....... 1 Dec", " ....0... Резерв........................ ",
            " 0000.... Причина перенаправления....... неизвестна/недоступна",
            " 00011010 Необязательный параметр....... Код взаимоблокировки в замкнутой группе пользователей",
            " Код взаимоблокировки в замкнутой группе пользователей", " 00000100 Длина......................... 4 Dec",
            " ******** Идентификатор сети............ 1234 Hex", " ******** Двоичный код.................. 5678 Hex",
            " 00011101 Необязательный параметр....... Информация по услуге пользователю",
            " Информация по услуге пользователю", " 00000011 Длина......................... 3 Dec",
            " 3 октет", " ...00000 Возможн.пересылки информации.. речь",
            " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
            " 1....... Расширение.................... нет расширения"},
           kBearer4Ru, kBearerALawRu, {kKonec}}),
     true},
    // 3.1 kHz audio.
    {"IamAudio", kIamAudio, En, "00000001 Message Type.................. INITIAL ADDRESS (IAM)",
     join({kIamEnPointers,
           {" 00011101 Optional parameter............ User service information", " User service information",
            " 00000011 Length........................ 3 Dec", " 3 octet",
            " ...10000 Inform. transfer capability... 3.1 kHz audio",
            " .00..... Coding standard............... CCITT standardized coding as described below",
            " 1....... Extension..................... no extension", " 4 octet",
            " ...10000 Information transfer rate..... 64 kbits/s", " .00..... Transfer mode................. circuit mode",
            " 1....... Extension..................... no extension"},
           kBearerALawEn, {kEnd}}),
     true},
    {"IamAudioRu", kIamAudio, Ru, "00000001 Тип сообщения................. НАЧАЛЬНОЕ АДРЕСНОЕ СООБЩЕНИЕ (IAM)",
     join({kIamRuPointers,
           {" 00011101 Необязательный параметр....... Информация по услуге пользователю",
            " Информация по услуге пользователю", " 00000011 Длина......................... 3 Dec", " 3 октет",
            " ...10000 Возможн.пересылки информации.. аудио в полосе 3.1 кГц",
            " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
            " 1....... Расширение.................... нет расширения"},
           kBearer4Ru, kBearerALawRu, {kKonec}}),
     true},
    // Unrestricted digital information, V.110 rate adaption at 56 kbit/s.
    {"IamV110", kIamV110, En, "00000001 Message Type.................. INITIAL ADDRESS (IAM)",
     join({kIamEnPointers,
           {" 00011101 Optional parameter............ User service information", " User service information",
            " 00000101 Length........................ 5 Dec", " 3 octet",
            " ...01000 Inform. transfer capability... unrestricted digital information",
            " .00..... Coding standard............... CCITT standardized coding as described below",
            " 1....... Extension..................... no extension", " 4 octet",
            " ...10000 Information transfer rate..... 64 kbits/s", " .00..... Transfer mode................. circuit mode",
            " 1....... Extension..................... no extension", " 5 octet",
            " ...00001 User inform.layer 1 protocol.. CCITT standardized rate adaption V.110/X.30.",
            " .01..... Layer 1 identification........ 01",
            " 0....... Extension..................... information continues in the next octet", " 5a octet",
            " ...01111 User rate..................... 56 kbit/s Recommendation V.6",
            " ..0..... Negotiation................... in-band negotiation not possible",
            " .0...... Synchronous/asynchronous...... synchronous",
            " 0....... Extension..................... information continues in the next octet", " 5b octet",
            " .......0 Spare......................... ",
            " ......0. Flow control on reception..... cannot accept data with flow control mechanism",
            " .....0.. Flow control on transmission.. not required to send data with flow control mechanism",
            " ....0... Netw.Ind.Clock on reception... cannot accept data with Network Independent Clock",
            " ...0.... Netw.Ind.Clock on Transmiss... not required to send data with Network Independent Clock",
            " .10..... Intermediate rate............. 16 kbit/s", " 1....... Extension..................... no extension",
            kEnd}}),
     true},
    {"IamV110Ru", kIamV110, Ru, "00000001 Тип сообщения................. НАЧАЛЬНОЕ АДРЕСНОЕ СООБЩЕНИЕ (IAM)",
     join({kIamRuPointers,
           {" 00011101 Необязательный параметр....... Информация по услуге пользователю",
            " Информация по услуге пользователю", " 00000101 Длина......................... 5 Dec", " 3 октет",
            " ...01000 Возможн.пересылки информации.. неограниченная цифровая информация",
            " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
            " 1....... Расширение.................... нет расширения"},
           kBearer4Ru,
           {" 5 октет",
            " ...00001 Протокол инф.польз. 1 уровня.. адаптация скорости V.110/X.30, стандартизованной CCITT",
            " .01..... Идентификатор 1 уровня........ 01",
            " 0....... Расширение.................... информация продолжается в следующем октете", " 5a октет",
            " ...01111 Скорость пользователя......... 56 кБит/с Рекомендация V.6",
            " ..0..... Переговоры.................... переговоры в диапазоне не возможны",
            " .0...... Синхронный/асинхронный........ синхронность",
            " 0....... Расширение.................... информация продолжается в следующем октете", " 5b октет",
            " .......0 Резерв........................ ",
            " ......0. Управление ходом приема....... не могут приниматься данные с помощью механизма управления ходом",
            " .....0.. Управление ходом передачи..... не требуется посылать данные с помощью механизма управления ходом",
            " ....0... NIC при приеме (Rx)........... нет возможности принимать данные с независимой синхронизацией коммутационного поля",
            " ...0.... NIC при передаче (Tx)......... не требуется посылать данные с независимой синхронизацией коммутационного поля",
            " .10..... Промежуточная скорость........ 16 кБит/с", " 1....... Расширение.................... нет расширения",
            kKonec}}),
     true},

    // Suspend (network initiated) with an empty optional part; Resume without its end octet.
    {"Sus", "C581400030D3000D 01 01 00", En, "00001101 Message Type.................. SUSPEND (SUS)",
     {" Suspend/resume indicators", " .......1 Suspend/resume indicator...... network initiated",
      " 0000000. Spare......................... ", " 00000001 Pointer to start of opt.part.. 1 Dec", kEnd}},
    {"SusRu", "C581400030D3000D 01 01 00", Ru, "00001101 Тип сообщения................. ВЫЗОВ ВРЕМЕННО ОТЛОЖЕН (SUS)",
     {" Индикаторы приостановки/возобновления", " .......1 Индикатор..................... инициировано сетью",
      " 0000000. Резерв........................ ", " 00000001 Указатель начала необ.парам... 1 Dec", kKonec}},
    {"Res", "C581400030D3000E 00 00", En, "00001110 Message Type.................. RESUME (RES)",
     {" Suspend/resume indicators", " .......0 Suspend/resume indicator...... ISDN subscriber initiated",
      " 0000000. Spare......................... ", " 00000000 Pointer to start of opt.part.. 0 Dec"}},
    {"ResRu", "C581400030D3000E 00 01 00", Ru, "00001110 Тип сообщения................. ВОЗОБНОВЛЕНИЕ ВЫЗОВА (RES)",
     {" Индикаторы приостановки/возобновления", " .......0 Индикатор..................... инициировано абонентом ISDN",
      " 0000000. Резерв........................ ", " 00000001 Указатель начала необ.парам... 1 Dec", kKonec}},

    // Call progress: event information, then a connected number without address signals.
    {"Cpg", "C581400030D3002C 82 01 21 02 0313 00", En, "00101100 Message Type.................. CALL PROGRESS (CPG)",
     {" Event information", " .0000010 Event indicator............... PROGRESS",
      " 1....... Event present.restricted ind.. presentation restricted",
      " 00000001 Pointer to start of opt.part.. 1 Dec", " 00100001 Optional parameter............ Connected number",
      " Connected number", " 00000010 Length........................ 2 Dec",
      " .0000011 Nature of address indicator... national (significant) number",
      " 0....... Odd/even indicator............ even number of address signals",
      " ......11 Screening indicator........... network provided",
      " ....00.. Address present.restrict.ind.. presentation allowed",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", kEnd}},
    {"CpgRu", "C581400030D3002C 01 01 00", Ru, "00101100 Тип сообщения................. ПРОХОЖДЕНИЕ ВЫЗОВА (CPG)",
     {" Информация события", " .0000001 Индикатор события............. информация выдана во время передачи вызывного сигнала",
      " 0....... Инд.огранич.представл.события. нет индикации", " 00000001 Указатель начала необ.парам... 1 Dec", kKonec}},

    // Answer and connect with a connected number of five signals (odd, filler 0).
    {"Anm", "C581400030D30009 01 21 05 8313214305 00", En, "00001001 Message Type.................. ANSWER (ANM)",
     {" 00000001 Pointer to start of opt.part.. 1 Dec", " 00100001 Optional parameter............ Connected number",
      " Connected number", " 00000101 Length........................ 5 Dec",
      " .0000011 Nature of address indicator... national (significant) number",
      " 1....... Odd/even indicator............ odd number of address signals",
      " ......11 Screening indicator........... network provided",
      " ....00.. Address present.restrict.ind.. presentation allowed",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", " ******** Address signal................ 12345", kEnd}},
    {"AnmRu", "C581400030D30009 01 21 05 8313214305 00", Ru, "00001001 Тип сообщения................. ОТВЕТ (ANM)",
     {" 00000001 Указатель начала необ.парам... 1 Dec", " 00100001 Необязательный параметр....... Подключенный номер",
      " Подключенный номер", " 00000101 Длина......................... 5 Dec",
      " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
      " 1....... Инд.четности/нечетности....... нечетное число адресных сигналов",
      " ......11 Индикатор отображения......... номер обеспечивается сетью",
      " ....00.. Инд.огранич.представл.номера.. предоставление разрешено",
      " .001.... Индикатор плана нумерации..... План нумерации ISDN (Телефония)",
      " 0....... Резерв........................ ", " ******** Адресные сигналы.............. 12345", kKonec}},
    {"Con", "C581400030D30007 1614 01 21 04 04112143 00", En, "00000111 Message Type.................. CONNECT (CON)",
     {" 00000001 Pointer to start of opt.part.. 1 Dec", " 00100001 Optional parameter............ Connected number",
      " Connected number", " 00000100 Length........................ 4 Dec",
      " .0000100 Nature of address indicator... international number",
      " 0....... Odd/even indicator............ even number of address signals",
      " ......01 Screening indicator........... user provided, verified passed",
      " ....00.. Address present.restrict.ind.. presentation allowed",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", " ******** Address signal................ 1234", kEnd},
     true},
    {"ConRu", "C581400030D30007 1614 01 21 04 04112143 00", Ru, "00000111 Тип сообщения................. СОЕДИНЕНИЕ (CON)",
     {" 00000001 Указатель начала необ.парам... 1 Dec", " 00100001 Необязательный параметр....... Подключенный номер",
      " Подключенный номер", " 00000100 Длина......................... 4 Dec",
      " .0000100 Индикатор типа адреса......... международный номер",
      " 0....... Инд.четности/нечетности....... четное число адресных сигналов",
      " ......01 Индикатор отображения......... номер обеспечивается оборудованием пользователя, проверяется и передается",
      " ....00.. Инд.огранич.представл.номера.. предоставление разрешено",
      " .001.... Индикатор плана нумерации..... План нумерации ISDN (Телефония)",
      " 0....... Резерв........................ ", " ******** Адресные сигналы.............. 1234", kKonec},
     true},

    // Release: normal call clearing, then signalling point code and congestion level 2.
    {"Rel", "C581400030D3000C 02 04 02 8090 1E 02 1234 27 01 02 00", En, "00001100 Message Type.................. RELEASE (REL)",
     {" 00000010 Pointer....................... 2 Dec", " 00000100 Pointer to start of opt.part.. 4 Dec",
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
    {"RelRu", "C581400030D3000C 02 04 02 8090 1E 02 1234 27 01 02 00", Ru, "00001100 Тип сообщения................. РАЗЪЕДИНЕНИЕ (REL)",
     {" 00000010 Указатель..................... 2 Dec", " 00000100 Указатель начала необ.парам... 4 Dec",
      " Индикаторы причины", " 00000010 Длина......................... 2 Dec",
      " ....0000 Определение места............. пользователь", " ...0.... Резерв........................ ",
      " .00..... Стандарт кодирования.......... стандарт CCITT",
      " 1....... Индикатор расширения.......... последний октет",
      " .0010000 Значение причины.............. нормальное освобождение",
      " 1....... Индикатор расширения.......... последний октет",
      " 00011110 Необязательный параметр....... Код пункта сигнализации (национальное использование)",
      " Код пункта сигнализации (национальное использование)", " 00000010 Длина......................... 2 Dec",
      " ******** Информационные элементы....... 1234 Hex",
      " 00100111 Необязательный параметр....... Уровень автоматической перегрузки", " Уровень автоматической перегрузки",
      " 00000001 Длина......................... 1 Dec",
      " 00000010 Уровень перегрузки............ превышение уровня перегрузки 2", kKonec}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Whole, Messages13To27, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// The circuit group query response (2A) is not a message type of this decoder: its report
// ends after the circuit identification code, with no message type line.
TEST(Messages13To27Types, QueryResponseIsNotDecoded) {
    for (Lang lang : {En, Ru}) {
        const std::string typed = "C581400030D3002A 02 03 01 03 00";
        Lines expected = frame(lang, typed, "");
        expected.pop_back();
        EXPECT_EQ(decode_typed(typed, lang), expected);
    }
}

// Every prefix of each message above: each line of the prefix's report is a line of the
// whole message's report, or the invalid-format line of a parameter cut short.
TEST(Messages13To27Prefixes, NoLineFromStaleValues) {
    for (const MessageCase& c : kMessages) {
        std::string hex;
        for (const char* p = c.typed; *p; ++p)
            if (*p != ' ') hex += *p;
        const std::string mistake =
            c.lang == En ? " MISTAKE: Invalid element format" : " ОШИБКА: недопустимый формат элемента";
        Context whole(c.lang, false, "T");
        DEC_SS(whole, hex);
        const Lines all = report_lines(whole.screen());
        for (std::size_t k = 1; k < hex.size(); ++k) {
            Context ctx(c.lang, false, "T");
            DEC_SS(ctx, std::string_view(hex).substr(0, k));
            const Lines part = report_lines(ctx.screen());
            ASSERT_LE(part.size(), all.size() + 1) << c.name << " " << k;
            for (const std::string& line : part) {
                const bool known = std::find(all.begin(), all.end(), line) != all.end();
                EXPECT_TRUE(known || line == mistake) << c.name << " " << k << ": " << line;
            }
        }
    }
}

}  // namespace
}  // namespace tarn::isup::test
