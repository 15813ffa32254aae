// The decoding context of one message: the language, the mode, the title text, the
// report lines written so far, and the walk state that the frame walks share with the
// element and parameter decoders. Every report line is built here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "report/text.hpp"

namespace tarn {

inline constexpr std::string_view kCrLf = "\r\n";

// The label of a spare field (its line has no value).
inline constexpr Text kSpare{" Spare......................... ", " Резерв........................ "};

// The MISTAKE text of an element or parameter whose contents do not match its format.
inline constexpr Text kInvalidFormat{"Invalid element format", "недопустимый формат элемента"};

// Presence flags set by the message rules and read by the element/parameter decoders.
// They live in the session, so they keep their values from one message to the next;
// the callers set each flag right before the decoder that reads it.
struct Flags {
    bool bCAUSE = false;     // DSS1 Cause element is mandatory in this message
    bool bChannel = false;   // DSS1 Channel identification is mandatory
    bool bProgress = false;  // DSS1 Progress indicator is mandatory / was found
    bool bUser = false;      // User-user is mandatory / was found
    bool bRestart = false;   // DSS1 Restart indicator was found
    bool bHigh = false;      // the element stands in a DSS1 message (not in ISUP)
    bool bSubcl_09 = false;  // ISUP parameter 09 stands as a mandatory fixed parameter
    bool bSubcl_11 = false;  // ISUP parameter 11 stands as a mandatory fixed parameter
};

class Context {
public:
    // `title` is what the message title line shows: the typed text in single-message
    // mode, the hex dump of the message in multi-message mode.
    Context(Lang lang, bool single, std::string title, Flags& flags)
        : flags(flags), lang_(lang), single_(single), title_(std::move(title)) {}

    Lang lang() const { return lang_; }
    bool english() const { return lang_ == Lang::English; }
    bool single() const { return single_; }
    const std::string& title() const { return title_; }
    std::string_view t(Text text) const { return text.pick(lang_); }

    // The report of this message (txtScreen), CR LF after every line.
    const std::string& screen() const { return screen_; }
    std::string take_screen() { return std::move(screen_); }

    // --- walk state shared by the frame walks and the decoders ---
    std::size_t n = 1;         // current position in the message text, 1-based, in hex digits
    std::string ind;           // identifier of the current element/parameter (two hex digits)
    std::string MN;            // the two hex digits of the current length octet
    std::size_t NN = 0;        // length of the current contents in hex digits
    std::string l;             // working text
    std::string txtBIN;        // bit text of the last BIN
    std::string message_type;  // ISUP message type code (two hex digits), set by the frame
    Flags& flags;

    // --- line building ---
    // Appends the pieces and CR LF as one line.
    void line(std::string_view text);
    template <typename... Pieces>
    void line(std::string_view first, Pieces... rest) {
        screen_ += first;
        (screen_.append(std::string_view(rest)), ...);
        screen_ += kCrLf;
    }

    // A field line of bits `hi` down to `lo` (8 = most significant) of the octet whose
    // bit text is `bits8`: one blank, a dot for every bit left of the field, the field's
    // bits, a dot for every bit right of it, the label, the value. The label literal is
    // the 32-character " Name.......................... " form (blank, 30-character name
    // with its dot leader, blank), so no decoder counts dots.
    void field(std::string_view bits8, int hi, int lo, Text label, std::string_view value = {});
    void field(std::string_view bits8, int hi, int lo, Text label, Text value) {
        field(bits8, hi, lo, label, t(value));
    }

    // A line for whole octets: " ********", a 32-character label literal, the value.
    void octets(Text label, std::string_view value);

    // " MISTAKE: text" / " ОШИБКА: text".
    void mistake(Text what);

    // dlina: reads a length octet (two hex digits) into MN, txtBIN and NN.
    // Returns false, changing nothing, when fewer than two digits are given.
    bool dlina(std::string_view length_octet);

    // The three header lines of an element or optional parameter: identifier bits with
    // "Optional parameter" or "Mandatory parameter" and the name, the name alone, the
    // length octet bits with the length in octets. Uses `ind`, `txtBIN` and `NN`.
    void header(Text name, bool mandatory = false);

    // The length line alone: length octet bits from `txtBIN`, the length in octets from `NN`.
    void length_line();

    // After the header: true when the contents have the announced NN digits; otherwise
    // writes the invalid-format MISTAKE line and returns false.
    bool length_ok(std::string_view contents);

    // True when the contents hold at least `digits` hex digits (a fixed-format parameter's
    // octets); otherwise writes the invalid-format MISTAKE line and returns false.
    bool holds(std::string_view contents, std::size_t digits);

private:
    Lang lang_;
    bool single_;
    std::string title_;
    std::string screen_;
};

// The bits hi..lo (8 = most significant) of an octet's bit text, shorter near its end.
std::string_view bits_of(std::string_view bits8, int hi, int lo);

// OptParam: the bits of the current identifier octet `ctx.ind`.
std::string OptParam(const Context& ctx);

// TypeMess: the three header lines of an ISUP optional parameter named `name`
// (identifier bits with "Optional parameter", the name, the length line).
inline void TypeMess(Context& ctx, Text name) {
    ctx.header(name, false);
}

}  // namespace tarn
