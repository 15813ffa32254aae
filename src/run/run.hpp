// The decoding run: a typed message checked and decoded alone, or a report text cut into
// messages (runs of 16-digit hex groups), each handed to the decoder of its protocol.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "report/context.hpp"
#include "run/session.hpp"
#include "run/tokens.hpp"

namespace tarn {

// The operator's input error, always in Russian.
inline constexpr std::string_view kBadInputTitle = "Некорректный ввод сообщения";
inline constexpr std::string_view kBadInputText = "Допустимые информационные символы: 0-9, A-F";

// Calls the DSS1 decoder for a message that begins with the Q.931 discriminator 08, the
// ISUP decoder for one whose first octet has the service indicator 0101 (second digit 5).
// True when one of them ran.
bool ProtocolDispatch(Context& ctx, std::string_view message);

// Decodes one message of a multi-message run: its report, with the hex dump as title.
std::string decode_message(Session& session, std::string_view message);
// The same report appended to `out`; `dump` is room for the hex dump of the title line.
// Both are buffers of the run, reused from message to message.
void decode_message(Session& session, std::string_view message, std::string& out, std::string& dump);

// Single-message mode. `box` is the typed text; leading and trailing blanks are removed
// from it in place. Blanks, CR and LF are dropped, letters upper-cased; any other
// character than 0-9/A-F rejects the message (valid = false) and nothing is decoded.
// The message digits of a typed text (already trimmed): blanks, CR and LF dropped, a-f
// upper-cased. Empty optional when any other character than 0-9/A-F/a-f is found.
std::optional<std::string> single_message_digits(std::string_view box);

struct SingleResult {
    bool valid = false;
    std::string report;  // the message's lines, no heading
};
SingleResult decode_single(Session& session, std::string& box);

// The longest message decoded, in hex digits: 4096 octets, 512 groups. The longest real
// signalling unit is far shorter (an ISUP message fills at most the 272-octet SIF of
// Q.703/Q.704 MTP, or the 4091-octet SIF of Q.2210 broadband MTP; a DSS1 message at most
// the 260-octet information field of a LAPD I frame), and the report of a message this
// long (at most about 200 report bytes for each hex digit, for ISUP parameters of two
// octets) stays within a few megabytes.
inline constexpr std::size_t kMaxMessageDigits = 8192;

// Room to reserve for the report of a text, per byte of text: some 12 bytes of report in
// English, 16 in Russian, rarely more; a buffer reserved so is not copied as it grows (its
// pages are touched only as the report is written).
inline constexpr std::size_t kReportPerText = 20;

// The line that ends the report of a message whose digits went on beyond the bound:
// " MISTAKE: Message too long: cut after N octets", CR LF (Russian " ОШИБКА: ...").
std::string message_cut_line(Lang lang, std::size_t octets);

// Where a message of a multi-message run stands in the text.
struct MessageAt {
    std::size_t index = 0;  // its number among the messages found, from 1
    std::size_t line = 0;   // the line (ended by LF) of its first group, from 1
    bool cut = false;       // groups beyond the bound were dropped
};

// Multi-message mode, streamed: text goes in by pieces of any size, and each message's
// report goes to the sink as soon as the message has ended. Memory stays bounded whatever
// the length of the text, of its tokens or of its messages: a message is decoded from its
// first `max_digits` digits (a whole number of groups), the groups beyond are dropped and
// its report ends with the message_cut_line (unless no decoder took the message).
class MultiRun {
public:
    using Sink = std::function<void(std::string&& report)>;
    // Turns one message's digits into its report; decode_message by default. Only a run
    // with its own Decode counts lines for the positions.
    using Decode = std::function<std::string(std::string_view message, const MessageAt& at)>;
    MultiRun(Session& session, Sink sink, Decode decode = {}, std::size_t max_digits = kMaxMessageDigits)
        : session_(session), sink_(std::move(sink)), decode_(std::move(decode)), max_digits_(max_digits) {}
    // The reports are appended to `out` instead, one after the other, without a copy; the
    // caller takes them out between feeds (the window's buffer, the tool's output blocks).
    MultiRun(Session& session, std::string& out, std::size_t max_digits = kMaxMessageDigits)
        : session_(session), out_(&out), max_digits_(max_digits) {}

    void feed(std::string_view text);
    void finish();  // ends the last token and the last message

    std::size_t messages() const { return messages_; }

private:
    void scan(const char* p, const char* end);
    void token(const char* first, std::size_t size);
    void group(const char* first, tokens::Group kind);
    void end_message();
    // The line of `at` in the piece being fed, counting the line ends up to it.
    std::size_t line_at(const char* at);

    Session& session_;
    Sink sink_;
    Decode decode_;
    std::string* out_ = nullptr;
    std::string report_;  // the report handed to the sink, reused
    std::string dump_;    // the hex dump of the message's title line, reused
    // A token that the end of a feed cut: its first 16 characters and its length so far.
    char token_[16] = {};
    std::size_t token_size_ = 0;
    std::size_t max_digits_;
    std::string txtM_;  // message being collected: whole 16-digit groups
    bool cut_ = false;  // groups of the message were dropped beyond max_digits_
    std::size_t messages_ = 0;
    std::size_t line_ = 1;           // lines counted so far, from 1
    const char* chunk_ = nullptr;    // the piece being fed
    const char* counted_ = nullptr;  // its line ends are counted up to here
    std::size_t message_line_ = 1;   // line where the message being collected began
};

// Decodes a whole report text in multi-message mode into session.txtBuffer.
void decode_multi(Session& session, std::string_view text);

// What a run hands to the faces for delivery.
struct Output {
    bool deliver = false;       // `report` goes to the screen and/or the output file
    bool clear_screen = false;  // an empty single-message report without Keep date
    std::string report;         // framed report text
};

// OUTSET: selects and frames the report of a run. In single-message mode `screen` is the
// message's lines; otherwise the report is taken from session.txtBuffer, which is emptied.
// `feed_heading_line` is the feed's heading, used in feed mode only.
Output OUTSET(Session& session, std::string screen, std::string_view feed_heading_line = {});

// START_DECODING over the text of the message box, with its delivery selected.
struct RunResult {
    bool valid = true;  // false: the typed message was rejected
    Output output;
};
RunResult START_DECODING(Session& session, std::string& box, std::string_view feed_heading_line = {});

}  // namespace tarn
