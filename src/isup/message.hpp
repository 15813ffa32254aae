// The parameter part of an ISUP message (Q.763 / ISUP-R): mandatory fixed parameters,
// pointers, the mandatory variable parameter and the optional part, laid out per
// message type.
#pragma once

#include <span>
#include <string_view>

#include "isup/parameters.hpp"
#include "report/context.hpp"
#include "report/text.hpp"

namespace tarn::isup {

struct Layout;

// A message type: its code, its name in both readings, its parameter layout and its
// acronym (Q.763 Table 4) for the structured output.
struct MessageType {
    unsigned code;
    Text name;
    const Layout* layout;
    std::string_view acronym;
};

// Every message type decoded, by code.
std::span<const MessageType> message_types();

// The message type of `code`, or nullptr for a code that is not decoded.
const MessageType* find_message_type(unsigned code);

// Looks up the decoder of a parameter code; DEC_SS uses find_parameter.
using ParamFinder = Decoder (*)(unsigned code);

// Walks the parameters of `message` (the whole message text, parameters from digit 17 on)
// after its message type line, as the layout of `type` says. Stops silently where the
// message ends too early.
void walk_parameters(Context& ctx, std::string_view message, const MessageType& type, ParamFinder find);

}  // namespace tarn::isup
