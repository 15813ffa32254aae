// The element a decoder decodes, handed to it explicitly by the walk of its message: a DSS1
// information element, or an ISUP parameter. A decoder reads nothing else of the walk.
#pragma once

#include <cstddef>
#include <string_view>

#include "report/octets.hpp"

namespace tarn {

class Context;

struct Element {
    unsigned id = 0;  // identifier octet (DSS1) or parameter code (ISUP)
    // The value of the length octet in octets. Elements without a length octet (mandatory
    // fixed ISUP parameters, DSS1 single-octet elements) have has_length false.
    unsigned length = 0;
    bool has_length = true;
    bool mandatory = false;     // mandatory in this message (a column of the message tables)
    unsigned message_type = 0;  // code of the message type the element stands in
    Octets octets;              // the contents, shorter than `length` when the message is cut

    Element() = default;
    Element(unsigned id, unsigned length, std::string_view contents, bool mandatory = false,
            unsigned message_type = 0)
        : id(id), length(length), mandatory(mandatory), message_type(message_type), octets(contents) {}

    // A fixed element (no length octet): its contents are its own octets.
    static Element fixed(unsigned id, std::string_view contents, bool mandatory, unsigned message_type = 0) {
        Element e(id, static_cast<unsigned>(contents.size() / 2), contents, mandatory, message_type);
        e.has_length = false;
        return e;
    }

    std::string_view hex() const { return octets.hex(); }
    // True when the contents hold every octet the length octet announces.
    bool whole() const { return octets.hex().size() == 2 * static_cast<std::size_t>(length); }
};

// An element or parameter decoder.
using Decoder = void (*)(Context& ctx, const Element& element);

}  // namespace tarn
