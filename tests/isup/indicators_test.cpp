// Connection, call, information, continuity and backward call indicators, call reference
// and transmission medium requirement, in both readings.
#include "isup/indicators.hpp"

#include <gtest/gtest.h>

#include "isup/call_reference.hpp"
#include "isup/param_case.hpp"

namespace tarn::isup::test {
namespace {

constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

class Indicators : public ::testing::TestWithParam<ParamCase> {};

TEST_P(Indicators, PrintsTheFieldLines) {
    EXPECT_EQ(run(GetParam()), joined(GetParam().lines));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Isup, Indicators, ::testing::Values(
    fixed(En, subcl_06, "15", {
        " Nature of connection indicators ",
        " ......01 Satellite indicator........... one satellite circuit in the connection",
        " ....01.. Continuity check indicator.... continuity check required on this circuit",
        " ...1.... Echo control device indicator. outgoing echo control device included",
        " 000..... Spare........................."}),
    fixed(Ru, subcl_06, "3F", {
        " Индикаторы типа соединения ",
        " ......11 Индикатор спутника............ резерв",
        " ....11.. Инд.контроля целостности...... резерв",
        " ...1.... Инд.уст-ва управления эхом.... исходящий полукомплект эхоканселлера включен",
        " 001..... Резерв........................ "}),
    fixed(En, subcl_07, "6001", {
        " Forward call indicators ",
        " .......0 National/international ind.... call to be treated as a national call",
        " .....00. Еnd-to-end method indicator... no end-to-end method available (only link-by-link method available)",
        " ....0... Interworking indicator........ no interworking encountered (No.7 signalling all the way)",
        " ...0.... End-to-end information ind.... no end-to-end information available",
        " ..1..... ISDN user part indicator...... ISDN user part used all the way",
        " 01...... ISDN user part preference ind. ISDN user not required all the way ",
        " .......1 ISDN access indicator......... originating access ISDN",
        " .....00. SCCP method indicator......... no indication",
        " 00000... Spare......................... "}),
    fixed(Ru, subcl_07, "BFF6", {
        " Прямые индикаторы вызова ",
        " .......1 Инд.национ/междунар.вызова.... вызов должен обрабатываться как международный",
        " .....11. Инд.метода из конца-в-конец... не используется в ISUP-R",
        " ....1... Индикатор взаимодействия...... используется взаимодействие с другими системами сигнализации",
        " ...1.... Инд.информации конец-в-конец.. информация из конца-в-конец доступна",
        " ..1..... Индикатор ISUP................ ISUP используется на всем пути",
        " 10...... Инд.предпочтительности ISUP... требуется использование ISUP на всем пути",
        " .......0 Индикатор доступа ISDN........ источником вызова является не ISDN",
        " .....11. Индикатор метода SCCP......... не используется в ISUP-R",
        " 11110... Резерв........................ "}),
    // a short mandatory fixed parameter: no line built on the missing octet
    fixed(En, subcl_07, "60", {" Forward call indicators ", " MISTAKE: Invalid element format"}),
    optional(En, subcl_08, "08", "01", "87", {
        " 00001000 Optional parameter............ Optional forward call indicators ",
        " Optional forward call indicators ",
        " 00000001 Length........................ 1 Dec",
        " ......11 Closed user group call ind.... closed user group call, outgoing access not allowed",
        " .....1.. Simple segmentation ind....... additional information will be sent in a segmentation message",
        " .0000... Spare......................... ",
        " 1....... Connected line iden.req.ind... requested"}),
    optional(Ru, subcl_08, "08", "01", "05", {
        " 00001000 Необязательный параметр....... Необязательные прямые индикаторы вызова",
        " Необязательные прямые индикаторы вызова",
        " 00000001 Длина......................... 1 Dec",
        " ......01 Индикатор ЗГП................. не используется",
        " .00001.. Резерв........................ ",
        " 0....... Запрос информ. о подкл.линии.. не запрашивается"}),
    fixed(En, subcl_09, "0A", {
        " Calling party's category",
        " 00001010 Category...................... ordinary calling subscriber"}),
    optional(Ru, subcl_09, "09", "01", "0A", {
        " 00001001 Необязательный параметр....... Категория вызывающей стороны",
        " Категория вызывающей стороны",
        " 00000001 Длина......................... 1 Dec",
        " 00001010 Категория..................... обычный вызывающий абонент"}),
    fixed(En, subcl_0E, "8100", {
        " Information request indicators",
        " .......1 Calling party address req.ind. calling party address requested",
        " ......0. Holding indicator............. holding not requested",
        " .....0.. Spare......................... ",
        " ....0... Calling party's categ.req.ind. calling party's category not requested",
        " ...0.... Charge information req.ind.... charge information not requested",
        " .00..... Spare......................... ",
        " 1....... Malicious call ident.req.ind.. malicious call identification requested",
        " 00000000 Spare......................... "}),
    fixed(Ru, subcl_0E, "1E00", {
        " Индикаторы запроса информации",
        " .......0 Инд.запр.адреса вызывающ.стор. адрес вызывающей стороны не требуется",
        " ......1. Индикатор удержания........... не используется в ISUP-R",
        " .....1.. Резерв........................ ",
        " ....1... Инд.запр.катег.вызывающ.стор.. не используется в ISUP-R",
        " ...1.... Инд.запр.информации по тарифу. не используется в ISUP-R",
        " .00..... Резерв........................ ",
        " 0....... Инд.запр.определ.злонам.вызов. определение злонамеренного вызова не требуется",
        " 00000000 Резерв........................ "}),
    fixed(En, subcl_0F, "0300", {
        " Information indicators",
        " ......11 Calling party addr.respon.ind. calling party address included",
        " .....0.. Hold provided indicator....... hold not provided",
        " ...00... Spare......................... ",
        " ..0..... Calling party's cat.resp.ind.. calling party's category not included",
        " .0...... Charge information respon.ind. charge information not included",
        " 0....... Solicited information ind..... solicited",
        " 00000000 Spare......................... "}),
    fixed(Ru, subcl_0F, "E6FF", {
        " Индикаторы информации",
        " ......10 Инд.ответа адреса вызывающ.ст. резерв",
        " .....1.. Индикатор условия удержания... не используется в ISUP-R",
        " ...00... Резерв........................ ",
        " ..1..... Инд.ответа катег.вызывающ.ст.. не используется в ISUP-R",
        " .1...... Инд.ответа на запрос по тариф. не используется в ISUP-R",
        " 1....... Инд.запрошенной информации.... не используется в ISUP-R",
        " 11111111 Резерв........................ "}),
    fixed(En, subcl_10, "01", {
        " Continuity indicators",
        " .......1 Continuity indicator.......... continuity check successful",
        " 0000000. Spare......................... "}),
    fixed(Ru, subcl_10, "FE", {
        " Индикаторы целостности",
        " .......0 Индикатор целостности......... проверка целостности неудачна",
        " 1111111. Резерв........................ "}),
    fixed(En, subcl_11, "1614", {
        " Backward call indicators",
        " ......10 Charge indicator.............. charge",
        " ....01.. Called party's status ind..... subscriber free",
        " ..01.... Called party's category ind... ordinary subscriber",
        " 00...... End-to-end method indicator... no end-to-end method available (only link-by-link method available)",
        " .......0 Interworking indicator........ no interworking encountered (Signalling System No.7 all the way)",
        " ......0. End-to-end information ind.... no end-to-end information available",
        " .....1.. ISDN user part indicator...... ISDN user part used all the way",
        " ....0... Holding indicator............. holding not requested",
        " ...1.... ISDN access indicator......... terminating access ISDN",
        " ..0..... Echo control device ind....... incoming echo control device not included",
        " 00...... SCCP method indicator......... no indication"}),
    optional(Ru, subcl_11, "11", "02", "FFFF", {
        " 00010001 Необязательный параметр....... Обратные индикаторы вызова",
        " Обратные индикаторы вызова",
        " 00000010 Длина......................... 2 Dec",
        " ......11 Индикатор оплаты.............. резерв",
        " ....11.. Инд.сост.вызываемого абонента. резерв",
        " ..11.... Инд.кат.вызываемого абонента.. резерв",
        " 11...... Инд.метода из конца-в-конец... не используется в ISUP-R",
        " .......1 Индикатор взаимодействия...... используется взаимодействие",
        " ......1. Инд.информ.из конца-в-конец... не используется в ISUP-R",
        " .....1.. Индикатор использования ISDN.. ISUP используется на всем пути",
        " ....1... Индикатор удержания........... не используется в ISUP-R",
        " ...1.... Индикатор доступа ISDN........ оконечное устройство является устройством ISDN",
        " ..1..... Инд.устройств эхоподавления... входящий полукомплект эхоканселлера включен",
        " 11...... Инд.использования метода SCCP. не используется в ISUP-R"}),
    optional(En, subcl_11, "11", "03", "1614", {
        " 00010001 Optional parameter............ Backward call indicators",
        " Backward call indicators",
        " 00000011 Length........................ 3 Dec",
        " MISTAKE: Invalid element format"}),
    // one octet announced and present: the second octet's fields are not printed
    optional(Ru, subcl_11, "11", "01", "16", {
        " 00010001 Необязательный параметр....... Обратные индикаторы вызова",
        " Обратные индикаторы вызова",
        " 00000001 Длина......................... 1 Dec",
        " ОШИБКА: недопустимый формат элемента"}),
    optional(En, subcl_01, "01", "05", "0102030405", {
        " 00000001 Optional parameter............ Call reference (national use)",
        " Call reference (national use)",
        " 00000101 Length........................ 5 Dec",
        " ******** Information elements.......... 0102030405"}),
    optional(Ru, subcl_01, "01", "02", "ABCD", {
        " 00000001 Необязательный параметр....... Указатель вызова (национальное использование)",
        " Указатель вызова (национальное использование)",
        " 00000010 Длина......................... 2 Dec",
        " ******** Информационные элементы....... ABCD"}),
    fixed(Ru, subcl_02, "03", {
        " Требования к среде передачи",
        " 00000011 Требования.................... 3.1 kHz аудио"}),
    fixed(En, subcl_02, "", {" Transmission medium requirement (TMR)", " MISTAKE: Invalid element format"})));
// clang-format on

// The value text of one-octet tables at their edges: {decoder, octet, English, Russian}.
struct ValueCase {
    Decoder decode;
    const char* octet;
    const char* en;
    const char* ru;
};

void PrintTo(const ValueCase& v, std::ostream* os) {
    *os << v.octet;
}

class OctetValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(OctetValue, BothReadings) {
    const ValueCase& v = GetParam();
    for (Lang lang : {En, Ru}) {
        const std::string screen = run(fixed(lang, v.decode, v.octet, {}));
        const std::string value = lang == En ? v.en : v.ru;
        const std::string tail = ". " + value + "\r\n";  // the label's last dot, the value
        ASSERT_GE(screen.size(), tail.size());
        EXPECT_EQ(screen.substr(screen.size() - tail.size()), tail) << v.octet;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Isup, OctetValue,
    ::testing::Values(
        ValueCase{subcl_09, "00", "calling party's category unknown as this time",
                  "категория вызывающей стороны в настоящее время неизвестна"},
        ValueCase{subcl_09, "08",
                  "available to Administrations for selection a particular language by mutual agreement",
                  "доступна для администрирования"},
        ValueCase{subcl_09, "0E", "spare", "неизвестная категория"},
        ValueCase{subcl_09, "0F", "payphone", "таксофон"},
        ValueCase{subcl_09, "F1", "spare", "полуавтоматический вызов 1 категории"},
        ValueCase{subcl_09, "F7", "spare", "полуавтоматический вызов 4 категории"},
        ValueCase{subcl_09, "FF", "spare", "неизвестная категория"},
        ValueCase{subcl_02, "00", "speech", "речь"},
        ValueCase{subcl_02, "01", "spare", "не используется в ISUP-R"},
        ValueCase{subcl_02, "06", "64 kbit/s preferred", "не используется в ISUP-R"},
        ValueCase{subcl_02, "0A", "1920 kbit/s unrestricted", "не используется в ISUP-R"},
        ValueCase{subcl_02, "0B", "spare", "не используется в ISUP-R"}));

}  // namespace
}  // namespace tarn::isup::test
