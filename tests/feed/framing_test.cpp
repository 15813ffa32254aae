#include "feed/framing.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "feed/filter.hpp"

namespace {

using tarn::feed::ReportFramer;
using Reports = std::vector<std::string>;

TEST(Framing, ReportInThreeChunksComesOutOnceWithTheLast) {
    ReportFramer framer;
    EXPECT_TRUE(framer.push("\x02 IAM C581400030D3").reports.empty());
    EXPECT_TRUE(framer.push("0001 0020010A").reports.empty());
    EXPECT_EQ(framer.push("00020907\r\n\x03").reports, Reports{" IAM C581400030D30001 0020010A00020907\r\n"});
    EXPECT_EQ(framer.pending(), "");
}

TEST(Framing, EveryReportOfAChunkInOrderAndTheTailKept) {
    ReportFramer framer;
    const auto framed = framer.push("first\x03\x02second\x03\r\n\x02thi");
    EXPECT_EQ(framed.reports, (Reports{"first", "second"}));
    EXPECT_EQ(framer.pending(), "\r\n\x02thi");
    EXPECT_EQ(framer.push("rd\x03").reports, Reports{"third"});
}

TEST(Framing, TextBeforeAnStxIsNoPartOfTheReport) {
    ReportFramer framer;
    EXPECT_EQ(framer.push("noise\x02report\x03").reports, Reports{"report"});
    EXPECT_EQ(framer.push("\x03").reports, Reports{""});  // an empty frame is still a frame
}

TEST(Framing, ChunkWithoutEtxIsKept) {
    ReportFramer framer;
    const auto framed = framer.push("C581400030D30009 012D02010000FFFF");
    EXPECT_TRUE(framed.reports.empty());
    EXPECT_EQ(framed.dropped, 0u);
    EXPECT_EQ(framer.pending(), "C581400030D30009 012D02010000FFFF");
    framer.reset();
    EXPECT_EQ(framer.pending(), "");
}

TEST(Framing, UnframedTextBeyondTheLimitIsDroppedWithItsRest) {
    ReportFramer framer(10);
    EXPECT_EQ(framer.push("0123456789").dropped, 0u);  // at the limit: kept
    auto framed = framer.push("ab");
    EXPECT_EQ(framed.dropped, 12u);
    EXPECT_EQ(framer.pending(), "");
    // the rest of the oversized report, up to its ETX, goes too; the next report is whole
    framed = framer.push("cd\x03next\x03");
    EXPECT_EQ(framed.dropped, 2u);
    EXPECT_EQ(framed.reports, Reports{"next"});
    // an STX while dropping opens a new report
    framer.push(std::string(11, 'x'));
    framed = framer.push("yy\x02new\x03");
    EXPECT_EQ(framed.dropped, 2u);
    EXPECT_EQ(framed.reports, Reports{"new"});
}

TEST(Framing, DefaultLimitIsOneMegabyte) {
    ReportFramer framer;
    EXPECT_EQ(framer.push(std::string(ReportFramer::kMaxUnframed, 'A')).dropped, 0u);
    EXPECT_EQ(framer.push("B").dropped, ReportFramer::kMaxUnframed + 1);
    EXPECT_NE(tarn::feed::dropped_notice(5, tarn::Lang::Russian).find("5 байт"), std::string::npos);
}

TEST(Framing, ReceivedBytesAsUtf8) {
    EXPECT_EQ(tarn::feed::received_text("ABC"), "ABC");
    EXPECT_EQ(tarn::feed::received_text("\xCE\xD2\xD7\xC5\xD2"), "ОТЧЕТ");  // Windows-1251
    EXPECT_EQ(tarn::feed::received_text("ОТЧЕТ"), "ОТЧЕТ");
    EXPECT_FALSE(tarn::feed::is_utf8("\xD0"));  // cut in the middle of a character
}

TEST(Filter, SetAndClearedWithTheirTitles) {
    tarn::Settings settings;
    tarn::feed::set_filter(settings, "iam");
    EXPECT_TRUE(settings.filter);
    EXPECT_EQ(tarn::feed::filter_title(settings), "Information: Vantix (Filter - iam).");
    tarn::feed::set_filter(settings, "");
    EXPECT_FALSE(settings.filter);
    EXPECT_EQ(tarn::feed::filter_title(settings), "Information: Vantix (Filter - OFF).");
}

}  // namespace
