#include "isup/parameters.hpp"

#include <array>

namespace tarn::isup {

namespace {

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr std::array<ParamRow, 0> kParameters{{
    // {"01", subcl_01}, ... one row per parameter decoder, in code order.
}};

}  // namespace

ParamDecoder find_parameter(std::string_view code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
