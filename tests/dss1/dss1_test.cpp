// DSS1 message frame and message rules.
#include "dss1/dss1.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dss1/report_lines.hpp"
#include "report/context.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

// clang-format off
using Lines = std::vector<std::string>;

Lines single(Lang lang, std::string box) {
    Session s;
    s.settings.lang = lang;
    return test::lines_of(decode_single(s, box).report);
}

// The frame of a message typed as `typed` with the basic-rate call reference 01.
Lines frame_en(const std::string& typed) {
    return {"",
            " MESSAGE EDSS1 (ETS 300 102-1): " + typed,
            " 00001000 Protocol Discriminator........ Q.931",
            " 0000.... Spare......................... ",
            " ....0001 Length of call reference...... 1 Dec",
            " Call reference ",
            " .0000001 Call reference value.......... basic rate access",
            " 0....... Flag.......................... the message is sent from the side that originates the call reference"};
}
Lines frame_ru(const std::string& typed) {
    return {"",
            " СООБЩЕНИЕ EDSS1 (ETS 300 102-1): " + typed,
            " 00001000 Дискриминатор протокола....... Q.931",
            " 0000.... Резерв........................ ",
            " ....0001 Длина метки соединения........ 1 Dec",
            " Метка соединения",
            " .0000001 Значение метки соединения..... базовый доступ",
            " 0....... Флаг.......................... метка назначена исходящей стороной звена данных"};
}
Lines plus(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// --- frame ---

TEST(Dss1Frame, SetupAcknowledgeEnglish) {
    EXPECT_EQ(single(Lang::English, "0801010D"),
              plus(frame_en("0801010D"), {" 00001101 Message Type.................. SETUP ACKNOWLEDGE"}));
}

TEST(Dss1Frame, SetupAcknowledgeRussianAsTyped) {
    EXPECT_EQ(single(Lang::Russian, "  08 01 01 0d  "),
              plus(frame_ru("08 01 01 0d"), {" 00001101 Тип сообщения................. ЗАПРОС ПРИНЯТ"}));
}

TEST(Dss1Frame, MultiModeRussianPrimaryRate) {
    Session s;
    s.settings.lang = Lang::Russian;
    EXPECT_EQ(test::lines_of(decode_message(s, "0802800145FFFFFF")),
              (Lines{"",
                     " СООБЩЕНИЕ EDSS1 (ETS 300 102-1):  0802800145FFFFFF ",
                     " 00001000 Дискриминатор протокола....... Q.931 - управление соединениями ISDN в режиме коммутации каналов",
                     " 0000.... Резерв........................ ",
                     " ....0010 Длина метки соединения........ 2 Dec",
                     " Метка соединения",
                     " .0000000 Значение метки соединения..... первичный доступ",
                     " 1....... Флаг.......................... метка назначена удаленной стороной звена данных",
                     " 00000001 Значение метки соединения..... ",
                     " 01000101 Тип сообщения................. РАЗЪЕДИНИТЬ",
                     " ОШИБКА: отсутствует обязательный элемент"}));
}

TEST(Dss1Frame, MultiModeEnglish) {
    Session s;
    s.settings.lang = Lang::English;
    decode_multi(s, "  0801815A34018000  \r\n");
    const Lines lines = test::lines_of(s.txtBuffer);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], " MESSAGE EDSS1 (ETS 300 102-1):  0801815A34018000 ");
    EXPECT_EQ(lines[2], " 00001000 Protocol Discriminator........ Q.931");
    EXPECT_EQ(lines[7], " 1....... Flag.......................... the message is sent to the side that originates the call reference");
    EXPECT_EQ(lines[8], " 01011010 Message Type.................. RELEASE COMPLETE");
}

TEST(Dss1Frame, PrimaryRateEnglish) {
    const Lines lines = single(Lang::English, "08028A7F5A");
    EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
              (Lines{" ....0010 Length of call reference...... 2 Dec",
                     " Call reference",
                     " .0001010 Call reference value.......... primary rate access",
                     " 1....... Flag.......................... the message is sent to the side that originates the call reference",
                     " 01111111 Call reference value.......... ",
                     " 01011010 Message Type.................. RELEASE COMPLETE"}));
}

TEST(Dss1Frame, InvalidCallReferenceLengths) {
    EXPECT_EQ(single(Lang::English, "08004D"),
              (Lines{"",
                     " MESSAGE EDSS1 (ETS 300 102-1): 08004D",
                     " 00001000 Protocol Discriminator........ Q.931",
                     " 0000.... Spare......................... ",
                     " ....0000 MISTAKE: invalid length....... 0",
                     " 01001101 Message Type.................. RELEASE"}));
    EXPECT_EQ(single(Lang::Russian, "08F30102035A"),
              (Lines{"",
                     " СООБЩЕНИЕ EDSS1 (ETS 300 102-1): 08F30102035A",
                     " 00001000 Дискриминатор протокола....... Q.931",
                     " 1111.... Резерв........................ ",
                     " ....0011 ОШИБКА: неправильная длина.... 3",
                     " 01011010 Тип сообщения................. РЕСУРСЫ ОСВОБОЖДЕНЫ"}));
}

TEST(Dss1Frame, ShortMessagesAndUnknownType) {
    const Lines head = {"", " MESSAGE EDSS1 (ETS 300 102-1): 080",
                        " 00001000 Protocol Discriminator........ Q.931"};
    EXPECT_EQ(single(Lang::English, "080"), head);
    EXPECT_EQ(single(Lang::English, "08").size(), 3u);
    // The call reference value is incomplete: the report ends after the length line.
    EXPECT_EQ(single(Lang::English, "08010").size(), 5u);
    EXPECT_EQ(single(Lang::English, "0802800").size(), 5u);
    EXPECT_EQ(single(Lang::English, "080F0102").back(), " ....1111 MISTAKE: invalid length....... 15");
    // No message type, or one outside the table: the report ends with the call reference.
    EXPECT_EQ(single(Lang::English, "080101"), frame_en("080101"));
    EXPECT_EQ(single(Lang::English, "08010199"), frame_en("08010199"));
    EXPECT_EQ(single(Lang::English, "0801010"), frame_en("0801010"));
}

struct TypeName {
    const char* code;
    const char* bits;
    const char* en;
    const char* ru;
};

const TypeName kTypeNames[] = {
    {"01", "00000001", " ALERTING", " ПЕРЕДАЧА ВЫЗЫВНОГО СИГНАЛА"},
    {"02", "00000010", " CALL PROCEEDING", " УСТАНОВЛЕНИЕ СОЕДИНЕНИЯ"},
    {"03", "00000011", " PROGRESS", " РАЗВИТИЕ"},
    {"05", "00000101", " SETUP", " ЗАПРОС СОЕДИНЕНИЯ"},
    {"07", "00000111", " CONNECT", " СОЕДИНЕНИЕ (ответ)"},
    {"0D", "00001101", " SETUP ACKNOWLEDGE", " ЗАПРОС ПРИНЯТ"},
    {"0F", "00001111", " CONNECT ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ОТВЕТА"},
    {"20", "00100000", " USER INFORMATION", " ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ"},
    {"21", "00100001", " SUSPEND REJECT", " ОТКАЗ ПРЕРЫВАНИЯ СОЕДИНЕНИЯ"},
    {"22", "00100010", " RESUME REJECT", " ОТКАЗ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ"},
    {"25", "00100101", " SUSPEND", " ПРЕРЫВАНИЕ СОЕДИНЕНИЯ"},
    {"26", "00100110", " RESUME", " ВОЗОБНОВЛЕНИЕ СОЕДИНЕНИЯ"},
    {"2D", "00101101", " SUSPEND ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ПРЕРЫВАНИЯ СОЕДИНЕНИЯ"},
    {"2E", "00101110", " RESUME ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ"},
    {"45", "01000101", " DISCONNECT", " РАЗЪЕДИНИТЬ"},
    {"46", "01000110", " RESTART", " РЕСТАРТ"},
    {"4D", "01001101", " RELEASE", " ОСВОБОДИТЬ РЕСУРСЫ"},
    {"4E", "01001110", " RESTART ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ РЕСТАРТА"},
    {"5A", "01011010", " RELEASE COMPLETE", " РЕСУРСЫ ОСВОБОЖДЕНЫ"},
    {"60", "01100000", " SEGMENT", " СЕГМЕНТ"},
    {"62", "01100010", " FACILITY", " ДОПОЛНИТЕЛЬНАЯ УСЛУГА"},
    {"6E", "01101110", " NOTIFY", " УВЕДОМЛЕНИЕ"},
    {"75", "01110101", " STATUS ENQUIRY", " ЗАПРОС СТАТУСА"},
    {"79", "01111001", " CONGESTION CONTROL", " УПРАВЛЕНИЕ ПРИ ПЕРЕГРУЗКЕ"},
    {"7B", "01111011", " INFORMATION", " ИНФОРМАЦИЯ"},
    {"7D", "01111101", " STATUS", " СТАТУС"},
};

TEST(Dss1Frame, MessageTypeNames) {
    for (const TypeName& type : kTypeNames) {
        const std::string box = std::string("080101") + type.code;
        EXPECT_EQ(single(Lang::English, box).at(8), std::string(" ") + type.bits + " Message Type.................." + type.en);
        EXPECT_EQ(single(Lang::Russian, box).at(8), std::string(" ") + type.bits + " Тип сообщения................." + type.ru);
    }
}

// --- message rules with the real decoders: lines that the rules write themselves ---

struct RuleLine {
    const char* name;
    const char* box;  // after the frame 080101
    const char* en;   // the lines after the message type line
    const char* ru;
};

const RuleLine kRuleLines[] = {
    {"SetupWithoutBearer", "0570028031", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"DisconnectWithoutCause", "45", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"SuspendRejectWithoutCause", "212801", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"ResumeAcknowledgeWithoutChannel", "2E", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"StatusWithoutCause", "7D140101", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"NotifyWithoutIndicator", "6E280141", " MISTAKE: mandatory element not present", " ОШИБКА: отсутствует обязательный элемент"},
    {"CongestionWithoutLevel", "7908028090", " MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"},
    {"ProgressWithoutIndicator", "033401800002",
     " MISTAKE: Progress indicator - mandatory element not present",
     " ОШИБКА: Индикатор изменения - отсутствует обязательный элемент"},
    {"UserInformationWithoutUserUser", "20",
     " MISTAKE: User to user information - mandatory element not present",
     " ОШИБКА: Информация от пользователя к пользователю - отсутствует обязательный элемент"},
    {"RestartWithoutIndicator", "46FF",
     " MISTAKE: Restart indicator - mandatory element not present",
     " ОШИБКА: Индикатор рестарта - отсутствует обязательный элемент"},
    {"RestartAcknowledgeWithoutIndicator", "4E",
     " MISTAKE: Restart indicator - mandatory element not present",
     " ОШИБКА: Индикатор рестарта - отсутствует обязательный элемент"},
    {"Segment", "60040280901C0100", " See ETS 300 102-1 (Annex K)", " См. ETS 300 102-1 (Annex K)"},
    {"Facility", "621C0100", " This message is defined in ETSI T/S 46-32B", " Это сообщение сформировано в ETSI T/S 46-32B"},
};

void PrintTo(const RuleLine& r, std::ostream* os) { *os << r.name; }

class Dss1RuleLines : public testing::TestWithParam<RuleLine> {};

TEST_P(Dss1RuleLines, BothLanguages) {
    const std::string box = std::string("080101") + GetParam().box;
    const Lines en = single(Lang::English, box);
    const Lines ru = single(Lang::Russian, box);
    EXPECT_EQ(Lines(en.begin() + 9, en.end()), Lines{GetParam().en});
    EXPECT_EQ(Lines(ru.begin() + 9, ru.end()), Lines{GetParam().ru});
}
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rules, Dss1RuleLines, testing::ValuesIn(kRuleLines),
                         [](const testing::TestParamInfo<RuleLine>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tarn::dss1
