// The structured sink: how report lines are read into fields, and what a recorder attached
// to a context makes of the line builders' calls.
#include "report/record.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/context.hpp"
#include "report/octets.hpp"

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
        {" ISDN user part preference ind. ", "ISDN user part preference ind"},
        {" Address present.restrict.ind.. ", "Address present.restrict.ind"},
        {" Инд.внутриполосной информации. ", "Инд.внутриполосной информации"},
        {"Spare.........................", "Spare"},
        {" ", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(label_name(c.label), c.name) << "[" << c.label << "]";
}

TEST(Record, ColumnValues) {
    EXPECT_EQ(column_value("....0101"), 5);
    EXPECT_EQ(column_value("11......"), 3);
    EXPECT_EQ(column_value("11010011"), 211);
    EXPECT_EQ(column_value(".11"), 3);  // a cut octet: the bits that are there
    EXPECT_EQ(column_value("********"), -1);
    EXPECT_EQ(column_value("...."), -1);
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
        {"WholeOctets", " ******** Destination point code (DPC).. 0081 Hex", true, "********",
         "Destination point code (DPC)..", "0081 Hex", -1},
        {"NoValueNoBlank", " 0000.... Spare.........................", true, "0000....",
         "Spare.........................", "", 0},
        {"NoValueWithBlank", " 00000001 Call reference value.......... ", true, "00000001",
         "Call reference value..........", "", 1},
        {"ShortColumn", " .11 Layer 3 identificator......... 11", true, ".11",
         "Layer 3 identificator.........", "11", 3},
        {"NameWithBlank", " 00000101 Message Type.................. SETUP", true, "00000101",
         "Message Type..................", "SETUP", 5},
        {"Cyrillic", " 11...... Индикатор сети................ Местная (или зональная)", true, "11......",
         "Индикатор сети................", "Местная (или зональная)", 3},
        {"OtherWidth", " 1....... Short label... value", true, "1.......", "Short label...", "value", 1},
        {"Title", " Call reference ", false, "", "", "", -1},
        {"OctetHeading", " 5 octet", false, "", "", "", -1},
        {"Mistake", " MISTAKE: mandatory element is absent", false, "", "", "", -1},
        {"ColumnTooLong", " 000000001 Label", false, "", "", "", -1},
        {"TwoBlanks", " 0  Label", false, "", "", "", -1},
        {"Empty", "", false, "", "", "", -1},
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

constexpr Text kName{" Probe element", " Элемент"};
constexpr Label kLabel{" Probe field................... ", " Поле.......................... "};
constexpr Row kRows[] = {{1, {"one", "один"}}};
constexpr Field kOctet[] = {{8, 8, kLabel, kRows, {"other", "другое"}}, spare_field(7, 1, kSpare)};

// A decoder using every builder: header, fields, whole-octet and hex lines, a plain line,
// a line laid out as a field, a mistake, then a second element header inside it.
void probe(Context& ctx, const Element& e) {
    ctx.header(e, kName);
    ctx.fields(e.octets.bits(0), kOctet);
    ctx.octets(kLabel, "4951");
    ctx.hex_line(kLabel, e.hex());
    ctx.line(" 2 octet");
    ctx.line(" ....0011 Probe field................... three");
    ctx.mistake(kInvalidFormat);
    const Element inner(0x70, 1, "81");
    ctx.identification(inner, kName, true);
    ctx.field(e.octets.bits(0), 7, 5, kLabel, "cut");
}

// A decoder that names its element by a plain title line, as the mandatory Cause does.
void titled(Context& ctx, const Element& e) {
    ctx.line(" Cause indicators");
    ctx.length_line(e);
    ctx.field("1", 8, 5, kLabel, "short");  // a cut octet: its bits are not all there
}

TEST(Record, RecorderHearsTheBuilders) {
    Context plain(Lang::English, false, " 0801");
    Context recorded(Lang::English, false, " 0801");
    Recorder recorder;
    recorder.clear();
    recorded.attach(&recorder);
    for (Context* ctx : {&plain, &recorded}) {
        ctx->message_title(Protocol::Dss1, Text{" MESSAGE: ", " СООБЩЕНИЕ: "});
        ctx->line(" 00001000 Protocol Discriminator........ Q.931");
        ctx->message_type(0x05, Text{" Message Type..................", ""}, " SETUP", " SETUP");
        ctx->decode(probe, Element(0x04, 2, "80A1", true));
        ctx->line(" MISTAKE: mandatory element is absent");
        ctx->decode(titled, Element(0x12, 2, "8090", true));
    }
    // The text is the same with and without the sink.
    EXPECT_EQ(recorded.screen(), plain.screen());

    const MessageRecord& r = recorder.finish();
    EXPECT_EQ(r.protocol, Protocol::Dss1);
    ASSERT_TRUE(r.has_type);
    EXPECT_EQ(r.type_code, 0x05u);
    EXPECT_EQ(r.str(r.type_name), "SETUP");
    EXPECT_EQ(r.str(r.acronym), "SETUP");
    EXPECT_EQ(r.mistakes, 2u);

    using K = RecordItem::Kind;
    struct Want {
        K kind;
        std::string column;  // fields; element: its contents
        std::string name;
        long raw;
        std::string text;
        std::uint32_t end;  // elements
    };
    const std::vector<Want> want = {
        {K::Field, "00001000", "Protocol Discriminator", 8, "Q.931", 0},
        {K::Field, "00000101", "Message Type", 5, "SETUP", 0},  // the frame ends here
        {K::Element, "80A1", "Probe element", 2, "", 12},
        {K::Field, "1.......", "Probe field", 1, "one", 0},
        {K::Field, ".0000000", "Spare", 0, "", 0},
        {K::Field, "********", "Probe field", -1, "4951", 0},
        {K::Field, "********", "Probe field", -1, "80A1 Hex", 0},
        {K::Text, "", "", -1, "2 octet", 0},
        {K::Field, "....0011", "Probe field", 3, "three", 0},
        {K::Mistake, "", "", -1, "Invalid element format", 0},
        {K::Element, "81", "Probe element", 1, "", 12},  // opened by the second identification
        {K::Field, ".000....", "Probe field", 0, "cut", 0},
        {K::Mistake, "", "", -1, "mandatory element is absent", 0},
        {K::Element, "8090", "Cause indicators", 2, "", 15},
        {K::Field, "1....", "Probe field", -1, "short", 0},
    };
    ASSERT_EQ(r.items.size(), want.size());
    EXPECT_EQ(r.frame_end, 2u);
    for (std::size_t i = 0; i < want.size(); ++i) {
        const RecordItem& it = r.items[i];
        const Want& w = want[i];
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(it.kind, w.kind);
        if (w.kind == K::Element) {
            EXPECT_EQ(r.str(it.text), w.column);
            EXPECT_EQ(r.str(it.name), w.name);
            EXPECT_EQ(it.length, w.raw);
            EXPECT_EQ(it.end, w.end);
            EXPECT_TRUE(it.mandatory);
            continue;
        }
        if (w.kind == K::Field) {
            EXPECT_EQ(MessageRecord::column_of(it), w.column);
            EXPECT_EQ(r.str(it.name), w.name);
            EXPECT_EQ(it.raw, w.raw);
        }
        EXPECT_EQ(r.str(it.text), w.text);
    }
}

// Without the text report the sink hears the same lines, as pieces of its own.
TEST(Record, SameRecordWithoutTheTextReport) {
    for (Lang lang : {Lang::English, Lang::Russian}) {
        Context with(lang, false, " 0801");
        Context without(lang, false, " 0801");
        Recorder a, b;
        a.clear(&with.screen());
        b.clear();
        with.attach(&a);
        without.attach(&b, false);
        for (Context* ctx : {&with, &without}) {
            ctx->message_title(Protocol::Dss1, Text{" MESSAGE: ", " СООБЩЕНИЕ: "});
            ctx->line(" 00001000 Protocol Discriminator........ Q.931");
            ctx->message_type(0x05,
                              Text{" Message Type..................", " Тип сообщения................."},
                              " SETUP", " SETUP");
            ctx->decode(probe, Element(0x04, 2, "80A1", true));
            ctx->line(" MISTAKE: mandatory element is absent");
            ctx->decode(titled, Element(0x12, 2, "8090", true));
        }
        EXPECT_EQ(without.screen(), "");
        const MessageRecord& ra = a.finish();
        const MessageRecord& rb = b.finish();
        ASSERT_EQ(ra.items.size(), rb.items.size());
        EXPECT_EQ(ra.frame_end, rb.frame_end);
        EXPECT_EQ(ra.mistakes, rb.mistakes);
        EXPECT_EQ(ra.str(ra.type_name), rb.str(rb.type_name));
        for (std::size_t i = 0; i < ra.items.size(); ++i) {
            const RecordItem &x = ra.items[i], &y = rb.items[i];
            SCOPED_TRACE("item " + std::to_string(i));
            EXPECT_EQ(x.kind, y.kind);
            EXPECT_EQ(MessageRecord::column_of(x), MessageRecord::column_of(y));
            EXPECT_EQ(ra.str(x.name), rb.str(y.name));
            EXPECT_EQ(ra.str(x.name_en), rb.str(y.name_en));
            EXPECT_EQ(ra.str(x.text), rb.str(y.text));
            EXPECT_EQ(x.raw, y.raw);
            EXPECT_EQ(x.end, y.end);
        }
    }
}

// The English label of every field is kept for the readers that pick fields by name, in
// either language.
TEST(Record, RussianFieldsKeepTheirEnglishName) {
    Context ctx(Lang::Russian, false, "");
    Recorder recorder;
    recorder.clear();
    ctx.attach(&recorder);
    ctx.decode(probe, Element(0x04, 2, "80A1", true));
    const MessageRecord& r = recorder.finish();
    ASSERT_GE(r.items.size(), 2u);
    EXPECT_EQ(r.str(r.items[0].name), "Элемент");
    EXPECT_EQ(r.str(r.items[1].name), "Поле");
    EXPECT_EQ(r.str(r.items[1].name_en), "Probe field");
    EXPECT_EQ(r.str(r.items[1].text), "один");
}

// A MISTAKE line laid out as a field (the DSS1 call reference of a wrong length) is a
// mistake that keeps its bits.
TEST(Record, MistakeLaidOutAsAField) {
    Context ctx(Lang::Russian, false, "");
    Recorder recorder;
    recorder.clear();
    ctx.attach(&recorder);
    ctx.field(bits8(0x03), 4, 1,
              Label{" MISTAKE: invalid length....... ", " ОШИБКА: неправильная длина.... "}, "3");
    const MessageRecord& r = recorder.finish();
    ASSERT_EQ(r.items.size(), 1u);
    const RecordItem& it = r.items[0];
    EXPECT_EQ(it.kind, RecordItem::Kind::Mistake);
    EXPECT_TRUE(it.as_field);
    EXPECT_EQ(r.str(it.text), "неправильная длина");
    EXPECT_EQ(MessageRecord::column_of(it), "....0011");
    EXPECT_EQ(it.raw, 3);
    EXPECT_EQ(r.str(it.shown), "3");
    EXPECT_EQ(r.mistakes, 1u);
}

}  // namespace
}  // namespace tarn
