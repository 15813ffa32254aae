// Bearer capability (04): the octet walk and its tables, English and Russian.
#include "dss1/bearer_capability.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
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

Lines join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string body(Lang lang, std::string_view contents) {
    Flags flags;
    Context ctx(lang, true, "", flags);
    BEARER_CAPABILITY_body(ctx, contents);
    return ctx.take_screen();
}

// Octets 3 and 4 that many cases share: unrestricted digital information, 64 kbit/s.
const Lines kDigital64En = {
    " 3 octet",
    " ..." "01000" " Inform. transfer capability... " "unrestricted digital information",
    " ." "00" "..... Coding standard............... " "CCITT standardized coding as described below",
    " " "1" "....... Extension..................... " "no extension",
    " 4 octet",
    " ..." "10000" " Information transfer rate..... " "64 kbits/s",
    " ." "00" "..... Transfer mode................. " "circuit mode",
    " " "1" "....... Extension..................... " "no extension",
};
const Lines kDigital64Ru = {
    " 3 октет",
    " ..." "01000" " Возможн.пересылки информации.. " "неограниченная цифровая информация",
    " ." "00" "..... Стандартное кодирования....... " "стандарт кодирования CCITT",
    " " "1" "....... Расширение.................... " "нет расширения",
    " 4 октет",
    " ..." "10000" " Скорость передачи информации.. " "64 кБит/с",
    " ." "00" "..... Режим передачи................ " "режим каналов",
    " " "1" "....... Расширение.................... " "нет расширения",
};
const std::string kContinuesEn =
    " 0....... Extension..................... information continues in the next octet";
const std::string kNoExtEn = " 1....... Extension..................... no extension";
const std::string kContinuesRu =
    " 0....... Расширение.................... информация продолжается в следующем октете";
const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";

struct Case {
    const char* name;
    const char* contents;
    Lang lang;
    Lines expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class BearerCapability : public testing::TestWithParam<Case> {};

TEST_P(BearerCapability, Lines) {
    EXPECT_EQ(test::lines_of(body(GetParam().lang, GetParam().contents)), GetParam().expected);
}

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

const Lines kV110En = {
    " 5 octet",
    " ..." "00001" " User inform.layer 1 protocol.. " "CCITT standardized rate adaption V.110/X.30.",
    " ." "01" "..... Layer 1 identification........ " "01",
    kContinuesEn,
    " 5a octet",
    " ..." "01000" " User rate..................... " "9.6 kbit/s Recommendation V.6 and X.1",
    " .." "0" "..... Negotiation................... " "in-band negotiation not possible",
    " ." "1" "...... Synchronous/asynchronous...... " "asynchronous",
    kContinuesEn,
    " 5b octet",
    " ......." "0" " Spare......................... ",
    " ......" "1" ". Flow control on reception..... " "can accept data with flow control mechanism",
    " ....." "0" ".. Flow control on transmission.. " "not required to send data with flow control mechanism",
    " ...." "0" "... Netw.Ind.Clock on reception... " "cannot accept data with Network Independent Clock",
    " ..." "0" ".... Netw.Ind.Clock on Transmiss... " "not required to send data with Network Independent Clock",
    " ." "10" "..... Intermediate rate............. " "16 kbit/s",
    kContinuesEn,
    " 5c octet",
    " ....." "011" " Parity information............ " "none",
    " ..." "11" "... Number of data bits........... " "8 bits",
    " ." "01" "..... Number of stop bits........... " "1 bit",
    kContinuesEn,
    " 5d octet",
    " .." "010001" " Modem type.................... " "V.21",
    " ." "1" "...... Duplex mode................... " "full duplex",
    kNoExtEn,
};
const Lines kLayers23En = {
    " 6 octet",
    " ..." "00010" " User inform.layer 2 protocol.. " "Recommendation Q.921(I.441)",
    " ." "10" "..... Layer 2 identificator......... " "10",
    kNoExtEn,
    " 7 octet",
    " ..." "00010" " User inform.layer 3 protocol.. " "Recommendation Q.931(I.451)",
    " ." "11" " Layer 3 identificator......... " "11",
    kNoExtEn,
};
const Lines kV110Ru = {
    " 5 октет",
    " ..." "00001" " Протокол инф.польз. 1 уровня.. " "адаптация скорости V.110/X.30, стандартизованной CCITT",
    " ." "01" "..... Идентификатор 1 уровня........ " "01",
    kContinuesRu,
    " 5a октет",
    " ..." "01000" " Скорость пользователя......... " "9.6 кБит/с Рекомендация V.6 и X.1",
    " .." "0" "..... Переговоры.................... " "переговоры в диапазоне не возможны",
    " ." "1" "...... Синхронный/асинхронный........ " "асинхронность",
    kContinuesRu,
    " 5b октет",
    " ......." "0" " Резерв........................ ",
    " ......" "1" ". Управление ходом приема....... " "могут приниматься данные с помощью механизма управления ходом",
    " ....." "0" ".. Управление ходом передачи..... " "не требуется посылать данные с помощью механизма управления ходом",
    " ...." "0" "... NIC при приеме (Rx)........... " "нет возможности принимать данные с независимой синхронизацией коммутационного поля",
    " ..." "0" ".... NIC при передаче (Tx)......... " "не требуется посылать данные с независимой синхронизацией коммутационного поля",
    " ." "10" "..... Промежуточная скорость........ " "16 кБит/с",
    kContinuesRu,
    " 5c октет",
    " ....." "011" " Информация четности........... " "отсутствует",
    " ..." "11" "... Число информационных битов.... " "8 битов",
    " ." "01" "..... Число стоповых битов.......... " "1 бит",
    kContinuesRu,
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
const Lines kV120En = {
    " 5 octet",
    " ..." "01000" " User inform.layer 1 protocol.. " "CCITT standardized rate adaption V.120",
    " ." "01" "..... Layer 1 identification........ " "01",
    kContinuesEn,
    " 5a octet",
    " ..." "01000" " User rate..................... " "9.6 kbit/s Recommendation V.6 and X.1",
    " .." "1" "..... Negotiation................... " "in-band negotiation possible",
    " ." "0" "...... Synchronous/asynchronous...... " "synchronous",
    kContinuesEn,
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
    kNoExtEn,
};
const Lines kV120Ru = {
    " 5 октет",
    " ..." "01000" " Протокол инф.польз. 1 уровня.. " "адаптация скорости по V.120, стандартизованная CCITT ",
    " ." "01" "..... Идентификатор 1 уровня........ " "01",
    kContinuesRu,
    " 5a октет",
    " ..." "01000" " Скорость пользователя......... " "9.6 кБит/с Рекомендация V.6 и X.1",
    " .." "1" "..... Переговоры.................... " "переговоры в диапазоне возможны",
    " ." "0" "...... Синхронный/асинхронный........ " "синхронность",
    kContinuesRu,
    " 5b октет",
    " ......." "0" " Резерв........................ ",
    " ......" "0" ". Условие в/вне диапазона....... " "согласование условий осуществляется сообщением ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ при временном подключении " "сигнализации",
    " ....." "1" ".. Назначающий/назначенный....... " "источник сообщения: ТОЛЬКО НАЗНАЧЕННЫЙ",
    " ...." "0" "... Идент.протокола логич.звена... " "значения по умолчанию, только LLI = 256",
    " ..." "1" ".... Режим работы.................. " "протокол подстраиваемого режима работы",
    " .." "1" "..... Поддержка многокадр.установки. " "многокадровая установка поддерживается",
    " ." "1" "...... Адаптации скорости заг/незаг.. " "заголовок адаптации скорости включен",
    kNoExtRu,
    " 6 октет",
    " ..." "00110" " Протокол инф.польз. 2 уровня.. " "Рекомендация X.25, уровень звена передачи данных",
    " ." "10" "..... Идентификатор 2 уровня........ " "10",
    kNoExtRu,
};

// Octet 4 continuing into 4a (with or without 4b), for the structure and layer position.
const Lines kDigital64With4aEn = {
    kDigital64En[0], kDigital64En[1], kDigital64En[2], kDigital64En[3],
    kDigital64En[4], kDigital64En[5], kDigital64En[6], kContinuesEn,
};

const Case kCases[] = {
    {"SpeechEnglish", "8090A3", Lang::English, kSpeechEn},
    {"SpeechRussian",
     "8090A3",
     Lang::Russian,
     {
         " 3 октет",
         " ..." "00000" " Возможн.пересылки информации.. " "речь",
         kDigital64Ru[2],
         kNoExtRu,
         kDigital64Ru[4],
         kDigital64Ru[5],
         kDigital64Ru[6],
         kNoExtRu,
         " 5 октет",
         " ..." "00011" " Протокол инф.польз. 1 уровня.. " "Рекомендация G.711 A-закон",
         " ." "01" "..... Идентификатор 1 уровня........ " "01",
         kNoExtRu,
     }},
    {"UnrestrictedDigitalEnglish", "8890", Lang::English, kDigital64En},
    {"UnrestrictedDigitalRussian", "8890", Lang::Russian, kDigital64Ru},
    {"V110WithLayers2And3English", "88902148423BD1C2E2", Lang::English,
     join({kDigital64En, kV110En, kLayers23En})},
    {"V110WithLayers2And3Russian", "88902148423BD1C2E2", Lang::Russian, join({kDigital64Ru, kV110Ru})},
    {"V120English", "88902828F4C6", Lang::English, join({kDigital64En, kV120En})},
    {"V120Russian", "88902828F4C6", Lang::Russian, join({kDigital64Ru, kV120Ru})},
    // Octet 5d with extension 0: the element ends after the duplex mode line.
    {"Octet5dWithoutExtension", "88902148423B51C2", Lang::English,
     join({kDigital64En, Lines(kV110En.begin(), kV110En.end() - 1)})},
    // Layer 1 protocol 00111: no 5b heading or fields, but the 5b extension line, then 5c.
    {"OtherProtocolOctet5b", "8890270800BB", Lang::English,
     join({kDigital64En,
           {
               " 5 octet",
               " ..." "00111" " User inform.layer 1 protocol.. " "Non-CCITT standardized rate adaption",
               " ." "01" "..... Layer 1 identification........ " "01",
               kContinuesEn,
               " 5a octet",
               " ..." "01000" " User rate..................... " "9.6 kbit/s Recommendation V.6 and X.1",
               " .." "0" "..... Negotiation................... " "in-band negotiation not possible",
               " ." "0" "...... Synchronous/asynchronous...... " "synchronous",
               kContinuesEn,
               kContinuesEn,
               " 5c octet",
               " ....." "011" " Parity information............ " "none",
               " ..." "11" "... Number of data bits........... " "8 bits",
               " ." "01" "..... Number of stop bits........... " "1 bit",
               kNoExtEn,
           }})},
    // Octet 7 without octet 6: nothing after the octet-5 group.
    {"Octet7WithoutOctet6", "8090A3E2", Lang::English, kSpeechEn},
    // Octets 4a and 4b; octet 5 found at the 33rd bit.
    {"Octets4aAnd4b", "88100091A2", Lang::English,
     join({kDigital64With4aEn,
           {
               " 4a octet",
               " ......" "00" " Establishment................. " "demand",
               " ...." "00" ".. Configuration................. " "point-to-point",
               " ." "000" ".... Structure..................... " " 8kHz integrity",
               kContinuesEn,
               " 4b octet",
               " ..." "10001" " Information transfer rate..... " "2*64 kbits/s (circuit mode)",
               " ." "00" "..... Symmetry...................... " "bidirectional symmetric",
               kNoExtEn,
               " 5 octet",
               " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
               " ." "01" "..... Layer 1 identification........ " "01",
               kNoExtEn,
           }})},
    {"Octets4aAnd4bRussian",
     "88100091",
     Lang::Russian,
     {
         kDigital64Ru[0],
         kDigital64Ru[1],
         kDigital64Ru[2],
         kDigital64Ru[3],
         kDigital64Ru[4],
         kDigital64Ru[5],
         kDigital64Ru[6],
         kContinuesRu,
         " 4a октет",
         " ......" "00" " Установка..................... " "запрос",
         " ...." "00" ".. Конфигурация.................. " "точка-точка",
         " ." "000" ".... Структура..................... " "целостность 8 кГц",
         kContinuesRu,
         " 4b октет",
         " ..." "10001" " Скорость передачи информации.. " "2*64 кБит/с",
         " ." "00" "..... Симметрия..................... " "двунаправленная симметричная",
         kNoExtRu,
     }},
    // Octet 4a ending the group: octet 5 is read from the 25th bit.
    {"Octet4aEndsGroup", "88108FA2", Lang::English,
     join({kDigital64With4aEn,
           {
               " 4a octet",
               " ......" "11" " Establishment................. " "reserved",
               " ...." "11" ".. Configuration................. " "reserved",
               " ." "000" ".... Structure..................... " " 8kHz integrity",
               kNoExtEn,
               " 5 octet",
               " ..." "00010" " User inform.layer 1 protocol.. " "Recommendation G.711 mu-law",
               " ." "01" "..... Layer 1 identification........ " "01",
               kNoExtEn,
           }})},
    // Octet 4b with extension 0: no layer position, the element ends after its fields.
    {"Octet4bWithoutExtension", "8810001FA2", Lang::English,
     join({kDigital64With4aEn,
           {
               " 4a octet",
               " ......" "00" " Establishment................. " "demand",
               " ...." "00" ".. Configuration................. " "point-to-point",
               " ." "000" ".... Structure..................... " " 8kHz integrity",
               kContinuesEn,
               " 4b octet",
               " ..." "11111" " Information transfer rate..... " "reserved",
               " ." "00" "..... Symmetry...................... " "bidirectional symmetric",
           }})},
    // Packet mode, unrestricted digital: structure 000 means service data unit integrity.
    {"PacketModeStructure",
     "884080",
     Lang::English,
     {
         kDigital64En[0],
         kDigital64En[1],
         kDigital64En[2],
         kDigital64En[3],
         " 4 octet",
         " ..." "00000" " Information transfer rate..... " "this code shall be used for packet-mode calls",
         " ." "10" "..... Transfer mode................. " "packet mode",
         kContinuesEn,
         " 4a octet",
         " ......" "00" " Establishment................. " "demand",
         " ...." "00" ".. Configuration................. " "point-to-point",
         " ." "000" ".... Structure..................... " "service data unit integrity",
         kNoExtEn,
     }},
    {"PacketModeStructureRussian",
     "884080",
     Lang::Russian,
     {
         kDigital64Ru[0],
         kDigital64Ru[1],
         kDigital64Ru[2],
         kDigital64Ru[3],
         " 4 октет",
         " ..." "00000" " Скорость передачи информации.. " "код, используемый для вызовов в пакетном режиме",
         " ." "10" "..... Режим передачи................ " "пакетный режим",
         kContinuesRu,
         " 4a октет",
         " ......" "00" " Установка..................... " "запрос",
         " ...." "00" ".. Конфигурация.................. " "точка-точка",
         " ." "000" ".... Структура..................... " "целостность блока служебных данных",
         kNoExtRu,
     }},
    {"Unstructured", "8810F0", Lang::English,
     join({kDigital64With4aEn,
           {
               " 4a octet",
               " ......" "00" " Establishment................. " "demand",
               " ...." "00" ".. Configuration................. " "point-to-point",
               " ." "111" ".... Structure..................... " "unstructured",
               kNoExtEn,
           }})},
    // Packet mode with speech: structure 000 outside the default rule.
    {"StructureDefaultOutsideRule",
     "804080",
     Lang::English,
     {
         " 3 octet",
         " ..." "00000" " Inform. transfer capability... " "speech",
         kDigital64En[2],
         kNoExtEn,
         " 4 octet",
         " ..." "00000" " Information transfer rate..... " "this code shall be used for packet-mode calls",
         " ." "10" "..... Transfer mode................. " "packet mode",
         kContinuesEn,
         " 4a octet",
         " ......" "00" " Establishment................. " "demand",
         " ...." "00" ".. Configuration................. " "point-to-point",
         " ." "000" ".... Structure..................... " "default",
         kNoExtEn,
     }},
    // Values outside the tables.
    {"ReservedValues",
     "FFBF",
     Lang::English,
     {
         " 3 octet",
         " ..." "11111" " Inform. transfer capability... " "reserved",
         " ." "11" "..... Coding standard............... " "standard defined for the network (either public or private) present on the network side of the " "interface",
         kNoExtEn,
         " 4 octet",
         " ..." "11111" " Information transfer rate..... " "reserved",
         " ." "01" "..... Transfer mode................. " "reserved",
         kNoExtEn,
     }},
    {"ReservedValuesRussian",
     "FFBF",
     Lang::Russian,
     {
         " 3 октет",
         " ..." "11111" " Возможн.пересылки информации.. " "резерв",
         " ." "11" "..... Стандартное кодирования....... " "стандарт, определяемый для коммутационного поля, присутствует в интерфейсе со стороны поля",
         kNoExtRu,
         " 4 октет",
         " ..." "11111" " Скорость передачи информации.. " "резерв",
         " ." "01" "..... Режим передачи................ " "резерв",
         kNoExtRu,
     }},
    // Octet 3 with extension 0: nothing at all.
    {"Octet3WithoutExtension", "0090A3", Lang::English, {}},
    // Octets the extension bits announce but the contents lack end the element.
    {"MissingOctet4",
     "88",
     Lang::English,
     {kDigital64En[0], kDigital64En[1], kDigital64En[2], kDigital64En[3]}},
    {"MissingOctet5a", "889021", Lang::English,
     join({kDigital64En, Lines(kV110En.begin(), kV110En.begin() + 4)})},
    {"HalfOctet4",
     "889",
     Lang::English,
     {kDigital64En[0], kDigital64En[1], kDigital64En[2], kDigital64En[3]}},
};

// clang-format on

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
    const Lines tail(lines.begin() + 9, lines.end());
    EXPECT_EQ(tail, join({{" 00000100 Mandatory parameter........... Bearer capability", " Bearer capability",
                           " 00000011 Length........................ 3 Dec"},
                          kSpeechEn}));
}

TEST(BearerCapabilityElement, PreambleRussianAndLengthMistake) {
    Session s;
    s.settings.lang = Lang::Russian;
    std::string box = "08010105 0405 8090A3";
    const Lines lines = test::lines_of(decode_single(s, box).report);
    const Lines tail(lines.begin() + 9, lines.end());
    EXPECT_EQ(tail, (Lines{" 00000100 Обязательный параметр......... Средства доставки информации",
                           " Средства доставки информации", " 00000101 Длина......................... 5 Dec",
                           " ОШИБКА: недопустимый формат элемента"}));
}

// Every prefix of an element: the report stays well formed, in both entries.
TEST(BearerCapabilityElement, EveryPrefix) {
    const std::string contents = "881000912148423BD1C2E2";
    for (Lang lang : {Lang::English, Lang::Russian}) {
        for (std::size_t k = 0; k <= contents.size(); ++k) {
            const std::string prefix = contents.substr(0, k);
            EXPECT_TRUE(test::well_formed(body(lang, prefix))) << prefix;
            Flags flags;
            Context ctx(lang, true, "", flags);
            ctx.ind = "04";
            ctx.dlina("0C");
            BEARER_CAPABILITY(ctx, prefix);
            EXPECT_TRUE(test::well_formed(ctx.screen())) << prefix;
        }
    }
}

}  // namespace
}  // namespace tarn::dss1
