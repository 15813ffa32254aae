#include "feed/framing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tarn::feed::ReportFramer;
using Strings = std::vector<std::string>;
constexpr std::size_t kMax = ReportFramer::kMaxUnframed;

struct FramingCase {
    std::size_t limit;
    Strings chunks;
    Strings reports;  // every report of every chunk, in order
    std::string pending;
    std::size_t dropped;
};

const FramingCase kCases[] = {
    // a report cut anywhere comes out once, with its last chunk
    {kMax, {"\x02 IAM C5814000", "30D3 0001", "\r\n\x03"}, {" IAM C581400030D3 0001\r\n"}, "", 0},
    // every report of a chunk; what stands before an STX is no part of a report; the tail is kept
    {kMax, {"first\x03noise\x02second\x03\r\n\x02thi"}, {"first", "second"}, "\r\n\x02thi", 0},
    // unframed text over the bound goes, with the rest of its report up to ETX or STX
    {10, {"0123456789", "ab", "cd\x03next\x03"}, {"next"}, "", 14},
    {kMax, {std::string(kMax, 'A'), "B", "\x03"}, {}, "", kMax + 1},
};

TEST(Framing, ChunksToReports) {
    for (const FramingCase& c : kCases) {
        ReportFramer framer(c.limit);
        Strings reports;
        std::size_t dropped = 0;
        for (const std::string& chunk : c.chunks) {
            auto framed = framer.push(chunk);
            reports.insert(reports.end(), framed.reports.begin(), framed.reports.end());
            dropped += framed.dropped;
        }
        EXPECT_EQ(reports, c.reports) << c.chunks[0].substr(0, 20);
        EXPECT_EQ(framer.pending(), c.pending) << c.chunks[0].substr(0, 20);
        EXPECT_EQ(dropped, c.dropped) << c.chunks[0].substr(0, 20);
    }
}

TEST(Framing, ReceivedBytesAsUtf8) {
    EXPECT_EQ(tarn::feed::received_text("\xCE\xD2\xD7\xC5\xD2"), "ОТЧЕТ");  // Windows-1251
    EXPECT_EQ(tarn::feed::received_text("ОТЧЕТ"), "ОТЧЕТ");
}

}  // namespace
