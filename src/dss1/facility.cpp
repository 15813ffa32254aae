// Facility (1C), Network-specific facilities (20) and Transit network selection (78).
// Every one opens with the preamble ("Optional parameter") and the length check.
#include "dss1/facility.hpp"

#include <cstddef>
#include <string>
#include <string_view>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/octets.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

// --- Facility: octet 3, the component type tag (octet 4), its length (octet 5) ---
constexpr Text kFacilityTitle{" Facility", " Услуги"};
constexpr Row kServiceDiscriminator[] = {
    {0b10001, {"supplementary service applications", "дополнительные сервисные прикладные программы"}},
};
// Octet 3 is decoded only when its bit 8 is 1.
constexpr Field kFacilityOctet3[] = {
    {5,
     1,
     {" Service discriminator......... ", " Дискриминатор службы.......... "},
     kServiceDiscriminator,
     kReserved},
    spare_field(7, 6, kSpare),
    kExtension,
};
constexpr Row kComponentTag[] = {
    {0b00001, {"invoke", "активизация"}},
    {0b00010, {"return result", "возвращение результата"}},
    {0b00011, {"return error", "ошибка возврата"}},
    {0b00100, {"reject", "отклонена"}},
};
constexpr Row kForm[] = {{1, {"constructor", "конструктор"}}};
// Bits 8-7 are the tag class of the component (Q.932, X.209): components are tagged
// context-specific, 10 (A1 invoke, A2 return result, A3 return error, A4 reject).
constexpr Row kClass[] = {{0b10, {"context-specific", "контекстно-специфический"}}};
constexpr Field kComponentType[] = {
    {5,
     1,
     {" Component tag................. ", " Составляющая отметка.......... "},
     kComponentTag,
     kReserved},
    {6, 6, {" Form.......................... ", " Форма......................... "}, kForm, kReserved},
    {8, 7, {" Class......................... ", " Класс......................... "}, kClass, kReserved},
};
constexpr Label kComponentLengthLabel{" Lenght of component........... ", " Длина составляющей............ "};
constexpr Row kLengthFormat[] = {
    {0, {"lenght of the component lenght field is on octet", "размер компонента длины поля включен в октет"}},
};
constexpr Field kLengthFormatField{
    8, 8, {" Lenght format................. ", " Формат длины.................. "}, kLengthFormat, kReserved};
constexpr Label kComponentContentsLabel{" Component contents............ ",
                                        " Содержание составляющей....... "};

// --- the network identification octet of Network-specific facilities and Transit network
// selection: identification plan, type, extension ---
constexpr Row kPlan[] = {
    {0b0000, {"unknown", "неизвестен"}},
    {0b0001, {"Carrier Identification Code", "код идентификации несущей"}},
    {0b0011, {"data network identification code", "код идентификации сети передачи данных"}},
};
constexpr Row kNetworkType[] = {
    {0b000, {"user specified", "определяются пользователем"}},
    {0b010, {"national network identification", "идентифицируются национальной сетью"}},
    {0b011, {"international network identification", "идентифицируются международной сетью"}},
};
constexpr Field kNetworkIdOctet[] = {
    {4, 1, {" Network identification plan... ", " План идентификации сети....... "}, kPlan, kReserved},
    {7, 5, {" Type of network identificat... ", " Тип идентификации сети........ "}, kNetworkType, kReserved},
    kExtension,
};
constexpr Label kNetworkIdLabel{" Network identification (IA5).. ", " Идентификация сети (IA5)...... "};

// --- Network-specific facilities ---
constexpr Text kNsfTitle{" Network specific facility", " Услуги специфичной сети"};
constexpr Label kIdLengthLabel{" Length of network identific... ", " Длина идентификации сети...... "};
constexpr Label kFacilitiesLabel{" Network-specific facilities... ", " Услуги специфичной сети....... "};

// --- Transit network selection ---
constexpr Text kTnsTitle{" Transit network selection", " Выбор транзитной сети"};

}  // namespace

// Octets 3 and 4 print even when octet 4 is missing (its fields then show empty bits and
// "reserved"); the component length and contents only when they are there.
void FACILITY(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kFacilityTitle, false)) return;
    const Octets& o = e.octets;
    if (!ends_group(o, 0)) return;
    ctx.fields(o.bits(0), kFacilityOctet3);
    ctx.fields(o.bits(1), kComponentType, Cut::LastRow);
    if (!o.has(2)) return;
    const std::string_view octet_5 = o.bits(2);
    ctx.field(octet_5, 7, 1, kComponentLengthLabel, std::to_string(bits_value(octet_5, 7, 1)) + " Dec");
    ctx.field(octet_5, kLengthFormatField);
    const std::string_view component = o.hex_from(3);
    if (component.size() >= 2) ctx.hex_line(kComponentContentsLabel, component);
}

// Octet 3 holds the length L of the network identification, which counts octet 3.1 (type
// and plan) and the IA5 characters after it; the network-specific facility octets follow
// the L octets. L = 0: no identification, every octet after octet 3 is facility.
void NETWORK_SPECIFIC_FAC(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kNsfTitle, false)) return;
    const Octets& o = e.octets;
    if (!o.has(0)) return;  // no octet 3: nothing to read a length from
    const std::size_t length = o[0];
    ctx.field(o.bits(0), 8, 1, kIdLengthLabel, std::to_string(length) + " Dec");
    if (length != 0) {
        if (!o.has(1)) return;
        ctx.fields(o.bits(1), kNetworkIdOctet);
        ctx.octets(kNetworkIdLabel, IA5(o.hex_from(2).substr(0, 2 * (length - 1))));
    }
    const std::string_view facilities = o.hex_from(1 + length);
    if (facilities.size() >= 2) ctx.line(" ********", ctx.t(kFacilitiesLabel), facilities, " (Hex)");
}

void TRANSIT_NETWORK_SELECTION(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kTnsTitle, false)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kNetworkIdOctet);
    ctx.octets(kNetworkIdLabel, IA5(e.octets.hex_from(1)));
}

}  // namespace tarn::dss1
