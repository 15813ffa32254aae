#include "isup/numbers.hpp"

#include <span>
#include <string>

#include "isup/octet_fields.hpp"
#include "report/convert.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

// --- labels shared by the number parameters ---

constexpr Text kNatureLabel{" Nature of address indicator... ", " Индикатор типа адреса......... "};
constexpr Text kOddEvenLabel{" Odd/even indicator............ ", " Инд.четности/нечетности....... "};
constexpr Text kOddEvenSpacedLabel{" Odd/even indicator............ ", " Инд. четности/нечетности...... "};
constexpr Text kPlanLabel{" Numbering plan indicator...... ", " Индикатор плана нумерации..... "};
constexpr Text kPresentationLabel{" Address present.restrict.ind.. ", " Инд.огранич.представл.номера.. "};
constexpr Text kAddressLabel{" Address signal................ ", " Адресные сигналы.............. "};

constexpr Row kOddEven[] = {
    {0, {"even number of address signals", "четное число адресных сигналов"}},
    {1, {"odd number of address signals", "нечетное число адресных сигналов"}},
};

constexpr Text kE164{"ISDN (Telephony) numbering plan (Recommendation E.164)",
                     "план нумерации ISDN (Телефония) (Recommendation E.164)"};
constexpr std::string_view kX121 = "Data numbering plan (Recommendation X.121)";
constexpr std::string_view kTelex = "Telex numbering plan (Recommendation F.69)";

// The layout of one number parameter: its name, how its header is printed, the fields
// of octet 1 (bits 7-1) and octet 2 in the order of their lines, the address line.
struct NumberLayout {
    Text name;
    bool optional;  // header by TypeMess; otherwise a title line and a length line
    BitField nature;
    Text odd_even_label;
    std::span<const BitField> octet2;  // empty: the address signals start at octet 2
    Text address_label;
};

// Address signals from the address octets. With an odd number of signals the high half
// of the last octet is the filler, not a signal: it is dropped before any F becomes "ST".
std::string address_signals(std::string_view hex, bool odd) {
    hex = hex.substr(0, hex.size() - hex.size() % 2);
    if (!odd || hex.empty()) return AdrS(hex);
    std::string text = AdrS(hex.substr(0, hex.size() - 2));
    const char last = hex.back();
    text += (last == 'F' || last == 'f') ? std::string("ST") : std::string(1, last);
    return text;
}

void decode_number(Context& ctx, const NumberLayout& number, const Element& e) {
    const std::string_view contents = e.hex();
    if (number.optional) {
        ctx.header(e, number.name);
    } else {
        ctx.line(ctx.t(number.name));
        ctx.length_line(e);
    }
    const std::size_t indicator_digits = number.octet2.empty() ? 2 : 4;
    if (!(ctx.length_ok(e) && ctx.holds(e, indicator_digits / 2))) return;

    const std::string octet1 = BIN(mid(contents, 1, 2));
    const std::string octet2 = BIN(mid(contents, 3, 2));
    const bool odd = octet1.front() == '1';
    const std::string address = address_signals(mid(contents, indicator_digits + 1), odd);

    print_field(ctx, octet1, number.nature);
    print_field(ctx, octet1, {8, 8, number.odd_even_label, kOddEven});
    for (const BitField& field : number.octet2) print_field(ctx, octet2, field);
    if (address.size() >= 2) ctx.octets(number.address_label, address);
}

// --- Called party number (04) ---

constexpr Row kCalledNature[] = {
    {1, {"subscriber number", "номер абонента"}},
    {2, {"unknown (national use)", kNotInIsupR}},
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
constexpr BitField kCalledOctet2[] = {
    {4, 1, kSpare},
    {7, 5, kPlanLabel, kCalledPlan, {"spare", "не применяется в ISUP-R"}},
    {8, 8, {" Internal network number ind... ", " Инд.внутреннего номера сети... "}, kCalledInn},
};
constexpr NumberLayout kCalledNumber{
    {" Called party number", " Номер вызываемого абонента"},
    false,
    {7, 1, kNatureLabel, kCalledNature, {"spare", kNotInIsupR}},
    kOddEvenLabel,
    kCalledOctet2,
    kAddressLabel,
};

// --- Subsequent number (05): octet 1 only, then the signals ---

constexpr NumberLayout kSubsequentNumber{
    {" Subsequent number", " Последующий номер"},
    false,
    {7, 1, kSpare},
    kOddEvenSpacedLabel,
    {},
    {" Address signal................ ", " Адресный сигнал............... "},
};

// --- Calling party number (0A) ---

constexpr Row kCallingNature[] = {
    {1, {"subscriber number", kNotInIsupR}},
    {2, {"unknown", kNotInIsupR}},
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
    {2, {"address not available", kNotInIsupR}},
};
constexpr Row kCallingPlan[] = {
    {1, {kE164.en, "План нумерации ISDN (Телефония) (Recommendation E.164)"}},
    {3, {kX121, kNotInIsupR}},
    {4, {kTelex, kNotInIsupR}},
};
constexpr Row kCallingIncomplete[] = {
    {0, {"complete", "номер полный"}},
    {1, {"incomplete", kNotInIsupR}},
};
constexpr BitField kCallingOctet2[] = {
    {2,
     1,
     {" Screening indicator........... ", " Инд.контроля номера абонента.. "},
     kCallingScreening,
     {"reserved", kNotInIsupR}},
    {4, 3, kPresentationLabel, kCallingPresentation, {"spare", kNotInIsupR}},
    {7, 5, kPlanLabel, kCallingPlan, {"spare", kNotInIsupR}},
    {8, 8, {" Number incomplete indicator... ", " Индикатор полноты номера...... "}, kCallingIncomplete},
};
constexpr NumberLayout kCallingNumber{
    {" Calling party number", " Номер вызывающего абонента"},
    true,
    {7, 1, kNatureLabel, kCallingNature, {"spare", kNotInIsupR}},
    kOddEvenLabel,
    kCallingOctet2,
    kAddressLabel,
};

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
    {2, {"address not available", kNotInIsupR}},
};
constexpr Row kRedirectingPlan[] = {
    {1, kE164},
    {3, {kX121, kNotInIsupR}},
    {4, {kTelex, kNotInIsupR}},
    {5, {"reserved for national use", kNotInIsupR}},
    {6, {"reserved for national use", kNotInIsupR}},
};
constexpr BitField kRedirectingOctet2[] = {
    {2, 1, kSpare},
    {4, 3, kPresentationLabel, kRedirectingPresentation, {"spare", kNotInIsupR}},
    {7, 5, kPlanLabel, kRedirectingPlan, {"spare", kNotInIsupR}},
    {8, 8, kSpare},
};
constexpr NumberLayout kRedirectingNumber{
    {" Redirecting number", " Перенаправляющий номер"},
    true,
    {7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}},
    kOddEvenLabel,
    kRedirectingOctet2,
    kAddressLabel,
};
constexpr NumberLayout kOriginalCalledNumber{
    {" Original called number", " Первоначальный вызываемый номер"},
    true,
    {7, 1, kNatureLabel, kRedirectingNature, {"spare", "пропущен"}},
    kOddEvenLabel,
    kRedirectingOctet2,
    kAddressLabel,
};

// --- Redirection number (0C) ---

constexpr Row kRedirectionInn[] = {
    // The English text of value 0 ends with a blank, as the report has always printed it.
    {0, {"routing to internal network number allowed ", "доступ к номеру внутренней сети разрешен"}},
    {1, {"routing to internal network number not allowed", "доступ к номеру внутренней сети не разрешен"}},
};
constexpr Row kRedirectionPlan[] = {
    {1, kE164},
    {3, {kX121, kNotInIsupR}},
    {4, {kTelex, kNotInIsupR}},
};
constexpr BitField kRedirectionOctet2[] = {
    {4, 1, kSpare},
    {7, 5, kPlanLabel, kRedirectionPlan, {"reserved for national use", kNotInIsupR}},
    {8, 8, {" Internal network number ind... ", " Инд. номера внутренней сети... "}, kRedirectionInn},
};
constexpr NumberLayout kRedirectionNumber{
    {" Redirection number", " Номер перенаправления"},
    true,
    {7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}},
    kOddEvenSpacedLabel,
    kRedirectionOctet2,
    kAddressLabel,
};

// --- Connection request (0D): whole-octet fields shown as hex digits ---

struct HexField {
    Text label;
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

void subcl_04(Context& ctx, const Element& e) {
    decode_number(ctx, kCalledNumber, e);
}
void subcl_05(Context& ctx, const Element& e) {
    decode_number(ctx, kSubsequentNumber, e);
}
void subcl_0A(Context& ctx, const Element& e) {
    decode_number(ctx, kCallingNumber, e);
}
void subcl_0B(Context& ctx, const Element& e) {
    decode_number(ctx, kRedirectingNumber, e);
}
void subcl_0C(Context& ctx, const Element& e) {
    decode_number(ctx, kRedirectionNumber, e);
}
void subcl_28(Context& ctx, const Element& e) {
    decode_number(ctx, kOriginalCalledNumber, e);
}

// Local reference (octets 1-3), signalling point code (4-5), protocol class (6), credit (7),
// each as the hex digits stand in the message. A field cut short ends the parameter.
void subcl_0D(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    ctx.header(e, {" Connection request", " Запрос соединения"});
    if (!ctx.length_ok(e)) return;
    for (const HexField& field : kConnectionRequest) {
        if (contents.size() < field.first - 1 + field.digits) {
            ctx.mistake(kInvalidFormat);
            return;
        }
        ctx.line(" ********", ctx.t(field.label), mid(contents, field.first, field.digits), " Hex");
    }
}

}  // namespace tarn::isup
