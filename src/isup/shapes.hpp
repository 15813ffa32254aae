// The common shapes of ISUP parameters, each with one generic decoder: a parameter is one
// data row of its shape, and its registry row names the shape's decoder with that row,
// e.g. `{0x06, fields_parameter<kNatureOfConnectionIndicators>}`.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "report/context.hpp"
#include "report/element.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

// The Russian value of code points that ISUP-R does not use.
inline constexpr Text kNotInIsupR{"не используется в ISUP-R", "не используется в ISUP-R"};

// --- octet fields ---
// A parameter of whole octets of fields: its name, how it opens, the field table of each
// octet in order. All its octets must be there; a parameter cut shorter prints the
// invalid-format MISTAKE line after its opening.
using OctetFields = std::span<const Field>;
struct FieldsShape {
    Text name;
    Opening opening;
    std::span<const OctetFields> octets;
};
void decode_fields(Context& ctx, const Element& e, const FieldsShape& shape);
template <const FieldsShape& Shape>
void fields_parameter(Context& ctx, const Element& e) {
    decode_fields(ctx, e, Shape);
}

// --- contents shown as hex digits ---
// The header, the length check, then one line " ******** <label><hex digits> Hex" (the
// label followed by "  Hex" when the contents are empty).
struct HexShape {
    Text name;
    Label label;
};
void decode_hex(Context& ctx, const Element& e, const HexShape& shape);
template <const HexShape& Shape>
void hex_parameter(Context& ctx, const Element& e) {
    decode_hex(ctx, e, Shape);
}

// --- numbers ---
// A number parameter (Q.763 3.9 and its kin): optional leading octets of fields, the octet
// whose bit 8 is the odd/even indicator (with the nature of address or its like), an
// optional second octet of fields, then the address signals, two per octet, shown under
// the digits label when at least two characters result. Every octet before the signals
// must be there.
struct NumberShape {
    Text name;
    Opening opening;
    std::span<const OctetFields> leading;  // octets before the odd/even octet
    OctetFields octet1;                    // the odd/even octet's fields
    OctetFields octet2;                    // empty: the signals follow octet 1
    Label digits;
};
void decode_number(Context& ctx, const Element& e, const NumberShape& shape);
template <const NumberShape& Shape>
void number_parameter(Context& ctx, const Element& e) {
    decode_number(ctx, e, Shape);
}

// Address signals from the address octets (AdrS). With an odd number of signals the high
// half of the last octet is the filler, not a signal: it is dropped before any F becomes "ST".
std::string address_signals(std::string_view hex, bool odd);

}  // namespace tarn::isup
