// The field vocabulary: a checked label, and a field descriptor (bits hi..lo of an octet,
// its label, its value table with the text of every other value, the reading it belongs to).
// Decoders describe an octet as a table of fields; Context::fields prints it.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "report/text.hpp"

namespace tarn {

namespace detail {

// Characters (code points) of a UTF-8 literal.
constexpr std::size_t utf8_chars(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The 32-character label form: a blank, the 30-character name with its dot leader, a blank.
// An empty literal stands for a reading that has no such field.
constexpr bool label_form(std::string_view s) {
    return s.empty() || (utf8_chars(s) == 32 && s.front() == ' ' && s.back() == ' ');
}

// Reached only in constant evaluation of a malformed table: the compiler reports it.
inline void table_error(const char*) {}

}  // namespace detail

// A field label in both languages, checked at compile time for the 32-character form.
// The few literals that differ on purpose are made with Label::raw.
struct Label {
    Text text;

    consteval Label(std::string_view en, std::string_view ru) : text{en, ru} {
        if (!detail::label_form(en) || !detail::label_form(ru))
            detail::table_error("label is not 32 characters");
    }
    consteval Label(Text t) : Label(t.en, t.ru) {}

    // A label kept exactly as the report has always printed it, whatever its width.
    static consteval Label raw(std::string_view en, std::string_view ru) { return Label(Text{en, ru}, 0); }

    constexpr operator Text() const { return text; }

private:
    consteval Label(Text t, int) : text(t) {}
};

// Which reading prints a field (ISUP: English is Q.767, Russian is ISUP-R).
enum class Only : unsigned char { Both, English, Russian };

// One field of an octet: bits hi..lo (8 = most significant), its label and the meaning of
// its value. With neither table nor `other` text it is spare: its line ends after the label.
// A table has sparse rows (`values`) or one text per value of the field (`dense`, made by
// dense_field so that its size is checked against the field's width).
struct Field {
    int hi;
    int lo;
    Label label;
    std::span<const Row> values = {};
    Text other = {};  // the text of every value without a row
    Only only = Only::Both;
    std::span<const Text> dense = {};

    // The text of `value`: its row, else `other`.
    constexpr Text text(unsigned value) const {
        if (!dense.empty()) return value < dense.size() ? dense[value] : other;
        return lookup(values, value, other);
    }
    constexpr bool spare() const {
        return values.empty() && dense.empty() && other.en.empty() && other.ru.empty();
    }
    constexpr bool prints_in(Lang lang) const {
        return only == Only::Both || (only == Only::English) == (lang == Lang::English);
    }
    // The text of the table's last row: the "any other" text, else the last text of the
    // table. A field cut short by the end of the contents matches no row and may show it.
    constexpr Text last_row() const {
        if (!other.en.empty() || !other.ru.empty()) return other;
        if (!dense.empty()) return dense.back();
        if (!values.empty()) return values.back().text;
        return {};
    }
};

// A field whose table has one text for each value of bits hi..lo, in value order.
template <std::size_t N>
consteval Field dense_field(int hi, int lo, Label label, const Text (&texts)[N], Only only = Only::Both) {
    if (hi < lo || hi > 8 || lo < 1 || N != (std::size_t{1} << (hi - lo + 1)))
        detail::table_error("dense table size does not match the field width");
    return Field{hi, lo, label, {}, {}, only, std::span<const Text>(texts)};
}

// A spare field: bits hi..lo with the spare label of the report, its line ends after it.
consteval Field spare_field(int hi, int lo, Label label, Only only = Only::Both) {
    return Field{hi, lo, label, {}, {}, only};
}

}  // namespace tarn
