// Single-octet elements More data (A0), Sending complete (A1) and Congestion level (Bx),
// which carry their value in the identifier octet and have no length octet; and Date/time
// (29), five octets of binary numbers.
#include "dss1/single_octet.hpp"

#include <charconv>
#include <cstddef>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/octets.hpp"

namespace tarn::dss1 {

namespace {

constexpr Label kIdentifierLabel{" Identif.information element... ", " Идентиф.информацион.элемента.. "};
constexpr Label kSingleOctetLabel{" Single octet inform.element... ", " Однобайтовый информ.элемент... "};

constexpr Text kMoreDataTitle{" More data", " Большое количество данных"};
constexpr Text kSendingCompleteTitle{" Sending complete", " Передача завершена"};
constexpr Text kCongestionTitle{" Congestion level", " Уровень перегрузки"};

constexpr Row kCongestionLevel[] = {
    {0b0000, {"receiver ready", "приемник готов"}},
    {0b1111, {"receiver not ready", "приемник не готов"}},
};
constexpr Label kCongestionLabel{" Congestion level.............. ", " Уровень перегрузки............ "};

// The identification line (always optional), the title, then bits 7-1 of the identifier
// with the identifier's own text and bit 8, the single-octet mark.
void single_octet(Context& ctx, const Element& e, Text title, std::string_view identifier) {
    ctx.identification(e, title, false);
    ctx.line(ctx.t(title));
    const std::string_view bits = bits8(e.id);
    ctx.field(bits, 7, 1, kIdentifierLabel, identifier);
    ctx.field(bits, 8, 8, kSingleOctetLabel, "1");
}

constexpr Text kDateTimeTitle{" Data/time", " Дата/время"};
constexpr Label kDateTime[] = {
    {" Year.......................... ", " Год........................... "},
    {" Month......................... ", " Месяц......................... "},
    {" Day........................... ", " День.......................... "},
    {" Hour.......................... ", " Час........................... "},
    {" Minute........................ ", " Минута........................ "},
};

}  // namespace

void MORE_DATA(Context& ctx, const Element& e) {
    single_octet(ctx, e, kMoreDataTitle, "0100000");
}

void SENDING_COMPLETE(Context& ctx, const Element& e) {
    single_octet(ctx, e, kSendingCompleteTitle, "0100001");
}

void CONGESTION_LEVEL(Context& ctx, const Element& e) {
    if ((e.id & 0x80) == 0) return;
    ctx.identification(e, kCongestionTitle, true);
    ctx.line(ctx.t(kCongestionTitle));
    const std::string_view bits = bits8(e.id);
    ctx.field(bits, 4, 1, kCongestionLabel, lookup(kCongestionLevel, e.id & 0x0F, kReserved));
    ctx.field(bits, 7, 5, kIdentifierLabel, "011");
    ctx.field(bits, 8, 8, kSingleOctetLabel, "1");
}

void DATA_TIME(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kDateTimeTitle, false)) return;
    // An element shorter than five octets shows its missing octets with an empty bit
    // column and the value 0; a sixth octet (the second) is not shown.
    for (std::size_t i = 0; i < std::size(kDateTime); ++i) {
        char value[8];
        char* end = std::to_chars(value, value + 3, e.octets[i]).ptr;
        for (char c : std::string_view(" Dec")) *end++ = c;
        ctx.field(e.octets.bits(i), 8, 1, kDateTime[i],
                  std::string_view(value, static_cast<std::size_t>(end - value)));
    }
}

}  // namespace tarn::dss1
