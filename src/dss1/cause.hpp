// DSS1 Cause information element (identifier 08).
#pragma once

#include "report/context.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

// The location field of a cause (Q.850 2.2.3), shared by the DSS1 Cause element and the ISUP
// Cause indicators.
inline constexpr Row kCauseLocation[] = {
    {0b0000, {"user", "пользователь"}},
    {0b0001,
     {"private network serving the local user", "частная сеть, обслуживающая локального пользователя"}},
    {0b0010,
     {"public network serving the local user",
      "сеть общего пользования, обслуживающая локального пользователя"}},
    {0b0011, {"transit network", "транзитная сеть"}},
    {0b0100,
     {"public network serving the remote user",
      "сеть общего пользования, обслуживающая удаленного пользователя"}},
    {0b0101,
     {"private network serving the remote user", "частная сеть, обслуживающая удаленного пользователя"}},
    {0b0111, {"international network", "международная сеть"}},
    {0b1010, {"network beyond interworking point", "пункт взаимодействия"}},
};

// CAUSE (08): location and coding standard, the recommendation (octet 3a), the cause value
// and the first diagnostic octet. Mandatory or optional as the element is in its message.
void CAUSE(Context& ctx, const Element& e);

// The Q.850 cause values that the DSS1 Cause element and the ISUP Cause indicators print
// alike, in both languages; each decoder looks in its own table first.
inline constexpr Row kCauseValues[] = {
    {1, {"Unallocated (unassigned) number", "несуществующий номер абонента"}},
    {2, {"No route to specified transit network", "нет маршрута к описанной транзитной сети"}},
    {3, {"No route to destination", "нет маршрута к пункту назначения"}},
    {6, {"Channel unacceptable", "канал недопустим"}},
    {16, {"Normal call clearing", "нормальное освобождение"}},
    {18, {"No user responded", "нет отклика от абонентской установки"}},
    {21, {"Call rejected", "отказ от вызова"}},
    {22, {"Number changed", "номер изменен"}},
    {26, {"Non-selected user clearing", "снимается вызов с не выбранного абонента"}},
    {27, {"Destination out of order", "пункт назначения не работает"}},
    {29, {"Facility rejected", "нет соответствующего оборудования (услуга отвергнута)"}},
    {31, {"Normal, unspecified", "нормальное освобождение, неспецифицировано"}},
    {34, {"No circuit/channel available", "нет доступных каналов"}},
    {38, {"Network out of order", "сеть неработоспособна"}},
    {41, {"Temporary failure", "временное повреждение"}},
    {42, {"Switching equipment congestion", "перегрузка коммутационного оборудования"}},
    {43, {"Access information discarded", "информация доступа сброшена"}},
    {44, {"Requested circuit/channel not available", "запрашиваемый канал недоступен"}},
    {47, {"Resourses unavailable, unspecified", "ресурс недоступен, неспецифицировано"}},
    {49, {"Quality of service unavailable", "служба контроля качества недоступна"}},
    {50, {"Requested facility not subscribed", "запрошенные средства не абонированы"}},
    {57, {"Bearer capability not authorized", "пользование данной основной услугой не разрешено"}},
    {58, {"Bearer capability not presently available", "данная основная услуга недоступна"}},
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
    {91, {"Invalid transit network selection", "недопустимый выбор транзитной сети"}},
    {95, {"Invalid message, unspecified", "неправильное сообщение, неспецифицировано"}},
    {96, {"Mandatory information element is missing", "пропущен обязательный информационный элемент"}},
    {97,
     {"Message type non-existent or not implemented", "не существующий или не реализованный тип сообщения"}},
    {98,
     {"Message not compatible with call state or message type non-existent or not implemented",
      "сообщение не полностью имеющейся реализации"}},
    {100, {"Invalid information element contents", "недопустимое содержание информационного элемента"}},
    {101, {"Message not compatible with call state", "сообщение состояния неполного вызова"}},
    {102, {"Recovery on timer expiry", "восстановление по исходу таймера"}},
    {111, {"Protocol error, unspecified", "ошибка протокола, неспецифицировано"}},
    {127, {"Interworking, unspecified", "взаимодействие неспецифицировано"}},
};

}  // namespace tarn::dss1
