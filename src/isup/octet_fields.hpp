// Small pieces shared by the ISUP parameter decoders that read indicator octets:
// one field of an octet with its value table, and the contents checks after the header.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "report/context.hpp"
#include "report/convert.hpp"
#include "report/text.hpp"

namespace tarn::isup {

// The Russian value of code points that ISUP-R does not use.
inline constexpr std::string_view kNotInIsupR = "не используется в ISUP-R";

// One field of an indicator octet: bits hi..lo, its label, its value table and the text
// of the values outside the table. A spare field has neither table nor text: its line
// ends after the label.
struct BitField {
    int hi;
    int lo;
    Text label;
    std::span<const Row> values = {};
    Text other = {};
};

// The line of `field` read from the octet whose bit text is `bits8`.
inline void print_field(Context& ctx, std::string_view bits8, const BitField& field) {
    const unsigned value = decadic(bits_of(bits8, field.hi, field.lo));
    ctx.field(bits8, field.hi, field.lo, field.label, lookup(field.values, value, field.other));
}

}  // namespace tarn::isup
