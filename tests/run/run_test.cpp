// One typed message and one run of a report text: nothing of an earlier message or run is
// left for the next one, a caller's buffer gets what the sink would get, and file and feed
// reports are framed and filtered.
#include "run/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report.hpp"

namespace tarn {
namespace {

const std::string kText =
    " IAM   RECEIVED\r\n    C581400030D30001 0020010A00020907 031094153254760A\r\n    0683139475560400\r\n"
    " SETUP RECEIVED\r\n    0801000504038090 90A31803A983816C 0600813935303170 0880393530313030\r\n"
    "    30FFFFFFFFFFFFFF\r\n"
    " CONNECT\r\n    08018007180189FF\r\n ACM\r\n    C581400030D30006 16140129010100FF";

TEST(SingleMessage, DropsBlanksAndLineBreaksAndChecksTheDigits) {
    EXPECT_EQ(single_message_digits("08 01\r\n01 0d"), "0801010D");
    EXPECT_EQ(single_message_digits("080G"), std::nullopt);
    EXPECT_EQ(single_message_digits("08\t01"), std::nullopt);  // a tab is not a blank
}

TEST(SingleMessage, RejectedMessageLeavesNothingForTheNextRun) {
    Session session;
    std::string box = "  0801010G  ";
    EXPECT_FALSE(decode_single(session, box).valid);
    EXPECT_EQ(box, "0801010G");  // trimmed, kept in the box for correction
    // The next multi-message run of the same session sees only its own groups, and its
    // report holds only its own message.
    std::vector<std::string> found;
    MultiRun run(
        session, [](std::string&&) {},
        [&found](std::string_view message, const MessageAt&) {
            found.emplace_back(message);
            return std::string();
        });
    run.feed("C581400030D30006");
    run.finish();
    EXPECT_EQ(found, std::vector<std::string>{"C581400030D30006"});
    session.settings.input = InputMode::File;
    decode_multi(session, "C581400030D30006 1614012901010000");
    EXPECT_EQ(session.txtBuffer.find("0801010G"), std::string::npos);
    EXPECT_NE(session.txtBuffer.find("C581400030D30006 1614012901010000"), std::string::npos);
}

// A run that appends to the caller's buffer writes after what the buffer held exactly what
// its sink gets, however the text is cut into feeds and whatever the caller takes out.
TEST(ReportBuffer, RunAppendsWhatItsSinkWouldGet) {
    for (Lang lang : {Lang::English, Lang::Russian}) {
        Session session;
        session.settings.lang = lang;
        std::string expected;
        MultiRun whole(session, [&expected](std::string&& report) { expected += report; });
        whole.feed(kText);
        whole.finish();
        ASSERT_NE(expected.find(" 08018007180189FF "), std::string::npos);
        for (std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{16}}) {
            std::string out = "kept";
            std::string taken;  // what the caller takes out between feeds
            MultiRun run(session, out);
            for (std::size_t i = 0; i < kText.size(); i += piece) {
                run.feed(std::string_view(kText).substr(i, piece));
                taken += out;
                out.clear();
            }
            run.finish();
            EXPECT_EQ(taken + out, "kept" + expected) << piece;
            EXPECT_EQ(run.messages(), 4u);
        }
    }
}

// The report of one message appended to a buffer is its decode_message report; the dump
// left over from an earlier message is replaced.
TEST(ReportBuffer, MessageAppendedAfterTheBuffersText) {
    Session session;
    session.settings.lang = Lang::English;
    std::string out = "before\r\n";
    std::string dump = "left over from an earlier message";
    decode_message(session, "08018007180189FF", out, dump);
    EXPECT_EQ(out, "before\r\n" + decode_message(session, "08018007180189FF"));
    EXPECT_EQ(dump, " 08018007180189FF ");
}

TEST(Outset, FileAndFeedReportsAreFramedAndFiltered) {
    Session session;
    session.settings.lang = Lang::English;
    session.settings.input = InputMode::File;
    session.settings.input_path = "/tmp/rrn.txt";
    session.txtBuffer = "\r\n lines of two messages\r\n";
    Output out = OUTSET(session, {});
    EXPECT_TRUE(out.deliver);
    EXPECT_EQ(out.report, "   REPORT (File: /tmp/rrn.txt)\r\n\r\n lines of two messages\r\n\r\n\x03\r\n");
    EXPECT_TRUE(session.txtBuffer.empty());

    session.settings.input = InputMode::Feed;
    session.txtBuffer = " Message type: IAM\r\n";
    out = OUTSET(session, {}, "   Vantix: 06.12.2026  14:02:37");
    EXPECT_EQ(out.report, "   Vantix: 06.12.2026  14:02:37\r\n Message type: IAM\r\n\r\n\x03\r\n");

    // The feed filter drops reports without its text, in any case.
    session.settings.filter = true;
    session.settings.filter_text = "iam";
    session.txtBuffer = " Message type: IAM initial address\r\n";
    EXPECT_TRUE(OUTSET(session, {}, "H").deliver);
    session.txtBuffer = " Message type: ACM address complete\r\n";
    EXPECT_FALSE(OUTSET(session, {}, "H").deliver);
    EXPECT_TRUE(session.txtBuffer.empty());
}

}  // namespace
}  // namespace tarn
