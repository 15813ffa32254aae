// The machine-readable renderings of a recorded message: one JSON object per message
// (JSON Lines, the schema is docs/tarn-decode.schema.json), and one tab-separated summary
// line per message, like a capture tool's packet list.
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

// Writes one JSON object per message.
class JsonLines {
public:
    // Appends the message's JSON object and "\n". `hex` is the message's hex digits.
    void append(std::string& out, const MessageRecord& record, std::string_view hex, const MessageSource& at);

private:
    std::vector<char> buffer_;  // room for one message's object, kept from message to message
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
