// ISUP Cause indicators (12): location, coding standard, cause value in the Q.767 or the
// ISUP-R reading, diagnostics.
#include "isup/cause.hpp"

#include "dss1/cause.hpp"
#include "report/field.hpp"

namespace tarn::isup {

namespace {

constexpr Text kCauseName{" Cause indicators", " Индикаторы причины"};

constexpr Label kLocationLabel{" Location...................... ", " Определение места............. "};
constexpr Text kLocationOther{"reserved", "резерв"};

constexpr Label kCodingLabel{" Coding standard............... ", " Стандарт кодирования.......... "};
constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"ISO/IEC standard", "стандарт ISO/IEC"},
    {"national standard", "национальный стандарт"},
    {"standard specific to identified location",
     "специфический стандарт для идентифицированного места определения"},
};

constexpr Label kExtensionLabel{" Extension indicator........... ", " Индикатор расширения.......... "};
constexpr Text kExtension[] = {
    {"information continues in the next octet", "информация продолжается в следующем октете"},
    {"last octet", "последний октет"},
};

constexpr Label kCauseLabel{" Cause value................... ", " Значение причины.............. "};
// Q.850 cause values (the texts as this decoder has always printed them).
// The cause values this reading prints otherwise than DSS1, or alone; the others are
// dss1::kCauseValues.
constexpr Row kCause[] = {
    {4, {"Send special information tone", "посылка специального тонального сигнала"}},
    {5, {"Misdialled trunk prefix", "ошибка в наборе префикса канала"}},
    {7, {"Call awarded and being delivered in an established channel", "вызов по ведомственному каналу"}},
    {8, {"Preemption", "отказ"}},
    {9,
     {"Preemption - circuit reserved for reuse", "отказ - цепь резервирована для дальнейшего использования"}},
    {17, {"User busy", "абонент занят"}},
    {19, {"No answer from user (user alerted)", "абонент не отвечает"}},
    {20, {"Subscriber absent", "абонент отсутствует"}},
    {28, {"Invalid number format (address incomplete)", "недопустимый формат номера (неполный адрес)"}},
    {30, {"Response to STATUS ENQUIRY", "ответ на статистический опрос"}},
    {39,
     {"Permanent frame mode connection out of service",
      "постоянное соединение режима передачи данных не в обслуживании"}},
    {40,
     {"Permanent frame mode connection operational",
      "постоянное соединение режима передачи данных действует"}},
    {46, {"Precedence call blocked", "предшествующий вызов блокирован"}},
    {53, {"Outgoing calls barred within CUG", "исходящие вызовы блокированы в CUG"}},
    {55, {"Incoming calls barred within CUG", "входящие вызовы блокированы в CUG"}},
    {62,
     {"Inconsistency in designated outgoing access information and subscriber class",
      "несогласованность в обозначенной исходящей информации доступа и категорией абонента"}},
    {87,
     {"User not member of CUG", "вызываемый пользователь не является членом замкнутой группы пользователей"}},
    {88, {"Incompatible destination", "несовместимое назначение"}},
    {90, {"Non-existent CUG", "несуществующий CUG"}},
    {99,
     {"Information element/parameter non-existent or not implemented",
      "отвергнутый не существующий или не реализованный параметр"}},
    {103,
     {"Parameter non-existent or not implemented, passed on",
      "передан не существующий или не реализованный параметр"}},
    {110,
     {"Message with unrecognized parameter, discarded", "сообщение с неопознанным параметром, отброшено"}},
};
// A cause value outside the table: the English reading calls it reserved, as Q.850 does
// for unassigned cause values.
constexpr Text kCauseOther{"reserved", "не принадлежит ISUP-R"};

constexpr Label kDiagnosticLabel{" Diagnostic(s)................. ", " Диагностика................... "};
// The name of the diagnostic octets, chosen by the cause value.
constexpr Row kDiagnostic[] = {
    {1, {"Condition", "перегрузка рабочих условий"}},
    {2, {"Transit network identity", "тождественность транзитной сети"}},
    {3, {"Condition", "перегрузка рабочих условий"}},
    {16, {"Condition", "перегрузка рабочих условий"}},
    {17, {"CCBS Indicator", "индикатор CCBS"}},
    {21, {"Call rejected condition", "состояние отклоненного вызова"}},
    {22, {"Called party number", "номер вызывающей стороны"}},
    {29, {"Parameter name", "наименование параметра"}},
    {43, {"Discarded information element identifier(s)", "идентификатор информационного элемента сброшен"}},
    {49, {"Condition", "состояние"}},
    {50, {"Parameter name", "наименование параметра"}},
    {57, {"Attribute identity", "тождественность свойств"}},
    {58, {"Attribute identity", "тождественность свойств"}},
    {65, {"Attribute identity", "тождественность свойств"}},
    {66, {"Channel type", "тип канала"}},
    {69, {"Parameter name", "наименование параметра"}},
    {82, {"Channel identity", "тождественность канала"}},
    {86, {"Clearing cause", "очистка причины"}},
    {96, {"Information element identifier", "информационный элемент опознан"}},
    {97, {"Message type", "тип сообщения"}},
    {98, {"Message type", "тип сообщения"}},
    {99, {"Parameter name", "наименование параметра"}},
    {100, {"Information element identifier(s)", "информационный элемент опознан"}},
    {101, {"Message type", "тип сообщения"}},
    {102, {"Timer number", "номер таймера"}},
    {103, {"Parameter name(s)", "наименование параметра(ов)"}},
    {104, {"Parameter name(s), message name", "наименование параметра(ов), наименования сообщения"}},
};
// Diagnostic octets of a cause value that defines no diagnostic.
constexpr Text kDiagnosticOther{"not defined for this cause value",
                                "не определена для данного значения причины"};

// The Cause indicators is an optional parameter of the Address complete, Release complete
// and Call progress messages, and the mandatory variable one of the others that carry it.
bool optional_in(unsigned message_type) {
    return message_type == 0x06 || message_type == 0x10 || message_type == 0x2C;
}

constexpr Field kOctet1[] = {
    {4, 1, kLocationLabel, dss1::kCauseLocation, kLocationOther},
    spare_field(5, 5, kSpare),
    dense_field(7, 6, kCodingLabel, kCoding),
    dense_field(8, 8, kExtensionLabel, kExtension),
};
constexpr Field kExtensionField = dense_field(8, 8, kExtensionLabel, kExtension);

}  // namespace

void subcl_12(Context& ctx, const Element& e) {
    if (optional_in(e.message_type)) {
        ctx.header(e, kCauseName);
    } else {
        ctx.line(ctx.t(kCauseName));
        ctx.length_line(e);
    }
    if (!ctx.length_ok(e)) return;

    // octet 1: location, spare, coding standard, extension (no octet 1a follows)
    if (!ctx.holds(e, 1)) return;
    ctx.fields(e.octets.bits(0), kOctet1);

    // octet 2: cause value, extension
    if (!ctx.holds(e, 2)) return;
    const unsigned cause = e.octets[1] & 0x7F;
    const Text shared = lookup(dss1::kCauseValues, cause, kCauseOther);  // after this reading's own rows
    ctx.field(e.octets.bits(1), Field{7, 1, kCauseLabel, kCause, shared});
    ctx.field(e.octets.bits(1), kExtensionField);

    // octets 3 on: diagnostics, to the end of the contents whatever their extension bits say
    const Field diagnostic{7, 1, kDiagnosticLabel, {}, lookup(kDiagnostic, cause, kDiagnosticOther)};
    for (std::size_t i = 2; i < e.octets.size(); ++i) {
        ctx.field(e.octets.bits(i), diagnostic);
        ctx.field(e.octets.bits(i), kExtensionField);
    }
}

}  // namespace tarn::isup
