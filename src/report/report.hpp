// Report assembly and delivery: the hex dump of a message's title line, the framing of a
// run's report (heading, end mark), and the screen text with its size limit. The window
// and the command-line tool both deliver through these.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "report/text.hpp"

namespace tarn {

inline constexpr char kEtx = '\x03';
inline constexpr char kStx = '\x02';
// What ends every file or feed report: CR LF, ETX, CR LF.
inline constexpr std::string_view kReportEnd = "\r\n\x03\r\n";

// FormatOutMessage: the message's hex digits in groups of 16, each group preceded by one
// blank. The number of groups is length/16 rounded half to even, plus one, so a trailing
// empty group (one extra blank) appears when the length is a multiple of 16, when the
// remainder is 9 to 15, or 8 with an odd quotient.
std::string FormatOutMessage(std::string_view message);
// The same dump, appended to `out` (a buffer reused from message to message).
void append_message_dump(std::string& out, std::string_view message);

// Heading line of a report decoded from a file: "   REPORT (File: <path>)".
std::string file_heading(Lang lang, std::string_view path);
// Heading line of a report received from the feed: "   Vantix: <date>  <time>".
std::string feed_heading(std::string_view date, std::string_view time);

// Frames the messages' reports of a file or feed run: heading, CR LF, body, CR LF ETX CR LF.
std::string frame_report(std::string_view heading, std::string_view body);
// The same, framing `body` where it stands: no second buffer of the report's size when the
// body's buffer has room for the frame (a buffer that grew by doubling mostly has).
std::string frame_report_in_place(std::string_view heading, std::string&& body);

// Reports of fewer than this many characters are empty: no decoder recognised the message.
inline constexpr std::size_t kMinReportChars = 10;
bool is_empty_report(std::string_view report);

// Case-insensitive search of the feed filter text (ASCII and Cyrillic letters).
bool contains_ignoring_case(std::string_view text, std::string_view what);

// Lower case of ASCII and Cyrillic letters in a UTF-8 text (used for the filter).
std::string fold_case(std::string_view utf8);

}  // namespace tarn
