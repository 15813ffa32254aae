// Helpers for the ISUP tests: one parameter decoder run with the walk state set as the
// message walk sets it, and the report lines of a whole message.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "isup/isup.hpp"
#include "isup/parameters.hpp"
#include "report/context.hpp"
#include "report/element.hpp"
#include "report_lines.hpp"

namespace tarn::isup::test {

using Lines = std::vector<std::string>;
using tarn::test::report_lines;
constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

inline const std::string kMistake = " MISTAKE: Invalid element format";
inline const std::string kOshibka = " ОШИБКА: недопустимый формат элемента";
inline const std::string kEnd = " 00000000 Optional parameters........... End";
inline const std::string kKonets = " 00000000 Необязательный параметр....... Конец";

// One parameter. Code "": mandatory fixed (no length octet).
// Length "": the length of the contents. `whole`: the lines are the whole report; otherwise
// they must stand in the report in this order.
struct ParamCase {
    tarn::Decoder decode;
    const char* ind;
    const char* length;
    const char* contents;
    Lang lang;
    Lines lines;
    bool whole = true;
    const char* message_type = "01";
};
constexpr bool kSome = false;

// The decoder of parameter `code`, as the message walk finds it.
inline tarn::Decoder param(unsigned code) {
    return find_parameter(code);
}

inline void PrintTo(const ParamCase& c, std::ostream* os) {
    *os << (*c.ind ? c.ind : "fixed") << " " << c.length << " " << c.contents
        << (c.lang == En ? " en" : " ru");
}

inline unsigned hex_octet(const char* two) {
    return static_cast<unsigned>(std::stoul(std::string(two).substr(0, 2), nullptr, 16));
}

// The parameter as the message walk hands it to its decoder: a mandatory fixed one, or an
// optional one with its length octet (the contents' own length unless given).
inline Element element_of(const ParamCase& c) {
    const unsigned type = hex_octet(c.message_type);
    if (!*c.ind) return Element::fixed(0, c.contents, true, type);
    const unsigned length =
        *c.length ? hex_octet(c.length) : static_cast<unsigned>(std::strlen(c.contents) / 2);
    return Element(hex_octet(c.ind), length, c.contents, false, type);
}

inline void check(const ParamCase& c) {
    Context ctx(c.lang, true, "");
    c.decode(ctx, element_of(c));
    const Lines lines = report_lines(ctx.take_screen());
    if (c.whole) {
        EXPECT_EQ(lines, c.lines);
        return;
    }
    auto at = lines.begin();
    for (const std::string& line : c.lines) {
        at = std::find(at, lines.end(), line);
        EXPECT_NE(at, lines.end()) << "missing: " << line;
        if (at == lines.end()) return;
    }
}

inline Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Hex text without the blanks it may hold between octets for legibility.
inline std::string unspaced(std::string_view spaced) {
    std::string hex;
    for (char c : spaced)
        if (c != ' ') hex += c;
    return hex;
}

// The report lines of one ISUP message from its service information octet on.
inline Lines message_lines(std::string_view spaced, Lang lang) {
    Context ctx(lang, false, "T");
    DEC_SS(ctx, unspaced(spaced));
    return report_lines(ctx.screen());
}

// The last `n` lines (all of them when there are fewer).
inline Lines last(const Lines& lines, std::size_t n) {
    return n > lines.size() ? lines : Lines(lines.end() - static_cast<std::ptrdiff_t>(n), lines.end());
}

}  // namespace tarn::isup::test
