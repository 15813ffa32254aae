// Progress indicator (1E), Notification indicator (27) and Restart indicator (79): small
// elements of one or two octets, each octet decoded only when its bit 8 ends the group.
#include "dss1/progress.hpp"

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"

namespace tarn::dss1 {

namespace {

// --- Progress indicator ---

constexpr Text kProgressTitle{" Progress indicator", " Индикатор изменения"};

// The progress location of ETS 300 102-1 has no transit network (0011).
constexpr Row kLocation[] = {
    {0b0000, {"user", "пользователь"}},
    {0b0001,
     {"private network serving the local user", "закрытая сеть, обслуживающая локального пользователя"}},
    {0b0010,
     {"public network serving the local user",
      "сеть общего пользования, обслуживающая локального пользователя"}},
    {0b0100,
     {"public network serving the remote user",
      "сеть общего пользования, обслуживающая удаленного пользователя"}},
    {0b0101,
     {"private network serving the remote user", "закрытая сеть, обслуживающая удаленного пользователя"}},
    {0b0111, {"international network", "международная сеть"}},
    {0b1010, {"network beyond interworking point", "сеть вне пункта взаимодействия"}},
};
constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"reserved for other international standards", "зарезервирован для других международных стандартов"},
    {"national standard", "национальный стандарт"},
    {"standard defined for the network (either public or private) present on the network side of the "
     "interface",
     "стандарт, определенный для сети (или общий или частный), представленный на сетевой стороне интерфейса"},
};
constexpr Field kProgressOctet3[] = {
    {4, 1, {" Location...................... ", " Определение места............. "}, kLocation, kReserved},
    spare_field(5, 5, kSpare),
    dense_field(7, 6, {" Coding standard............... ", " Стандартное кодирование....... "}, kCoding),
    kExtension,
};

constexpr Row kDescription[] = {
    {0b0000001,
     {"call is not end-to-end ISDN: futher progress information may be available in-band",
      "соединение проходит не только через ISDN"}},
    {0b0000010, {"destination address is non-ISDN", "вызываемое оборудование не относится к ISDN"}},
    {0b0000011, {"origination address is non-ISDN", "вызывающее оборудование не относится к ISDN"}},
    {0b0000100, {"call has returned to the ISDN", "вызов возвращен к ISDN"}},
    {0b0001000,
     {"in-band information or appropriate pattern now available",
      "по В-каналу возможна передача акустических сигналов"}},
};
constexpr Field kProgressOctet4[] = {
    {7, 1, {" Progress description.......... ", " Описание изменения............ "}, kDescription, kReserved},
    kExtension,
};

// --- Notification indicator ---

constexpr Text kNotificationTitle{" Notification indicator", " Индикатор уведомления"};
constexpr Row kNotification[] = {
    {0b0000000, {"user suspended", "пользователь приостановил"}},
    {0b0000001, {"user resumed", "пользователь продолжил"}},
    {0b0000010, {"bearer service change", "изменяется служба предъявителя"}},
};
constexpr Field kNotificationOctet3[] = {
    {7,
     1,
     {" Notification description...... ", " Описание уведомления.......... "},
     kNotification,
     kReserved},
    kExtension,
};

// --- Restart indicator ---

constexpr Text kRestartTitle{" Restart indicator", " Индикатор рестарта"};
constexpr Row kClass[] = {
    {0b000, {"indicated channels", "обозначенные каналы"}},
    {0b110, {"single interface", "одиночный интерфейс"}},
    {0b111, {"all interfaces", "все интерфейсы"}},
};
constexpr Field kRestartOctet3[] = {
    {3, 1, {" Class......................... ", " Класс......................... "}, kClass, kReserved},
    spare_field(7, 4, kSpare),
    kExtension,
};

}  // namespace

void PROGRESS_INDICATOR(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kProgressTitle)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kProgressOctet3);
    if (!ends_group(e.octets, 1)) return;
    ctx.fields(e.octets.bits(1), kProgressOctet4);
}

void NOTIFICATION_INDICATOR(Context& ctx, const Element& e) {
    // Always mandatory where it stands; the element shows no length line.
    ctx.identification(e, kNotificationTitle, true);
    ctx.line(ctx.t(kNotificationTitle));
    // A cut element is reported, not decoded as if it were whole.
    if (!ctx.length_ok(e)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kNotificationOctet3);
}

void RESTART_INDICATOR(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kRestartTitle, true)) return;
    if (!ends_group(e.octets, 0)) return;
    ctx.fields(e.octets.bits(0), kRestartOctet3);
}

}  // namespace tarn::dss1
