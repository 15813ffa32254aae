// Party numbers and subaddresses: Calling party number (6C), Calling party subaddress (6D),
// Called party number (70), Called party subaddress (71). The numbers carry their digits as
// IA5 characters, one per octet; the subaddresses are shown in hex.
#include "dss1/numbers.hpp"

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/convert.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kCalledNumberTitle{" Called party number", " Номер вызываемого абонента"};
constexpr Text kCallingNumberTitle{" Calling party number", " Номер вызывающего абонента"};
constexpr Text kCalledSubTitle{" Called party subaddress", " Подадрес вызываемого абонента"};
constexpr Text kCallingSubTitle{" Calling party subaddress", " Подадрес вызывающего абонента"};

// --- octet 3 of the numbers: bits 7-5 type of number, bits 4-1 numbering plan ---

// The Russian texts of the calling party number differ from the called party number's in
// the reserved codes.
constexpr Text kTypeOfNumberCalled[] = {
    {"unknown", "неизвестен"},
    {"international number", "международный номер"},
    {"national number", "национальный номер"},
    {"network specific number", "номер сетевой службы"},
    {"subscriber number", "абонентский номер"},
    {"reserved", "резервирован"},
    {"abbreviated number", "сокращенный номер"},
    {"reserved for extension", "резервирован для расширения"},
};
constexpr Text kTypeOfNumberCalling[] = {
    {"unknown", "неизвестен"},
    {"international number", "международный номер"},
    {"national number", "национальный номер"},
    {"network specific number", "номер сетевой службы"},
    {"subscriber number", "абонентский номер"},
    {"reserved", "зарезервированный"},
    {"abbreviated number", "сокращенный номер"},
    {"reserved for extension", "зарезервированный для расширения"},
};
constexpr Label kTypeOfNumberLabel{" Type of number................ ", " Тип номера.................... "};

constexpr Row kPlanCommon[] = {
    {0b0000, {"unknown", "неизвестен"}},
    {0b0001,
     {"ISDN/Telephony numbering plan (CCITT Recommendation E.164/E.163)",
      "план нумерации ISDN/Телефония (CCITT Рекомендация E.164/E.163)"}},
    {0b0011,
     {"data numbering plan (CCITT Recommendation X.121)",
      "план нумерации передачи данных (CCITT Рекомендация X.121)"}},
    {0b0100,
     {"telex numbering plan (CCITT Recommendation F.69)",
      "план нумерации телекса (CCITT Рекомендация F.69)"}},
    {0b1000, {"national standard numbering plan", "план нумерации национальный стандарт"}},
    {0b1001, {"private numbering plan", "план нумерации закрытый"}},
};
constexpr Row kPlanCalled[] = {
    kPlanCommon[0],
    kPlanCommon[1],
    kPlanCommon[2],
    kPlanCommon[3],
    kPlanCommon[4],
    kPlanCommon[5],
    {0b1111, {"reserved for extension", "резервирован для расширения"}},
};
constexpr Row kPlanCalling[] = {
    kPlanCommon[0],
    kPlanCommon[1],
    kPlanCommon[2],
    kPlanCommon[3],
    kPlanCommon[4],
    kPlanCommon[5],
    {0b1111, {"reserved for extension", "зарезервированный для расширения"}},
};
// The two numbers label the plan differently (the calling party's label is spelt so).
constexpr Label kPlanCalledLabel{" Numbering plan identificat.... ", " План нумерации................ "};
constexpr Label kPlanCallingLabel{" Numbering plan idenfication... ", " План нумерации................ "};

constexpr Field kCalledOctet3[] = {
    {4, 1, kPlanCalledLabel, kPlanCalled, kReserved},
    dense_field(7, 5, kTypeOfNumberLabel, kTypeOfNumberCalled),
    kExtension,
};
constexpr Field kCallingOctet3[] = {
    {4, 1, kPlanCallingLabel, kPlanCalling, kReserved},
    dense_field(7, 5, kTypeOfNumberLabel, kTypeOfNumberCalling),
    kExtension,
};

// --- octet 3a of the calling party number ---

constexpr Text kScreening[] = {
    {"user-provided, not screened", "дан пользователем, не отображен"},
    {"user-provided, verified and passed", "дан пользователем, проверен, передан"},
    {"user-provided, verified and failed", "дан пользователем, проверить не удалось"},
    {"network provided", "дан сетью"},
};
constexpr Text kPresentation[] = {
    {"presentation allowed", "предоставление разрешается"},
    {"presentation restricted", "предоставление ограничено"},
    {"number not available due to interworking", "номер недоступен для взаимодействия"},
    {"reserved", "зарезервированный"},
};
constexpr Field kCallingOctet3a[] = {
    dense_field(2, 1, {" Screening indicator........... ", " Индикатор отображения......... "}, kScreening),
    spare_field(5, 3, kSpare),
    dense_field(7, 6, {" Presentation indicator........ ", " Индикатор предоставления...... "},
                kPresentation),
    kExtension,
};

constexpr Label kDigitsLabel{" Number digits................. ", " Цифры номера.................. "};

// --- octet 3 of the subaddresses ---

constexpr Row kSubaddressType[] = {
    {0b000, {"NSAP (X.213/ISO 8348 AD2)", "NSAP (X.213/ISO 8348 AD2)"}},
    {0b010, {"user specified", "определяемый пользователем"}},
};
constexpr Text kOddEven[] = {
    {"even number or address signals", "четное число адресных сигналов"},
    {"odd number or address signals", "нечетное число адресных сигналов"},
};
constexpr Field kSubaddressOctet3[] = {
    spare_field(3, 1, kSpare),
    dense_field(4, 4, {" Odd/even indicator............ ", " Индикатор четности/нечетности. "}, kOddEven),
    {7,
     5,
     {" Type of subaddress............ ", " Тип подадреса................. "},
     kSubaddressType,
     kReserved},
    kExtension,
};
constexpr Label kSubaddressLabel{" Subaddress information........ ", " Информация подадресации....... "};

// A subaddress: octet 3 when it ends its group, then the subaddress information as hex.
void subaddress(Context& ctx, const Element& e, Text title) {
    if (!element_preamble(ctx, e, title, false)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kSubaddressOctet3);
    ctx.hex_line(kSubaddressLabel, e.octets.hex_from(1));
}

}  // namespace

void CALLING_PARTY_NUMBER(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kCallingNumberTitle, false)) return;
    if (!ctx.holds(e, 1)) return;
    const Octets& o = e.octets;
    ctx.fields(o.bits(0), kCallingOctet3);
    std::size_t digits = 1;
    if (!ends_group(o, 0)) {
        // Octet 3a announced but not there: nothing is left to read the digits after.
        if (!o.has(1)) return;
        ctx.fields(o.bits(1), kCallingOctet3a);
        digits = 2;
    }
    ctx.octets(kDigitsLabel, IA5(o.hex_from(digits)));
}

void CALLING_PARTY_SUB(Context& ctx, const Element& e) {
    subaddress(ctx, e, kCallingSubTitle);
}

void CALLED_PARTY_NUMBER(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kCalledNumberTitle, false)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kCalledOctet3);
    ctx.octets(kDigitsLabel, IA5(e.octets.hex_from(1)));
}

void CALLED_PARTY_SUB(Context& ctx, const Element& e) {
    subaddress(ctx, e, kCalledSubTitle);
}

}  // namespace tarn::dss1
