// The one line splitter of the tests: the lines of a report without their CR LF. A line
// without CR LF at the end of the report, or a lone CR or LF inside a line, fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tarn::test {

inline std::vector<std::string> report_lines(std::string_view report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
        lines.emplace_back(report.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos)
            << "lone CR or LF in: " << lines.back();
    }
    EXPECT_EQ(start, report.size()) << "text after the last CR LF: " << report.substr(start);
    return lines;
}

}  // namespace tarn::test
