// A multi-message run that appends its reports to a buffer of the caller writes exactly the
// reports its sink gets one message at a time, in order, however the text is cut into feeds.
#include <gtest/gtest.h>

#include <string>

#include "run/run.hpp"

namespace tarn {
namespace {

const std::string kText =
    " IAM   RECEIVED\r\n    C581400030D30001 0020010A00020907 031094153254760A\r\n    0683139475560400\r\n"
    " SETUP RECEIVED\r\n    0801000504038090 90A31803A983816C 0600813935303170 0880393530313030\r\n"
    "    30FFFFFFFFFFFFFF\r\n"
    " CONNECT\r\n    08018007180189FF\r\n ACM\r\n    C581400030D30006 16140129010100FF";

std::string by_sink(Lang lang, std::size_t piece) {
    Session session;
    session.settings.lang = lang;
    std::string all;
    MultiRun run(session, [&all](std::string&& report) { all += report; });
    for (std::size_t i = 0; i < kText.size(); i += piece) run.feed(std::string_view(kText).substr(i, piece));
    run.finish();
    return all;
}

TEST(ReportBuffer, RunAppendsWhatItsSinkWouldGet) {
    for (Lang lang : {Lang::English, Lang::Russian}) {
        const std::string expected = by_sink(lang, kText.size());
        // The title lines of the second and third messages.
        ASSERT_NE(expected.find(" 0801000504038090 90A31803A983816C"), std::string::npos);
        ASSERT_NE(expected.find(" 08018007180189FF "), std::string::npos);
        for (std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{16}, kText.size()}) {
            EXPECT_EQ(by_sink(lang, piece), expected) << piece;
            Session session;
            session.settings.lang = lang;
            std::string out = "kept";
            std::string taken;  // what the caller takes out between feeds
            MultiRun run(session, out);
            for (std::size_t i = 0; i < kText.size(); i += piece) {
                run.feed(std::string_view(kText).substr(i, piece));
                taken += out;
                out.clear();
            }
            run.finish();
            taken += out;
            EXPECT_EQ(taken, "kept" + expected) << piece;
            EXPECT_EQ(run.messages(), 4u);
        }
    }
}

// The report of one message appended to a buffer is its decode_message report.
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
