// Helpers for the DSS1 tests: the lines of a report, the three header lines of an element,
// and one element decoded alone as a message walk hands it over.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dss1/compat_lines.hpp"
#include "report/context.hpp"
#include "report_lines.hpp"

namespace tarn::dss1::test {

constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

inline Lines lines_of(std::string_view report) {
    return tarn::test::report_lines(report);
}

// The lines from index `first` to the end; a marker line when there are fewer lines, so a
// row's expected lines also fix the number of lines before them.
inline Lines from(const Lines& lines, std::size_t first) {
    if (first > lines.size()) return {"(only " + std::to_string(lines.size()) + " lines)"};
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
}

inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The three header lines of an optional element in English: identification, name, length.
inline Lines head(std::string_view id_bits, std::string_view name, std::string_view length_bits,
                  std::string_view length) {
    return {
        " " + std::string(id_bits) + " Optional parameter............" + std::string(name), std::string(name),
        " " + std::string(length_bits) + " Length........................ " + std::string(length) + " Dec"};
}

inline const std::string kMistakeEn = " MISTAKE: Invalid element format";

inline bool single_octet_id(unsigned id) {
    return id == 0xA0 || id == 0xA1 || (id & 0xF0) == 0xB0;
}

// The lines of one element decoded alone: identifier `id`, length octet `length` (the
// contents' own length when negative), mandatory or not in its message.
inline Lines decode_element(Decoder decode, unsigned id, int length, std::string_view contents, Lang lang,
                            bool mandatory = false) {
    Context ctx(lang, true, "");
    const unsigned announced =
        length < 0 ? static_cast<unsigned>(contents.size() / 2) : static_cast<unsigned>(length);
    Element e(id, announced, contents, mandatory, 0x05);
    if (single_octet_id(id)) e = Element::fixed(id, contents, mandatory, 0x05);
    decode(ctx, e);
    return lines_of(ctx.screen());
}

// A line of one octet's fields: a blank, eight bit characters of 0, 1 and dots, a blank.
inline bool octet_line(std::string_view line) {
    if (line.size() < 10 || line[0] != ' ' || line[9] != ' ') return false;
    return line.substr(1, 8).find_first_not_of("01.") == std::string_view::npos;
}

inline bool mistake_line(std::string_view line) {
    return line.starts_with(" MISTAKE: ") || line.starts_with(" ОШИБКА: ");
}

}  // namespace tarn::dss1::test
