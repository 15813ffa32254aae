// ISUP parameters 30 to 3A, 3E, 3F, 40, C0 and C1: each whole, the edges of their value
// tables; and an IAM carrying every optional parameter of its set, whole and cut at every
// hex digit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "isup/isup_case.hpp"
#include "report/convert.hpp"

namespace tarn::isup::test {
namespace {

class Params30ToC1 : public ::testing::TestWithParam<ParamCase> {};

TEST_P(Params30ToC1, Lines) {
    check(GetParam());
}

// clang-format off
const ParamCase kCases[] = {
    // Each parameter whole, in one reading.
    {param(0x30), "30", "", "8090A3", En, {" 00110000 Optional parameter............ User service information prime",
        " User service information prime", " 00000011 Length........................ 3 Dec",
        " 3 octet", " ...00000 Inform. transfer capability... speech",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension..................... no extension", " 4 octet",
        " ...10000 Information transfer rate..... 64 kbits/s", " .00..... Transfer mode................. circuit mode",
        " 1....... Extension..................... no extension", " 5 octet",
        " ...00011 User inform.layer 1 protocol.. Recommendation G.711 A-law",
        " .01..... Layer 1 identification........ 01", " 1....... Extension..................... no extension"}},
    {param(0x31), "31", "", "0102", En, {" 00110001 Optional parameter............ Propagation delay counter",
        " Propagation delay counter", " 00000010 Length........................ 2 Dec",
        " ******** Information elements.......... 0102 Hex"}},
    {param(0x32), "32", "", "91A105", Ru, {" 00110010 Необязательный параметр....... Удаленные действия", " Удаленные действия",
        " 00000011 Длина......................... 3 Dec",
        " ...10001 Поле профиля протокола........ протокол удаленных действий", " .00..... Резерв........................ ",
        " 1....... Индикатор расширения.......... последний октет", " ******** Компоненты.................... A105 Hex"}},
    {param(0x35), "35", "", "03", Ru, {" 00110101 Необязательный параметр....... Используемая среда передачи",
        " Используемая среда передачи", " 00000001 Длина......................... 1 Dec",
        " 00000011 Параметры..................... 3.1 kHz аудио"}},
    {param(0x37), "37", "", "05", En, {" 00110111 Optional parameter............ Echo control information",
        " Echo control information", " 00000001 Length........................ 1 Dec",
        " ......01 Outg.control dev.responce ind. outgoing half echo control device not included",
        " ....01.. Inc.control dev.responce ind.. incoming half echo control device not included",
        " ..00.... Outg.control dev.request ind.. no information", " 00...... Inc.control dev.request ind... no information"}},
    {param(0x39), "39", "", "0301", En, {" 00111001 Optional parameter............ Message compatibility information",
        " Message compatibility information", " 00000010 Length........................ 2 Dec",
        " ******** Information elements.......... 0301 Hex"}},
    {param(0x3A), "3A", "", "04123456789A", Ru, {" 00111010 Необязательный параметр....... Приоритет MLPP", " Приоритет MLPP",
        " 00000110 Длина......................... 6 Dec", " ....0100 Уровень приоритета............ обычный (routine)",
        " ...0.... Резерв........................ ", " .00..... LFB........................... LFB разрешено",
        " 0....... Резерв........................ ", " ******** Идентификатор сети............ 1234 Hex",
        " ******** Домен услуги MLPP............. 56789A Hex"}},
    {param(0x3E), "3E", "", "03", En, {" 00111110 Optional parameter............ Transmission medium requirement prime",
        " Transmission medium requirement prime", " 00000001 Length........................ 1 Dec",
        " 00000011 Parameters.................... 3.1 kHz audio"}},
    {param(0x3F), "3F", "", "7E105204", Ru, {" 00111111 Необязательный параметр....... Местонахождение номера", " Местонахождение номера",
        " 00000100 Длина......................... 4 Dec",
        " .1111110 Индикатор типа адреса......... глобальная идентификация соты, GSM",
        " 0....... Инд.четности/нечетности....... четное число адресных сигналов",
        " ......00 Инд.отображения............... не используется в ISUP-R",
        " ....00.. Инд.огранич.представл.номера.. не используется в ISUP-R",
        " .001.... Индикатор плана нумерации..... не используется в ISUP-R",
        " 0....... Инд.номера внутр. сети (INN).. доступ к номеру внутренней сети разрешен",
        " ******** Адр.сигн.(страны/станц/баз)... 2540"}},
    {param(0xC0), "C0", "", "0603112143", Ru, {" 11000000 Необязательный параметр....... Родовой номер", " Родовой номер",
        " 00000101 Длина......................... 5 Dec",
        " 00000110 Инд.классификатора номера..... добавочный номер вызывающей стороны",
        " .0000011 Индикатор типа адреса......... национальный (значащий) номер",
        " 0....... Инд. четности/нечетности...... четное число адресных сигналов",
        " ......01 Индикатор отображения......... предоставлен пользователем, проверен и передан",
        " ....00.. Инд.огранич.представ.адреса... представление разрешено",
        " .001.... Индикатор плана нумерации..... план нумерации ISDN (Телефония) (Recommendation E.164)",
        " 0....... Индикатор неполного номера.... полный", " ******** Адресный сигнал............... 1234"}},
    {param(0xC1), "C1", "", "211234", En, {" 11000001 Optional parameter............ Generic digits", " Generic digits (national use)",
        " 00000011 Length........................ 3 Dec",
        " 001..... Encoding scheme............... BCD odd: (odd number of digits)",
        " ...00001 Type of digits................ reserved for authorisation code",
        " ******** Digits........................ 1234 Hex"}},
    // Remote operations: the extension text with its two blanks, a spare value, no octet 1.
    {param(0x32), "32", "", "11", En, {" 0....... Extension indicator........... information  continues through the next octet",
        " ******** Components....................  Hex"}, kSome},
    {param(0x32), "32", "", "80", Ru, {" ...00000 Поле профиля протокола........ пропущен"}, kSome},
    {param(0x32), "32", "", "", En, {" 00110010 Optional parameter............ Remote operations", " Remote operations",
        " 00000000 Length........................ 0 Dec", kMistake}},
    // Transmission medium used and prime: the text with its leading blank, the last row, any other.
    {param(0x35), "35", "", "09", En, {" 00001001 Parameters....................  reserved for 1536 kbit/s unrestricted"}, kSome},
    {param(0x35), "35", "", "0A", En, {" 00001010 Parameters.................... reserved for 1920 kbit/s unrestricted"}, kSome},
    {param(0x35), "35", "", "0B", Ru, {" 00001011 Параметры..................... резерв"}, kSome},
    // Call diversion information.
    {param(0x36), "36", "", "2C", En, {" .....100 Notific.subscription options.. spare",
        " .0101... Redirecting reason............ deflection immediate response"}, kSome},
    {param(0x36), "36", "", "B8", Ru, {" .0111... Причина перенаправления....... резерв", " 1....... Резерв........................ "}, kSome},
    // Echo control information: the other values of each field.
    {param(0x37), "37", "", "FF", Ru, {" ......11 Инд.ответа исх.полукомплекта.. свободен", " 11...... Инд.запроса вх.полукомплекта.. свободен"}, kSome},
    // MLPP precedence: the last rows; shorter than six octets prints as far as it goes.
    {param(0x3A), "3A", "", "FF", En, {" ....1111 Precedence level.............. spare", " .11..... LFB........................... spare"}, kSome},
    {param(0x3A), "3A", "", "0412", En, {" ******** Network identity.............. 12 Hex", " ******** MLLP service domain...........  Hex"}, kSome},
    // Location number: the last mobile cell, table edges, address signals.
    {param(0x3F), "3F", "", "7B10", Ru, {" .1111011 Индикатор типа адреса......... глобальная идентификация соты, AutoNet"}, kSome},
    {param(0x3F), "3F", "", "7B10", En, {" .1111011 Nature of address indicator... spare"}, kSome},
    {param(0x3F), "3F", "", "031021F3", En, {" ******** Address signal................ 123ST"}, kSome},
    // Redirection number restriction.
    {param(0x40), "40", "", "02", En, {" ......10 Presentation restricted ind... spare"}, kSome},
    {param(0x40), "40", "", "FF", Ru, {" ......11 Инд.ограничения представления. пропущен", " 111111.. Резерв........................ "}, kSome},
    // Generic number: the qualifier and indicator table edges.
    {param(0xC0), "C0", "", "02FF11", Ru, {" 00000010 Инд.классификатора номера..... резервирован",
        " .1111111 Индикатор типа адреса......... пропущен"}, kSome},
    {param(0xC0), "C0", "", "000611", En, {" 00000000 Number qualifier indicator.... reserved",
        " .0000110 Nature of address indicator... spare"}, kSome},
    {param(0xC0), "C0", "", "0603FE", En, {" ......10 Screening indicator........... user provided, verified and failed",
        " ....11.. Address present.restrict.ind.. spare", " .111.... Numbering plan indicator...... spare",
        " 1....... Number incomplete indicator... incomplete"}, kSome},
    // Generic digits: every encoding; any other values; no octet 1.
    {param(0xC1), "C1", "", "001234", En, {" 000..... Encoding scheme............... BCD even: (even number of digits)",
        " ...00000 Type of digits................ reserved for account code", " ******** Digits........................ 1234 Hex"}, kSome},
    {param(0xC1), "C1", "", "404142", En, {" 010..... Encoding scheme............... IA5 character",
        " ******** Digits........................ 4142 Hex"}, kSome},
    {param(0xC1), "C1", "", "62FF", En, {" 011..... Encoding scheme............... binary coded",
        " ...00010 Type of digits................ reserved for private networking travelling class mark",
        " ******** Digits........................ FF Hex"}, kSome},
    {param(0xC1), "C1", "", "BF", Ru, {" 101..... Схема кодирования............. резерв", " ...11111 Тип цифр...................... резерв"}, kSome},
    {param(0xC1), "C1", "", "", En, {" 11000001 Optional parameter............ Generic digits", " Generic digits (national use)",
        " 00000000 Length........................ 0 Dec", kMistake}},
    // User teleservice information: its own header, then the High layer compatibility octets
    // without the DSS1 element's preamble.
    {param(0x34), "34", "", "9181", En, {" 00110100 Optional parameter............ User teleservice information",
        " User teleservice information", " 00000010 Length........................ 2 Dec",
        " ......01 Present.method of protoc.prof. high layer protocol profile (attributes not stated)",
        " ...100.. Interpretation................ first (primary only) high layer characteristics "
        "identification "
        "(in octet 4) to be used in the call",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension..................... no extension",
        " .0000001 High layer char.identificat... Telephony (Recommendation G.711)",
        " 1....... Extension..................... no extension"}},
    {param(0x34), "34", "03", "9181", Ru, {" 00110100 Необязательный параметр....... Информация о телеуслуге пользователя",
        " Информация о телеуслуге пользователя", " 00000011 Длина......................... 3 Dec", kOshibka}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Tables, Params30ToC1, ::testing::ValuesIn(kCases), test::case_name);

// --- an IAM carrying every optional parameter of its set ---

struct Carried {
    unsigned code;
    const char* parameter;  // code, length octet, contents
};
// clang-format off
constexpr Carried kEveryIamParameter[] = {
    {0x01, "01 05 1234560100"}, {0x03, "03 04 7D029181"}, {0x08, "08 01 00"}, {0x0A, "0A 04 83132143"},
    {0x0B, "0B 04 03102143"}, {0x0D, "0D 07 01020304050607"}, {0x13, "13 02 0311"}, {0x1A, "1A 04 12345678"},
    {0x1D, "1D 03 8090A3"}, {0x20, "20 02 0441"}, {0x23, "23 03 A13233"}, {0x28, "28 04 03102143"},
    {0x2A, "2A 01 00"}, {0x2B, "2B 02 1234"}, {0x2C, "2C 01 E9"}, {0x2E, "2E 01 00"}, {0x2F, "2F 02 ABCD"},
    {0x30, "30 03 8090A3"}, {0x31, "31 02 0102"}, {0x32, "32 03 91A105"}, {0x33, "33 01 AB"},
    {0x34, "34 02 9181"}, {0x37, "37 01 05"}, {0x39, "39 02 0301"}, {0x3A, "3A 06 04123456789A"},
    {0x3E, "3E 01 03"}, {0x3F, "3F 04 7E105204"}, {0xC0, "C0 05 0603112143"}, {0xC1, "C1 03 211234"},
};
// clang-format on

std::string every_parameter_iam() {
    std::string hex = "C581400030D30001 00 2001 0A 00 02 05 03 811032";
    for (const Carried& c : kEveryIamParameter) hex += std::string(" ") + c.parameter;
    return hex + " 00";
}

// Every parameter with a decoder opens with its header line, in message order; nothing is
// malformed and the walk reaches the end.
TEST(IamEveryOptionalParameter, NonePassedOver) {
    const std::string iam = every_parameter_iam();
    for (Lang lang : {En, Ru}) {
        const Lines lines = message_lines(iam, lang);
        const std::string_view label =
            lang == En ? " Optional parameter............" : " Необязательный параметр.......";
        auto at = lines.begin();
        for (const Carried& c : kEveryIamParameter) {
            ASSERT_NE(param(c.code), nullptr) << c.code;
            const std::string opening = " " + BIN(std::string(c.parameter).substr(0, 2)) + std::string(label);
            at = std::find_if(at, lines.end(),
                              [&](const std::string& line) { return line.starts_with(opening); });
            ASSERT_NE(at, lines.end()) << "no header for " << c.parameter;
        }
        EXPECT_EQ(std::count(lines.begin(), lines.end(), lang == En ? kMistake : kOshibka), 0);
        EXPECT_EQ(lines.back(), lang == En ? kEnd : kKonets);
    }
}

// Every prefix of that IAM shows no line that the whole message does not show (the title
// line aside, which repeats the typed text), but the invalid-format line of the one
// parameter cut short, last.
TEST(IamEveryOptionalParameter, EveryPrefix) {
    std::string iam;
    for (char c : every_parameter_iam())
        if (c != ' ') iam += c;
    for (Lang lang : {En, Ru}) {
        const Lines all = message_lines(iam, lang);
        for (std::size_t k = 1; k < iam.size(); ++k) {
            const Lines lines = message_lines(iam.substr(0, k), lang);
            for (std::size_t i = 2; i < lines.size(); ++i) {
                if (i + 1 == lines.size() && lines[i] == (lang == En ? kMistake : kOshibka)) continue;
                EXPECT_NE(std::find(all.begin(), all.end(), lines[i]), all.end()) << k << ": " << lines[i];
            }
        }
    }
}

}  // namespace
}  // namespace tarn::isup::test
