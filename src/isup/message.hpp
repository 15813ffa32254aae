// The parameter part of an ISUP message (Q.763 / ISUP-R): mandatory fixed parameters,
// pointers, the mandatory variable parameter and the optional part, laid out per
// message type.
#pragma once

#include <string_view>

#include "isup/parameters.hpp"
#include "report/context.hpp"

namespace tarn::isup {

// Looks up the decoder of a parameter code; DEC_SS uses find_parameter.
using ParamFinder = ParamDecoder (*)(std::string_view code);

// Walks the parameters of `message` (the whole message text, parameters from digit 17 on)
// after its message type line, as the layout of message type `type` (two hex digits) says.
// Stops silently where the message ends too early.
void walk_parameters(Context& ctx, std::string_view message, std::string_view type, ParamFinder find);

}  // namespace tarn::isup
