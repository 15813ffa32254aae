#include "isup/isup.hpp"

#include <cstddef>
#include <string>

#include "isup/message.hpp"
#include "isup/parameters.hpp"
#include "report/convert.hpp"
#include "report/message_type.hpp"
#include "report/octets.hpp"
#include "report/short_text.hpp"

namespace tarn::isup {

namespace {

constexpr Text kHeader{" MESSAGE ISDN-ISUP SS#7 (Q.767 - Whitebook): ",
                       " СООБЩЕНИЕ ISDN-ISUP SS#7 (ISUP-R): "};
constexpr Text kServiceIndicator{
    " ....0101 Service indicator............. ISUP ISDN user part",
    " ....0101 Индикатор службы.............. Подсистема пользователя ISUP ISDN"};
constexpr Text kNetworkIndicator{" Network indicator............. ", " Индикатор сети................ "};
constexpr Row kNetworkIndicators[] = {
    {0b00, {"International", "Международная"}},
    {0b01, {"International (spare)", "Международная (свободная)"}},
    {0b10, {"National", "Национальная"}},
    {0b11, {"Local (or zonal)", "Местная (или зональная)"}},
};
constexpr Text kDPC{" ******** Destination point code (DPC).. ", " ******** Код пункта назначения (DPC)... "};
constexpr Text kOPC{" ******** Origination point code (OPC).. ", " ******** Код исходящего пункта (OPC)... "};
constexpr Text kSLS{" Signalling link selection..... ", " Выбор сигнального соединения.. "};
constexpr Text kCIC{" Circuit identification code... ", " Код идентификации канала...... "};
constexpr Text kCICSpare{".... Spare.........................", ".... Резерв........................"};
constexpr Text kTrunk{" (if used E1: trunk # ", " (если используется E1: поток # "};
constexpr Text kChannel{", channel # ", ", канал # "};

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Value of the hex digit at 1-based position `pos` (0 past the end).
unsigned digit(std::string_view m, std::size_t pos) {
    return hex_number(mid(m, pos, 1));
}

// IndNetwork: the header with the typed text or the hex dump, and the service indicator.
// The context holds this message's lines only, so there is nothing to empty first.
void IndNetwork(Context& ctx) {
    ctx.message_title(Protocol::Isup, kHeader);
    ctx.line(ctx.t(kServiceIndicator));
}

// SSF: sub-service field of octet 1. Returns the network indicator.
int SSF(Context& ctx, std::string_view m) {
    const std::string_view bits = bits_of_digits(mid(m, 1, 2));
    const unsigned indicator = decadic(bits_of(bits, 8, 7));
    ctx.field(bits, 6, 5, kSpare);
    ctx.field(bits, 8, 7, kNetworkIndicator,
              lookup(kNetworkIndicators, indicator, kNetworkIndicators[0].text));
    return static_cast<int>(indicator);
}

// DPC: bits 14-13 from octet 3 bits 6-5, bits 12-9 from octet 3 bits 4-1, bits 8-1 octet 2.
// Returns the point code shown, for a structured sink.
long DPC(Context& ctx, std::string_view m) {
    const std::string_view high(&kHexDigits[digit(m, 5) % 4], 1);
    const ShortText dpc(high, mid(m, 6, 1), mid(m, 3, 2));
    ctx.line(ctx.t(kDPC), dpc, " Hex");
    return ctx.structured() ? static_cast<long>(hex_number(dpc)) : -1;
}

// OPC: bits 2-1 in octet 3 bits 8-7, bits 10-3 in octet 4, bits 14-11 in octet 5 bits 4-1.
// Returns the point code shown, for a structured sink.
long OPC(Context& ctx, std::string_view m) {
    const unsigned d5 = digit(m, 5), d7 = digit(m, 7), d8 = digit(m, 8), d10 = digit(m, 10);
    const char opc[] = {kHexDigits[d10 / 4], kHexDigits[4 * (d10 % 4) + d7 / 4],
                        kHexDigits[4 * (d7 % 4) + d8 / 4], kHexDigits[4 * (d8 % 4) + d5 / 4], '\0'};
    ctx.line(ctx.t(kOPC), opc, " Hex");
    return ctx.structured() ? static_cast<long>(hex_number(opc)) : -1;
}

// SLS: octet 5 bits 8-5.
int SLS(Context& ctx, std::string_view m) {
    const std::string_view bits = bits_of_digits(mid(m, 9, 1));
    const unsigned sls = decadic(bits);
    ctx.field(bits, 8, 5, kSLS, ShortText(sls, " Dec"));
    return static_cast<int>(sls);
}

// CIC: octet 6 bits 8-1 and octet 7 bits 4-1; on an E1 system its top 7 bits are the
// trunk and its bottom 5 bits the channel. Returns the CIC.
long CIC(Context& ctx, std::string_view m) {
    const std::string_view bits6 = bits_of_digits(mid(m, 11, 2));
    const std::string_view bits7 = bits_of_digits(mid(m, 13, 2));
    const unsigned cic = digit(m, 14) * 256 + hex_number(mid(m, 11, 2));
    ctx.field(bits6, 8, 1, kCIC, ShortText(mid(m, 11, 2), " Hex"));
    ctx.line(" ", bits_of(bits7, 8, 5), ctx.t(kCICSpare));
    ctx.field(bits7, 4, 1, kCIC,
              ShortText(mid(m, 14, 1), " Hex", ctx.t(kTrunk), cic / 32, ctx.t(kChannel), cic % 32, ")"));
    return static_cast<long>(cic);
}

}  // namespace

void DEC_SS(Context& ctx, std::string_view message) {
    IndNetwork(ctx);
    FrameFacts facts;
    facts.network_indicator = SSF(ctx, message);
    if (message.size() > 5) facts.dpc = DPC(ctx, message);
    if (message.size() > 9) facts.opc = OPC(ctx, message);
    if (message.size() > 8) facts.sls = SLS(ctx, message);
    if (message.size() > 13) facts.cic = CIC(ctx, message);
    ctx.frame(facts);

    const std::string_view code = mid(message, 15, 2);
    if (code.size() != 2) return;
    const MessageType* type = find_message_type(hex_number(code));
    if (type == nullptr) return;
    const std::string_view name = ctx.t(type->name);
    if (name.empty()) return;                                 // Confusion in ISUP-R
    message_type_line(ctx, type->code, name, type->acronym);  // subTYPE, the same line as DSS1
    walk_parameters(ctx, message, *type, find_parameter);
}

}  // namespace tarn::isup
