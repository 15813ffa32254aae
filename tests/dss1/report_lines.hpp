// Test helpers: a report cut into its lines, and a well-formedness check.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace tarn::test {

// True when every line of `report` ends with CR LF and no CR or LF stands elsewhere.
inline bool well_formed(std::string_view report) {
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && (i + 1 >= report.size() || report[i + 1] != '\n')) return false;
        if (report[i] == '\n' && (i == 0 || report[i - 1] != '\r')) return false;
    }
    return report.empty() || report.ends_with("\r\n");
}

// The lines of `report`, without their CR LF.
inline std::vector<std::string> lines_of(std::string_view report) {
    EXPECT_TRUE(well_formed(report)) << report;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
        lines.emplace_back(report.substr(start, end - start));
    }
    return lines;
}

}  // namespace tarn::test
