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
constexpr Row kCause[] = {
    {1, {"Unallocated (unassigned) number", "несуществующий номер абонента"}},
    {2, {"No route to specified transit network", "нет маршрута к описанной транзитной сети"}},
    {3, {"No route to destination", "нет маршрута к пункту назначения"}},
    {4, {"Send special information tone", "посылка специального тонального сигнала"}},
    {5, {"Misdialled trunk prefix", "ошибка в наборе префикса канала"}},
    {6, {"Channel unacceptable", "канал недопустим"}},
    {7, {"Call awarded and being delivered in an established channel", "вызов по ведомственному каналу"}},
    {8, {"Preemption", "отказ"}},
    {9,
     {"Preemption - circuit reserved for reuse", "отказ - цепь резервирована для дальнейшего использования"}},
    {16, {"Normal call clearing", "нормальное освобождение"}},
    {17, {"User busy", "абонент занят"}},
    {18, {"No user responded", "нет отклика от абонентской установки"}},
    {19, {"No answer from user (user alerted)", "абонент не отвечает"}},
    {20, {"Subscriber absent", "абонент отсутствует"}},
    {21, {"Call rejected", "отказ от вызова"}},
    {22, {"Number changed", "номер изменен"}},
    {26, {"Non-selected user clearing", "снимается вызов с не выбранного абонента"}},
    {27, {"Destination out of order", "пункт назначения не работает"}},
    {28, {"Invalid number format (address incomplete)", "недопустимый формат номера (неполный адрес)"}},
    {29, {"Facility rejected", "нет соответствующего оборудования (услуга отвергнута)"}},
    {30, {"Response to STATUS ENQUIRY", "ответ на статистический опрос"}},
    {31, {"Normal, unspecified", "нормальное освобождение, неспецифицировано"}},
    {34, {"No circuit/channel available", "нет доступных каналов"}},
    {38, {"Network out of order", "сеть неработоспособна"}},
    {39,
     {"Permanent frame mode connection out of service",
      "постоянное соединение режима передачи данных не в обслуживании"}},
    {40,
     {"Permanent frame mode connection operational",
      "постоянное соединение режима передачи данных действует"}},
    {41, {"Temporary failure", "временное повреждение"}},
    {42, {"Switching equipment congestion", "перегрузка коммутационного оборудования"}},
    {43, {"Access information discarded", "информация доступа сброшена"}},
    {44, {"Requested circuit/channel not available", "запрашиваемый канал недоступен"}},
    {46, {"Precedence call blocked", "предшествующий вызов блокирован"}},
    {47, {"Resourses unavailable, unspecified", "ресурс недоступен, неспецифицировано"}},
    {49, {"Quality of service unavailable", "служба контроля качества недоступна"}},
    {50, {"Requested facility not subscribed", "запрошенные средства не абонированы"}},
    {53, {"Outgoing calls barred within CUG", "исходящие вызовы блокированы в CUG"}},
    {55, {"Incoming calls barred within CUG", "входящие вызовы блокированы в CUG"}},
    {57, {"Bearer capability not authorized", "пользование данной основной услугой не разрешено"}},
    {58, {"Bearer capability not presently available", "данная основная услуга недоступна"}},
    {62,
     {"Inconsistency in designated outgoing access information and subscriber class",
      "несогласованность в обозначенной исходящей информации доступа и категорией абонента"}},
    {63, {"Service or option not available, unspecified", "услуга/опция недоступна, неспецифицировано"}},
    {65, {"Bearer capability not implemented", "основная услуга не реализована"}},
    {66, {"Channel type not implemented", "тип канала не реализован"}},
    {69, {"Requested facility not implemented", "запрошенные средства не реализованы"}},
    {70,
     {"Only restricted digital information bearer capability is available",
      "возможности носителя цифровой информации доступны только в ограниченном объеме"}},
    {79,
     {"Service or option not implemented, unspecified",
      "услуга или опции не реализуются, неспецифицировано"}},
    {81, {"Invalid call reference value", "недопустимый указатель вызова"}},
    {82, {"Identified channel does not exist", "канал не существует"}},
    {83, {"A suspend call exists, but this call identity does not", "идентификатор вызова не существует"}},
    {84, {"Call identity in use", "идентификатор вызова используется"}},
    {85, {"No call suspended", "нет приостановленного вызова"}},
    {86, {"Call having the requested call identity has been cleared", "приостановленный тест снят"}},
    {87,
     {"User not member of CUG", "вызываемый пользователь не является членом замкнутой группы пользователей"}},
    {88, {"Incompatible destination", "несовместимое назначение"}},
    {90, {"Non-existent CUG", "несуществующий CUG"}},
    {91, {"Invalid transit network selection", "недопустимый выбор транзитной сети"}},
    {95, {"Invalid message, unspecified", "неправильное сообщение, неспецифицировано"}},
    {96, {"Mandatory information element is missing", "пропущен обязательный информационный элемент"}},
    {97,
     {"Message type non-existent or not implemented", "не существующий или не реализованный тип сообщения"}},
    {98,
     {"Message not compatible with call state or message type non-existent or not implemented",
      "сообщение не полностью имеющейся реализации"}},
    {99,
     {"Information element/parameter non-existent or not implemented",
      "отвергнутый не существующий или не реализованный параметр"}},
    {100, {"Invalid information element contents", "недопустимое содержание информационного элемента"}},
    {101, {"Message not compatible with call state", "сообщение состояния неполного вызова"}},
    {102, {"Recovery on timer expiry", "восстановление по исходу таймера"}},
    {103,
     {"Parameter non-existent or not implemented, passed on",
      "передан не существующий или не реализованный параметр"}},
    {110,
     {"Message with unrecognized parameter, discarded", "сообщение с неопознанным параметром, отброшено"}},
    {111, {"Protocol error, unspecified", "ошибка протокола, неспецифицировано"}},
    {127, {"Interworking, unspecified", "взаимодействие неспецифицировано"}},
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
    ctx.field(e.octets.bits(1), {7, 1, kCauseLabel, kCause, kCauseOther});
    ctx.field(e.octets.bits(1), kExtensionField);

    // octets 3 on: diagnostics, to the end of the contents whatever their extension bits say
    const Field diagnostic{7, 1, kDiagnosticLabel, {}, lookup(kDiagnostic, cause, kDiagnosticOther)};
    for (std::size_t i = 2; i < e.octets.size(); ++i) {
        ctx.field(e.octets.bits(i), diagnostic);
        ctx.field(e.octets.bits(i), kExtensionField);
    }
}

}  // namespace tarn::isup
