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

}  // namespace
}  // namespace tarn
