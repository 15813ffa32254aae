// ISUP optional parameters 30 to 3A: 30 User service information prime (the Bearer
// capability octets), 31 Propagation delay counter, 32 Remote operations, 33 Service
// activation, 35 Transmission medium used, 36 Call diversion information, 37 Echo control
// information, 39 (printed as Message compatibility information), 3A MLPP precedence.
// The Russian lines of 31, 33, 35, 36, 39 and 3A give the Q.763 meanings in Russian, in the
// layout of the English lines.
#include "isup/params_30_3a.hpp"

#include "dss1/bearer_capability.hpp"
#include "dss1/high_layer.hpp"
#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

constexpr Label kElementsLabel{" Information elements.......... ", " Информационные элементы....... "};

// --- 32 Remote operations: octet 1, then the components ---

constexpr Text kRemoteOperationsName{" Remote operations", " Удаленные действия"};
constexpr Row kProtocolProfile[] = {
    {0b10001, {"remote operations protocol", "протокол удаленных действий"}},
};
// The English text of value 0 has two blanks after "information", as the report prints it.
constexpr Text kRemoteExtension[] = {
    {"information  continues through the next octet", "информация продолжается в следующем октете"},
    {"last octet", "последний октет"},
};
constexpr Field kRemoteOperationsOctet[] = {
    {5,
     1,
     {" Protocol profile field........ ", " Поле профиля протокола........ "},
     kProtocolProfile,
     {"spare", "пропущен"}},
    spare_field(7, 6, kSpare),
    dense_field(8, 8, {" Extension indicator........... ", " Индикатор расширения.......... "},
                kRemoteExtension),
};
constexpr Label kComponentsLabel{" Components.................... ", " Компоненты.................... "};

// --- 35 Transmission medium used (and 3E): one text for the whole octet ---

constexpr Row kMediumUsed[] = {
    {0x00, {"speech", "речь"}},
    {0x02, {"reserved for 64 kbit/s unrestricted", "резерв для 64 kbit/s неограниченный"}},
    {0x03, {"3.1 kHz audio", "3.1 kHz аудио"}},
    {0x04,
     {"reserved for alternate speech (service 2)/64 kbit/s unrestricted (service 1)",
      "резерв для попеременной передачи речи (услуга 2)/64 kbit/s неограниченный (услуга 1)"}},
    {0x05,
     {"reserved for alternate 64 kbit/s unrestricted (service 1)/speech (service 2)",
      "резерв для попеременной передачи 64 kbit/s неограниченный (услуга 1)/речи (услуга 2)"}},
    {0x06, {"reserved for 64 kbit/s preferred", "резерв для 64 kbit/s предпочтительный"}},
    {0x07, {"reserved for 2 * 64 kbit/s unrestricted", "резерв для 2 * 64 kbit/s неограниченный"}},
    {0x08, {"reserved for 384 kbit/s unrestricted", "резерв для 384 kbit/s неограниченный"}},
    // The English text begins with a blank, as the report prints it.
    {0x09, {" reserved for 1536 kbit/s unrestricted", "резерв для 1536 kbit/s неограниченный"}},
    {0x0A, {"reserved for 1920 kbit/s unrestricted", "резерв для 1920 kbit/s неограниченный"}},
};
constexpr Field kMediumUsedOctet[] = {
    {8,
     1,
     {" Parameters.................... ", " Параметры..................... "},
     kMediumUsed,
     {"reserved", "резерв"}},
};

// --- 36 Call diversion information ---

constexpr Row kNotificationOptions[] = {
    {0b000, {"unknown", "неизвестно"}},
    {0b001, {"presentation not allowed", "представление запрещено"}},
    {0b010,
     {"presentation allowed with redirection number", "представление разрешено с номером перенаправления"}},
    {0b011,
     {"presentation allowed without redirection number",
      "представление разрешено без номера перенаправления"}},
};
constexpr Row kDiversionReason[] = {
    {0b0000, {"unknown", "неизвестна"}},
    {0b0001, {"user busy", "абонент занят"}},
    {0b0010, {"no reply", "абонент не отвечает"}},
    {0b0011, {"unconditional", "безусловное перенаправление"}},
    {0b0100, {"deflection during alerting", "отклонение во время посылки вызова"}},
    {0b0101, {"deflection immediate response", "отклонение с немедленным ответом"}},
    {0b0110, {"mobile subscriber not reachable", "мобильный абонент недоступен"}},
};
constexpr Field kCallDiversionOctet[] = {
    {3,
     1,
     {" Notific.subscription options.. ", " Опции уведомления абонента.... "},
     kNotificationOptions,
     {"spare", "резерв"}},
    {7,
     4,
     {" Redirecting reason............ ", " Причина перенаправления....... "},
     kDiversionReason,
     {"spare", "резерв"}},
    spare_field(8, 8, kSpare),
};

// --- 37 Echo control information: four two-bit fields from the low bits up ---

constexpr Text kNoInformation{"no information", "нет информации"};
constexpr Text kEchoSpare{"spare", "свободен"};
constexpr Text kOutgoingResponse[] = {
    kNoInformation,
    {"outgoing half echo control device not included", "исходящий полукомплект эхоканселлера не включен"},
    {"outgoing half echo control device included", "исходящий полукомплект эхоканселлера включен"},
    kEchoSpare,
};
constexpr Text kIncomingResponse[] = {
    kNoInformation,
    {"incoming half echo control device not included", "входящий полукомплект эхоканселлера не включен"},
    {"incoming half echo control device included", "входящий полукомплект эхоканселлера включен"},
    kEchoSpare,
};
constexpr Text kOutgoingRequest[] = {
    kNoInformation,
    {"outgoing half echo control device activation request",
     "исходящий полукомплект эхоканселлера активизировал запрос"},
    {"outgoing half echo control device deactivation request",
     "исходящий полукомплект эхоканселлера дезактивировал запрос"},
    kEchoSpare,
};
constexpr Text kIncomingRequest[] = {
    kNoInformation,
    {"incoming half echo control device activation request",
     "входящий полукомплект эхоканселлера активизировал запрос"},
    {"incoming half echo control device deactivation request",
     "входящий полукомплект эхоканселлера дезактивировал запрос"},
    kEchoSpare,
};
constexpr Field kEchoControlOctet[] = {
    dense_field(2, 1, {" Outg.control dev.responce ind. ", " Инд.ответа исх.полукомплекта.. "},
                kOutgoingResponse),
    dense_field(4, 3, {" Inc.control dev.responce ind.. ", " Инд.ответа вх.полукомплекта... "},
                kIncomingResponse),
    dense_field(6, 5, {" Outg.control dev.request ind.. ", " Инд.запроса исх.полукомплекта. "},
                kOutgoingRequest),
    dense_field(8, 7, {" Inc.control dev.request ind... ", " Инд.запроса вх.полукомплекта.. "},
                kIncomingRequest),
};

// --- 3A MLPP precedence: octet 1, network identity (octets 2-3), service domain (4-6) ---

constexpr Text kMlppName{" MLPP precedence", " Приоритет MLPP"};
constexpr Row kPrecedence[] = {
    {0b0000, {"flash override", "наивысший (flash override)"}},
    {0b0001, {"flash", "молния (flash)"}},
    {0b0010, {"immediate", "срочный (immediate)"}},
    {0b0011, {"priority", "приоритетный (priority)"}},
    {0b0100, {"routine", "обычный (routine)"}},
};
// The English text of value 00 begins with "0", as the report prints it.
constexpr Text kLfb[] = {
    {"0LFB allowed", "LFB разрешено"},
    {"path reserved", "тракт зарезервирован"},
    {"LFB not allowed", "LFB не разрешено"},
    {"spare", "резерв"},
};
constexpr Field kMlppOctet[] = {
    {4,
     1,
     {" Precedence level.............. ", " Уровень приоритета............ "},
     kPrecedence,
     {"spare", "резерв"}},
    spare_field(5, 5, kSpare),
    dense_field(7, 6, {" LFB........................... ", " LFB........................... "}, kLfb),
    spare_field(8, 8, kSpare),
};
constexpr Label kNetworkIdentityLabel{" Network identity.............. ", " Идентификатор сети............ "};
// The English label writes "MLLP", as the report prints it.
constexpr Label kServiceDomainLabel{" MLLP service domain........... ", " Домен услуги MLPP............. "};

constexpr OctetFields kCallDiversionOctets[] = {kCallDiversionOctet};
constexpr OctetFields kEchoControlOctets[] = {kEchoControlOctet};

}  // namespace

constexpr OctetFields kTransmissionMediumOctets[] = {kMediumUsedOctet};

constexpr HexShape kPropagationDelayCounter{
    {" Propagation delay counter", " Счетчик задержки распространения"}, kElementsLabel};
constexpr HexShape kServiceActivation{{" Service activation", " Активизация услуги"}, kElementsLabel};
constexpr FieldsShape kTransmissionMediumUsed{{" Transmission medium used", " Используемая среда передачи"},
                                              Opening::Header,
                                              kTransmissionMediumOctets};
constexpr FieldsShape kCallDiversionInformation{
    {" Call diversion information", " Информация о перенаправлении вызова"},
    Opening::Header,
    kCallDiversionOctets};
constexpr FieldsShape kEchoControlInformation{
    {" Echo control information", " Информация управления эхом"}, Opening::Header, kEchoControlOctets};
// Code 39 is printed under this name; its contents are shown as they stand.
constexpr HexShape kMessageCompatibilityInformation{
    {" Message compatibility information", " Информация о совместимости сообщения"}, kElementsLabel};

// The contents are the Bearer capability octets from octet 3 on.
void subcl_30(Context& ctx, const Element& e) {
    if (!ctx.open(e, {" User service information prime", " Основная информация по услуге пользователю"},
                  Opening::Header))
        return;
    dss1::BEARER_CAPABILITY_body(ctx, e);
}

// The header of the parameter, then the octets of a High layer compatibility element from
// octet 3 on (the DSS1 element's preamble is not printed).
void subcl_34(Context& ctx, const Element& e) {
    if (!ctx.open(e, {" User teleservice information", " Информация о телеуслуге пользователя"},
                  Opening::Header))
        return;
    dss1::HIGH_LAYER_COMP_body(ctx, e);
}

// Octet 1 (protocol profile, extension), then the components from octet 2 on as hex digits.
// Without octet 1 there is nothing to show but the invalid-format line.
void subcl_32(Context& ctx, const Element& e) {
    if (!ctx.open(e, kRemoteOperationsName, Opening::Header, 1)) return;
    ctx.fields(e.octets.bits(0), kRemoteOperationsOctet);
    ctx.hex_line(kComponentsLabel, e.octets.hex_from(1));
}

// Octet 1 must be there; shorter network identity and service domain octets print as far as
// they go (empty before " Hex" when missing).
void subcl_3A(Context& ctx, const Element& e) {
    if (!ctx.open(e, kMlppName, Opening::Header, 1)) return;
    ctx.fields(e.octets.bits(0), kMlppOctet);
    ctx.hex_line(kNetworkIdentityLabel, mid(e.hex(), 3, 4));
    ctx.hex_line(kServiceDomainLabel, mid(e.hex(), 7, 6));
}

}  // namespace tarn::isup
