// ISUP Access transport (03) and User to user information (20): the DSS1 elements inside
// an Access transport decoded as in a DSS1 message, the edges of its element walk, and both
// parameters inside IAM, ACM, CPG and ANM messages.
#include <gtest/gtest.h>

#include <string>

#include "dss1/compat_lines.hpp"
#include "isup/isup.hpp"
#include "isup/isup_case.hpp"

namespace tarn::isup::test {
namespace {

using dss1::test::kHighLayerEn;
using dss1::test::kHighLayerRu;
using dss1::test::kLowLayerEn;
using dss1::test::kLowLayerRu;
using dss1::test::kUserUserEn;
using dss1::test::kUserUserRu;

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

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
const Lines kUserUser0041 = {
    " 01111110 Optional parameter............ User to user information",
    " User to user information",
    " 00000010 Length........................ 2 Dec",
    " 00000000 Protocol discriminator........ user-specific protocol",
    " ******** User information.............. 41 (Hex)",
};

class AccessTransport : public ::testing::TestWithParam<ParamCase> {};

TEST_P(AccessTransport, Lines) {
    check(GetParam());
}

// clang-format off
const ParamCase kCases[] = {
    {param(0x03), "03", "", kCompat, En, kCompatEn},
    {param(0x03), "03", "", kCompat, Ru, kCompatRu},
    // Bearer capability (04) is not decoded here: it is passed over by its length.
    {param(0x03), "03", "", "04038090A37E020041", En, concat({kHeaderEn,
        {" 00001001 Length........................ 9 Dec",
         " ******** Information elements.......... 04038090A37E020041"}, kUserUser0041})},
    // A1 is read with a length octet here, not as a single-octet element.
    {param(0x03), "03", "", "A1007E020041", En, concat({kHeaderEn,
        {" 00000110 Length........................ 6 Dec",
         " ******** Information elements.......... A1007E020041"}, kUserUser0041})},
    // A filler octet ends the walk.
    {param(0x03), "03", "", "7E020041FF7E020042", En, concat({kHeaderEn,
        {" 00001001 Length........................ 9 Dec",
         " ******** Information elements.......... 7E020041FF7E020042"}, kUserUser0041})},
    // An identifier without its length octet ends the walk: no element is decoded on a
    // length left over from the one before.
    {param(0x03), "03", "", "7E02004178", En, concat({kHeaderEn,
        {" 00000101 Length........................ 5 Dec",
         " ******** Information elements.......... 7E02004178"}, kUserUser0041})},
    {param(0x03), "03", "", "7D", Ru, concat({kHeaderRu,
        {" 00000001 Длина......................... 1 Dec",
         " ******** Информационные элементы....... 7D"}})},
    // An element longer than the rest of the contents: its own length check, then the end.
    {param(0x03), "03", "", "7E0504414243", En, concat({kHeaderEn,
        {" 00000110 Length........................ 6 Dec",
         " ******** Information elements.......... 7E0504414243",
         " 01111110 Optional parameter............ User to user information",
         " User to user information",
         " 00000101 Length........................ 5 Dec",
         " MISTAKE: Invalid element format"}})},
    // The parameter's own length check: no contents line, no walk.
    {param(0x03), "03", "05", "7E020041", Ru, concat({kHeaderRu,
        {" 00000101 Длина......................... 5 Dec",
         " ОШИБКА: недопустимый формат элемента"}})},
    {param(0x03), "03", "", "", En, concat({kHeaderEn,
        {" 00000000 Length........................ 0 Dec",
         " ******** Information elements.......... "}})},
    // User to user information from the optional part of a message.
    {param(0x20), "20", "", "044142", Ru, {
        " 00100000 Необязательный параметр....... Информация от пользователя к пользователю",
        " Информация от пользователя к пользователю",
        " 00000011 Длина......................... 3 Dec",
        " 00000100 Дискриминатор протокола....... характеристика IA5",
        " ******** Информация пользователя....... AB"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Parameters, AccessTransport, ::testing::ValuesIn(kCases), case_name);

// The elements of the basic call inside Access transport: Progress indicator 82 88, Called
// party subaddress A0 5012, Display ABC; with the compatibility elements and User-user,
// 28 octets.
const char kCarried[] =
    "1E028288"
    "7C03088090"
    "7D029181"
    "7103A05012"
    "2803414243"
    "7E03044142";
const Lines kProgressEn = {
    " 00011110 Optional parameter............ Progress indicator",
    " Progress indicator",
    " 00000010 Length........................ 2 Dec",
    " ....0010 Location...................... public network serving the local user",
    " ...0.... Spare......................... ",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    " 1....... Extension..................... no extension",
    " .0001000 Progress description.......... in-band information or appropriate pattern now available",
    " 1....... Extension..................... no extension",
};
const Lines kProgressRu = {
    " 00011110 Необязательный параметр....... Индикатор изменения",
    " Индикатор изменения",
    " 00000010 Длина......................... 2 Dec",
    " ....0010 Определение места............. сеть общего пользования, обслуживающая локального пользователя",
    " ...0.... Резерв........................ ",
    " .00..... Стандартное кодирование....... стандарт CCITT",
    " 1....... Расширение.................... нет расширения",
    " .0001000 Описание изменения............ по В-каналу возможна передача акустических сигналов",
    " 1....... Расширение.................... нет расширения",
};
const Lines kSubaddressEn = {
    " 01110001 Optional parameter............ Called party subaddress",
    " Called party subaddress",
    " 00000011 Length........................ 3 Dec",
    " .....000 Spare......................... ",
    " ....0... Odd/even indicator............ even number or address signals",
    " .010.... Type of subaddress............ user specified",
    " 1....... Extension..................... no extension",
    " ******** Subaddress information........ 5012 Hex",
};
const Lines kSubaddressRu = {
    " 01110001 Необязательный параметр....... Подадрес вызываемого абонента",
    " Подадрес вызываемого абонента",
    " 00000011 Длина......................... 3 Dec",
    " .....000 Резерв........................ ",
    " ....0... Индикатор четности/нечетности. четное число адресных сигналов",
    " .010.... Тип подадреса................. определяемый пользователем",
    " 1....... Расширение.................... нет расширения",
    " ******** Информация подадресации....... 5012 Hex",
};
const Lines kDisplayEn = {
    " 00101000 Optional parameter............ Display",
    " Display",
    " 00000011 Length........................ 3 Dec",
    " ******** Information elements (IA5).... ABC",
};
const Lines kDisplayRu = {
    " 00101000 Необязательный параметр....... Отображение информации",
    " Отображение информации",
    " 00000011 Длина......................... 3 Dec",
    " ******** Информационные элементы (IA5). ABC",
};
const Lines kCarriedEn = concat({kHeaderEn,
                                 {" 00011100 Length........................ 28 Dec",
                                  std::string(" ******** Information elements.......... ") + kCarried},
                                 kProgressEn,
                                 kLowLayerEn,
                                 kHighLayerEn,
                                 kSubaddressEn,
                                 kDisplayEn,
                                 kUserUserEn});
const Lines kCarriedRu = concat({kHeaderRu,
                                 {" 00011100 Длина......................... 28 Dec",
                                  std::string(" ******** Информационные элементы....... ") + kCarried},
                                 kProgressRu,
                                 kLowLayerRu,
                                 kHighLayerRu,
                                 kSubaddressRu,
                                 kDisplayRu,
                                 kUserUserRu});

// The last `count` lines of the report of an ISUP message (blanks between octets allowed).
Lines last_lines(std::string_view spaced, Lang lang, std::size_t count) {
    std::string hex;
    for (char c : spaced)
        if (c != ' ') hex += c;
    Context ctx(lang, false, "T");
    DEC_SS(ctx, hex);
    const Lines lines = report_lines(ctx.screen());
    if (lines.size() < count) return lines;
    return Lines(lines.end() - static_cast<std::ptrdiff_t>(count), lines.end());
}

const Lines kIsupUserUserEn = {
    " 00100000 Optional parameter............ User to user information",
    " User to user information",
    " 00000011 Length........................ 3 Dec",
    " 00000000 Protocol discriminator........ user-specific protocol",
    " ******** User information.............. 4142 (Hex)",
};
const Lines kIsupUserUserRu = {
    " 00100000 Необязательный параметр....... Информация от пользователя к пользователю",
    " Информация от пользователя к пользователю",
    " 00000011 Длина......................... 3 Dec",
    " 00000000 Дискриминатор протокола....... протокол, определяемый пользователем",
    " ******** Информация пользователя....... 4142 (Hex)",
};
const Lines kEndEn = {" 00000000 Optional parameters........... End"};
const Lines kEndRu = {" 00000000 Необязательный параметр....... Конец"};

// The routing label, the CIC and the message type of each message; an Access transport,
// then a User to user information parameter after it, then the end of the optional part.
TEST(AccessTransportMessages, OptionalPartsGoOnAfterIt) {
    const std::string parameters = std::string("03 1C ") + kCarried + " 20 03 004142 00";
    const struct {
        const char* name;
        std::string hex;
    } messages[] = {
        {"IAM", "C5 81400030 D300 01 00 2000 0A 00 02 06 04 81102143 " + parameters},
        {"ACM", "C5 81400030 D300 06 1614 01 " + parameters},
        {"CPG", "C5 81400030 D300 2C 01 01 " + parameters},
    };
    const Lines en = concat({kCarriedEn, kIsupUserUserEn, kEndEn});
    const Lines ru = concat({kCarriedRu, kIsupUserUserRu, kEndRu});
    for (const auto& m : messages) {
        EXPECT_EQ(last_lines(m.hex, En, en.size()), en) << m.name;
        EXPECT_EQ(last_lines(m.hex, Ru, ru.size()), ru) << m.name;
    }
}

TEST(AccessTransportMessages, UserToUserInformation) {
    const char* messages[] = {
        "C5 81400030 D300 01 00 2000 0A 00 02 06 04 81102143 20 03 004142 00",  // IAM
        "C5 81400030 D300 09 01 20 03 004142 00",                               // ANM
    };
    for (const char* hex : messages) {
        EXPECT_EQ(last_lines(hex, En, 6), concat({kIsupUserUserEn, kEndEn})) << hex;
        EXPECT_EQ(last_lines(hex, Ru, 6), concat({kIsupUserUserRu, kEndRu})) << hex;
    }
}

// Every prefix of an IAM with an Access transport decodes to whole lines.
TEST(AccessTransportMessages, EveryPrefix) {
    const std::string iam = std::string("C581400030D300010020000A0002060481102143030E") + kCompat + "00";
    for (Lang lang : {En, Ru}) {
        for (std::size_t k = 0; k <= iam.size(); ++k) last_lines(iam.substr(0, k), lang, 0);
    }
}

}  // namespace
}  // namespace tarn::isup::test
