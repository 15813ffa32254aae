// The tokeniser of a multi-message run: whole groups are taken at once, and a token cut by
// the end of a feed reads the same as the whole token, wherever the cut falls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/run.hpp"
#include "run/tokens.hpp"

namespace tarn {
namespace {

using Messages = std::vector<std::string>;

// The messages found when the text is fed in two parts cut at `cut`.
Messages messages_cut_at(std::string_view text, std::size_t cut) {
    Session session;
    Messages found;
    MultiRun run(
        session, [](std::string&&) {},
        [&found](std::string_view message, const MessageAt&) {
            found.emplace_back(message);
            return std::string();
        });
    run.feed(text.substr(0, cut));
    run.feed(text.substr(cut));
    run.finish();
    return found;
}

TEST(Tokeniser, EveryCutReadsLikeTheWholeText) {
    const std::string g1 = "0123456789ABCDEF";
    const std::string g2 = "FEDCBA9876543210";
    const struct {
        const char* name;
        std::string text;
        Messages messages;
    } cases[] = {
        {"TwoGroupsOneMessage", g1 + " " + g2, {g1 + g2}},
        {"HeadingEndsTheMessage", g1 + "\r\n IAM\r\n" + g2, {g1, g2}},
        {"LowerCaseUpperCased", "0123456789abcdef\n" + g2, {g1 + g2}},
        {"SeventeenDigitsAreNoGroup", g1 + " " + g1 + "0 " + g2, {g1, g2}},
        {"NoHexDigitInside", g1 + " 0123456789ABCDEG " + g2, {g1, g2}},
        {"EtxSeparates", g1 + "\x03" + g2, {g1 + g2}},
        {"TabJoins", g1 + "\t" + g2, {}},
        {"LoneCarriageReturnSeparates", g1 + "\r" + g2 + "\r", {g1 + g2}},
        {"LongTokenAtTheEnd", g1 + " " + std::string(40, 'A'), {g1}},
    };
    for (const auto& c : cases) {
        for (std::size_t cut = 0; cut <= c.text.size(); ++cut)
            EXPECT_EQ(messages_cut_at(c.text, cut), c.messages) << c.name << " cut at " << cut;
    }
}

// The group test that takes 16 characters at once reads every character as the one that
// takes them one by one: every byte at every place of a group.
TEST(Tokeniser, GroupTestAtOnceMatchesCharacterByCharacter) {
    const std::string bases[] = {"0123456789ABCDEF", "0123456789abcdef", "FFFFFFFFFFFFFFFF"};
    for (const std::string& base : bases) {
        for (std::size_t at = 0; at < tokens::kGroup; ++at) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string group = base;
                group[at] = static_cast<char>(byte);
                EXPECT_EQ(tokens::group_at(group.data()), tokens::group_at_bytewise(group.data()))
                    << base << " byte " << byte << " at " << at;
            }
        }
    }
    EXPECT_EQ(tokens::group_at("0123456789ABCDEf"), tokens::Group::Lower);
    EXPECT_EQ(tokens::group_at("/:@G`g0123456789"), tokens::Group::None);  // the neighbours of each range
}

// The separator searches that take 16 characters at once find what the character-by-
// character ones find, from every start in texts of every length up to 40.
TEST(Tokeniser, SeparatorSearchesMatchCharacterByCharacter) {
    const std::string patterns[] = {
        "0123456789ABCDEF 0123456789ABCDEF\r\n    IAM         RECEIVED",
        "                                        x",
        "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx \x03\r\n",
        "\r\n\r\n\x03\x03\t\x02 a\xC3\xA9 \x80\xFF\x00 end",
    };
    for (const std::string& pattern : patterns) {
        for (std::size_t size = 0; size <= pattern.size(); ++size) {
            const char* begin = pattern.data();
            const char* end = begin + size;
            for (const char* p = begin; p <= end; ++p) {
                EXPECT_EQ(tokens::find_separator(p, end), tokens::find_separator_bytewise(p, end))
                    << pattern << " size " << size << " from " << p - begin;
                EXPECT_EQ(tokens::skip_separators(p, end), tokens::skip_separators_bytewise(p, end))
                    << pattern << " size " << size << " from " << p - begin;
            }
        }
    }
}

}  // namespace
}  // namespace tarn
