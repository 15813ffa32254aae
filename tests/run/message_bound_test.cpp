// The bound of one message in a multi-message run: the groups beyond it are dropped, the
// message is decoded from its first groups and its report says it was cut.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/run.hpp"

namespace tarn {
namespace {

// Groups of 16 digits: C5 (ISUP) followed by digit k, and 00 (no protocol).
std::string group(char k) {
    return "C5" + std::string(14, k);
}
const std::string kNone = "0000000000000000";

// The reports of a text, made by a decoder that takes ISUP messages only and writes
// "R <digits>" for each; the text goes in by pieces of 5 characters.
std::vector<std::string> reports(const std::string& text, std::size_t max_digits) {
    Session session;
    session.settings.lang = Lang::English;
    std::vector<std::string> found;
    MultiRun run(
        session, [&found](std::string&& report) { found.push_back(report); },
        [](std::string_view message, const MessageAt&) {
            return message.substr(0, 2) == "C5" ? "R " + std::string(message) + "\r\n" : std::string();
        },
        max_digits);
    for (std::size_t i = 0; i < text.size(); i += 5) run.feed(text.substr(i, 5));
    run.finish();
    return found;
}

TEST(MessageBound, CutsTheMessageAndGoesOnWithTheNext) {
    const std::string g1 = group('1'), g2 = group('2'), g3 = group('3'), g4 = group('4');
    const std::string cut16 = " MISTAKE: Message too long: cut after 16 octets\r\n";
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"exactly the bound", g1 + " " + g2 + " X " + g3, {"R " + g1 + g2 + "\r\n", "R " + g3 + "\r\n"}},
        {"one group beyond",
         g1 + " " + g2 + " " + g3 + "\r\nX " + g4,
         {"R " + g1 + g2 + "\r\n" + cut16, "R " + g4 + "\r\n"}},
        // A message no decoder takes stays without lines, cut or not.
        {"no protocol", kNone + " " + kNone + " " + kNone + " X " + g4, {"", "R " + g4 + "\r\n"}},
    };
    for (const auto& c : cases) EXPECT_EQ(reports(c.text, 32), c.expected) << c.name;
}

TEST(MessageBound, DefaultIsFourThousandNinetySixOctets) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += group('7') + " ";
    const std::vector<std::string> found = reports(text, kMaxMessageDigits);
    ASSERT_EQ(found.size(), 1u);
    std::string first512;
    for (int i = 0; i < 512; ++i) first512 += group('7');
    EXPECT_EQ(found[0], "R " + first512 + "\r\n MISTAKE: Message too long: cut after 4096 octets\r\n");
}

}  // namespace
}  // namespace tarn
