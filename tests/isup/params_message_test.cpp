// Whole ISUP messages through the decoding run: the parameter lines that follow the
// message type line, down to the end of the report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "isup/lines.hpp"
#include "run/run.hpp"

namespace tarn::isup::test {
namespace {

struct MessageCase {
    const char* box;
    Lang lang;
    std::vector<std::string> tail;  // the last lines of the report
};

// clang-format off
const MessageCase kMessages[] = {
    {"C581400030D30009 012D02010000FFFF", Lang::English,
     {" 00000001 Pointer to start of opt.part.. 1 Dec",
      " 00101101 Optional parameter............ Call history information", " Call history information",
      " 00000010 Length........................ 2 Dec", " ******** Information elements.......... 0100 Hex",
      " 00000000 Optional parameters........... End"}},
    {"C581400030D30009 012D02010000FFFF", Lang::Russian,
     {" 00000001 Указатель начала необ.парам... 1 Dec",
      " 00101101 Необязательный параметр....... Информация об истории вызова", " Информация об истории вызова",
      " 00000010 Длина......................... 2 Dec", " ******** Информационные элементы....... 0100 Hex",
      " 00000000 Необязательный параметр....... Конец"}},
    {"C581400030D30006 16140129010100FF", Lang::Russian,
     {" 00000001 Указатель начала необ.парам... 1 Dec",
      " 00101001 Необязательный параметр....... Необязательные обратные индикаторы вызова",
      " Необязательные обратные индикаторы вызова", " 00000001 Длина......................... 1 Dec",
      " .......1 Инд.внутриполосной информации. внутриполосная информация доступна",
      " ......0. Инд.возможного перенаправл.... нет индикации", " .....0.. Резерв........................ ",
      " ....0... Инд.пользователя MLLP......... нет индикации", " 0000.... Резерв........................ ",
      " 00000000 Необязательный параметр....... Конец"}},
    // IAM: Called party number through the pointer, then the Original called number.
    {"C581400030D30001 0020010A000207058110214305 2804031421F300", Lang::English,
     {" 00000010 Pointer....................... 2 Dec", " 00000111 Pointer to start of opt.part.. 7 Dec",
      " Called party number", " 00000101 Length........................ 5 Dec",
      " .0000001 Nature of address indicator... subscriber number",
      " 1....... Odd/even indicator............ odd number of address signals",
      " ....0000 Spare......................... ",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Internal network number ind... routing to internal network number allowed",
      " ******** Address signal................ 12345",
      " 00101000 Optional parameter............ Original called number", " Original called number",
      " 00000100 Length........................ 4 Dec",
      " .0000011 Nature of address indicator... national (significant) number",
      " 0....... Odd/even indicator............ even number of address signals",
      " ......00 Spare......................... ",
      " ....01.. Address present.restrict.ind.. presentation restricted",
      " .001.... Numbering plan indicator...... ISDN (Telephony) numbering plan (Recommendation E.164)",
      " 0....... Spare......................... ", " ******** Address signal................ 123ST",
      " 00000000 Optional parameters........... End"}},
    // SAM: an odd Subsequent number whose filler is F.
    {"C581400030D30002 0200038021F3", Lang::Russian,
     {" 00000010 Указатель..................... 2 Dec", " 00000000 Указатель начала необ.парам... 0 Dec",
      " Последующий номер", " 00000011 Длина......................... 3 Dec", " .0000000 Резерв........................ ",
      " 1....... Инд. четности/нечетности...... нечетное число адресных сигналов",
      " ******** Адресный сигнал............... 123"}},
};
// clang-format on

class ParamsInMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ParamsInMessage, EndsWithTheParameterLines) {
    const MessageCase& c = GetParam();
    Session session;
    session.settings.lang = c.lang;
    std::string box = c.box;
    const std::vector<std::string> lines = report_lines(decode_single(session, box).report);
    ASSERT_GE(lines.size(), c.tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(c.tail.size()), lines.end()), c.tail);
}

INSTANTIATE_TEST_SUITE_P(Sample, ParamsInMessage, ::testing::ValuesIn(kMessages));

}  // namespace
}  // namespace tarn::isup::test
