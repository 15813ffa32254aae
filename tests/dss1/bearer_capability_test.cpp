// Bearer capability (04): the octet walk and its tables, English and Russian.
#include "dss1/bearer_capability.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dss1/report_lines.hpp"
#include "report/context.hpp"
#include "run/run.hpp"

namespace tarn::dss1 {
namespace {

using Lines = std::vector<std::string>;

Lines body(Lang lang, std::string_view contents) {
    Flags flags;
    Context ctx(lang, true, "", flags);
    BEARER_CAPABILITY_body(ctx, contents);
    return test::lines_of(ctx.screen());
}

// clang-format off
const std::string kContEn = " 0....... Extension..................... information continues in the next octet";
const std::string kNoExtEn = " 1....... Extension..................... no extension";
const std::string kContRu = " 0....... Расширение.................... информация продолжается в следующем октете";
const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";

const Lines kSpeechEn = {
    " 3 octet",
    " ..." "00000" " Inform. transfer capability... " "speech",
    " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
    kNoExtEn,
    " 4 octet",
    " ..." "10000" " Information transfer rate..... " "64 kbits/s",
    " ." "00" "..... Transfer mode................. " "circuit mode",
    kNoExtEn,
    " 5 octet",
    " ..." "00011" " User inform.layer 1 protocol.. " "Recommendation G.711 A-law",
    " ." "01" "..... Layer 1 identification........ " "01",
    kNoExtEn,
};
const Lines kSpeechRu = {
    " 3 октет",
    " ..." "00000" " Возможн.пересылки информации.. " "речь",
    " ." "00" "..... Стандартное кодирования....... " "стандарт кодирования CCITT",
    kNoExtRu,
    " 4 октет",
    " ..." "10000" " Скорость передачи информации.. " "64 кБит/с",
    " ." "00" "..... Режим передачи................ " "режим каналов",
    kNoExtRu,
    " 5 октет",
    " ..." "00011" " Протокол инф.польз. 1 уровня.. " "Рекомендация G.711 A-закон",
    " ." "01" "..... Идентификатор 1 уровня........ " "01",
    kNoExtRu,
};

// 88 90 21 48 42 3B D1 C2 E2: unrestricted digital, 64 kbit/s, V.110 with octets 5 to 5d,
// then layer 2 (Q.921) and layer 3 (Q.931).
const Lines kV110En = {
    " 3 octet",
    " ..." "01000" " Inform. transfer capability... " "unrestricted digital information",
    " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
    kNoExtEn,
    " 4 octet",
    " ..." "10000" " Information transfer rate..... " "64 kbits/s",
    " ." "00" "..... Transfer mode................. " "circuit mode",
    kNoExtEn,
    " 5 octet",
    " ..." "00001" " User inform.layer 1 protocol.. " "CCITT standardized rate adaption V.110/X.30.",
    " ." "01" "..... Layer 1 identification........ " "01",
    kContEn,
    " 5a octet",
    " ..." "01000" " User rate..................... " "9.6 kbit/s Recommendation V.6 and X.1",
    " .." "0" "..... Negotiation................... " "in-band negotiation not possible",
    " ." "1" "...... Synchronous/asynchronous...... " "asynchronous",
    kContEn,
    " 5b octet",
    " ......." "0" " Spare......................... ",
    " ......" "1" ". Flow control on reception..... " "can accept data with flow control mechanism",
    " ....." "0" ".. Flow control on transmission.. " "not required to send data with flow control mechanism",
    " ...." "0" "... Netw.Ind.Clock on reception... " "cannot accept data with Network Independent Clock",
    " ..." "0" ".... Netw.Ind.Clock on Transmiss... " "not required to send data with Network Independent Clock",
    " ." "10" "..... Intermediate rate............. " "16 kbit/s",
    kContEn,
    " 5c octet",
    " ....." "011" " Parity information............ " "none",
    " ..." "11" "... Number of data bits........... " "8 bits",
    " ." "01" "..... Number of stop bits........... " "1 bit",
    kContEn,
    " 5d octet",
    " .." "010001" " Modem type.................... " "V.21",
    " ." "1" "...... Duplex mode................... " "full duplex",
    kNoExtEn,
    " 6 octet",
    " ..." "00010" " User inform.layer 2 protocol.. " "Recommendation Q.921(I.441)",
    " ." "10" "..... Layer 2 identificator......... " "10",
    kNoExtEn,
    " 7 octet",
    " ..." "00010" " User inform.layer 3 protocol.. " "Recommendation Q.931(I.451)",
    " ." "11" " Layer 3 identificator......... " "11",
    kNoExtEn,
};
// The same from octet 5 on, in Russian.
const Lines kV110Ru = {
    " 5 октет",
    " ..." "00001" " Протокол инф.польз. 1 уровня.. " "адаптация скорости V.110/X.30, стандартизованной CCITT",
    " ." "01" "..... Идентификатор 1 уровня........ " "01",
    kContRu,
    " 5a октет",
    " ..." "01000" " Скорость пользователя......... " "9.6 кБит/с Рекомендация V.6 и X.1",
    " .." "0" "..... Переговоры.................... " "переговоры в диапазоне не возможны",
    " ." "1" "...... Синхронный/асинхронный........ " "асинхронность",
    kContRu,
    " 5b октет",
    " ......." "0" " Резерв........................ ",
    " ......" "1" ". Управление ходом приема....... " "могут приниматься данные с помощью механизма управления ходом",
    " ....." "0" ".. Управление ходом передачи..... " "не требуется посылать данные с помощью механизма управления ходом",
    " ...." "0" "... NIC при приеме (Rx)........... " "нет возможности принимать данные с независимой синхронизацией коммутационного поля",
    " ..." "0" ".... NIC при передаче (Tx)......... " "не требуется посылать данные с независимой синхронизацией коммутационного поля",
    " ." "10" "..... Промежуточная скорость........ " "16 кБит/с",
    kContRu,
    " 5c октет",
    " ....." "011" " Информация четности........... " "отсутствует",
    " ..." "11" "... Число информационных битов.... " "8 битов",
    " ." "01" "..... Число стоповых битов.......... " "1 бит",
    kContRu,
    " 5d октет",
    " .." "010001" " Тип модема.................... " "V.21",
    " ." "1" "...... Дуплексный режим.............. " "дуплексный",
    kNoExtRu,
    " 6 октет",
    " ..." "00010" " Протокол инф.польз. 2 уровня.. " "Рекомендация Q.921(I.441)",
    " ." "10" "..... Идентификатор 2 уровня........ " "10",
    kNoExtRu,
    " 7 октет",
    " ..." "00010" " Протокол инф.польз. 3 уровня.. " "Рекомендация Q.931(I.451)",
    " ." "11" " Идентификатор 3 уровня........ " "11",
    kNoExtRu,
};

struct Case {
    const char* name;
    const char* contents;
    Lang lang;
    std::size_t from;  // the report's lines from this one to the end are `expected`
    Lines expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const Case kCases[] = {
    {"SpeechEnglish", "8090A3", Lang::English, 0, kSpeechEn},
    {"SpeechRussian", "8090A3", Lang::Russian, 0, kSpeechRu},
    {"UnrestrictedDigital", "8890", Lang::English, 0, Lines(kV110En.begin(), kV110En.begin() + 8)},
    {"V110WithLayers2And3English", "88902148423BD1C2E2", Lang::English, 0, kV110En},
    {"V110WithLayers2And3Russian", "88902148423BD1C2E2", Lang::Russian, 8, kV110Ru},
    {"V120English", "88902828F4C6", Lang::English, 17, {
        " 5b octet",
        " ......." "0" " Spare......................... ",
        " ......" "0" ". In-band/Out-band negotiation.. " "negotiation is done with USER INFORMATION messages on a temporary signalling connection",
        " ....." "1" ".. Assignor/assignee............. " "message originator is: ASSIGNOR ONLY",
        " ...." "0" "... Logical link iden.negotiation. " "default, LLI=256 only",
        " ..." "1" ".... Mode of operation............. " "protocol sensitive mode of operation",
        " .." "1" "..... Multiframe support............ " "multiple frame establishment supported",
        " ." "1" "...... Rate adaptation header........ " "rate adaptation header included",
        kNoExtEn,
        " 6 octet",
        " ..." "00110" " User inform.layer 2 protocol.. " "Recommendation X.25, link level",
        " ." "10" "..... Layer 2 identificator......... " "10",
        kNoExtEn}},
    {"V120Russian", "88902828F4C6", Lang::Russian, 8, {
        " 5 октет",
        " ..." "01000" " Протокол инф.польз. 1 уровня.. " "адаптация скорости по V.120, стандартизованная CCITT ",
        " ." "01" "..... Идентификатор 1 уровня........ " "01",
        kContRu,
        " 5a октет",
        " ..." "01000" " Скорость пользователя......... " "9.6 кБит/с Рекомендация V.6 и X.1",
        " .." "1" "..... Переговоры.................... " "переговоры в диапазоне возможны",
        " ." "0" "...... Синхронный/асинхронный........ " "синхронность",
        kContRu,
        " 5b октет",
        " ......." "0" " Резерв........................ ",
        " ......" "0" ". Условие в/вне диапазона....... " "согласование условий осуществляется сообщением ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ при временном подключении сигнализации",
        " ....." "1" ".. Назначающий/назначенный....... " "источник сообщения: ТОЛЬКО НАЗНАЧЕННЫЙ",
        " ...." "0" "... Идент.протокола логич.звена... " "значения по умолчанию, только LLI = 256",
        " ..." "1" ".... Режим работы.................. " "протокол подстраиваемого режима работы",
        " .." "1" "..... Поддержка многокадр.установки. " "многокадровая установка поддерживается",
        " ." "1" "...... Адаптации скорости заг/незаг.. " "заголовок адаптации скорости включен",
        kNoExtRu,
        " 6 октет",
        " ..." "00110" " Протокол инф.польз. 2 уровня.. " "Рекомендация X.25, уровень звена передачи данных",
        " ." "10" "..... Идентификатор 2 уровня........ " "10",
        kNoExtRu}},
    // Octet 5d with extension 0: the element ends after the duplex mode line.
    {"Octet5dWithoutExtension", "88902148423B51C2", Lang::English, 30, {
        " 5d octet",
        " .." "010001" " Modem type.................... " "V.21",
        " ." "1" "...... Duplex mode................... " "full duplex"}},
    // Layer 1 protocol 00111: no 5b heading or fields, but the 5b extension line, then 5c.
    {"OtherProtocolOctet5b", "8890270800BB", Lang::English, 16, {
        kContEn,
        kContEn,
        " 5c octet",
        " ....." "011" " Parity information............ " "none",
        " ..." "11" "... Number of data bits........... " "8 bits",
        " ." "01" "..... Number of stop bits........... " "1 bit",
        kNoExtEn}},
    // Octet 7 without octet 6: nothing after the octet-5 group.
    {"Octet7WithoutOctet6", "8090A3E2", Lang::English, 11, {kNoExtEn}},
    // Octets 4a and 4b; octet 5 is read from the 33rd bit.
    {"Octets4aAnd4b", "88100091A2", Lang::English, 7, {
        kContEn,
        " 4a octet",
        " ......" "00" " Establishment................. " "demand",
        " ...." "00" ".. Configuration................. " "point-to-point",
        " ." "000" ".... Structure..................... " " 8kHz integrity",
        kContEn,
        " 4b octet",
        " ..." "10001" " Information transfer rate..... " "2*64 kbits/s (circuit mode)",
        " ." "00" "..... Symmetry...................... " "bidirectional symmetric",
        kNoExtEn,
        " 5 octet",
        " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
        " ." "01" "..... Layer 1 identification........ " "01",
        kNoExtEn}},
    {"Octets4aAnd4bRussian", "88100091", Lang::Russian, 8, {
        " 4a октет",
        " ......" "00" " Установка..................... " "запрос",
        " ...." "00" ".. Конфигурация.................. " "точка-точка",
        " ." "000" ".... Структура..................... " "целостность 8 кГц",
        kContRu,
        " 4b октет",
        " ..." "10001" " Скорость передачи информации.. " "2*64 кБит/с",
        " ." "00" "..... Симметрия..................... " "двунаправленная симметричная",
        kNoExtRu}},
    // Octet 4a ending the group: octet 5 is read from the 25th bit.
    {"Octet4aEndsGroup", "88108FA2", Lang::English, 9, {
        " ......" "11" " Establishment................. " "reserved",
        " ...." "11" ".. Configuration................. " "reserved",
        " ." "000" ".... Structure..................... " " 8kHz integrity",
        kNoExtEn,
        " 5 octet",
        " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
        " ." "01" "..... Layer 1 identification........ " "01",
        kNoExtEn}},
    // Octet 4b with extension 0: no layer position, the element ends after its fields.
    {"Octet4bWithoutExtension", "8810001FA2", Lang::English, 14, {
        " ..." "11111" " Information transfer rate..... " "reserved",
        " ." "00" "..... Symmetry...................... " "bidirectional symmetric"}},
    // Structure 000: the default of the service of octets 3 and 4.
    {"PacketModeDigital", "884080", Lang::English, 5, {
        " ..." "00000" " Information transfer rate..... " "this code shall be used for packet-mode calls",
        " ." "10" "..... Transfer mode................. " "packet mode",
        kContEn,
        " 4a octet",
        " ......" "00" " Establishment................. " "demand",
        " ...." "00" ".. Configuration................. " "point-to-point",
        " ." "000" ".... Structure..................... " "service data unit integrity",
        kNoExtEn}},
    {"PacketModeDigitalRussian", "884080", Lang::Russian, 5, {
        " ..." "00000" " Скорость передачи информации.. " "код, используемый для вызовов в пакетном режиме",
        " ." "10" "..... Режим передачи................ " "пакетный режим",
        kContRu,
        " 4a октет",
        " ......" "00" " Установка..................... " "запрос",
        " ...." "00" ".. Конфигурация.................. " "точка-точка",
        " ." "000" ".... Структура..................... " "целостность блока служебных данных",
        kNoExtRu}},
    {"PacketModeSpeech", "804080", Lang::English, 11, {" ." "000" ".... Structure..................... " "default", kNoExtEn}},
    {"Unstructured", "8810F0", Lang::English, 11, {" ." "111" ".... Structure..................... " "unstructured", kNoExtEn}},
    // Values outside the tables.
    {"ReservedValues", "FFBF", Lang::English, 1, {
        " ..." "11111" " Inform. transfer capability... " "reserved",
        " ." "11" "..... Coding standard............... " "standard defined for the network (either public or private) present on the network side of the interface",
        kNoExtEn,
        " 4 octet",
        " ..." "11111" " Information transfer rate..... " "reserved",
        " ." "01" "..... Transfer mode................. " "reserved",
        kNoExtEn}},
    {"ReservedValuesRussian", "FFBF", Lang::Russian, 1, {
        " ..." "11111" " Возможн.пересылки информации.. " "резерв",
        " ." "11" "..... Стандартное кодирования....... " "стандарт, определяемый для коммутационного поля, присутствует в интерфейсе со стороны поля",
        kNoExtRu,
        " 4 октет",
        " ..." "11111" " Скорость передачи информации.. " "резерв",
        " ." "01" "..... Режим передачи................ " "резерв",
        kNoExtRu}},
    // Octet 3 with extension 0: nothing at all.
    {"Octet3WithoutExtension", "0090A3", Lang::English, 0, {}},
    // Octets the extension bits announce but the contents lack end the element.
    {"MissingOctet4", "88", Lang::English, 3, {kNoExtEn}},
    {"HalfOctet4", "889", Lang::English, 3, {kNoExtEn}},
    {"MissingOctet5a", "889021", Lang::English, 11, {kContEn}},
};
// clang-format on

class BearerCapability : public testing::TestWithParam<Case> {};

TEST_P(BearerCapability, Lines) {
    const Lines lines = body(GetParam().lang, GetParam().contents);
    ASSERT_GE(lines.size(), GetParam().from);
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(GetParam().from), lines.end()),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Octets, BearerCapability, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// Inside a DSS1 message: the preamble (always mandatory), then the octets.
TEST(BearerCapabilityElement, PreambleInSetup) {
    Session s;
    s.settings.lang = Lang::English;
    std::string box = "08010105 04038090A3";
    const Lines lines = test::lines_of(decode_single(s, box).report);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(Lines(lines.begin() + 9, lines.begin() + 12),
              (Lines{" 00000100 Mandatory parameter........... Bearer capability", " Bearer capability",
                     " 00000011 Length........................ 3 Dec"}));
    EXPECT_EQ(Lines(lines.begin() + 12, lines.end()), kSpeechEn);
}

TEST(BearerCapabilityElement, PreambleRussianAndLengthMistake) {
    Session s;
    s.settings.lang = Lang::Russian;
    std::string box = "08010105 0405 8090A3";
    const Lines lines = test::lines_of(decode_single(s, box).report);
    EXPECT_EQ(Lines(lines.begin() + 9, lines.end()),
              (Lines{" 00000100 Обязательный параметр......... Средства доставки информации",
                     " Средства доставки информации", " 00000101 Длина......................... 5 Dec",
                     " ОШИБКА: недопустимый формат элемента"}));
}

// Every prefix of an element: the report stays well formed, in both entries.
TEST(BearerCapabilityElement, EveryPrefix) {
    const std::string contents = "881000912148423BD1C2E2";
    for (Lang lang : {Lang::English, Lang::Russian}) {
        for (std::size_t k = 0; k <= contents.size(); ++k) {
            const std::string prefix = contents.substr(0, k);
            body(lang, prefix);  // lines_of checks the form
            Flags flags;
            Context ctx(lang, true, "", flags);
            ctx.ind = "04";
            ctx.dlina("0B");
            BEARER_CAPABILITY(ctx, prefix);
            EXPECT_TRUE(test::well_formed(ctx.screen())) << prefix;
        }
    }
}

}  // namespace
}  // namespace tarn::dss1
