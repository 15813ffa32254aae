// ISUP number parameters: Called party number (04), Subsequent number (05), Calling party
// number (0A), Redirecting number (0B), Redirection number (0C), Connected number (21),
// Transit network selection (23), Original called number (28), Location number (3F) and
// Generic number (C0), each one data row of the number shape; and the Connection request (0D).
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
constexpr Field kCalledNumberOctet1[] = {{7, 1, kNatureLabel, kCalledNature, {"spare", kNotInIsupR.ru}},
                                         kOddEven};

// --- Subsequent number (05): octet 1 only, then the signals ---

constexpr Label kSubsequentNumberDigitsLabel{" Address signal................ ",
                                             " Адресный сигнал............... "};
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
constexpr Field kCallingNumberOctet1[] = {{7, 1, kNatureLabel, kCallingNature, {"spare", kNotInIsupR.ru}},
                                          kOddEven};

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
constexpr Field kRedirectingNumberOctet1[] = {{7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}},
                                              kOddEven};
constexpr Field kOriginalCalledNumberOctet1[] = {
    {7, 1, kNatureLabel, kRedirectingNature, {"spare", "пропущен"}}, kOddEven};

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
constexpr Field kRedirectionNumberOctet1[] = {{7, 1, kNatureLabel, kRedirectingNature, {"spare", "резерв"}},
                                              kOddEvenSpaced};

// --- Connected number (21): the Calling party number's octet 1, bit 8 of octet 2 spare ---

constexpr Row kConnectedScreening[] = {
    {1,
     {"user provided, verified passed",
      "номер обеспечивается оборудованием пользователя, проверяется и передается"}},
    {3, {"network provided", "номер обеспечивается сетью"}},
};
constexpr Text kConnectedPresentation[] = {
    {"presentation allowed", "предоставление разрешено"},
    {"presentation restricted", "предоставление запрещено"},
    {"address not available", "адрес недоступен"},
    {"spare", "резерв"},
};
constexpr Row kConnectedPlan[] = {
    {1, {kE164.en, "План нумерации ISDN (Телефония)"}},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
};
constexpr Field kConnectedOctet2[] = {
    {2,
     1,
     {" Screening indicator........... ", " Индикатор отображения......... "},
     kConnectedScreening,
     {"reserved", kNotInIsupR.ru}},
    dense_field(4, 3, kPresentationLabel, kConnectedPresentation),
    {7, 5, kPlanLabel, kConnectedPlan, {"spare", kNotInIsupR.ru}},
    {8, 8, kSpare},
};

// --- Transit network selection (23): octet 1, then the network identification digits ---

constexpr Row kNetworkPlan[] = {
    {0b0000, {"unknown", "неизвестен"}},
    {0b0011,
     {"public data network identification code (DNIC), Recommendation X.121",
      "код идентификации сети передачи данных общего пользования (DNIC), Рекомендация X.121"}},
    {0b0110,
     {"public land Mobile Network Identification Code (MNIC), Recommendation E.212",
      "код идентификации наземной сети подвижной связи общего пользования (MNIC), Рекомендация E.212"}},
};
constexpr Row kNetworkType[] = {
    {0b000, {"CCITT/ITU-T-standardized identification", "идентификация, стандартизованная CCITT/ITU-T"}},
    {0b010, {"national network identification", "идентификация национальной сети"}},
};
constexpr Field kTransitNetworkOctet1[] = {
    {4,
     1,
     {" Network identification plan... ", " План идентификации сети....... "},
     kNetworkPlan,
     {"spare", "резерв"}},
    {7,
     5,
     {" Type of network identificat... ", " Тип идентификации сети........ "},
     kNetworkType,
     {"spare", "резерв"}},
    kOddEven,
};
constexpr Label kNetworkIdentificationLabel{" Network identification........ ",
                                            " Идентификация сети............ "};

// --- Location number (3F): ISUP-R reads four nature codes as the global identification of
// a mobile cell, whose address signals are the country, station and base digits ---

constexpr Row kLocationNature[] = {
    {1, {"reserved for subscriber number", "абонентский номер"}},
    {2, {"reserved for unknown", "неизвестен"}},
    {3, {"national (significant) number", "национальный (значащий) номер"}},
    {4, {"international number", "международный номер"}},
    {0x7B, {"spare", "глобальная идентификация соты, AutoNet"}},
    {0x7C, {"spare", "глобальная идентификация соты, NMT-450"}},
    {0x7D, {"spare", "глобальная идентификация соты, NMT-900"}},
    {0x7E, {"spare", "глобальная идентификация соты, GSM"}},
};
constexpr Row kLocationInn[] = {
    {0, {"routing to internal number allowed", "доступ к номеру внутренней сети разрешен"}},
    {1, {"routing to internal number not allowed", kNotInIsupR.ru}},
};
// The E.164 text of this parameter writes "telephony" in lower case.
constexpr Row kLocationPlan[] = {
    {1, {"ISDN (telephony) numbering plan (Recommendation E.164)", kNotInIsupR.ru}},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
    {5, {"private numbering plan", kNotInIsupR.ru}},
    {6, {"reserved", "национальный план нумерации"}},
};
constexpr Row kLocationPresentation[] = {
    {0, {"presentation allowed", kNotInIsupR.ru}},
    {1, {"presentation restricted", "представление запрещено"}},
    {2, {"address not available", kNotInIsupR.ru}},
};
// The English text of value 01 has no blank after its comma, as the report prints it.
constexpr Row kLocationScreening[] = {
    {1, {"user provided,verified and passed", kNotInIsupR.ru}},
    {3, {"network provided", "обеспечивается сетью"}},
};
constexpr Field kLocationOctet1[] = {{7, 1, kNatureLabel, kLocationNature, {"spare", kNotInIsupR.ru}},
                                     kOddEven};
constexpr Field kLocationOctet2[] = {
    {2,
     1,
     {" Screening indicator........... ", " Инд.отображения............... "},
     kLocationScreening,
     {"reserved", kNotInIsupR.ru}},
    {4, 3, kPresentationLabel, kLocationPresentation, {"spare", kNotInIsupR.ru}},
    {7, 5, kPlanLabel, kLocationPlan, {"spare", kNotInIsupR.ru}},
    {8, 8, {" Internal network number ind... ", " Инд.номера внутр. сети (INN).. "}, kLocationInn},
};
constexpr Label kLocationDigitsLabel{" Address signal................ ", " Адр.сигн.(страны/станц/баз)... "};

// --- Generic number (C0): a number qualifier octet before the number layout ---

constexpr Row kQualifier[] = {
    {0x01, {"additional called number", "добавочный вызываемый номер"}},
    {0x05, {"additional connected number", "добавочный подключенный номер"}},
    {0x06, {"additional calling party number", "добавочный номер вызывающей стороны"}},
    {0x07, {"additional original called number", "добавочный первоначально вызываемый номер"}},
    {0x08, {"additional redirecting number", "добавочный перенаправляющий номер"}},
    {0x09, {"additional redirection number", "добавочный перенаправленный номер"}},
};
constexpr Field kQualifierOctet[] = {
    {8,
     1,
     {" Number qualifier indicator.... ", " Инд.классификатора номера..... "},
     kQualifier,
     {"reserved", "резервирован"}},
};
constexpr OctetFields kGenericLeading[] = {kQualifierOctet};
constexpr Row kGenericNature[] = {
    {1, {"subscriber number", "номер абонента"}},
    {2, {"unknown", "неизвестен"}},
    {3, {"national (significant) number", "национальный (значащий) номер"}},
    {4, {"international number", "международный номер"}},
    {5, {"PISN specific number (national use)", "PISN особый номер"}},
};
constexpr Row kGenericIncomplete[] = {
    {0, {"complete", "полный"}},
    {1, {"incomplete", "неполный"}},
};
constexpr Row kGenericPlan[] = {
    {1, kE164},
    {3, {kX121, kNotInIsupR.ru}},
    {4, {kTelex, kNotInIsupR.ru}},
    {5, {"private numbering plan", kNotInIsupR.ru}},
    {6, {"reserved for national use", kNotInIsupR.ru}},
};
constexpr Text kGenericPresentation[] = {
    {"presentation allowed", "представление разрешено"},
    {"presentation restricted", "представление запрещено"},
    {"address not available", "адрес недоступен"},
    {"spare", "пропущен"},
};
constexpr Text kGenericScreening[] = {
    {"user provided, not verified", "предоставлен пользователем, не проверен"},
    {"user provided, verified and passed", "предоставлен пользователем, проверен и передан"},
    {"user provided, verified and failed", "предоставлено пользователем, проверен неудачно"},
    {"network provided", "предоставлено сетью"},
};
constexpr Field kGenericOctet2[] = {{7, 1, kNatureLabel, kGenericNature, {"spare", "пропущен"}},
                                    kOddEvenSpaced};
constexpr Field kGenericOctet3[] = {
    dense_field(2, 1, {" Screening indicator........... ", " Индикатор отображения......... "},
                kGenericScreening),
    dense_field(4, 3, {" Address present.restrict.ind.. ", " Инд.огранич.представ.адреса... "},
                kGenericPresentation),
    {7, 5, kPlanLabel, kGenericPlan, {"spare", kNotInIsupR.ru}},
    {8, 8, {" Number incomplete indicator... ", " Индикатор неполного номера.... "}, kGenericIncomplete},
};
constexpr Label kGenericDigitsLabel{" Address signal................ ", " Адресный сигнал............... "};

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

// One data row per number parameter. The Russian reading decodes the Transit network
// selection in the same layout as the English.
// clang-format off
constexpr NumberShape kCalledPartyNumber{{" Called party number", " Номер вызываемого абонента"}, Opening::TitleLength, {}, kCalledNumberOctet1, kCalledOctet2, kAddressLabel};  // 04 subcl_04
constexpr NumberShape kSubsequentNumber{{" Subsequent number", " Последующий номер"}, Opening::TitleLength, {}, kSubsequentNumberOctet1, {}, kSubsequentNumberDigitsLabel};  // 05 subcl_05
constexpr NumberShape kCallingPartyNumber{{" Calling party number", " Номер вызывающего абонента"}, Opening::Header, {}, kCallingNumberOctet1, kCallingOctet2, kAddressLabel};  // 0A subcl_0A
constexpr NumberShape kRedirectingNumber{{" Redirecting number", " Перенаправляющий номер"}, Opening::Header, {}, kRedirectingNumberOctet1, kRedirectingOctet2, kAddressLabel};  // 0B subcl_0B
constexpr NumberShape kOriginalCalledNumber{{" Original called number", " Первоначальный вызываемый номер"}, Opening::Header, {}, kOriginalCalledNumberOctet1, kRedirectingOctet2, kAddressLabel};  // 28 subcl_28
constexpr NumberShape kRedirectionNumber{{" Redirection number", " Номер перенаправления"}, Opening::Header, {}, kRedirectionNumberOctet1, kRedirectionOctet2, kAddressLabel};  // 0C subcl_0C
constexpr NumberShape kConnectedNumber{{" Connected number", " Подключенный номер"}, Opening::Header, {}, kCallingNumberOctet1, kConnectedOctet2, kAddressLabel};  // 21 subcl_21
constexpr NumberShape kTransitNetworkSelection{{" Transit network selection", " Выбор транзитной сети"}, Opening::Header, {}, kTransitNetworkOctet1, {}, kNetworkIdentificationLabel};  // 23 subcl_23
constexpr NumberShape kLocationNumber{{" Location number", " Местонахождение номера"}, Opening::Header, {}, kLocationOctet1, kLocationOctet2, kLocationDigitsLabel};  // 3F subcl_3F
constexpr NumberShape kGenericNumber{{" Generic number", " Родовой номер"}, Opening::Header, kGenericLeading, kGenericOctet2, kGenericOctet3, kGenericDigitsLabel};  // C0 subcl_C0
// clang-format on

// Local reference (octets 1-3), signalling point code (4-5), protocol class (6), credit (7),
// each as the hex digits stand in the message. Contents shorter than seven octets but as
// long as their length octet says print the missing fields empty before " Hex".
void subcl_0D(Context& ctx, const Element& e) {
    if (!ctx.open(e, {" Connection request", " Запрос соединения"}, Opening::Header)) return;
    for (const HexField& field : kConnectionRequest)
        ctx.hex_line(field.label, mid(e.hex(), field.first, field.digits));
}

}  // namespace tarn::isup
