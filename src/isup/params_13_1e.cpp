// ISUP parameters 13 to 1E: Redirection information (13), Circuit group supervision message
// type (15), Closed user group interlock code (1A), User service information (1D) and
// Signalling point code (1E). Range and status (16) is in isup/range_status.cpp.
#include "isup/params_13_1e.hpp"

#include "dss1/bearer_capability.hpp"
#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

// --- 13 Redirection information: two octets ---

constexpr Text kRedirectingIndicator[] = {
    {"no redirection (national use)", kNotInIsupR.ru},
    {"call rerouted (national use)", kNotInIsupR.ru},
    {"call rerouted, all redirection information presentation restricted (national use)", kNotInIsupR.ru},
    {"call diverted", "вызов отведен"},
    // The English text ends with a blank, as the report has always printed it.
    {"call diverted, all redirection information presentation restricted ",
     "вызов отведен, запрещено представление всей информации о перенаправлении"},
    {"call rerouted, redirection number presentation restricted(national use)", kNotInIsupR.ru},
    {"call diversion, redirection number presentation restricted (national use)", kNotInIsupR.ru},
    {"spare", kNotInIsupR.ru},
};
constexpr Text kUnknownReason{"unknown/not available", "неизвестна/недоступна"};
constexpr Row kOriginalReason[] = {
    {0b0000, kUnknownReason},
    {0b0001, {"user busy (national use)", kNotInIsupR.ru}},
    {0b0010, {"no reply (national use)", kNotInIsupR.ru}},
    {0b0011, {"unconditional (national use)", kNotInIsupR.ru}},
};
constexpr Row kRedirectingReason[] = {
    {0b0000, kUnknownReason},
    {0b0001, {"user busy", kNotInIsupR.ru}},
    {0b0010, {"no reply", kNotInIsupR.ru}},
    {0b0011, {"unconditional", kNotInIsupR.ru}},
    {0b0100, {"deflection during alerting", kNotInIsupR.ru}},
    {0b0101, {"deflection immediate response", kNotInIsupR.ru}},
    {0b0110, {"mobile subscriber not reachable", kNotInIsupR.ru}},
};
constexpr Text kSpareReason{"spare", kNotInIsupR.ru};
// The redirection counter is shown as a number for every value of its three bits.
constexpr Text kCounter[] = {
    {"0 Dec", "0 Dec"}, {"1 Dec", "1 Dec"}, {"2 Dec", "2 Dec"}, {"3 Dec", "3 Dec"},
    {"4 Dec", "4 Dec"}, {"5 Dec", "5 Dec"}, {"6 Dec", "6 Dec"}, {"7 Dec", "7 Dec"},
};

constexpr Field kRedirectionOctet1[] = {
    dense_field(3, 1, {" Redirecting indicator......... ", " Перенаправляющий индикатор.... "},
                kRedirectingIndicator),
    spare_field(4, 4, kSpare),
    {8,
     5,
     {" Original redirection reason... ", " Первонач.причина перенаправл.. "},
     kOriginalReason,
     kSpareReason},
};
constexpr Field kRedirectionOctet2[] = {
    dense_field(3, 1, {" Redirection counter........... ", " Счетчик перенаправления....... "}, kCounter),
    spare_field(4, 4, kSpare),
    {8,
     5,
     {" Redirecting reason............ ", " Причина перенаправления....... "},
     kRedirectingReason,
     kSpareReason},
};
constexpr OctetFields kRedirectionOctets[] = {kRedirectionOctet1, kRedirectionOctet2};

// --- 15 Circuit group supervision message type: one octet ---

constexpr Text kSupervisionTitle{" Circuit group supervision message type",
                                 " Тип сообщения по наблюдению за группой каналов"};
constexpr Text kSupervisionType[] = {
    {"maintenance oriented", "ориентированность на техническое обслуживание"},
    {"hardware failure oriented", "ориентированность на отказ аппаратной части"},
    {"reserved for national use (used in 1984 version)", "не используется"},
    {"spare", "резерв"},
};
constexpr Field kSupervisionOctet[] = {
    dense_field(2, 1, {" Indicator..................... ", " Индикатор..................... "},
                kSupervisionType),
    spare_field(8, 3, kSpare),
};

// --- 1A Closed user group interlock code ---

constexpr Text kInterlockName{" Closed user group interlock code",
                              " Код взаимоблокировки в замкнутой группе пользователей"};
constexpr Label kNetworkIdentityLabel{" Network identity.............. ", " Идентификатор сети............ "};
constexpr Label kBinaryCodeLabel{" Binary code................... ", " Двоичный код.................. "};

// --- 1D User service information ---

constexpr Text kUserServiceName{" User service information", " Информация по услуге пользователю"};

}  // namespace

constexpr FieldsShape kRedirectionInformation{
    {" Redirection information", " Информация о перенаправлении"}, Opening::Header, kRedirectionOctets};

// The Russian reading shows the point code in the same layout as the English.
constexpr HexShape kSignallingPointCode{
    {" Signalling point code (national use)", " Код пункта сигнализации (национальное использование)"},
    {" Information elements.......... ", " Информационные элементы....... "}};

// Mandatory fixed in the circuit group blocking and unblocking messages: a title line and
// no length check. A field whose bits are missing prints its empty or shortened bit column
// and no meaning, since there is no value to look up.
void subcl_15(Context& ctx, const Element& e) {
    ctx.open(e, kSupervisionTitle, Opening::Title);
    const std::string_view bits = e.octets.bits(0);
    for (const Field& f : kSupervisionOctet) {
        if (bits_of(bits, f.hi, f.lo).size() == static_cast<std::size_t>(f.hi - f.lo + 1))
            ctx.field(bits, f);
        else
            ctx.field(bits, f.hi, f.lo, f.label);
    }
}

// Network identity (octets 1-2) and binary code (octets 3 on), as the hex digits stand.
void subcl_1A(Context& ctx, const Element& e) {
    if (!ctx.open(e, kInterlockName, Opening::Header)) return;
    ctx.hex_line(kNetworkIdentityLabel, mid(e.hex(), 1, 4));
    ctx.hex_line(kBinaryCodeLabel, e.octets.hex_from(2));
}

// The Bearer capability octets from octet 3 on, after the parameter's own header.
void subcl_1D(Context& ctx, const Element& e) {
    if (!ctx.open(e, kUserServiceName, Opening::Header)) return;
    dss1::BEARER_CAPABILITY_body(ctx, e);
}

}  // namespace tarn::isup
