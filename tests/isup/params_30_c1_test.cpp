// ISUP parameters 30 to 3A, 3F, 40, C0 and C1: each whole, the edges of their value
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
    {param(0x3A), "3A", "", "04123456789A", Ru, {" 00111010 Необязательный параметр....... Приоритет MLPP", " Приоритет MLPP",
        " 00000110 Длина......................... 6 Dec", " ....0100 Уровень приоритета............ обычный (routine)",
        " ...0.... Резерв........................ ", " .00..... LFB........................... LFB разрешено",
        " 0....... Резерв........................ ", " ******** Идентификатор сети............ 1234 Hex",
        " ******** Домен услуги MLPP............. 56789A Hex"}},
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
    // Remote operations: the extension text with its two blanks; no octet 1.
    {param(0x32), "32", "", "11", En, {" 0....... Extension indicator........... information  continues through the next octet",
        " ******** Components....................  Hex"}, kSome},
    {param(0x32), "32", "", "", En, {" 00110010 Optional parameter............ Remote operations", " Remote operations",
        " 00000000 Length........................ 0 Dec", kMistake}},
    // Transmission medium used: the text with its leading blank; any other value.
    {param(0x35), "35", "", "09", En, {" 00001001 Parameters....................  reserved for 1536 kbit/s unrestricted"}, kSome},
    {param(0x35), "35", "", "0B", Ru, {" 00001011 Параметры..................... резерв"}, kSome},
    // Call diversion information.
    {param(0x36), "36", "", "2C", En, {" .....100 Notific.subscription options.. spare",
        " .0101... Redirecting reason............ deflection immediate response"}, kSome},
    // Echo control information: the other values of each field.
    {param(0x37), "37", "", "FF", Ru, {" ......11 Инд.ответа исх.полукомплекта.. свободен", " 11...... Инд.запроса вх.полукомплекта.. свободен"}, kSome},
    // MLPP precedence: shorter than six octets prints as far as it goes.
    {param(0x3A), "3A", "", "0412", En, {" ******** Network identity.............. 12 Hex", " ******** MLLP service domain...........  Hex"}, kSome},
    // Location number: the last mobile cell in Russian.
    {param(0x3F), "3F", "", "7B10", Ru, {" .1111011 Индикатор типа адреса......... глобальная идентификация соты, AutoNet"}, kSome},
    // Redirection number restriction: the last row.
    {param(0x40), "40", "", "FF", Ru, {" ......11 Инд.ограничения представления. пропущен", " 111111.. Резерв........................ "}, kSome},
    // Generic number: a reserved qualifier, the last indicator rows.
    {param(0xC0), "C0", "", "02FF11", Ru, {" 00000010 Инд.классификатора номера..... резервирован",
        " .1111111 Индикатор типа адреса......... пропущен"}, kSome},
    // Generic digits: another encoding; any other values; no octet 1.
    {param(0xC1), "C1", "", "001234", En, {" 000..... Encoding scheme............... BCD even: (even number of digits)",
        " ...00000 Type of digits................ reserved for account code", " ******** Digits........................ 1234 Hex"}, kSome},
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
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Tables, Params30ToC1, ::testing::ValuesIn(kCases));

// Every optional parameter of the IAM set: code, length octet, contents.
// clang-format off
constexpr const char* kEveryIamParameter[] = {
    "01 05 1234560100", "03 04 7D029181", "08 01 00", "0A 04 83132143", "0B 04 03102143", "0D 07 01020304050607",
    "13 02 0311", "1A 04 12345678", "1D 03 8090A3", "20 02 0441", "23 03 A13233", "28 04 03102143", "2A 01 00",
    "2B 02 1234", "2C 01 E9", "2E 01 00", "2F 02 ABCD", "30 03 8090A3", "31 02 0102", "32 03 91A105", "33 01 AB",
    "34 02 9181", "37 01 05", "39 02 0301", "3A 06 04123456789A", "3E 01 03", "3F 04 7E105204", "C0 05 0603112143",
    "C1 03 211234",
};
// clang-format on

// An IAM carrying all of them: each opens with its header line, in message order; nothing
// is malformed and the walk reaches the end. Every prefix of it shows no line that the whole
// message does not show (the title line aside, which repeats the typed text), but the
// invalid-format line of the one parameter cut short, last.
TEST(IamEveryOptionalParameter, WholeAndEveryPrefix) {
    std::string iam = "C581400030D30001002001 0A 00 02 05 03 811032";
    for (const char* parameter : kEveryIamParameter) iam += parameter;
    iam = unspaced(iam + "00");
    for (Lang lang : {En, Ru}) {
        const Lines all = message_lines(iam, lang);
        const std::string& mistake = lang == En ? kMistake : kOshibka;
        const std::string label =
            lang == En ? " Optional parameter............" : " Необязательный параметр.......";
        auto at = all.begin();
        for (const char* parameter : kEveryIamParameter) {
            ASSERT_NE(param(hex_octet(parameter)), nullptr) << parameter;
            const std::string opening = " " + BIN(std::string(parameter, 2)) + label;
            at = std::find_if(at, all.end(),
                              [&](const std::string& line) { return line.starts_with(opening); });
            ASSERT_NE(at, all.end()) << "no header for " << parameter;
        }
        EXPECT_EQ(std::count(all.begin(), all.end(), mistake), 0);
        EXPECT_EQ(all.back(), lang == En ? kEnd : kKonets);
        for (std::size_t k = 1; k < iam.size(); ++k) {
            const Lines lines = message_lines(iam.substr(0, k), lang);
            for (std::size_t i = 2; i < lines.size(); ++i) {
                if (i + 1 == lines.size() && lines[i] == mistake) continue;
                EXPECT_NE(std::find(all.begin(), all.end(), lines[i]), all.end()) << k << ": " << lines[i];
            }
        }
    }
}

}  // namespace
}  // namespace tarn::isup::test
