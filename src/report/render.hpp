// The machine-readable renderings: one JSON object per message (JSON Lines, the schema is
// docs/tarn-decode.schema.json), written by a sink of its own as the lines are made; and
// one tab-separated summary line per recorded message, like a capture tool's packet list.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/record.hpp"

namespace tarn {

// Where a message stands in its input.
struct MessageSource {
    bool has_file = false;
    std::string_view file;  // the input as the report heading names it ("-": standard input)
    long report = -1;       // feed: the number of the received report, from 1
    std::size_t index = 0;  // the message's number among the messages of its input, from 1
    std::size_t line = 0;   // the input line its first group stands on, from 1
};

// The JSON rendering as a sink of its own: each line is written into the message's object
// as the decoder makes it, so no record is kept. begin() before each message (with the
// text report the context writes), end() after it.
class JsonLines final : public LineSink {
public:
    void begin(const std::string* report);
    // Appends the message's JSON object and "\n" to `out` when a decoder recognised it.
    // `hex` is the message's hex digits.
    void end(std::string& out, std::string_view hex, const MessageSource& at);

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
    class Writer;
    // Room for an item beyond the bytes of its texts: its member names and numbers.
    static constexpr std::size_t kItem = 160;

    struct Buffer {
        std::vector<char> data;  // kept from message to message
        std::size_t used = 0;
        char* room(std::size_t n) {
            if (used + n > data.size()) grow(n);
            return data.data() + used;
        }
        void grow(std::size_t n);
    };
    // An element whose opening waits for its name (the first lines of its decoder).
    struct Open {
        unsigned code = 0;
        long length = -1;
        bool mandatory = false;
        bool implicit = false;
        bool named = false;
        bool written = false;
        bool first = true;  // no field written into it yet
        Span name;
        Span contents;
    };

    Span keep(std::string_view s);
    std::string_view str(Span s) const;
    Buffer& target();
    Open* nameable();
    void push(const Element& e, bool implicit);
    void close();
    void open_written(std::size_t index);
    void separate(bool& first);
    Writer item(std::size_t size);
    void done(const Writer& w);
    void write_mistake(std::string_view text, const FieldLine* as_field);

    const std::string* report_ = nullptr;
    Protocol protocol_ = Protocol::None;
    Lang lang_ = Lang::Russian;
    FrameFacts facts_;
    bool has_type_ = false;
    unsigned type_code_ = 0;
    Span type_name_;
    std::string acronym_;
    bool in_frame_ = true;
    Buffer* current_ = nullptr;  // where the item being written goes
    Buffer frame_;               // the frame's lines
    Buffer body_;                // the elements and the lines between them
    bool frame_first_ = true;
    bool body_first_ = true;
    std::vector<Open> open_;
    std::string pending_;  // texts not in the report (contents), until the message ends
    std::vector<char> head_;
    std::size_t mistakes_ = 0;
};

// What the summary shows of a message beyond its frame, read from its fields: the address
// signals of the called and calling party numbers, the cause value with its text.
struct SummaryFacts {
    std::string_view called;
    std::string_view calling;
    long cause = -1;
    std::string_view cause_text;
};
SummaryFacts summary_facts(const MessageRecord& record);

// The summary's column names, tab-separated, with "\n".
std::string_view summary_header();
// Appends the message's summary line: `row` (its number in the summary, from 1), then the
// columns of summary_header().
void append_summary(std::string& out, const MessageRecord& record, std::size_t row);

}  // namespace tarn
