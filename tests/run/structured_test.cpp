// Structured output: the JSON of a whole message against the object written by hand from
// its text report, the schema and its refusals, the DSS1 summary rows, and over a large
// generated input one JSON field for every field line of the text report, the same with
// and without the text report.
#include "run/structured.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "report/report.hpp"
#include "support/json.hpp"

namespace tarn {
namespace {

using test::json::Value;

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The lines of a rendering; each must end with LF, none hold CR.
std::vector<std::string> lines_of(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = out.find('\n', from)) != std::string::npos; from = at + 1)
        lines.push_back(out.substr(from, at - from));
    EXPECT_EQ(from, out.size()) << "the last line has no LF";
    for (const std::string& line : lines) EXPECT_EQ(line.find('\r'), std::string::npos) << line;
    return lines;
}

// What a multi-message run over `text` renders, for an input named `file`.
std::string render(Format format, Lang lang, std::string_view text, Rendering* rendering = nullptr) {
    Rendering own(format);
    Rendering& r = rendering != nullptr ? *rendering : own;
    Session session;
    session.settings.lang = lang;
    session.settings.input = InputMode::File;
    std::string out;
    MessageSource input;
    input.has_file = true;
    input.file = "call.txt";
    MultiRun run = r.multi(session, input, [&out](std::string&& rendered) { out += rendered; });
    run.feed(text);
    run.finish();
    return out;
}

std::vector<Value> json_of(Lang lang, std::string_view text) {
    std::vector<Value> objects;
    for (const std::string& line : lines_of(render(Format::Json, lang, text))) {
        std::string error;
        std::optional<Value> v = test::json::parse(line, &error);
        EXPECT_TRUE(v.has_value()) << error << "\n" << line;
        if (v) objects.push_back(std::move(*v));
    }
    return objects;
}

Value parsed(std::string_view text) {
    std::string error;
    std::optional<Value> v = test::json::parse(text, &error);
    EXPECT_TRUE(v.has_value()) << error;
    return v ? *v : Value{};
}

// The Release of the sample in the Russian reading: the mandatory variable Cause
// indicators, whose decoder writes its title as a plain line.
constexpr const char* kRel = "\r\n\r\n REL\r\n    C581400030D3000C 0200028090FFFFFF\r\n";

constexpr const char* kRelJson = R"json({
  "input": {"file": "call.txt", "report": null, "index": 1, "line": 4},
  "protocol": "isup", "reading": "isup-r", "lang": "ru",
  "hex": "C581400030D3000C0200028090FFFFFF",
  "frame": {
    "network_indicator": 3, "dpc": 129, "opc": 1, "sls": 3, "cic": 211,
    "message_type": {"code": 12, "name": "РАЗЪЕДИНЕНИЕ (REL)", "acronym": "REL"},
    "fields": [
      {"kind": "field", "bits": "....0101", "name": "Индикатор службы", "value": 5,
       "text": "Подсистема пользователя ISUP ISDN"},
      {"kind": "field", "bits": "..00....", "name": "Резерв", "value": 0, "text": ""},
      {"kind": "field", "bits": "11......", "name": "Индикатор сети", "value": 3, "text": "Местная (или зональная)"},
      {"kind": "field", "bits": "********", "name": "Код пункта назначения (DPC)", "value": null, "text": "0081 Hex"},
      {"kind": "field", "bits": "********", "name": "Код исходящего пункта (OPC)", "value": null, "text": "0001 Hex"},
      {"kind": "field", "bits": "0011....", "name": "Выбор сигнального соединения", "value": 3, "text": "3 Dec"},
      {"kind": "field", "bits": "11010011", "name": "Код идентификации канала", "value": 211, "text": "D3 Hex"},
      {"kind": "field", "bits": "0000....", "name": "Резерв", "value": 0, "text": ""},
      {"kind": "field", "bits": "....0000", "name": "Код идентификации канала", "value": 0,
       "text": "0 Hex (если используется E1: поток # 6, канал # 19)"},
      {"kind": "field", "bits": "00001100", "name": "Тип сообщения", "value": 12, "text": "РАЗЪЕДИНЕНИЕ (REL)"}
    ]
  },
  "elements": [
    {"kind": "field", "bits": "00000010", "name": "Указатель", "value": 2, "text": "2 Dec"},
    {"kind": "field", "bits": "00000000", "name": "Указатель начала необ.парам", "value": 0, "text": "0 Dec"},
    {"kind": "parameter", "code": 18, "name": "Индикаторы причины", "mandatory": true,
     "length": 2, "contents": "8090", "fields": [
      {"kind": "field", "bits": "....0000", "name": "Определение места", "value": 0, "text": "пользователь"},
      {"kind": "field", "bits": "...0....", "name": "Резерв", "value": 0, "text": ""},
      {"kind": "field", "bits": ".00.....", "name": "Стандарт кодирования", "value": 0, "text": "стандарт CCITT"},
      {"kind": "field", "bits": "1.......", "name": "Индикатор расширения", "value": 1, "text": "последний октет"},
      {"kind": "field", "bits": ".0010000", "name": "Значение причины", "value": 16,
       "text": "нормальное освобождение"},
      {"kind": "field", "bits": "1.......", "name": "Индикатор расширения", "value": 1, "text": "последний октет"}]},
    {"kind": "field", "bits": "00000000", "name": "Необязательный параметр", "value": 0, "text": "Конец"}
  ],
  "mistakes": 0
})json";

// A DSS1 SETUP: Bearer capability, Calling party number 45, Called party number 123.
constexpr const char* kSetup = "    0801000504038090 A36C040183343570 0481313233FFFFFF\r\n";

TEST(StructuredJson, WholeMessageAsWrittenByHand) {
    const std::vector<Value> got = json_of(Lang::Russian, kRel);
    ASSERT_EQ(got.size(), 1u);
    const Value want = parsed(kRelJson);
    EXPECT_TRUE(got[0] == want) << render(Format::Json, Lang::Russian, kRel);
}

// The input's name is the one text from outside the decoders: quotation marks, reverse
// solidi and control characters in it are escaped, at every place in strings of every
// length around the eight and sixteen bytes checked at a time.
TEST(StructuredJson, SpecialCharactersAreEscaped) {
    const struct {
        std::string file;
        std::string json;  // as it stands in the object
    } cases[] = {
        {"C:\\reports\\\"day\"\t1.txt", R"("C:\\reports\\\"day\"\t1.txt")"},
        {"\x01"
         "bcdefghijklmno",
         R"("\u0001bcdefghijklmno")"},
        {"abcdefghijklmnop\n", R"("abcdefghijklmnop\n")"},
        {"abcdefghijklmnopqrstuvwxyz012345\r", R"("abcdefghijklmnopqrstuvwxyz012345\r")"},
        {"Отчёт за день.txt", R"("Отчёт за день.txt")"},
    };
    Rendering rendering(Format::Json);
    Session session;
    session.settings.lang = Lang::English;
    for (const auto& c : cases) {
        std::string out;
        MessageSource at;
        at.has_file = true;
        at.file = c.file;
        at.index = 1;
        at.line = 1;
        rendering.decode(session, "C581400030D30009012D02010000FFFF", "title", false, at, out);
        const std::vector<std::string> lines = lines_of(out);
        ASSERT_EQ(lines.size(), 1u) << c.json;
        EXPECT_NE(lines[0].find("{\"input\":{\"file\":" + c.json + ","), std::string::npos) << lines[0];
        EXPECT_EQ(parsed(lines[0])["input"]["file"].string, c.file);
    }
}

const test::json::Validator& validator() {
    static const test::json::Validator v(
        parsed(read_text(std::string(TARN_SOURCE_DIR) + "/docs/tarn-decode.schema.json")));
    return v;
}

std::string problems_of(const Value& v) {
    std::string all;
    for (const std::string& p : validator().check(v)) all += p + "\n";
    return all;
}

// The schema and its validator refuse what the tool must never write.
TEST(StructuredJson, SchemaRefusesBrokenObjects) {
    const struct {
        const char* name;
        std::string from;  // replaced in the REL's JSON ...
        std::string to;    // ... by this
    } cases[] = {
        {"FieldWithoutKind", R"({"kind": "field", "bits": "..00....")", R"({"bits": "..00....")"},
        {"UnknownMember", R"("mistakes": 0)", R"("mistakes": 0, "extra": 1)"},
        {"BitColumnTooLong", R"("bits": "....0101")", R"("bits": "....01010")"},
        {"NegativeValue", R"("value": 5)", R"("value": -5)"},
        {"IsupWithDss1Frame", R"("network_indicator": 3, "dpc": 129, "opc": 1, "sls": 3, "cic": 211,)",
         R"("call_reference": {"length": 1, "value": 0, "flag": 0},)"},
        {"ReadingOfTheOtherProtocol", R"("reading": "isup-r")", R"("reading": "ets300102")"},
        {"MandatoryAsText", R"("mandatory": true)", R"("mandatory": "yes")"},
    };
    ASSERT_EQ(problems_of(parsed(kRelJson)), "");
    for (const auto& c : cases) {
        std::string text = kRelJson;
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.name;
        text.replace(at, c.from.size(), c.to);
        EXPECT_NE(problems_of(parsed(text)), "") << c.name;
    }
}

// The DSS1 rows: the call reference, the numbers and the cause of DSS1 elements.
TEST(StructuredSummary, Dss1RowsAsWrittenByHand) {
    const std::string text = std::string(kSetup) + " --\r\n    0801804508028090 FFFFFFFFFFFFFFFF\r\n";
    EXPECT_EQ(lines_of(render(Format::Summary, Lang::English, text)),
              (std::vector<std::string>{"1\tdss1\tSETUP\t0\t\t\t123\t45\t\t\t0",
                                        "2\tdss1\tDISCONNECT\t0\t\t\t\t\t16\tNormal call clearing\t0"}));
}

// A large input of whole, cut and garbled messages of both protocols.
std::string generated_input(std::size_t messages) {
    static const char* const kMessages[] = {
        "C581400030D300010020010A00020907031094153254760A0683139475560400",
        "C581400030D3000616140129010100FF",
        "C581400030D3000C0200028090FFFFFF",
        "C501402030D3001000FFFFFFFFFFFFFF",
        "C581400030D3000C020004809012342C0160",
        "C581400030D3002C01012E0101290101",
        "080100050403809090A31803A983816C0600813935303170088039353031303030FF",
        "0801000504028890",
        "0801004508028090FFFFFFFF",
        "0802000105",
        "080100460479FF",
        "0803000000000000",
    };
    std::mt19937 random(18);
    std::string text;
    for (std::size_t k = 0; k < messages; ++k) {
        std::string hex = kMessages[random() % std::size(kMessages)];
        const unsigned how = random() % 4;
        if (how == 0) hex.resize(2 + random() % (hex.size() - 1));  // cut
        for (char& c : hex) {
            if (how == 1 && random() % 8 == 0) c = "0123456789ABCDEF"[random() % 16];  // garbled
        }
        hex.resize((hex.size() + 15) / 16 * 16, 'F');
        text += " MESSAGE\r\n\r\n   ";
        for (std::size_t i = 0; i < hex.size(); i += 16) text += " " + hex.substr(i, 16);
        text += "\r\n\r\n";
    }
    return text;
}

// Counts of field lines (a blank, a bit column of 1 to 8 of "01.*", a blank, a label) other
// than those that open an element, and of MISTAKE lines of their own.
struct Counts {
    std::size_t fields = 0, mistakes = 0, field_mistakes = 0;
};

Counts text_counts(std::string_view report) {
    Counts n;
    for (std::size_t from = 0, at; (at = report.find("\r\n", from)) != std::string::npos; from = at + 2) {
        const std::string_view line = report.substr(from, at - from);
        n.mistakes += line.starts_with(" MISTAKE: ");
        std::size_t i = 1;
        while (i < line.size() && i <= 8 && std::string_view("01.*").find(line[i]) != std::string_view::npos)
            ++i;
        if (line.size() <= i + 1 || line[0] != ' ' || i == 1 || line[i] != ' ' || line[i + 1] == ' ')
            continue;
        const std::string_view label = line.substr(i);
        n.fields += !label.starts_with(" Optional parameter....") &&
                    !label.starts_with(" Mandatory parameter...") && !label.starts_with(" Length....");
    }
    return n;
}

// The items of a list and those nested in it; a mistake with bits stands as a field line.
void count_json(const Value& items, Counts& n) {
    for (const Value& item : items.array) {
        const std::string& kind = item["kind"].string;
        n.fields += kind == "field";
        if (kind == "mistake") ++(item.find("bits") != nullptr ? n.field_mistakes : n.mistakes);
        if (kind == "parameter" || kind == "element") count_json(item["fields"], n);
    }
}

TEST(StructuredJson, EveryFieldLineOfTheTextReportHasItsField) {
    const std::string input = generated_input(2000);
    Session session;
    session.settings.lang = Lang::English;
    session.settings.input = InputMode::File;
    std::string text, again, with_text, without_text;
    MultiRun run(session, [&text](std::string&& report) { text += report; });
    run.feed(input);
    run.finish();
    // The recorded run's text reports are those of the plain run, and the feed's renderings
    // (made with the text report, which its filter reads) are those of a file's (without).
    Rendering with(Format::Json), without(Format::Json);
    MultiRun recorded(
        session, [](std::string&&) {},
        [&](std::string_view message, const MessageAt&) {
            with.decode(session, message, FormatOutMessage(message), false, {}, with_text, &again);
            without.decode(session, message, {}, false, {}, without_text);
            return std::string();
        });
    recorded.feed(input);
    recorded.finish();
    EXPECT_TRUE(again == text);
    EXPECT_TRUE(with_text == without_text);

    const std::vector<Value> objects = json_of(Lang::English, input);
    Counts n;
    std::size_t declared = 0, failing = 0;
    for (const Value& v : objects) {
        count_json(v["frame"]["fields"], n);
        count_json(v["elements"], n);
        declared += static_cast<std::size_t>(v["mistakes"].integer);
        failing += validator().check(v).empty() ? 0 : 1;  // the schema holds for each
    }
    ASSERT_GT(objects.size(), 1600u);
    EXPECT_GT(n.fields, 20000u);
    EXPECT_GT(n.mistakes, 100u);
    EXPECT_GT(n.field_mistakes, 10u);
    const Counts t = text_counts(text);
    EXPECT_EQ(n.fields + n.field_mistakes, t.fields);
    EXPECT_EQ(n.mistakes, t.mistakes);
    EXPECT_EQ(n.mistakes + n.field_mistakes, declared);
    EXPECT_EQ(failing, 0u);
}

}  // namespace
}  // namespace tarn
