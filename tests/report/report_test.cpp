#include "report/report.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

std::string digits(std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += "0123456789ABCDEF"[i % 16];
    return s;
}

TEST(FormatOutMessage, GroupsOfSixteenWithHalfToEvenRounding) {
    const std::string d16 = digits(16);
    const struct {
        std::size_t length;
        std::string dump;
    } cases[] = {
        {0, " "},
        {7, " 0123456"},
        {8, " 01234567"},                // 8/16 = 0.5 rounds to 0: no extra group
        {9, " 012345678 "},              // remainder 9 rounds up
        {16, " " + d16 + " "},           // a multiple of 16 ends in one extra blank
        {24, " " + d16 + " 01234567 "},  // 1.5 rounds to 2
        {32, " " + d16 + " " + d16 + " "},
        {40, " " + d16 + " " + d16 + " 01234567"},               // 2.5 rounds to 2
        {56, " " + d16 + " " + d16 + " " + d16 + " 01234567 "},  // 3.5 rounds to 4
    };
    for (const auto& c : cases) EXPECT_EQ(FormatOutMessage(digits(c.length)), c.dump) << c.length;
}

TEST(Report, HeadingsAndFraming) {
    EXPECT_EQ(file_heading(Lang::English, "/data/rrn.txt"), "   REPORT (File: /data/rrn.txt)");
    EXPECT_EQ(file_heading(Lang::Russian, "/data/rrn.txt"), "   ОТЧЕТ (Файл: /data/rrn.txt)");
    EXPECT_EQ(feed_heading("06.12.2026", "14:02:37"), "   Vantix: 06.12.2026  14:02:37");
    EXPECT_EQ(frame_report("H", "L1\r\n"), "H\r\nL1\r\n\r\n\x03\r\n");
    // Framed where it stands: the same text, whatever room the body's buffer has.
    for (std::size_t room : {0u, 4u, 100u}) {
        std::string body = "L1\r\n";
        body.reserve(body.size() + room);
        EXPECT_EQ(frame_report_in_place("HEAD", std::move(body)), "HEAD\r\nL1\r\n\r\n\x03\r\n") << room;
    }
    EXPECT_EQ(frame_report_in_place("H", std::string()), "H\r\n\r\n\x03\r\n");
}

TEST(Report, EmptyReportsCountCharactersNotBytes) {
    EXPECT_TRUE(is_empty_report("\r\n12345\r\n"));  // 9 characters
    EXPECT_FALSE(is_empty_report("\r\n123456\r\n"));
    EXPECT_TRUE(is_empty_report("ОШИБКА12\r"));  // 9 characters in 15 bytes
}

TEST(Report, FilterIgnoresCaseInBothAlphabets) {
    EXPECT_TRUE(contains_ignoring_case("Message type ... IAM", "iam"));
    EXPECT_TRUE(contains_ignoring_case("ОТВЕТ", "ответ"));
    EXPECT_TRUE(contains_ignoring_case("ёлка", "ЁЛ"));
    EXPECT_FALSE(contains_ignoring_case("ACM", "iam"));
}

std::string report_of(std::size_t chars) {
    std::string r(chars - 3, 'x');
    r += "\x03\r\n";
    return r;
}

TEST(ScreenBuffer, DropsWholeOldestReportsToStayWithinTheLimit) {
    ScreenBuffer screen;
    const std::string first = report_of(20000);
    const std::string second = report_of(9000);
    const std::string third = report_of(5000);
    screen.deliver(first, true);
    screen.deliver(second, true);
    screen.deliver(third, true);
    // The first report goes up to and including its ETX; its CR LF stays in front.
    EXPECT_EQ(screen.text(), "\r\n" + second + third);
    EXPECT_EQ(screen.chars(), 2 + 9000 + 5000u);
    // Without Keep date the new report replaces the text.
    screen.deliver(report_of(20), false);
    EXPECT_EQ(screen.text(), report_of(20));
}

TEST(ScreenBuffer, LimitCountsCharactersAndEndsWithoutEtx) {
    ScreenBuffer screen;
    // Single-message reports carry no ETX: old text without one is cleared.
    screen.deliver(std::string(20000, 'y'), true);
    screen.deliver(std::string(15000, 'z'), true);
    EXPECT_EQ(screen.text(), std::string(15000, 'z'));
    // Cyrillic letters count once each although they take two bytes.
    ScreenBuffer cyr;
    std::string ru;
    for (int i = 0; i < 14000; ++i) ru += "Ж";
    cyr.deliver(ru, true);
    cyr.deliver(ru, true);
    EXPECT_EQ(cyr.chars(), 28000u);
    // A report longer than the limit alone is still shown whole.
    cyr.deliver(std::string(30001, 'w'), true);
    EXPECT_EQ(cyr.text(), std::string(30001, 'w'));
}

}  // namespace
}  // namespace tarn
