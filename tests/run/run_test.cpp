#include "run/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report.hpp"

namespace tarn {
namespace {

// The messages a multi-message run finds in a text, in order, fed in pieces of `piece`
// characters to exercise the streaming.
std::vector<std::string> messages_in(Session& session, std::string_view text, std::size_t piece = 7) {
    std::vector<std::string> found;
    MultiRun run(
        session, [](std::string&&) {},
        [&found](std::string_view message, const MessageAt&) {
            found.emplace_back(message);
            return std::string();
        });
    for (std::size_t i = 0; i < text.size(); i += piece) run.feed(text.substr(i, piece));
    run.finish();
    return found;
}
std::vector<std::string> messages_in(std::string_view text, std::size_t piece = 7) {
    Session session;
    return messages_in(session, text, piece);
}

using Messages = std::vector<std::string>;

TEST(MultiRun, FindsRunsOfSixteenDigitGroups) {
    const std::string acm = "C581400030D30006 16140129010100FF";
    const std::string anm = "C581400030D30009 012D02010000FFFF";
    const struct {
        std::string text;
        Messages messages;
    } cases[] = {
        // The report excerpt: two messages of 32 digits each, filler F digits kept.
        {"ACM                  RECEIVED       0H  0M 10S  9          15\r\n\r\n    " + acm +
             "\r\n\r\nANM                  RECEIVED       0H  0M 11S  0          14\r\n\r\n    " + anm +
             "\r\n",
         {"C581400030D3000616140129010100FF", "C581400030D30009012D02010000FFFF"}},
        // Five groups over two lines: one message of 80 digits.
        {"0000000000000001 0000000000000002 0000000000000003\r\n0000000000000004 0000000000000005",
         {"00000000000000010000000000000002000000000000000300000000000000040000000000000005"}},
        // A 16-character heading word before any group is skipped.
        {"OBSERVATION/CALL " + acm, {"C581400030D3000616140129010100FF"}},
        // A 16-character token with a hyphen ends the message; none of it joins a message.
        {acm + " 0123456789AB-DEF 1111111111111111",
         {"C581400030D3000616140129010100FF", "1111111111111111"}},
        // Lone short tokens never make a message.
        {"0801010D", {}},
        {"", {}},
        {"   \r\n  ", {}},
        // A tab is no separator: two groups joined by it are one 33-character token.
        {"0000000000000001\t0000000000000002", {}},
        // Lower-case groups are taken like upper-case ones; ETX separates like a blank.
        {"c581400030d30006\x03"
         "16140129010100ff",
         {"C581400030D3000616140129010100FF"}},
        // A very long token is no group, and ends the message before it.
        {acm + " " + std::string(100000, 'A') + " " + anm,
         {"C581400030D3000616140129010100FF", "C581400030D30009012D02010000FFFF"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messages_in(c.text), c.messages) << c.text.substr(0, 80);
        EXPECT_EQ(messages_in(c.text, 1), c.messages) << c.text.substr(0, 80);
        EXPECT_EQ(messages_in(c.text, 1 << 20), c.messages) << c.text.substr(0, 80);
    }
}

TEST(SingleMessage, DropsBlanksAndLineBreaksAndChecksTheDigits) {
    EXPECT_EQ(single_message_digits("08 01\r\n01 0d"), "0801010D");
    EXPECT_EQ(single_message_digits(""), "");
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
    EXPECT_EQ(messages_in(session, "C581400030D30006"), Messages{"C581400030D30006"});
    session.settings.input = InputMode::File;
    decode_multi(session, "C581400030D30006 1614012901010000");
    EXPECT_EQ(session.txtBuffer.find("0801010G"), std::string::npos);
    EXPECT_NE(session.txtBuffer.find("C581400030D30006 1614012901010000"), std::string::npos);
}

TEST(Outset, SingleMessageOfNoProtocolIsNotDelivered) {
    Session session;
    Output out = OUTSET(session, "\r\n");
    EXPECT_FALSE(out.deliver);
    EXPECT_TRUE(out.clear_screen);
    session.settings.keep = true;
    out = OUTSET(session, "");
    EXPECT_FALSE(out.clear_screen);
}

TEST(Outset, FileAndFeedReportsAreFramed) {
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
}

TEST(Outset, FeedFilterDropsReportsWithoutItsText) {
    Session session;
    session.settings.input = InputMode::Feed;
    session.settings.filter = true;
    session.settings.filter_text = "iam";
    session.txtBuffer = " Message type: IAM initial address\r\n";
    EXPECT_TRUE(OUTSET(session, {}, "H").deliver);
    session.txtBuffer = " Message type: ACM address complete\r\n";
    EXPECT_FALSE(OUTSET(session, {}, "H").deliver);
    EXPECT_TRUE(session.txtBuffer.empty());
}

TEST(StartDecoding, MultiRunWithoutMessagesDeliversNothing) {
    Session session;
    session.settings.input = InputMode::File;
    std::string box = "OBSERVATION/CALL SAMPLING\r\nno groups here";
    RunResult r = START_DECODING(session, box);
    EXPECT_TRUE(r.valid);
    EXPECT_FALSE(r.output.deliver);
}

}  // namespace
}  // namespace tarn
