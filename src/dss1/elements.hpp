// DSS1 information elements: the identifier-to-decoder table and the element preamble
// that opens every variable-length element's lines.
#pragma once

#include <span>
#include <string_view>

#include "report/context.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

// An element decoder takes the element's contents: the hex digits after the length
// octet, or the two digits of a single-octet element. ctx.ind, ctx.txtBIN (bits of the
// length octet) and ctx.NN are set by the caller.
using ElementDecoder = void (*)(Context& ctx, std::string_view contents);

struct ElementEntry {
    unsigned id;  // identifier octet; Congestion level (Bx) stands under B0
    ElementDecoder decode;
};

// The decoders of the DSS1 elements, by identifier.
std::span<const ElementEntry> element_decoders();

// The decoder of identifier `id` in `table`, or nullptr when there is none.
ElementDecoder find_decoder(std::span<const ElementEntry> table, unsigned id);

// The element preamble: identification line (" Mandatory parameter..........." or
// " Optional parameter............" and `title`), title line, length line, then the
// length check. True when `contents` has the announced length and may be decoded;
// otherwise the invalid-format MISTAKE line has been written.
bool element_preamble(Context& ctx, Text title, bool mandatory, std::string_view contents);

}  // namespace tarn::dss1
