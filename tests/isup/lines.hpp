// Report lines for the ISUP tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tarn::isup::test {

// The lines of a report without their CR LF; a line without CR LF, or with a lone CR
// or LF inside, fails the test.
inline std::vector<std::string> report_lines(std::string_view report) {
    std::vector<std::string> lines;
    while (!report.empty()) {
        const std::size_t end = report.find("\r\n");
        EXPECT_NE(end, std::string_view::npos) << "line without CR LF: " << report;
        if (end == std::string_view::npos) break;
        const std::string_view line = report.substr(0, end);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "lone CR or LF in: " << line;
        lines.emplace_back(line);
        report.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace tarn::isup::test
