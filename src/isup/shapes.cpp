#include "isup/shapes.hpp"

namespace tarn::isup {

void decode_fields(Context& ctx, const Element& e, const FieldsShape& shape) {
    if (!ctx.open(e, shape.name, shape.opening, shape.octets.size())) return;
    for (std::size_t i = 0; i < shape.octets.size(); ++i) ctx.fields(e.octets.bits(i), shape.octets[i]);
}

void decode_hex(Context& ctx, const Element& e, const HexShape& shape) {
    if (!ctx.open(e, shape.name, Opening::Header)) return;
    ctx.hex_line(shape.label, e.hex());
}

}  // namespace tarn::isup
