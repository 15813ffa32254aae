// ISUP parameter decoders by parameter code (Q.763 / ISUP-R).
#pragma once

#include <span>

#include "report/element.hpp"

namespace tarn::isup {

// A parameter decoder gets the parameter as an Element: its code, the value of its length
// octet, its contents (without code and length octets; a mandatory fixed parameter has
// no length octet and gets its fixed octets), whether it is mandatory in the message and
// the message type.
struct ParamRow {
    unsigned code;
    Decoder decode;
};
Decoder find_parameter(unsigned code);  // nullptr when no decoder is built

// Every parameter decoder, by code (for the hygiene test and the registry fuzz target).
std::span<const ParamRow> parameter_decoders();

}  // namespace tarn::isup
