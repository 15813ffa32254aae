// The decoding context of one message: the language, the mode, the title text and the
// report lines written so far. Every report line is built here; decoders say which bits
// and which texts, never how many dots.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "report/element.hpp"
#include "report/field.hpp"
#include "report/sink.hpp"
#include "report/text.hpp"

namespace tarn {

inline constexpr std::string_view kCrLf = "\r\n";

// The label of a spare field (its line has no value).
inline constexpr Label kSpare{" Spare......................... ", " Резерв........................ "};

// The MISTAKE text of an element or parameter whose contents do not match its format.
inline constexpr Text kInvalidFormat{"Invalid element format", "недопустимый формат элемента"};

// How a field reads when the end of the contents cuts it (its bit text is shorter than
// its width): by the value of the bits that are there (none read 0), or as no value at
// all, showing the text of its table's last row (Field::last_row).
enum class Cut { Value, LastRow };

// How an element or parameter opens its lines.
enum class Opening {
    Header,       // identification line, title line, length line; then the length check
    Title,        // the title line alone (a mandatory fixed ISUP parameter)
    TitleLength,  // title line and length line; then the length check
    ByPlace,      // Title without a length octet, Header with one (ISUP 09, 11)
    None,         // nothing: the decoder prints its own opening
};

// The buffer a context appends its report to (the buffer of a run, not a copy of it).
struct AppendTo {
    std::string& out;
};

class Context {
public:
    // `title` is what the message title line shows: the typed text in single-message
    // mode, the hex dump of the message in multi-message mode.
    Context(Lang lang, bool single, std::string title)
        : lang_(lang), single_(single), own_title_(std::move(title)), title_(own_title_) {}
    // The same, writing the report into `buffer` (emptied first): a run that decodes many
    // messages keeps one buffer and its memory (take_screen gives it back).
    Context(Lang lang, bool single, std::string title, std::string buffer)
        : lang_(lang),
          single_(single),
          own_title_(std::move(title)),
          title_(own_title_),
          own_(std::move(buffer)) {
        own_.clear();
    }
    // The report goes into `out`, after the text it already holds: the buffer of a run,
    // reused from message to message, which gets every message's report in turn. `title`
    // and `out` outlive the context.
    Context(Lang lang, bool single, std::string_view title, AppendTo to)
        : lang_(lang), single_(single), title_(title), screen_(to.out), start_(to.out.size()) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Lang lang() const { return lang_; }
    bool english() const { return lang_ == Lang::English; }
    bool single() const { return single_; }
    std::string_view title() const { return title_; }
    std::string_view t(Text text) const { return text.pick(lang_); }

    // The report of this message (txtScreen), CR LF after every line.
    // (The caller's whole buffer when the report goes into it.)
    const std::string& screen() const { return screen_; }
    // The report of this message alone.
    std::string_view report() const { return std::string_view(screen_).substr(start_); }
    std::string take_screen() { return &screen_ == &own_ ? std::move(own_) : std::string(report()); }

    // --- the structured sink ---
    // With a sink attached, every line builder also tells it what the line holds; the text
    // report stays the same, or, without `text`, is not written at all (a run that wants the
    // structured rendering alone). Null detaches it.
    void attach(LineSink* sink, bool text = true) {
        sink_ = sink;
        text_ = text || sink == nullptr;
    }
    LineSink* sink() const { return sink_; }
    bool structured() const { return sink_ != nullptr; }
    // Hands `e` to `decoder`; a sink hears which lines belong to the element.
    void decode(Decoder decoder, const Element& e) {
        if (sink_ == nullptr) {
            decoder(*this, e);
            return;
        }
        sink_->enter(e);
        decoder(*this, e);
        sink_->leave();
    }
    // The facts of the frame no single line carries; only a sink hears them.
    void frame(const FrameFacts& facts) {
        if (sink_ != nullptr) sink_->frame(facts);
    }

    // --- line building ---
    // Appends the pieces and CR LF as one line.
    void line(std::string_view text);
    template <typename... Pieces>
    void line(std::string_view first, Pieces... rest) {
        if (sink_ != nullptr) [[unlikely]] {
            structured_line({first, std::string_view(rest)...});
            return;
        }
        screen_ += first;
        (screen_.append(std::string_view(rest)), ...);
        screen_ += kCrLf;
    }

    // The two lines that open a message of `protocol`: an empty line, then `heading` and
    // the title text.
    void message_title(Protocol protocol, Text heading);
    // The message type line (subTYPE): the type octet's bits, " Message Type......" and
    // the name; `acronym` is the type's short name, told to the sink only.
    void message_type(unsigned code, Text label, std::string_view name, std::string_view acronym);

    // A field line of bits `hi` down to `lo` (8 = most significant) of the octet whose
    // bit text is `bits8`: one blank, a dot for every bit left of the field, the field's
    // bits, a dot for every bit right of it, the label, the value. A cut octet has a
    // shorter (or empty) bit text, and its field prints the bits that are there.
    void field(std::string_view bits8, int hi, int lo, Text label, std::string_view value = {});
    void field(std::string_view bits8, int hi, int lo, Text label, Text value) {
        field(bits8, hi, lo, label, t(value));
    }
    // The line of `f` read from the octet whose bit text is `bits8`: the text of the value
    // of its bits; `cut` says how a field cut by the end of the contents reads. Nothing
    // when the field belongs to the other reading.
    void field(std::string_view bits8, const Field& f, Cut cut = Cut::Value);
    // The lines of the fields of one octet, in table order.
    void fields(std::string_view bits8, std::span<const Field> table, Cut cut = Cut::Value);

    // A line for whole octets: " ********", a 32-character label literal, the value.
    void octets(Text label, std::string_view value);
    // A contents line: " ********", the label, the hex digits and " Hex". Empty contents
    // give the label followed by "  Hex".
    void hex_line(Text label, std::string_view hex);

    // " MISTAKE: text" / " ОШИБКА: text".
    void mistake(Text what);

    // --- opening an element or parameter ---
    // The identification line: the identifier bits, " Mandatory parameter..........." or
    // " Optional parameter............", the name (OptParam + TypeMess's first line).
    void identification(const Element& e, Text name, bool mandatory);
    // The three header lines: identification, the name alone, the length line. Mandatory
    // when the element is mandatory here.
    void header(const Element& e, Text name) { header(e, name, e.mandatory); }
    void header(const Element& e, Text name, bool mandatory);
    // The length line alone: the length octet's bits and the length in octets.
    void length_line(const Element& e);
    // True when the contents hold every octet the length octet announces; otherwise
    // writes the invalid-format MISTAKE line.
    bool length_ok(const Element& e);
    // True when the contents hold at least `octets` whole octets; otherwise writes the
    // invalid-format MISTAKE line.
    bool holds(const Element& e, std::size_t octets);
    // Writes the opening `how`, then checks the length (for openings that show it) and
    // that at least `min_octets` are there. False, after the MISTAKE line, when nothing
    // more of the element may be decoded.
    bool open(const Element& e, Text name, Opening how, std::size_t min_octets = 0);

private:
    // A title line: the element's name alone.
    void title_line(Text name);

    // --- the text of each line ---
    void put_field(std::string_view bits8, int hi, int lo, std::string_view label, std::string_view value);
    void put_identification(const Element& e, Text name, bool mandatory);
    void put_mistake(Text what);
    void put_length(const Element& e);

    // --- the same with a sink: the text when it is kept, then what the line holds ---
    void structured_line(std::initializer_list<std::string_view> pieces);
    void structured_field(std::string_view bits8, int hi, int lo, Text label, std::string_view value);
    // A whole-octet line: " ********", the label, the value made of `value` (and " Hex").
    void structured_octets(Text label, std::string_view value, bool hex);
    void structured_text_line(std::string_view text, bool title);
    // The last `size` bytes of the report before the CR LF that ends it.
    std::string_view ending(std::size_t size) const;

    Lang lang_;
    bool single_;
    std::string own_title_;
    std::string_view title_;
    std::string own_;  // the report, unless it goes into the caller's buffer
    std::string& screen_ = own_;
    std::size_t start_ = 0;  // where this message's report begins in screen_
    LineSink* sink_ = nullptr;
    bool text_ = true;     // the text report is written
    std::string scratch_;  // a line made of pieces, for a sink when the text is not written
};

// The bits hi..lo (8 = most significant) of an octet's bit text, shorter near its end.
std::string_view bits_of(std::string_view bits8, int hi, int lo);

}  // namespace tarn
