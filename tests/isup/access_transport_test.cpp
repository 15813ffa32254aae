// ISUP Access transport (03) and User to user information (20): the DSS1 elements inside
// an Access transport decoded as in a DSS1 message, the edges of its element walk, and both
// parameters inside an Address complete message.
#include <gtest/gtest.h>

#include <string>

#include "dss1/compat_lines.hpp"
#include "isup/isup_case.hpp"

namespace tarn::isup::test {
namespace {

using dss1::test::kHighLayerEn;
using dss1::test::kHighLayerRu;
using dss1::test::kLowLayerEn;
using dss1::test::kLowLayerRu;
using dss1::test::kUserUserEn;
using dss1::test::kUserUserRu;

const Lines kHeaderEn = {" 00000011 Optional parameter............ Access transport", " Access transport"};
const Lines kHeaderRu = {" 00000011 Необязательный параметр....... Посылка доступа", " Посылка доступа"};

// Low layer, High layer compatibility and User-user, 14 octets.
const char kCompat[] = "7C030880907D0291817E03044142";
const Lines kCompatEn = concat({kHeaderEn,
                                {" 00001110 Length........................ 14 Dec",
                                 " ******** Information elements.......... 7C030880907D0291817E03044142"},
                                kLowLayerEn,
                                kHighLayerEn,
                                kUserUserEn});
const Lines kCompatRu = concat({kHeaderRu,
                                {" 00001110 Длина......................... 14 Dec",
                                 " ******** Информационные элементы....... 7C030880907D0291817E03044142"},
                                kLowLayerRu,
                                kHighLayerRu,
                                kUserUserRu});

// User-user 00 41 inside Access transport: optional there.
const Lines kUserUser0041 = {" 01111110 Optional parameter............ User to user information",
                             " User to user information", " 00000010 Length........................ 2 Dec",
                             " 00000000 Protocol discriminator........ user-specific protocol",
                             " ******** User information.............. 41 (Hex)"};

class AccessTransport : public ::testing::TestWithParam<ParamCase> {};

TEST_P(AccessTransport, Lines) {
    check(GetParam());
}

// clang-format off
const ParamCase kCases[] = {
    {param(0x03), "03", "", kCompat, En, kCompatEn},
    // Bearer capability (04) is not decoded here: it is passed over by its length.
    {param(0x03), "03", "", "04038090A37E020041", En, concat({kHeaderEn, {" 00001001 Length........................ 9 Dec",
        " ******** Information elements.......... 04038090A37E020041"}, kUserUser0041})},
    // A1 is read with a length octet here, not as a single-octet element.
    {param(0x03), "03", "", "A1007E020041", En, concat({kHeaderEn, {" 00000110 Length........................ 6 Dec",
        " ******** Information elements.......... A1007E020041"}, kUserUser0041})},
    // A filler octet ends the walk.
    {param(0x03), "03", "", "7E020041FF7E020042", En, concat({kHeaderEn, {" 00001001 Length........................ 9 Dec",
        " ******** Information elements.......... 7E020041FF7E020042"}, kUserUser0041})},
    // An identifier without its length octet ends the walk: no element is decoded on a
    // length left over from the one before.
    {param(0x03), "03", "", "7E02004178", En, concat({kHeaderEn, {" 00000101 Length........................ 5 Dec",
        " ******** Information elements.......... 7E02004178"}, kUserUser0041})},
    // An element longer than the rest of the contents: its own length check, then the end.
    {param(0x03), "03", "", "7E0504414243", En, concat({kHeaderEn, {" 00000110 Length........................ 6 Dec",
        " ******** Information elements.......... 7E0504414243",
        " 01111110 Optional parameter............ User to user information", " User to user information",
        " 00000101 Length........................ 5 Dec", " MISTAKE: Invalid element format"}})},
    // User to user information from the optional part of a message.
    {param(0x20), "20", "", "044142", Ru, {" 00100000 Необязательный параметр....... Информация от пользователя к пользователю",
        " Информация от пользователя к пользователю", " 00000011 Длина......................... 3 Dec",
        " 00000100 Дискриминатор протокола....... характеристика IA5", " ******** Информация пользователя....... AB"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Parameters, AccessTransport, ::testing::ValuesIn(kCases));

// An Access transport inside an Address complete message, in Russian, then a User to user
// information parameter after it, then the end of the optional part.
TEST(AccessTransportMessages, OptionalPartGoesOnAfterIt) {
    const std::string acm = std::string("C5 81400030 D300 06 1614 01 03 0E ") + kCompat + " 20 03 004142 00";
    const Lines ru = concat(
        {kCompatRu,
         {" 00100000 Необязательный параметр....... Информация от пользователя к пользователю",
          " Информация от пользователя к пользователю", " 00000011 Длина......................... 3 Dec",
          " 00000000 Дискриминатор протокола....... протокол, определяемый пользователем",
          " ******** Информация пользователя....... 4142 (Hex)", kKonets}});
    EXPECT_EQ(last(message_lines(acm, Ru), ru.size()), ru);
}

}  // namespace
}  // namespace tarn::isup::test
