// DSS1 information elements: the identifier-to-decoder table, the element preamble that
// opens every variable-length element's lines, and the element walk, which the DSS1
// message rules and the ISUP Access transport parameter both use with their own lists.
#pragma once

#include <bitset>
#include <cstddef>
#include <span>
#include <string_view>

#include "report/context.hpp"
#include "report/element.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

struct ElementEntry {
    unsigned id;  // identifier octet; Congestion level (Bx) stands under B0
    Decoder decode;
};

// The decoders of the DSS1 elements, by identifier.
std::span<const ElementEntry> element_decoders();

// The decoder of identifier `id` in `table`, or nullptr when there is none.
Decoder find_decoder(std::span<const ElementEntry> table, unsigned id);

// The element preamble: identification line (" Mandatory parameter..........." or
// " Optional parameter............" and `title`), title line, length line, then the
// length check. True when the contents have the announced length and may be decoded;
// otherwise the invalid-format MISTAKE line has been written.
bool element_preamble(Context& ctx, const Element& e, Text title, bool mandatory);
inline bool element_preamble(Context& ctx, const Element& e, Text title) {
    return element_preamble(ctx, e, title, e.mandatory);
}

// An identifier a walk hands to its decoder, and whether the element is mandatory there.
struct Accept {
    unsigned id;
    bool mandatory = false;
};

// The single-octet elements a walk reads without a length octet.
constexpr bool single_octet(unsigned id) {
    return id == 0xA0 || id == 0xA1;
}

struct WalkResult {
    std::size_t end = 0;      // digit offset in `text` where the walk stopped
    std::bitset<256> seen{};  // accepted identifiers met, also those cut before their length
};

// The element walk over `text` (hex digits, starting at an identifier octet): identifier,
// length octet, contents; it ends at the end of the text, at a filler octet FF, at a
// lone digit, or where a length octet is missing. Accepted identifiers go to their
// decoder in `decoders` (a single-octet one with its own octet as contents); the others
// are passed over by their length.
WalkResult walk_elements(Context& ctx, std::string_view text, std::span<const Accept> accepts,
                         std::span<const ElementEntry> decoders, unsigned message_type);

}  // namespace tarn::dss1
