// A report text decoded in pieces on several threads writes byte for byte what one run
// writes, in the order of the text, from the feeding thread, whatever the cuts, the
// number of jobs and the sizes of the feeds.
#include "run/parallel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "run/run.hpp"

namespace tarn {
namespace {

const std::string kIam = "C581400030D30001 0020010A00020907 031094153254760A 0683139475560400";
const std::string kAcm = "C581400030D30006 16140129010100FF";
const std::string kSetup =
    "0801000504038090 90A31803A983816C 0600813935303170 0880393530313030 30FFFFFFFFFFFFFF";
const std::string kConnect = "08018007180189ff";  // lower case digits
const std::string kNone = "0101010101010101";     // no protocol: a message without lines

// Sampled calls: headings, the messages of a call, now and then a message that runs over
// several lines, a long token, an ETX, a tab inside a heading word.
std::string calls(std::size_t count) {
    std::string text;
    for (std::size_t c = 0; c < count; ++c) {
        text += " OBSERVATION/CALL SAMPLING        RRN=121\r\n\r\n IAM   RECEIVED   0H  0M  0S\r\n\r\n    ";
        text += kIam + "\r\n\r\n ACM\r\n    " + kAcm + "\r\n SETUP\r\n    " + kSetup + "\r\n CONNECT\x03" +
                kConnect;
        text += "\r\n NONE\tX " + kNone + "\r\n";
        if (c % 7 == 3) text += " " + std::string(40, 'A') + " " + kAcm + "\r\n";
    }
    return text;
}

// A message of `groups` groups and nothing that is no group in it.
std::string long_message(std::size_t groups) {
    std::string text = "\r\n LONG\r\n    C581400030D30009";
    for (std::size_t g = 1; g < groups; ++g) text += " 1102000011020000";
    return text + "\r\n";
}

std::string one_run(Lang lang, const std::string& text) {
    Session session;
    session.settings.lang = lang;
    std::string out;
    MultiRun run(session, out);
    run.feed(text);
    run.finish();
    return out;
}

struct Written {
    std::string text;
    bool other_thread = false;
};

Written in_pieces(Lang lang, const std::string& text, unsigned jobs, ParallelRun::Limits limits,
                  std::size_t feed, std::size_t* messages = nullptr) {
    Settings settings;
    settings.lang = lang;
    Written written;
    const std::thread::id feeder = std::this_thread::get_id();
    ParallelRun run(
        settings, jobs,
        [&written, feeder](std::string_view reports) {
            written.text += reports;
            written.other_thread |= std::this_thread::get_id() != feeder;
        },
        limits);
    for (std::size_t at = 0; at < text.size(); at += feed) run.feed(std::string_view(text).substr(at, feed));
    run.finish();
    if (messages != nullptr) *messages = run.messages();
    return written;
}

ParallelRun::Limits limits(std::size_t piece, std::size_t longest, std::size_t serial_below) {
    ParallelRun::Limits l;
    l.block = 4096;
    l.piece = piece;
    l.longest_piece = longest;
    l.serial_below = serial_below;
    return l;
}

TEST(ParallelRun, SameReportsAsOneRun) {
    const std::string text = calls(60) + long_message(40) + calls(20) + long_message(600) + calls(5);
    const struct {
        const char* name;
        ParallelRun::Limits limits;
    } cases[] = {
        {"TinyPieces", limits(200, 4000, 0)},               // a cut at nearly every heading
        {"PiecesLongerThanFeeds", limits(9000, 40000, 0)},  // several feeds to a piece
        {"NoRoomForTheLongMessage", limits(300, 600, 0)},   // one run takes each long message
        {"OneRunFirst", limits(500, 5000, 30000)},          // pieces only after 30000 characters
    };
    for (Lang lang : {Lang::English, Lang::Russian}) {
        const std::string expected = one_run(lang, text);
        ASSERT_GT(expected.size(), 100000u);
        for (const auto& c : cases) {
            for (unsigned jobs : {1U, 3U}) {
                for (std::size_t feed : {std::size_t{1000}, std::size_t{65536}}) {
                    std::size_t messages = 0;
                    const Written w = in_pieces(lang, text, jobs, c.limits, feed, &messages);
                    EXPECT_TRUE(w.text == expected) << c.name << " jobs " << jobs << " feed " << feed;
                    EXPECT_EQ(messages, 85u * 5 + 13 + 2) << c.name << " jobs " << jobs << " feed " << feed;
                    EXPECT_FALSE(w.other_thread) << c.name;
                }
            }
        }
    }
    // Feeds of one character: every cut falls inside a token or right at its start.
    const std::string shorter = calls(12) + long_message(30) + calls(3);
    EXPECT_TRUE(in_pieces(Lang::English, shorter, 2, limits(150, 2000, 0), 1).text ==
                one_run(Lang::English, shorter));
}

}  // namespace
}  // namespace tarn
