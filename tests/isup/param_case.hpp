// A parameter decoder run on its own, as the ISUP message walk calls it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/context.hpp"

namespace tarn::isup::test {

using Decoder = void (*)(Context&, std::string_view);

struct ParamCase {
    Lang lang;
    Decoder decode;
    bool fixed;          // mandatory fixed: bSubcl_09/bSubcl_11 true, no length octet
    const char* ind;     // parameter code
    const char* length;  // length octet ("" for a mandatory fixed parameter)
    const char* contents;
    std::vector<std::string> lines;
    const char* message_type = "01";
};

// Names a case in the test list: code, length octet, contents, language.
inline void PrintTo(const ParamCase& c, std::ostream* os) {
    *os << (c.fixed ? "fixed" : c.ind) << " " << c.length << " " << c.contents
        << (c.lang == Lang::English ? " en" : " ru");
}

// A mandatory fixed parameter (bSubcl_09/bSubcl_11 true, no length octet).
inline ParamCase fixed(Lang lang, Decoder decode, const char* contents, std::vector<std::string> lines) {
    return {lang, decode, true, "", "", contents, std::move(lines)};
}

// An optional parameter with its code and length octet, in a message of type `message_type`.
inline ParamCase optional(Lang lang, Decoder decode, const char* ind, const char* length,
                          const char* contents, std::vector<std::string> lines,
                          const char* message_type = "01") {
    return {lang, decode, false, ind, length, contents, std::move(lines), message_type};
}

inline std::string run(const ParamCase& c) {
    Flags flags;
    flags.bSubcl_09 = flags.bSubcl_11 = c.fixed;
    Context ctx(c.lang, true, "", flags);
    ctx.ind = c.ind;
    ctx.message_type = c.message_type;
    ctx.dlina(c.length);
    c.decode(ctx, c.contents);
    return ctx.take_screen();
}

inline std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace tarn::isup::test
