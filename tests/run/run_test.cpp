// One typed message and one run of a report text: nothing of an earlier message or run is
// left for the next one.
#include "run/run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarn {
namespace {

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

// A file run is framed where it stands: heading, CR LF, the messages' reports, the end mark,
// as the report of the same text framed afterwards; a text without messages delivers
// nothing and leaves the run's own text in the buffer, not the heading.
TEST(FileRun, FramedAsTheSameReportFramedAfterwards) {
    Session session;
    session.settings.lang = Lang::English;
    session.settings.input = InputMode::File;
    session.settings.input_path = "r.txt";
    std::string text =
        " ANM\r\n    C581400030D30009 012D02010000FFFF\r\n RLC\r\n    C501402030D30010 00FF\r\n";
    decode_multi(session, text);
    const std::string body = session.txtBuffer;
    session.txtBuffer = "left from the last run";
    const RunResult run = START_DECODING(session, text);
    ASSERT_TRUE(run.output.deliver);
    EXPECT_EQ(run.output.report, "   REPORT (File: r.txt)\r\n" + body + "\r\n\x03\r\n");
    std::string none = " no messages here\r\n";
    EXPECT_FALSE(START_DECODING(session, none).output.deliver);
    EXPECT_EQ(session.txtBuffer.find("REPORT"), std::string::npos);
}

}  // namespace
}  // namespace tarn
