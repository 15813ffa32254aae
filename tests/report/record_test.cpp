// How the structured sink reads report lines into fields: the label's name, the value of
// the bit column, and which lines are fields at all.
#include "report/record.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

TEST(Record, LabelNamesLoseTheirDotLeader) {
    const struct {
        const char* label;
        const char* name;
    } cases[] = {
        {" Odd/even indicator............ ", "Odd/even indicator"},
        {" Transmission medium .......... ", "Transmission medium"},  // a blank before the leader
        {" Message Type..................", "Message Type"},          // 31 characters, no blank after
        {" Address present.restrict.ind.. ", "Address present.restrict.ind"},
        {" ", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(label_name(c.label), c.name) << "[" << c.label << "]";
}

TEST(Record, ColumnValues) {
    EXPECT_EQ(column_value("11......"), 3);
    EXPECT_EQ(column_value("11010011"), 211);
    EXPECT_EQ(column_value(".11"), 3);  // a cut octet: the bits that are there
    EXPECT_EQ(column_value("********"), -1);
    EXPECT_EQ(column_value(""), -1);
}

// Lines written as whole pieces by the frames and by a few decoders are read back into
// their parts; every other line is not a field.
TEST(Record, FieldLinesReadBack) {
    const struct {
        const char* name;
        std::string line;
        bool field;
        const char* column;
        const char* label;
        const char* text;
        long raw;
    } cases[] = {
        {"WholeLineLiteral", " ....0101 Service indicator............. ISUP ISDN user part", true, "....0101",
         "Service indicator.............", "ISUP ISDN user part", 5},
        {"NoValueNoBlank", " 0000.... Spare.........................", true, "0000....",
         "Spare.........................", "", 0},
        {"NoValueWithBlank", " 00000001 Call reference value.......... ", true, "00000001",
         "Call reference value..........", "", 1},
        {"ShortColumn", " .11 Layer 3 identificator......... 11", true, ".11",
         "Layer 3 identificator.........", "11", 3},
        {"Cyrillic", " 11...... Индикатор сети................ Местная (или зональная)", true, "11......",
         "Индикатор сети................", "Местная (или зональная)", 3},
        {"OtherWidth", " 1....... Short label... value", true, "1.......", "Short label...", "value", 1},
        {"Title", " Call reference ", false, "", "", "", -1},
        {"Mistake", " MISTAKE: mandatory element is absent", false, "", "", "", -1},
        {"ColumnTooLong", " 000000001 Label", false, "", "", "", -1},
        {"TwoBlanks", " 0  Label", false, "", "", "", -1},
    };
    for (const auto& c : cases) {
        FieldLine f;
        ASSERT_EQ(parse_field_line(c.line, f), c.field) << c.name;
        if (!c.field) continue;
        EXPECT_EQ(f.column, c.column) << c.name;
        EXPECT_EQ(f.label, c.label) << c.name;
        EXPECT_EQ(f.text, c.text) << c.name;
        EXPECT_EQ(f.raw, c.raw) << c.name;
    }
}

}  // namespace
}  // namespace tarn
