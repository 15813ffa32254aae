#include "report/render.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "report/convert.hpp"

namespace tarn {

namespace {

using Kind = RecordItem::Kind;

// Characters a JSON string cannot hold as they are.
constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> table{};
    for (std::size_t c = 0; c < 0x20; ++c) table[c] = true;
    table['"'] = table['\\'] = true;
    return table;
}();

// The bytes of `x` that a JSON string cannot hold as they are (control characters,
// quotation mark, reverse solidus) have their high bit set in the result; 0 when there
// are none. UTF-8 bytes (0x80 and above) never count.
constexpr std::uint64_t special_bytes(std::uint64_t x) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    const std::uint64_t quote = x ^ (kOnes * '"');
    const std::uint64_t solidus = x ^ (kOnes * '\\');
    const std::uint64_t below_blank = (x - kOnes * 0x20) & ~x;
    return (below_blank | ((quote - kOnes) & ~quote) | ((solidus - kOnes) & ~solidus)) & kHigh;
}
static_assert(special_bytes(0x2020202020202020ULL) == 0 && special_bytes(0x4142434445464748ULL) == 0);
static_assert(special_bytes(0xD0BED0BED0BED0BEULL) == 0);  // Cyrillic in UTF-8
static_assert(special_bytes(0x4142434445464722ULL) != 0 && special_bytes(0x5C42434445464748ULL) != 0);
static_assert(special_bytes(0x414243440A464748ULL) != 0 && special_bytes(0x4142434445464700ULL) != 0);

}  // namespace

// Writes JSON into a buffer known to have room for the item (kItem bytes and six for every
// byte of its texts), so that no piece is checked for room.
class JsonLines::Writer {
public:
    explicit Writer(char* at) : p_(at) {}
    char* end() const { return p_; }

    template <std::size_t N>
    void lit(const char (&text)[N]) {
        std::memcpy(p_, text, N - 1);
        p_ += N - 1;
    }
    void raw(std::string_view s) {
        std::memcpy(p_, s.data(), s.size());
        p_ += s.size();
    }
    // The characters of a string, escaped (at most six bytes for one). A string without a
    // character to escape, nearly every one, is checked and copied eight bytes at a time.
    void escaped(std::string_view s) {
        if (!copy_plain(s.data(), s.size())) escape_each(s);
    }
    void number(long value) {
        if (value >= 0 && value < 10) {  // most field values
            *p_++ = static_cast<char>('0' + value);
            return;
        }
        p_ = std::to_chars(p_, p_ + kNumber, value).ptr;
    }
    // A count or a code; null when the message did not hold it (-1).
    void optional(long value) {
        if (value < 0) {
            lit("null");
        } else {
            number(value);
        }
    }

    static constexpr std::size_t kNumber = 24;

private:
    [[gnu::noinline]] void escape_each(std::string_view s) {
        static constexpr char kHex[] = "0123456789abcdef";
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            if (!kEscaped[c]) {
                *p_++ = ch;
                continue;
            }
            *p_++ = '\\';
            switch (c) {
                case '"':
                case '\\':
                    *p_++ = ch;
                    break;
                case '\n':
                    *p_++ = 'n';
                    break;
                case '\r':
                    *p_++ = 'r';
                    break;
                case '\t':
                    *p_++ = 't';
                    break;
                default:
                    lit("u00");
                    *p_++ = kHex[c >> 4];
                    *p_++ = kHex[c & 15];
            }
        }
    }

    // Copies `size` bytes when none needs escaping; false, with nothing written, otherwise.
    // Eight bytes are copied and checked at a time (the last eight overlapping the ones
    // before); the buffer has room beyond the cursor, so a string that needs escaping only
    // leaves bytes that the escaped form overwrites.
    bool copy_plain(const char* data, std::size_t size) {
#if defined(__SSE2__)
        if (size >= 16) {
            // Sixteen bytes at a time: control characters (unsigned <= 0x1F), quotation
            // marks and reverse solidi.
            const __m128i control = _mm_set1_epi8(0x1F);
            const __m128i quote = _mm_set1_epi8('"');
            const __m128i solidus = _mm_set1_epi8('\\');
            __m128i found = _mm_setzero_si128();
            auto take = [&](std::size_t at) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(p_ + at), v);
                found = _mm_or_si128(found, _mm_cmpeq_epi8(_mm_min_epu8(v, control), v));
                found =
                    _mm_or_si128(found, _mm_or_si128(_mm_cmpeq_epi8(v, quote), _mm_cmpeq_epi8(v, solidus)));
            };
            std::size_t i = 0;
            for (; i + 16 <= size; i += 16) take(i);
            if (i < size) take(size - 16);  // the last bytes, overlapping
            if (_mm_movemask_epi8(found) != 0) return false;
            p_ += size;
            return true;
        }
#endif
        std::uint64_t found = 0;
        std::uint64_t x;
        if (size >= 8) {
            std::size_t i = 0;
            for (; i + 8 <= size; i += 8) {
                std::memcpy(&x, data + i, 8);
                std::memcpy(p_ + i, &x, 8);
                found |= special_bytes(x);
            }
            if (i < size) {
                std::memcpy(&x, data + size - 8, 8);
                std::memcpy(p_ + size - 8, &x, 8);
                found |= special_bytes(x);
            }
        } else {
            x = 0x2020202020202020ULL;  // blanks are plain
            for (std::size_t i = 0; i < size; ++i) {
                p_[i] = data[i];
                x = (x << 8) | static_cast<unsigned char>(data[i]);
            }
            found = special_bytes(x);
        }
        if (found != 0) return false;
        p_ += size;
        return true;
    }

    char* p_;
};

namespace {

std::string_view protocol_name(Protocol p) {
    return p == Protocol::Isup ? "isup" : p == Protocol::Dss1 ? "dss1" : "";
}

// The recommendation the report follows: for ISUP the language picks it.
std::string_view reading(Protocol protocol, Lang lang) {
    if (protocol == Protocol::Dss1) return "ets300102";
    return lang == Lang::English ? "q767" : "isup-r";
}

// The first top-level element with identifier `code`, or the items' size.
std::size_t find_element(const MessageRecord& r, unsigned code) {
    for (std::size_t i = r.frame_end; i < r.items.size();) {
        const RecordItem& it = r.items[i];
        if (it.kind != Kind::Element) {
            ++i;
            continue;
        }
        if (it.code == code) return i;
        i = it.end > i ? it.end : i + 1;
    }
    return r.items.size();
}

// The address signals of a number element: its last whole-octet line.
std::string_view digits_of(const MessageRecord& r, unsigned code) {
    const std::size_t at = find_element(r, code);
    if (at == r.items.size()) return {};
    std::string_view digits;
    for (std::size_t i = at + 1; i < r.items[at].end; ++i) {
        const RecordItem& it = r.items[i];
        if (it.kind == Kind::Field && MessageRecord::column_of(it) == "********") digits = r.str(it.text);
    }
    return digits;
}

// The English names compare without regard to ASCII case ("Cause value", "Cause Value").
bool same_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower_ascii(a[i]) != lower_ascii(b[i])) return false;
    }
    return true;
}

// Identifiers of the elements the summary reads, per protocol.
struct SummaryCodes {
    unsigned called;
    unsigned calling;
    unsigned cause;
};
constexpr SummaryCodes kIsupCodes{0x04, 0x0A, 0x12};  // Q.763 3.9, 3.10, 3.12
constexpr SummaryCodes kDss1Codes{0x70, 0x6C, 0x08};  // ETS 300 102-1 4.5.8, 4.5.6, 4.5.5

void put_int(std::string& out, long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

// A summary cell: tabs and line breaks would break the columns.
void put_cell(std::string& out, std::string_view s) {
    for (char c : s) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void put_cell_number(std::string& out, long value) {
    if (value >= 0) put_int(out, value);
}

}  // namespace

// --- JSON Lines ---

void JsonLines::Buffer::grow(std::size_t n) {
    data.resize(std::max(2 * data.size(), used + n + 4096));
}

JsonLines::Buffer& JsonLines::target() {
    return in_frame_ && open_.empty() ? frame_ : body_;
}

Span JsonLines::keep(std::string_view s) {
    if (report_ != nullptr) {
        const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(report_->data());
        const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(s.data());
        if (at >= base && at + s.size() <= base + report_->size())
            return Span{static_cast<std::uint32_t>(at - base) | Span::kInReport,
                        static_cast<std::uint32_t>(s.size())};
    }
    const Span span{static_cast<std::uint32_t>(pending_.size()), static_cast<std::uint32_t>(s.size())};
    pending_ += s;
    return span;
}

std::string_view JsonLines::str(Span s) const {
    if ((s.at & Span::kInReport) != 0)
        return std::string_view(*report_).substr(s.at & ~Span::kInReport, s.size);
    return std::string_view(pending_).substr(s.at, s.size);
}

void JsonLines::begin(const std::string* report) {
    report_ = report;
    protocol_ = Protocol::None;
    facts_ = FrameFacts{};
    has_type_ = false;
    type_name_ = {};
    acronym_.clear();
    in_frame_ = true;
    frame_.used = 0;
    body_.used = 0;
    frame_first_ = body_first_ = true;
    open_.clear();
    pending_.clear();
    mistakes_ = 0;
}

// Writes the opening of the element `o` (all but its fields and their end) when it has not
// been written, and that of the elements around it first.
void JsonLines::open_written(std::size_t index) {
    Open& o = open_[index];
    if (o.written) return;
    if (index > 0) {
        open_written(index - 1);
        separate(open_[index - 1].first);
    } else {
        separate(body_first_);
    }
    Buffer& b = body_;
    const std::string_view name = str(o.name);
    const std::string_view contents = str(o.contents);
    Writer w(b.room(kItem + 6 * (name.size() + contents.size())));
    // ISUP parameters at the top; the DSS1 elements an ISUP parameter carries inside it.
    if (index == 0 && protocol_ == Protocol::Isup) {
        w.lit("{\"kind\":\"parameter\",\"code\":");
    } else {
        w.lit("{\"kind\":\"element\",\"code\":");
    }
    w.number(static_cast<long>(o.code));
    if (o.named) {
        w.lit(",\"name\":\"");
        w.escaped(name);
        w.lit("\"");
    } else {
        w.lit(",\"name\":null");
    }
    if (o.mandatory) {
        w.lit(",\"mandatory\":true,\"length\":");
    } else {
        w.lit(",\"mandatory\":false,\"length\":");
    }
    w.optional(o.length);
    w.lit(",\"contents\":\"");
    w.escaped(contents);
    w.lit("\",\"fields\":[");
    b.used = static_cast<std::size_t>(w.end() - b.data.data());
    o.written = true;
}

void JsonLines::separate(bool& first) {
    if (!first) {
        Buffer& b = target();
        *b.room(1) = ',';
        ++b.used;
    }
    first = false;
}

// Room in the list the next item goes to, after its comma: the fields of the innermost
// element, or the frame's or the message's list.
JsonLines::Writer JsonLines::item(std::size_t size) {
    bool* first = nullptr;
    if (!open_.empty()) {
        if (!open_.back().written) open_written(open_.size() - 1);
        first = &open_.back().first;
        current_ = &body_;
    } else if (in_frame_) {
        first = &frame_first_;
        current_ = &frame_;
    } else {
        first = &body_first_;
        current_ = &body_;
    }
    char* p = current_->room(kItem + 6 * size + 1);
    if (!*first) *p++ = ',';
    *first = false;
    return Writer(p);
}

void JsonLines::done(const Writer& w) {
    current_->used = static_cast<std::size_t>(w.end() - current_->data.data());
}

void JsonLines::message(Protocol protocol, Lang lang) {
    protocol_ = protocol;
    lang_ = lang;
}

void JsonLines::frame(const FrameFacts& facts) {
    facts_ = facts;
}

void JsonLines::message_type(unsigned code, std::string_view name, std::string_view acronym) {
    has_type_ = true;
    type_code_ = code;
    type_name_ = keep(trim(name, " "));
    acronym_.assign(trim(acronym, " "));
    in_frame_ = false;
}

void JsonLines::enter(const Element& e) {
    push(e, false);
}

void JsonLines::push(const Element& e, bool implicit) {
    if (!open_.empty()) open_written(open_.size() - 1);  // the outer element is written first
    in_frame_ = false;
    Open o;
    o.code = e.id;
    o.length = e.has_length ? static_cast<long>(e.length) : -1;
    o.mandatory = e.mandatory;
    o.implicit = implicit;
    o.contents = keep(e.hex());
    open_.push_back(o);
}

void JsonLines::close() {
    open_written(open_.size() - 1);
    Buffer& b = body_;
    *b.room(2) = ']';
    b.data[b.used + 1] = '}';
    b.used += 2;
    open_.pop_back();
}

void JsonLines::leave() {
    while (!open_.empty() && open_.back().implicit) close();
    if (!open_.empty()) close();
}

// The innermost element while its name can still be given.
JsonLines::Open* JsonLines::nameable() {
    return open_.empty() || open_.back().named || open_.back().written ? nullptr : &open_.back();
}

void JsonLines::identification(const Element& e, std::string_view name, bool mandatory) {
    // A second identification inside a named element (a decoder that writes the header of
    // an element it carries) opens an element of its own.
    if (nameable() == nullptr) push(e, true);
    Open& o = open_.back();
    o.name = keep(trim(name, " "));
    o.named = true;
    o.mandatory = mandatory;
}

void JsonLines::title(std::string_view name) {
    if (Open* o = nameable()) {
        o->name = keep(trim(name, " "));
        o->named = true;
        return;
    }
    line(name);
}

void JsonLines::length(const Element& e) {
    if (!open_.empty() && !open_.back().written && open_.back().length < 0 && e.has_length)
        open_.back().length = static_cast<long>(e.length);
}

void JsonLines::field(const FieldLine& line) {
    if (const std::string_view prefix = mistake_prefix(line.label); !prefix.empty()) {
        write_mistake(label_name(line.label.substr(prefix.size())), &line);
        return;
    }
    const std::string_view name = label_name(line.label);
    const std::string_view text = trim(line.text, " ");
    Writer w = item(name.size() + text.size() + line.column.size());
    w.lit("{\"kind\":\"field\",\"bits\":\"");
    w.escaped(line.column);
    w.lit("\",\"name\":\"");
    w.escaped(name);
    w.lit("\",\"value\":");
    w.optional(line.raw);
    w.lit(",\"text\":\"");
    w.escaped(text);
    w.lit("\"}");
    done(w);
}

void JsonLines::mistake(std::string_view text) {
    write_mistake(trim(text, " "), nullptr);
}

void JsonLines::write_mistake(std::string_view text, const FieldLine* as_field) {
    const std::string_view shown = as_field != nullptr ? trim(as_field->text, " ") : std::string_view{};
    Writer w = item(text.size() + shown.size() + (as_field != nullptr ? as_field->column.size() : 0));
    w.lit("{\"kind\":\"mistake\",\"text\":\"");
    w.escaped(text);
    if (as_field != nullptr) {
        w.lit("\",\"bits\":\"");
        w.escaped(as_field->column);
        w.lit("\",\"value\":");
        w.optional(as_field->raw);
        w.lit(",\"shown\":\"");
        w.escaped(shown);
    }
    w.lit("\"}");
    done(w);
    ++mistakes_;
}

void JsonLines::line(std::string_view text) {
    const PlainLine read = read_plain_line(text);
    if (read.kind == PlainLine::Kind::Mistake) {
        write_mistake(read.text, nullptr);
        return;
    }
    if (read.kind == PlainLine::Kind::Field) {
        field(read.field);
        return;
    }
    if (read.kind == PlainLine::Kind::Empty) return;
    const std::string_view shown = read.text;
    // An element whose decoder writes its title as a plain line is named by it.
    if (Open* o = nameable()) {
        o->name = keep(shown);
        o->named = true;
        return;
    }
    Writer w = item(shown.size());
    w.lit("{\"kind\":\"text\",\"text\":\"");
    w.escaped(shown);
    w.lit("\"}");
    done(w);
}

void JsonLines::end(std::string& out, std::string_view hex, const MessageSource& at) {
    while (!open_.empty()) close();
    if (protocol_ == Protocol::None) return;
    const std::string_view type_name = str(type_name_);
    std::vector<char>& head = head_;
    const std::size_t room = 768 + 6 * (hex.size() + at.file.size() + type_name.size() + acronym_.size());
    if (head.size() < room) head.resize(room);
    Writer w(head.data());
    w.lit("{\"input\":{\"file\":");
    if (at.has_file) {
        w.lit("\"");
        w.escaped(at.file);
        w.lit("\"");
    } else {
        w.lit("null");
    }
    w.lit(",\"report\":");
    w.optional(at.report);
    w.lit(",\"index\":");
    w.number(static_cast<long>(at.index));
    w.lit(",\"line\":");
    w.number(static_cast<long>(at.line));
    w.lit("},\"protocol\":\"");
    w.raw(protocol_name(protocol_));
    w.lit("\",\"reading\":\"");
    w.raw(reading(protocol_, lang_));
    w.lit("\",\"lang\":\"");
    w.raw(lang_ == Lang::English ? "en" : "ru");
    w.lit("\",\"hex\":\"");
    w.escaped(hex);
    w.lit("\",\"frame\":{");
    if (protocol_ == Protocol::Isup) {
        w.lit("\"network_indicator\":");
        w.optional(facts_.network_indicator);
        w.lit(",\"dpc\":");
        w.optional(facts_.dpc);
        w.lit(",\"opc\":");
        w.optional(facts_.opc);
        w.lit(",\"sls\":");
        w.optional(facts_.sls);
        w.lit(",\"cic\":");
        w.optional(facts_.cic);
    } else {
        w.lit("\"call_reference\":{\"length\":");
        w.optional(facts_.call_reference_length);
        w.lit(",\"value\":");
        w.optional(facts_.call_reference);
        w.lit(",\"flag\":");
        w.optional(facts_.flag);
        w.lit("}");
    }
    if (has_type_) {
        w.lit(",\"message_type\":{\"code\":");
        w.number(static_cast<long>(type_code_));
        w.lit(",\"name\":\"");
        w.escaped(type_name);
        w.lit("\",\"acronym\":\"");
        w.escaped(acronym_);
        w.lit("\"}");
    } else {
        w.lit(",\"message_type\":null");
    }
    w.lit(",\"fields\":[");
    const std::size_t head_size = static_cast<std::size_t>(w.end() - head.data());
    out.reserve(out.size() + head_size + frame_.used + body_.used + 64);
    out.append(head.data(), head_size);
    out.append(frame_.data.data(), frame_.used);
    out += "]},\"elements\":[";
    out.append(body_.data.data(), body_.used);
    out += "],\"mistakes\":";
    put_int(out, static_cast<long>(mistakes_));
    out += "}\n";
}

SummaryFacts summary_facts(const MessageRecord& r) {
    const SummaryCodes& codes = r.protocol == Protocol::Dss1 ? kDss1Codes : kIsupCodes;
    SummaryFacts facts;
    facts.called = digits_of(r, codes.called);
    facts.calling = digits_of(r, codes.calling);
    const std::size_t cause = find_element(r, codes.cause);
    if (cause != r.items.size()) {
        for (std::size_t i = cause + 1; i < r.items[cause].end; ++i) {
            const RecordItem& it = r.items[i];
            if (it.kind == Kind::Field && same_ignoring_case(r.str(it.name_en), "Cause value")) {
                facts.cause = it.raw;
                facts.cause_text = r.str(it.text);
                break;
            }
        }
    }
    return facts;
}

std::string_view summary_header() {
    return "index\tprotocol\tmessage\tcic_or_call_ref\tdpc\topc\tcalled\tcalling\tcause\tcause_"
           "text\tmistakes\n";
}

void append_summary(std::string& out, const MessageRecord& r, std::size_t row) {
    const SummaryFacts facts = summary_facts(r);
    const bool isup = r.protocol == Protocol::Isup;
    put_int(out, static_cast<long>(row));
    out += '\t';
    out += protocol_name(r.protocol);
    out += '\t';
    put_cell(out, r.str(r.acronym));
    out += '\t';
    put_cell_number(out, isup ? r.facts.cic : r.facts.call_reference);
    out += '\t';
    put_cell_number(out, isup ? r.facts.dpc : -1);
    out += '\t';
    put_cell_number(out, isup ? r.facts.opc : -1);
    out += '\t';
    put_cell(out, facts.called);
    out += '\t';
    put_cell(out, facts.calling);
    out += '\t';
    put_cell_number(out, facts.cause);
    out += '\t';
    put_cell(out, facts.cause_text);
    out += '\t';
    put_int(out, static_cast<long>(r.mistakes));
    out += '\n';
}

}  // namespace tarn
