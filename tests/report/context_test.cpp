// The openings of an element every decoder writes with: which lines each writes and when
// it stops the element.
#include "report/context.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

// Each opening: which lines it writes, and when it stops the element.
TEST(Context, Openings) {
    constexpr Text kTitle{" Name", " Имя"};
    const struct {
        const char* name;
        Element element;
        Opening how;
        std::size_t min_octets;
        bool ok;
        std::string lines;
    } cases[] = {
        {"HeaderWhole", Element(0x08, 1, "80"), Opening::Header, 1, true,
         " 00001000 Optional parameter............ Name\r\n Name\r\n 00000001 Length........................ "
         "1 Dec\r\n"},
        {"TitleLengthCut", Element(0x04, 3, "8110"), Opening::TitleLength, 2, false,
         " Name\r\n 00000011 Length........................ 3 Dec\r\n MISTAKE: Invalid element format\r\n"},
        {"TitleShort", Element::fixed(0x06, "0", true), Opening::Title, 1, false,
         " Name\r\n MISTAKE: Invalid element format\r\n"},
        {"NoneLongEnough", Element(0x2B, 0, ""), Opening::None, 0, true, ""},
    };
    for (const auto& c : cases) {
        Context ctx(Lang::English, true, "");
        EXPECT_EQ(ctx.open(c.element, kTitle, c.how, c.min_octets), c.ok) << c.name;
        EXPECT_EQ(ctx.screen(), c.lines) << c.name;
    }
}

}  // namespace
}  // namespace tarn
