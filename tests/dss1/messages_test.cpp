// DSS1 messages decoded end to end, as typed in single-message mode.
#include <gtest/gtest.h>

#include <string>

#include "dss1/dss1_case.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using namespace test;

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
Lines type_line(Lang lang, const char* bits, const char* name) {
    return {" " + std::string(bits) + (lang == En ? " Message Type.................." : " Тип сообщения.................") + name};
}

const Lines kDisplayOkEn = head("00101000", kOptEn, " Display", "00000010", "2", En) + Lines{" ******** Information elements (IA5).... OK"};
const Lines kDisplayARu = head("00101000", kOptRu, " Отображение информации", "00000001", "1", Ru) + Lines{" ******** Информационные элементы (IA5). A"};

const Lines kProgress8288En = Lines{
    " ....0010 Location...................... public network serving the local user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " .0001000 Progress description.......... in-band information or appropriate pattern now available",
    kNoExtEn};
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
const Message kMessages[] = {
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
    {"RestartEn", "08 01 00 46 18 03 A9 83 81 79 01 86", En, 8, type_line(En, "01000110", " RESTART")
        + head("00011000", kOptEn, " Channel identification", "00000011", "3", En) + kA98381En
        + head("01111001", kManEn, " Restart indicator", "00000001", "1", En) + Lines{
        " .....110 Class......................... single interface",
        " .0000... Spare......................... ",
        kNoExtEn}},
    {"ResumeAcknowledgeChannelMandatoryRu", "08 01 81 2E 18 01 89 28 01 41", Ru, 8, type_line(Ru, "00101110", " ПОДТВЕРЖДЕНИЕ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ")
        + head("00011000", kManRu, " Идентификатор канала", "00000001", "1", Ru) + kChannel89Ru + kDisplayARu},
    // USER INFORMATION requires its User-user element: the header says mandatory.
    {"UserInformation", "080101207E03044142", En, 9, Lines{" 01111110 Mandatory parameter........... User to user information"} + from(kUserUserEn, 1)},
};
// clang-format on

class Messages : public testing::TestWithParam<Message> {};

TEST_P(Messages, Lines) {
    const Message& m = GetParam();
    Session session;
    session.settings.lang = m.lang;
    std::string box = m.typed;
    EXPECT_EQ(from(lines_of(decode_single(session, box).report), m.first), m.lines);
}

INSTANTIATE_TEST_SUITE_P(Dss1, Messages, testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarn::dss1
