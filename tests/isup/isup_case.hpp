// Helpers for the ISUP tests: the lines of a report, and one parameter decoder run with the
// walk state set as the message walk sets it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "isup/parameters.hpp"
#include "report/context.hpp"
#include "report/element.hpp"
#include "report_lines.hpp"

namespace tarn::isup::test {

using Lines = std::vector<std::string>;
using tarn::test::report_lines;
constexpr Lang En = Lang::English;
constexpr Lang Ru = Lang::Russian;

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

// A line of a Bearer capability octet that the extension bits announce but the contents
// lack (User service information and its prime): the octet's heading, or a field line
// whose bit column shows no bit at all, only dots.
inline bool bearer_octet_missing(std::string_view line) {
    for (std::string_view word : {" octet", " октет"}) {
        if (line.size() > 2 && line.ends_with(word) && line[1] >= '3' && line[1] <= '7') return true;
    }
    const std::size_t label = line.find(' ', 1);
    return line.size() > 1 && line[1] == '.' && label != std::string_view::npos &&
           line.find_first_not_of('.', 1) == label;
}

// The decoder of parameter `code`, as the message walk finds it.
inline tarn::Decoder param(unsigned code) {
    return find_parameter(code);
}

// A test name for a row: its index, code (or "fixed"), contents and language, so that a
// failure says which case broke.
inline std::string case_name(const ::testing::TestParamInfo<ParamCase>& info) {
    const ParamCase& c = info.param;
    std::string name = "r" + std::to_string(info.index) + "_" + (*c.ind ? c.ind : "fixed") + "_";
    for (const char* p = c.contents; *p && name.size() < 40; ++p) name += *p;
    name += c.lang == En ? "_en" : "_ru";
    return name;
}

inline void PrintTo(const ParamCase& c, std::ostream* os) {
    *os << (*c.ind ? c.ind : "fixed") << " " << c.length << " " << c.contents
        << (c.lang == En ? " en" : " ru");
}

inline unsigned hex_octet(const char* two) {
    return static_cast<unsigned>(
        std::strtoul(std::string(two, std::strlen(two) < 2 ? std::strlen(two) : 2).c_str(), nullptr, 16));
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

}  // namespace tarn::isup::test
