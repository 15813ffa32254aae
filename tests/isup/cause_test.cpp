// Cause indicators: the header chosen by the message type, octets 1 and 2, diagnostics.
#include "isup/cause.hpp"

#include <gtest/gtest.h>

#include "isup/param_case.hpp"

namespace tarn::isup::test {
namespace {

constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

ParamCase cause(Lang lang, const char* message_type, const char* length, const char* contents,
                std::vector<std::string> lines) {
    return optional(lang, subcl_12, "12", length, contents, std::move(lines), message_type);
}

class Cause : public ::testing::TestWithParam<ParamCase> {};

TEST_P(Cause, PrintsTheParameter) {
    EXPECT_EQ(run(GetParam()), joined(GetParam().lines));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Isup, Cause, ::testing::Values(
    // Release: the mandatory variable parameter, title and length lines only
    cause(En, "0C", "02", "8090", {
        " Cause indicators",
        " 00000010 Length........................ 2 Dec",
        " ....0000 Location...................... user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension indicator........... last octet",
        " .0010000 Cause value................... Normal call clearing",
        " 1....... Extension indicator........... last octet"}),
    // Address complete: optional header; diagnostics run to the end past a last-octet bit
    cause(Ru, "06", "04", "0A9181FF", {
        " 00010010 Необязательный параметр....... Индикаторы причины",
        " Индикаторы причины",
        " 00000100 Длина......................... 4 Dec",
        " ....1010 Определение места............. пункт взаимодействия",
        " ...0.... Резерв........................ ",
        " .00..... Стандарт кодирования.......... стандарт CCITT",
        " 0....... Индикатор расширения.......... информация продолжается в следующем октете",
        " .0010001 Значение причины.............. абонент занят",
        " 1....... Индикатор расширения.......... последний октет",
        " .0000001 Диагностика................... индикатор CCBS",
        " 1....... Индикатор расширения.......... последний октет",
        " .1111111 Диагностика................... индикатор CCBS",
        " 1....... Индикатор расширения.......... последний октет"}),
    // Release complete: reserved location, cause outside the table, no diagnostic row
    cause(En, "10", "03", "EF8A00", {
        " 00010010 Optional parameter............ Cause indicators",
        " Cause indicators",
        " 00000011 Length........................ 3 Dec",
        " ....1111 Location...................... reserved",
        " ...0.... Spare......................... ",
        " .11..... Coding standard............... standard specific to identified location",
        " 1....... Extension indicator........... last octet",
        " .0001010 Cause value................... reserved",
        " 1....... Extension indicator........... last octet",
        " .0000000 Diagnostic(s)................. not defined for this cause value",
        " 0....... Extension indicator........... information continues in the next octet"}),
    cause(Ru, "2C", "03", "B3FF00", {
        " 00010010 Необязательный параметр....... Индикаторы причины",
        " Индикаторы причины",
        " 00000011 Длина......................... 3 Dec",
        " ....0011 Определение места............. транзитная сеть",
        " ...1.... Резерв........................ ",
        " .01..... Стандарт кодирования.......... стандарт ISO/IEC",
        " 1....... Индикатор расширения.......... последний октет",
        " .1111111 Значение причины.............. взаимодействие неспецифицировано",
        " 1....... Индикатор расширения.......... последний октет",
        " .0000000 Диагностика................... не определена для данного значения причины",
        " 0....... Индикатор расширения.......... информация продолжается в следующем октете"}),
    // Confusion: cause 104 has a diagnostic name but no cause text
    cause(Ru, "2F", "03", "47E881", {
        " Индикаторы причины",
        " 00000011 Длина......................... 3 Dec",
        " ....0111 Определение места............. международная сеть",
        " ...0.... Резерв........................ ",
        " .10..... Стандарт кодирования.......... национальный стандарт",
        " 0....... Индикатор расширения.......... информация продолжается в следующем октете",
        " .1101000 Значение причины.............. не принадлежит ISUP-R",
        " 1....... Индикатор расширения.......... последний октет",
        " .0000001 Диагностика................... наименование параметра(ов), наименования сообщения",
        " 1....... Индикатор расширения.......... последний октет"}),
    cause(En, "0C", "03", "8090", {
        " Cause indicators",
        " 00000011 Length........................ 3 Dec",
        " MISTAKE: Invalid element format"}),
    cause(Ru, "0C", "00", "", {
        " Индикаторы причины",
        " 00000000 Длина......................... 0 Dec",
        " ОШИБКА: недопустимый формат элемента"}),
    // one octet only: octet 1 is shown, no cause value line is built on missing bits
    cause(En, "0C", "01", "85", {
        " Cause indicators",
        " 00000001 Length........................ 1 Dec",
        " ....0101 Location...................... private network serving the remote user",
        " ...0.... Spare......................... ",
        " .00..... Coding standard............... CCITT standardized coding as described below",
        " 1....... Extension indicator........... last octet",
        " MISTAKE: Invalid element format"})));
// clang-format on

// Cause values at the table's edges, read in a Release: {octet 2, its bits 7-1, English, Russian}.
struct CauseValue {
    const char* octet2;
    const char* bits;
    const char* en;
    const char* ru;
};

void PrintTo(const CauseValue& v, std::ostream* os) {
    *os << v.octet2;
}

class CauseValues : public ::testing::TestWithParam<CauseValue> {};

TEST_P(CauseValues, BothReadings) {
    const CauseValue& v = GetParam();
    for (Lang lang : {En, Ru}) {
        const std::string screen = run(cause(lang, "0C", "02", (std::string("80") + v.octet2).c_str(), {}));
        const std::string line = std::string(" .") + v.bits +
                                 (lang == En ? " Cause value................... " + std::string(v.en)
                                             : " Значение причины.............. " + std::string(v.ru)) +
                                 "\r\n";
        EXPECT_NE(screen.find(line), std::string::npos) << screen;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Isup, CauseValues, ::testing::Values(
    CauseValue{"80", "0000000", "reserved", "не принадлежит ISUP-R"},
    CauseValue{"81", "0000001", "Unallocated (unassigned) number", "несуществующий номер абонента"},
    CauseValue{"89", "0001001", "Preemption - circuit reserved for reuse",
               "отказ - цепь резервирована для дальнейшего использования"},
    CauseValue{"AF", "0101111", "Resourses unavailable, unspecified", "ресурс недоступен, неспецифицировано"},
    CauseValue{"EF", "1101111", "Protocol error, unspecified", "ошибка протокола, неспецифицировано"},
    CauseValue{"F0", "1110000", "reserved", "не принадлежит ISUP-R"},
    CauseValue{"FF", "1111111", "Interworking, unspecified", "взаимодействие неспецифицировано"}));
// clang-format on

}  // namespace
}  // namespace tarn::isup::test
