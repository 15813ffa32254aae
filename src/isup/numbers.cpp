// ISUP number parameters: Called party number (04), Subsequent number (05), Calling party
// number (0A), Redirecting number (0B), Redirection number (0C), Original called number
// (28), each one data row of the number shape; and the Connection request (0D).
#include "isup/numbers.hpp"

#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

// --- labels shared by the number parameters ---

constexpr Label kNatureLabel{" Nature of address indicator... ", " Индикатор типа адреса......... "};
constexpr Label kOddEvenLabel{" Odd/even indicator............ ", " Инд.четности/нечетности....... "};
constexpr Label kOddEvenSpacedLabel{" Odd/even indicator............ ", " Инд. четности/нечетности...... "};
constexpr Label kPlanLabel{" Numbering plan indicator...... ", " Индикатор плана нумерации..... "};
constexpr Label kPresentationLabel{" Address present.restrict.ind.. ", " Инд.огранич.представл.номера.. "};
constexpr Label kAddressLabel{" Address signal................ ", " Адресные сигналы.............. "};

constexpr Row kOddEvenRows[] = {
    {0, {"even number of address signals", "четное число адресных сигналов"}},
    {1, {"odd number of address signals", "нечетное число адресных сигналов"}},
};

constexpr Text kE164{"ISDN (Telephony) numbering plan (Recommendation E.164)",
                     "план нумерации ISDN (Телефония) (Recommendation E.164)"};
constexpr std::string_view kX121 = "Data numbering plan (Recommendation X.121)";
constexpr std::string_view kTelex = "Telex numbering plan (Recommendation F.69)";

// The odd/even indicator of octet 1, bit 8.
constexpr Field kOddEven{8, 8, kOddEvenLabel, kOddEvenRows};
constexpr Field kOddEvenSpaced{8, 8, kOddEvenSpacedLabel, kOddEvenRows};

// --- Called party number (04) ---

constexpr Row kCalledNature[] = {
    {1, {"subscriber number", "номер абонента"}},
    {2, {"unknown (national use)", kNotInIsupR.ru}},
    {3, {"national (significant) number", "национальный (значащий) номер"}},
    {4, {"international number", "международный номер"}},
};
constexpr Row kCalledInn[] = {
    {0, {"routing to internal network number allowed", "маршрутизация по внутреннему номеру разрешена"}},
    {1,
     {"routing to internal network number not allowed", "маршрутизация по внутреннему номеру не разрешена"}},
};
constexpr Row kCalledPlan[] = {
    {1, kE164},
    {3, {kX121, "не применяется в ISUP-R"}},
    {4, {kTelex, "не применяется в ISUP-R"}},
};
constexpr Field kCalledOctet2[] = {
    {4, 1, kSpare},
    {7, 5, kPlanLabel, kCalledPlan, {"spare", "не применяется в ISUP-R"}},
    {8, 8, {" Internal network number ind... ", " Инд.внутреннего номера сети... "}, kCalledInn},
};
constexpr Field kCalledNumberOctet1[] = {{7, 1, kNatureLabel, kCalledNature, {"spare", kNotInIsupR.ru}}, kOddEven};

// --- Subsequent number (05): octet 1 only, then the signals ---

constexpr Label kSubsequentNumberDigitsLabel{" Address signal................ ", " Адресный сигнал............... "};
constexpr Field kSubsequentNumberOctet1[] = {{7, 1, kSpare}, kOddEvenSpaced};

// --- Calling party number (0A) ---

constexpr Row kCallingNature[] = {
    {1, {"subscriber number", kNotInIsupR.ru}},
    {2, {"unknown", kNotInIsupR.ru}},
    {3, {"national (significant) number", "национальный (значащий) номер"}},
    {4, {"international number", "международный номер"}},
};
constexpr Row kCallingScreening[] = {
    {1,
     {"user provided, verified and passed",
      "номер обеспечивается оборудованием пользователя, проверяется и передается"}},
    {3, {"network provided", "номер обеспечивается сетью"}},
};
constexpr Row kCallingPresentation[] = {
    {0, {"presentation allowed", "предоставление разрешено"}},
    {1, {"presentation restricted", "предоставление не разрешено"}},
    {2, {"address not available", kNotInIsupR.ru}},
};
constexpr Row kCallingPlan[] = {
    {1, {kE164.en, "План нумерации ISDN (Телефония) (Recommendation E.164)"}},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
};
constexpr Row kCallingIncomplete[] = {
    {0, {"complete", "номер полный"}},
    {1, {"incomplete", kNotInIsupR.ru}},
};
constexpr Field kCallingOctet2[] = {
    {2,
     1,
     {" Screening indicator........... ", " Инд.контроля номера абонента.. "},
     kCallingScreening,
     {"reserved", kNotInIsupR.ru}},
    {4, 3, kPresentationLabel, kCallingPresentation, {"spare", kNotInIsupR.ru}},
    {7, 5, kPlanLabel, kCallingPlan, {"spare", kNotInIsupR.ru}},
    {8, 8, {" Number incomplete indicator... ", " Индикатор полноты номера...... "}, kCallingIncomplete},
};
constexpr Field kCallingNumberOctet1[] = {{7, 1, kNatureLabel, kCallingNature, {"spare", kNotInIsupR.ru}}, kOddEven};

// --- Redirecting number (0B) and Original called number (28): one octet-2 layout ---

constexpr Row kRedirectingNature[] = {
    {1, {"subscriber number", "абонентский номер"}},
    {2, {"unknown", "неизвестен"}},
    {3, {"national (significant) number", "национальный (значащий) номер"}},
    {4, {"international number", "международный номер"}},
};
constexpr Row kRedirectingPresentation[] = {
    {0, {"presentation allowed", "представление разрешено"}},
    {1, {"presentation restricted", "представление запрещено"}},
    {2, {"address not available", kNotInIsupR.ru}},
};
constexpr Row kRedirectingPlan[] = {
    {1, kE164},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
    {5, {"reserved for national use", kNotInIsupR.ru}},
    {6, {"reserved for national use", kNotInIsupR.ru}},
};
constexpr Field kRedirectingOctet2[] = {
    {2, 1, kSpare},
    {4, 3, kPresentationLabel, kRedirectingPresentation, {"spare", kNotInIsupR.ru}},
    {7, 5, kPlanLabel, kRedirectingPlan, {"spare", kNotInIsupR.ru}},
    {8, 8, kSpare},
};
constexpr Field kRedirectingNumberOctet1[] = {{7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}}, kOddEven};
constexpr Field kOriginalCalledNumberOctet1[] = {{7, 1, kNatureLabel, kRedirectingNature, {"spare", "пропущен"}}, kOddEven};

// --- Redirection number (0C) ---

constexpr Row kRedirectionInn[] = {
    // The English text of value 0 ends with a blank, as the report has always printed it.
    {0, {"routing to internal network number allowed ", "доступ к номеру внутренней сети разрешен"}},
    {1, {"routing to internal network number not allowed", "доступ к номеру внутренней сети не разрешен"}},
};
constexpr Row kRedirectionPlan[] = {
    {1, kE164},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
};
constexpr Field kRedirectionOctet2[] = {
    {4, 1, kSpare},
    {7, 5, kPlanLabel, kRedirectionPlan, {"reserved for national use", kNotInIsupR.ru}},
    {8, 8, {" Internal network number ind... ", " Инд. номера внутренней сети... "}, kRedirectionInn},
};
constexpr Field kRedirectionNumberOctet1[] = {{7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}}, kOddEvenSpaced};

// --- Connection request (0D): whole-octet fields shown as hex digits ---

struct HexField {
    Label label;
    std::size_t first;   // first hex digit, 1-based
    std::size_t digits;  // number of hex digits
};
constexpr HexField kConnectionRequest[] = {
    {{" Local reference............... ", " Локальная ссылка.............. "}, 1, 6},
    {{" Signalling point code......... ", " Код пункта сигнализации....... "}, 7, 4},
    {{" Protocol classs............... ", " Класс протокола............... "}, 11, 2},
    {{" Credit........................ ", " Кредит........................ "}, 13, 2},
};

}  // namespace

constexpr NumberShape kCalledPartyNumber{{" Called party number", " Номер вызываемого абонента"}, Opening::TitleLength, {}, kCalledNumberOctet1, kCalledOctet2, kAddressLabel};  // 04 subcl_04
constexpr NumberShape kSubsequentNumber{{" Subsequent number", " Последующий номер"}, Opening::TitleLength, {}, kSubsequentNumberOctet1, {}, kSubsequentNumberDigitsLabel};  // 05 subcl_05
constexpr NumberShape kCallingPartyNumber{{" Calling party number", " Номер вызывающего абонента"}, Opening::Header, {}, kCallingNumberOctet1, kCallingOctet2, kAddressLabel};  // 0A subcl_0A
constexpr NumberShape kRedirectingNumber{{" Redirecting number", " Перенаправляющий номер"}, Opening::Header, {}, kRedirectingNumberOctet1, kRedirectingOctet2, kAddressLabel};  // 0B subcl_0B
constexpr NumberShape kOriginalCalledNumber{{" Original called number", " Первоначальный вызываемый номер"}, Opening::Header, {}, kOriginalCalledNumberOctet1, kRedirectingOctet2, kAddressLabel};  // 28 subcl_28
constexpr NumberShape kRedirectionNumber{{" Redirection number", " Номер перенаправления"}, Opening::Header, {}, kRedirectionNumberOctet1, kRedirectionOctet2, kAddressLabel};  // 0C subcl_0C

// Local reference (octets 1-3), signalling point code (4-5), protocol class (6), credit (7),
// each as the hex digits stand in the message. Contents shorter than seven octets but as
// long as their length octet says print the missing fields empty before " Hex".
void subcl_0D(Context& ctx, const Element& e) {
    if (!ctx.open(e, {" Connection request", " Запрос соединения"}, Opening::Header)) return;
    for (const HexField& field : kConnectionRequest) ctx.hex_line(field.label, mid(e.hex(), field.first, field.digits));
}

}  // namespace tarn::isup
