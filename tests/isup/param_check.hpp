// Helpers for the ISUP parameter decoder tests: run one decoder on given contents with
// the walk state set as the optional-part loop sets it, and split the report in lines.
#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "isup/lines.hpp"
#include "report/context.hpp"

namespace tarn::isup::test {

using Decoder = void (*)(Context&, std::string_view);

// `length` is the length octet; empty means the length of `contents`.
inline std::vector<std::string> decode_lines(Decoder decode, Lang lang, std::string_view ind,
                                             std::string_view contents, std::string length = "") {
    Flags flags;
    Context ctx(lang, true, "", flags);
    ctx.ind = std::string(ind);
    char own_length[20];
    std::snprintf(own_length, sizeof own_length, "%02zX", contents.size() / 2);
    ctx.dlina(length.empty() ? own_length : length);
    decode(ctx, contents);
    return report_lines(ctx.take_screen());
}

// A whole report: decoder, code, length octet ("" = from the contents), contents, language, lines.
struct ReportCase {
    Decoder decode;
    const char* ind;
    const char* length;
    const char* contents;
    Lang lang;
    std::vector<std::string> lines;
};

// One line of a report, checked in both languages.
struct LineCase {
    Decoder decode;
    const char* ind;
    const char* contents;
    const char* english;
    const char* russian;
};

inline void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.ind << " " << c.contents << (c.lang == Lang::English ? " en" : " ru");
}
inline void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.ind << " " << c.contents;
}

}  // namespace tarn::isup::test
