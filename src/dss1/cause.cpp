// Cause (08): octet 3 (location, coding standard), octet 3a (recommendation) when octet 3
// is extended, octet 4 (cause value) and the first diagnostic octet.
#include "dss1/cause.hpp"

#include <cstddef>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kTitle{" Cause", " Причина"};

// --- octet 3 ---

constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"reserved for other international standards", "стандарт ISO/IEC"},
    {"national standard", "национальный стандарт"},
    {"standard specific to identified location",
     "специфический стандарт для идентифицированного определения места"},
};
constexpr Field kOctet3[] = {
    {4,
     1,
     {" Location...................... ", " Определение места............. "},
     kCauseLocation,
     kReserved},
    spare_field(5, 5, kSpare),
    dense_field(7, 6, {" Coding standard............... ", " Стандартное кодирование....... "}, kCoding),
    kExtension,
};

// --- octet 3a ---

constexpr Row kRecommendation[] = {
    {0b0000000, {"Q.931", "Q.931"}},
    {0b0000011, {"X.21", "X.21"}},
    {0b0000100, {"X.25", "X.25"}},
};
constexpr Field kOctet3a[] = {
    {7,
     1,
     {" Recommendation................ ", " Рекомендация.................. "},
     kRecommendation,
     kReserved},
    kExtension,
};

// --- octet 4: the cause values of ETS 300 102-1 ---

// The cause values this reading prints otherwise than ISUP, or alone; the others are
// dss1::kCauseValues.
constexpr Row kCauseValue[] = {
    {7, {"Call awarded and being delivered in an established chanel", "вызов по ведомственному каналу"}},
    {17, {"User busy", "пользователь занят"}},
    {19, {"No answer from user (user alerted)", "пользователь не отвечает"}},
    {28, {"Invalid number format", "недопустимый формат номера (неполный адрес)"}},
    {30, {"Responce to STATUS ENQUIRY", "ответ на статистический опрос"}},
    {88, {"Non-existent closed user group", "несовместимое назначение"}},
    {89, {"Called user not member of CUG", "вызываемый пользователь не является членом ЗГП"}},
    {90, {"Called user belongs to CUG", "вызываемый пользователь принадлежит ЗГП"}},
    {99,
     {"Information element non-existent or not implemented",
      "отвергнутый не существующий или не реализованный параметр"}},
};
// Values outside the table: no cause of DSS1.
constexpr Text kNotDss1{"not a DSS1 cause value", "не принадлежит DSS1"};
constexpr Label kCauseValueLabel{" Cause Value................... ", " Значение причины.............. "};

// --- the diagnostic octet: what it holds, by cause value ---

// The two readings know diagnostics for different cause values: an empty text means the
// cause has no diagnostic line in that language.
constexpr Row kDiagnostic[] = {
    {1, {"", "перегрузка рабочих условий"}},
    {2, {"Transit network identity", "тождественность транзитной сети"}},
    {3, {"", "перегрузка рабочих условий"}},
    {16, {"", "перегрузка рабочих условий"}},
    {17, {"", "индикатор CCBS"}},
    {21, {"User supplied diagnostic", "состояние отклоненного вызова"}},
    {22, {"New destination", "номер вызывающей стороны"}},
    {29, {"Facility identification", "наименование параметра"}},
    {43, {"Discarded information element identifier(s)", "идентификатор информационного элемента сброшен"}},
    {49, {"", "состояние"}},
    {50, {"Facility identification", "наименование параметра"}},
    {57, {"", "тождественность свойств"}},
    {58, {"", "тождественность свойств"}},
    {65, {"", "тождественность свойств"}},
    {66, {"Channel type", "тип канала"}},
    {69, {"Facility identification", "наименование параметра"}},
    {82, {"Channel identity", "тождественность канала"}},
    {86, {"Clearing cause", "очистка причины"}},
    {88, {" Incompatible parameter", ""}},
    {96, {" Information element identifier(s)", "информационный элемент опознан"}},
    {97, {" Message type", "тип сообщения"}},
    {98, {" Message type", "тип сообщения"}},
    {99, {" Information element identifier(s)", "наименование параметра"}},
    {100, {" Information element identifier(s)", "информационный элемент опознан"}},
    {101, {" Message type", "тип сообщения"}},
    {102, {" Timer number", "номер таймера"}},
    {103, {"", "наименование параметра(ов)"}},
    {104, {"", "наименование параметра(ов), наименования сообщения"}},
};
constexpr Label kDiagnosticLabel{" Diagnostic(s)................. ", " Диагностика................... "};

}  // namespace

void CAUSE(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kTitle)) return;
    if (!ctx.holds(e, 1)) return;
    const Octets& o = e.octets;
    ctx.fields(o.bits(0), kOctet3);
    std::size_t at = 1;  // the cause value octet
    if (!ends_group(o, 0)) {
        // Octet 3a must end the group; otherwise there is no place to read octet 4 from.
        if (!ends_group(o, 1)) return;
        ctx.fields(o.bits(1), kOctet3a);
        at = 2;
    }
    if (!ends_group(o, at)) return;
    // Octet 4: the cause value (this reading's own rows, then the shared ones), extension.
    const Text shared = lookup(kCauseValues, o[at] & 0x7F, kNotDss1);
    ctx.field(o.bits(at), Field{7, 1, kCauseValueLabel, kCauseValue, shared});
    ctx.field(o.bits(at), kExtension);

    // Only the first diagnostic octet is shown, and only when it is there.
    const std::string_view kind = ctx.t(lookup(kDiagnostic, o[at] & 0x7F, {}));
    if (kind.empty() || !o.has(at + 1)) return;
    const std::string_view bits = o.bits(at + 1);
    ctx.field(bits, 7, 1, kDiagnosticLabel, kind);
    ctx.field(bits, kNoExtensionField);
}

}  // namespace tarn::dss1
