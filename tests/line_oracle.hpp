// The form every report line keeps whatever a decoder is given, checked by the registry
// test and the registry fuzz target alike: each line ends with CR LF, holds no lone CR or
// LF and no ETX, and a bit column holds only 0 1 . * (at most eight of them, or the bits of
// several whole octets, as a channel slot map prints them), then a blank.
#pragma once

#include <cstddef>
#include <string_view>

namespace tarn::test {

// The first line that breaks that form ("" when the report ends without CR LF), or
// nothing when every line keeps it. `broken` says whether one was found.
struct LineFault {
    bool broken = false;
    std::string_view line;
};

inline LineFault malformed_line(std::string_view report) {
    while (!report.empty()) {
        const std::size_t end = report.find("\r\n");
        if (end == std::string_view::npos) return {true, {}};
        const std::string_view line = report.substr(0, end);
        if (line.find_first_of("\r\n\x03") != std::string_view::npos) return {true, line};
        if (line.size() > 1 && line[0] == ' ' &&
            std::string_view("01.*").find(line[1]) != std::string_view::npos) {
            const std::size_t column_end = line.find_first_not_of("01.*", 1);
            const std::size_t width = (column_end == std::string_view::npos ? line.size() : column_end) - 1;
            const bool octets =
                width % 8 == 0 && line.substr(1, width).find_first_not_of("01") == std::string_view::npos;
            if (width > 8 && !octets) return {true, line};
            if (column_end != std::string_view::npos && line[column_end] != ' ') return {true, line};
        }
        report.remove_prefix(end + 2);
    }
    return {};
}

}  // namespace tarn::test
