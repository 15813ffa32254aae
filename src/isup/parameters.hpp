// ISUP parameter decoders by parameter code (Q.763 / ISUP-R).
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

// A parameter decoder: `contents` are the parameter's hex digits without code and length
// octets; the walk has set ctx.ind (the code), ctx.MN / ctx.NN / ctx.txtBIN (length octet)
// and the flags it needs. Mandatory fixed parameters get their fixed digits (NN untouched).
using ParamDecoder = void (*)(Context& ctx, std::string_view contents);
struct ParamRow {
    std::string_view code;
    ParamDecoder decode;
};
ParamDecoder find_parameter(std::string_view code);  // nullptr when no decoder is built

}  // namespace tarn::isup
