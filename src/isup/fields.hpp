// Helpers shared by the ISUP indicator and cause decoders: reading a bit field of an
// octet, picking its text from a table indexed by the field's value, and opening a
// parameter as a mandatory fixed or an optional one.
#pragma once

#include <cstddef>
#include <string_view>

#include "report/context.hpp"
#include "report/convert.hpp"

namespace tarn::isup {

// The value of bits hi..lo (8 = most significant) of an octet's bit text.
inline unsigned bits_value(std::string_view bits8, int hi, int lo) {
    return decadic(bits_of(bits8, hi, lo));
}

// The row `value` of a table that has one text for every value of its field.
template <std::size_t N>
constexpr Text pick(const Text (&table)[N], unsigned value) {
    return value < N ? table[value] : Text{};
}

// A field line whose value is the row of `table` for the field's own bits.
template <std::size_t N>
void field(Context& ctx, std::string_view bits8, int hi, int lo, Text label, const Text (&table)[N]) {
    ctx.field(bits8, hi, lo, label, pick(table, bits_value(bits8, hi, lo)));
}

}  // namespace tarn::isup
