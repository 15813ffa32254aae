#include "report/context.hpp"

#include <gtest/gtest.h>

#include "report/convert.hpp"

namespace tarn {
namespace {

constexpr Text kExtension{" Extension..................... ", " Расширение.................... "};
constexpr Text kNoExtension{"no extension", "нет расширения"};
constexpr Text kDisplay{" Display", " Отображение информации"};

TEST(Context, FieldLinesPutDotsAroundTheFieldBits) {
    Flags flags;
    Context ctx(Lang::English, true, "", flags);
    ctx.field("10000001", 8, 8, kExtension, kNoExtension);
    ctx.field("10000001", 7, 5, Text{" Type of number................ ", ""}, "unknown");
    ctx.field("10000001", 4, 1, Text{" Numbering plan identificat.... ", ""}, "ISDN");
    EXPECT_EQ(ctx.screen(),
              " 1....... Extension..................... no extension\r\n"
              " .000.... Type of number................ unknown\r\n"
              " ....0001 Numbering plan identificat.... ISDN\r\n");
}

TEST(Context, RussianPicksTheRussianHalfOfEveryText) {
    Flags flags;
    Context ctx(Lang::Russian, false, "", flags);
    ctx.field("00000000", 8, 8, kExtension, kNoExtension);
    ctx.mistake(Text{"mandatory element is absent", "отсутствует обязательный элемент"});
    ctx.octets(Text{" Information elements.......... ", " Информационные элементы....... "}, "0102");
    EXPECT_EQ(ctx.screen(),
              " 0....... Расширение.................... нет расширения\r\n"
              " ОШИБКА: отсутствует обязательный элемент\r\n"
              " ******** Информационные элементы....... 0102\r\n");
}

TEST(Context, HeaderAndLengthCheck) {
    Flags flags;
    Context ctx(Lang::English, true, "", flags);
    ctx.ind = "28";
    ASSERT_TRUE(ctx.dlina("05"));
    EXPECT_EQ(ctx.NN, 10u);
    EXPECT_EQ(ctx.txtBIN, "00000101");
    ctx.header(kDisplay);
    EXPECT_FALSE(ctx.length_ok("41424344"));  // 5 octets announced, 4 present
    EXPECT_EQ(ctx.screen(),
              " 00101000 Optional parameter............ Display\r\n"
              " Display\r\n"
              " 00000101 Length........................ 5 Dec\r\n"
              " MISTAKE: Invalid element format\r\n");
}

TEST(Context, RussianMandatoryHeader) {
    Flags flags;
    Context ctx(Lang::Russian, true, "", flags);
    ctx.ind = "28";
    ASSERT_TRUE(ctx.dlina("03"));
    ctx.header(kDisplay, true);
    EXPECT_TRUE(ctx.length_ok("414243"));
    EXPECT_EQ(ctx.screen(),
              " 00101000 Обязательный параметр......... Отображение информации\r\n"
              " Отображение информации\r\n"
              " 00000011 Длина......................... 3 Dec\r\n");
}

TEST(Context, DlinaOfAShortTextChangesNothing) {
    Flags flags;
    Context ctx(Lang::English, true, "", flags);
    ASSERT_TRUE(ctx.dlina("03"));
    EXPECT_FALSE(ctx.dlina("1"));
    EXPECT_EQ(ctx.NN, 6u);
    EXPECT_EQ(ctx.txtBIN, "00000011");
}

}  // namespace
}  // namespace tarn
