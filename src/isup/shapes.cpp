#include "isup/shapes.hpp"

#include "report/convert.hpp"

namespace tarn::isup {

void decode_fields(Context& ctx, const Element& e, const FieldsShape& shape) {
    if (!ctx.open(e, shape.name, shape.opening, shape.octets.size())) return;
    for (std::size_t i = 0; i < shape.octets.size(); ++i) ctx.fields(e.octets.bits(i), shape.octets[i]);
}

void decode_hex(Context& ctx, const Element& e, const HexShape& shape) {
    if (!ctx.open(e, shape.name, Opening::Header)) return;
    ctx.hex_line(shape.label, e.hex());
}

std::string address_signals(std::string_view hex, bool odd) {
    hex = hex.substr(0, hex.size() - hex.size() % 2);
    if (!odd || hex.empty()) return AdrS(hex);
    std::string text = AdrS(hex.substr(0, hex.size() - 2));
    const char last = hex.back();
    text += (last == 'F' || last == 'f') ? std::string("ST") : std::string(1, last);
    return text;
}

void decode_number(Context& ctx, const Element& e, const NumberShape& shape) {
    const std::size_t first = shape.leading.size();
    const std::size_t head = first + (shape.octet2.empty() ? 1 : 2);
    if (!ctx.open(e, shape.name, shape.opening, head)) return;
    for (std::size_t i = 0; i < first; ++i) ctx.fields(e.octets.bits(i), shape.leading[i]);
    const bool odd = (e.octets[first] & 0x80) != 0;
    ctx.fields(e.octets.bits(first), shape.octet1);
    if (!shape.octet2.empty()) ctx.fields(e.octets.bits(first + 1), shape.octet2);
    const std::string address = address_signals(e.octets.hex_from(head), odd);
    if (address.size() >= 2) ctx.octets(shape.digits, address);
}

}  // namespace tarn::isup
