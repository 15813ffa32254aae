// A decoded message as data, recorded from the line builders through the structured sink:
// the frame's facts and lines, then the elements or parameters in order with their
// fields, MISTAKE lines and other lines, nested where a walk runs inside an element (the
// DSS1 elements of an ISUP Access transport). The summary reads it; and the ways of
// reading report lines back into their parts, which the JSON Lines sink shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/sink.hpp"

namespace tarn {

// A piece of the record's text, or of the message's text report (kInReport set in `at`).
struct Span {
    static constexpr std::uint32_t kInReport = 0x80000000U;
    std::uint32_t at = 0;
    std::uint32_t size = 0;
};

struct RecordItem {
    enum class Kind : std::uint8_t {
        Field,    // column, name, name_en, raw, text
        Mistake,  // text: what is wrong; a MISTAKE line laid out as a field also has
                  // column, raw and shown
        Text,     // text: any other line (octet headings, notes)
        Element,  // code, name, mandatory, length, contents; its lines are the items up to `end`
    };
    Kind kind = Kind::Text;
    bool mandatory = false;
    bool named = false;     // element: its name has been written
    bool implicit = false;  // element: opened by a second identification line, not by a walk
    bool as_field = false;  // mistake: the MISTAKE line is laid out as a field
    unsigned code = 0;
    long length = -1;  // element: the length octet's value; -1 without one
    long raw = -1;     // field: the integer of its bits; -1 when it is not one
    std::uint8_t column_size = 0;
    char column[8] = {};  // the bit column (fields, and MISTAKE lines laid out as fields)
    Span name;
    Span name_en;  // the English name (the name itself in an English report)
    Span text;     // field: value text; mistake and text: the line's text; element: contents
    Span shown;
    std::uint32_t end = 0;  // element: index past its last item
};

struct MessageRecord {
    Protocol protocol = Protocol::None;
    Lang lang = Lang::Russian;
    FrameFacts facts;
    bool has_type = false;
    unsigned type_code = 0;
    Span type_name;
    Span acronym;
    std::size_t frame_end = 0;  // the top-level items before it are the frame's lines
    std::size_t mistakes = 0;   // MISTAKE lines, nested ones included
    std::vector<RecordItem> items;
    std::string text;         // the texts not in the report (contents, English names)
    std::string_view report;  // the message's text report, while it lasts

    std::string_view str(Span s) const {
        if ((s.at & Span::kInReport) != 0) return report.substr(s.at & ~Span::kInReport, s.size);
        return std::string_view(text).substr(s.at, s.size);
    }
    static std::string_view column_of(const RecordItem& item) { return {item.column, item.column_size}; }
    void clear();
};

// The sink that records one message at a time. clear() before each message, finish() after
// it; the record's memory is reused from message to message. Given the text report the
// context writes (Context::screen()), the record points into it instead of copying what
// the lines show; the record is then good while that report lasts unchanged.
class Recorder final : public LineSink {
public:
    void clear(const std::string* report = nullptr);
    const MessageRecord& finish();
    const MessageRecord& record() const { return rec_; }

    void message(Protocol protocol, Lang lang) override;
    void frame(const FrameFacts& facts) override;
    void message_type(unsigned code, std::string_view name, std::string_view acronym) override;
    void enter(const Element& e) override;
    void leave() override;
    void identification(const Element& e, std::string_view name, bool mandatory) override;
    void title(std::string_view name) override;
    void length(const Element& e) override;
    void field(const FieldLine& line) override;
    void mistake(std::string_view text) override;
    void line(std::string_view text) override;

private:
    Span keep(std::string_view s);
    RecordItem& add(RecordItem::Kind kind);
    RecordItem* innermost();
    void open_element(const Element& e, bool implicit);
    void close_element();
    void end_frame();
    void add_mistake(std::string_view text, const FieldLine* as_field);
    void add_field(const FieldLine& line);
    static void set_column(RecordItem& item, std::string_view column);

    MessageRecord rec_;
    const std::string* report_ = nullptr;
    std::vector<std::uint32_t> open_;  // open elements, innermost last
    bool in_frame_ = true;
};

// --- reading report lines ---
// The name of a label without its dot leader and blanks: " Odd/even indicator............ "
// gives "Odd/even indicator". A dot that ends an abbreviation goes with the leader.
std::string_view label_name(std::string_view label);
// The MISTAKE prefix (" MISTAKE: " or " ОШИБКА: ") `line` begins with, or an empty view.
std::string_view mistake_prefix(std::string_view line);
// A line laid out as a field (one blank, a bit column of 1 to 8 of "01.*", one blank, the
// label, the value): its parts. False for any other line.
bool parse_field_line(std::string_view line, FieldLine& out);
// A line a decoder wrote as printed, read for what it holds: a MISTAKE line (`text`: its
// words after the prefix), a field line (`field`: its parts), or a plain text (`text`:
// trimmed; Empty when only blanks).
struct PlainLine {
    enum class Kind { Mistake, Field, Text, Empty };
    Kind kind = Kind::Empty;
    std::string_view text;
    FieldLine field;
};
PlainLine read_plain_line(std::string_view line);
// The integer of the 0/1 characters of a bit column; -1 for a whole-octet column or one
// without bits.
long column_value(std::string_view column);

}  // namespace tarn
