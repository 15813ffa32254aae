// Channel identification (18): octet 3, octet 3.1 (interface identifier) when octet 3 says
// the interface is explicitly identified, octet 3.2 (channel type) and the channel number
// or slot map octets, which are shown as one run of bits.
#include "dss1/channel.hpp"

#include <cstddef>
#include <string>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kTitle{" Channel identification", " Идентификатор канала"};

// --- octet 3 ---

constexpr Label kSelectionLabel{" Information channel selection. ", " Выбор информационного канала.. "};
constexpr Text kSelectionBasic[] = {
    {"no channel", "канал не выбран"},
    {"B1 channel", "B1 канал"},
    {"B2 channel", "B2 канал"},
    {"any channel", "любой канал"},
};
constexpr Text kSelectionOther[] = {
    {"no channel", "канал не выбран"},
    {"as indicated in following octet", "как обозначено в следующем октете"},
    {"reserved", "резерв"},
    {"any channel", "любой канал"},
};
constexpr Text kDChannel[] = {
    {"the channel identified is not the D-channel", "идентифицированный канал - не D-канал"},
    {"the channel identified is the D-channel", "идентифицированный канал - D-канал"},
};
constexpr Text kExclusive[] = {
    {"indicated channel is preffered", "предпочтение указанному каналу"},
    {"exclusive: only the indicated channel is acceptable",
     "исключительность: приемлем только выбранный канал"},
};
constexpr Text kInterfaceType[] = {
    {"basic interface", "базовый доступ"},
    {"other interface: e.g. primary rate", "другой интерфейс: в т.ч. первичный доступ"},
};
constexpr Text kIdentifierPresent[] = {
    {"interface implicity identified", "неявно идентифицированный интерфейс"},
    {"interface explicity identified in one or more octets beginning with octet 3.1",
     "неявно идентифицированный интерфейс в одном или более октетах, начинающихся с октета 3.1"},
};

constexpr Field kDChannelField =
    dense_field(3, 3, {" D-channel indicator........... ", " Индикатор D-канала............ "}, kDChannel);
constexpr Field kExclusiveField =
    dense_field(4, 4, {" Preferred/exclusive........... ", " Предпочтение/исключительность. "}, kExclusive);
constexpr Field kInterfaceTypeField = dense_field(
    6, 6, {" Interface type................ ", " Тип интерфейса................ "}, kInterfaceType);
constexpr Field kIdentifierPresentField = dense_field(
    7, 7, {" Interface identifier present.. ", " Идентификация интерфейса...... "}, kIdentifierPresent);

// Bits 2-1 read by the interface type of bit 6: a basic interface names its B channels.
constexpr Field kOctet3Basic[] = {
    dense_field(2, 1, kSelectionLabel, kSelectionBasic),
    kDChannelField,
    kExclusiveField,
    spare_field(5, 5, kSpare),
    kInterfaceTypeField,
    kIdentifierPresentField,
    kExtension,
};
constexpr Field kOctet3Other[] = {
    dense_field(2, 1, kSelectionLabel, kSelectionOther),
    kDChannelField,
    kExclusiveField,
    spare_field(5, 5, kSpare),
    kInterfaceTypeField,
    kIdentifierPresentField,
    kExtension,
};

// --- octet 3.1: the interface identifier, shown as bits ---

constexpr Field kOctet31[] = {
    {7, 1, {" Interface identifier.......... ", " Идентификатор интерфейса...... "}, {}, {"(BIN)", "(BIN)"}},
    kExtension,
};

// --- octet 3.2 ---

constexpr Row kChannelType[] = {
    {0b0011, {"B-channel units", "блоки B-канала"}},
    {0b0110, {"H0-channel units", "блоки H0-канала"}},
    {0b1000, {"H11-channel units", "блоки H11-канала"}},
    {0b1001, {"H12-channel units", "блоки H12-канала"}},
};
constexpr Text kNumberMap[] = {
    {"channel is indicated by the number in the folowing octet",
     "канал обозначен номером в следующем октете"},
    {"channel is indicated by the slot map (Map) in the folowing octet(s)",
     "канал обозначен таблицей в следующих октетах"},
};
constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"reserved for other international standards", "зарезервированный для других международных стандартов"},
    {"national standard", "национальный стандарт"},
    {"standard defined for the network (either public or private) present on the network side of the "
     "interface",
     "стандарт, определенный для сети (или общий или частный), представленный на сетевой стороне интерфейса"},
};
constexpr Field kOctet32[] = {
    {4, 1, {" Channel type/map element type. ", " Тип канала/тип элемента табл.. "}, kChannelType, kReserved},
    dense_field(5, 5, {" Number/map.................... ", " Номер/таблица................. "}, kNumberMap),
    dense_field(7, 6, {" Coding standard............... ", " Стандартное кодирование....... "}, kCoding),
    kExtension,
};

constexpr Text kChannelNumberLabel{" Channel number/slot number.... ", " Номер канала/номер слота...... "};
constexpr Text kSeeI431{"See Recommendation I.431", "См. Рекомендацию I.431"};

}  // namespace

void CHANNEL_IDENTIFICATION(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kTitle)) return;
    const Octets& o = e.octets;
    if (!ends_group(o, 0)) return;
    const bool basic = (o[0] & 0x20) == 0;
    ctx.fields(o.bits(0),
               basic ? std::span<const Field>(kOctet3Basic) : std::span<const Field>(kOctet3Other));

    // The interface identifier runs up to the first octet whose bit 8 is 1; octet 3.2
    // follows it. Every identifier octet is shown; without its last one there is no
    // octet 3.2 to read.
    std::size_t at = 1;
    if ((o[0] & 0x40) != 0) {
        for (;;) {
            if (!o.has(at)) return;
            ctx.fields(o.bits(at), kOctet31);
            if (ends_group(o, at++)) break;
        }
    }

    if (!ends_group(o, at)) return;
    ctx.fields(o.bits(at), kOctet32);
    ++at;

    // The channel number octets or the slot map: all their bits on one line.
    if (!o.has(at)) return;
    std::string bits;
    for (std::size_t i = at; i < o.size(); ++i) bits += o.bits(i);
    ctx.line(" ", bits, ctx.t(kChannelNumberLabel), ctx.t(kSeeI431));
}

}  // namespace tarn::dss1
