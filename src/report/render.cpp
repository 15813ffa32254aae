#include "report/render.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Writes JSON into a buffer that is known to be large enough (bound() bytes for the
// message), so that no piece is checked for room.
class Writer {
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

// Room for the message's JSON: six bytes for every byte of the texts it shows (an escaped
// control character), and the names and numbers of the message and of every item.
std::size_t bound(const MessageRecord& r, std::string_view hex, const MessageSource& at) {
    constexpr std::size_t kMessage = 640;  // members of the message, its input and frame
    constexpr std::size_t kItem = 160;     // members of an item, its bit column and numbers
    std::size_t room = kMessage + 6 * (hex.size() + at.file.size() + r.type_name.size + r.acronym.size) +
                       kItem * r.items.size();
    for (const RecordItem& it : r.items) room += 6 * (it.name.size + it.text.size + it.shown.size);
    return room;
}

class JsonWriter {
public:
    JsonWriter(Writer& out, const MessageRecord& r) : out_(out), r_(r) {}

    // The items from `first` to `last` (top-level ones of the range), as a JSON array.
    void items(std::size_t first, std::size_t last, int depth) {
        out_.lit("[");
        for (std::size_t i = first; i < last;) {
            if (i != first) out_.lit(",");
            i = item(i, depth);
        }
        out_.lit("]");
    }

private:
    void str(Span s) { out_.escaped(r_.str(s)); }

    // Writes item `i` and returns the index of the next item at the same depth.
    std::size_t item(std::size_t i, int depth) {
        const RecordItem& it = r_.items[i];
        switch (it.kind) {
            case Kind::Field:
                out_.lit("{\"kind\":\"field\",\"bits\":\"");
                out_.raw(MessageRecord::column_of(it));  // bit characters only (set_column)
                out_.lit("\",\"name\":\"");
                str(it.name);
                out_.lit("\",\"value\":");
                out_.optional(it.raw);
                out_.lit(",\"text\":\"");
                str(it.text);
                out_.lit("\"}");
                return i + 1;
            case Kind::Mistake:
                out_.lit("{\"kind\":\"mistake\",\"text\":\"");
                str(it.text);
                if (it.as_field) {
                    out_.lit("\",\"bits\":\"");
                    out_.raw(MessageRecord::column_of(it));  // bit characters only (set_column)
                    out_.lit("\",\"value\":");
                    out_.optional(it.raw);
                    out_.lit(",\"shown\":\"");
                    str(it.shown);
                }
                out_.lit("\"}");
                return i + 1;
            case Kind::Text:
                out_.lit("{\"kind\":\"text\",\"text\":\"");
                str(it.text);
                out_.lit("\"}");
                return i + 1;
            case Kind::Element:
                break;
        }
        // ISUP parameters at the top; the DSS1 elements an ISUP parameter carries inside it.
        if (depth == 0 && r_.protocol == Protocol::Isup) {
            out_.lit("{\"kind\":\"parameter\",\"code\":");
        } else {
            out_.lit("{\"kind\":\"element\",\"code\":");
        }
        out_.number(static_cast<long>(it.code));
        if (it.named) {
            out_.lit(",\"name\":\"");
            str(it.name);
            out_.lit("\"");
        } else {
            out_.lit(",\"name\":null");
        }
        if (it.mandatory) {
            out_.lit(",\"mandatory\":true,\"length\":");
        } else {
            out_.lit(",\"mandatory\":false,\"length\":");
        }
        out_.optional(it.length);
        out_.lit(",\"contents\":\"");
        str(it.text);
        out_.lit("\",\"fields\":");
        const std::size_t end = it.end > i ? it.end : i + 1;
        items(i + 1, end, depth + 1);
        out_.lit("}");
        return end;
    }

    Writer& out_;
    const MessageRecord& r_;
};

std::string_view protocol_name(Protocol p) {
    return p == Protocol::Isup ? "isup" : p == Protocol::Dss1 ? "dss1" : "";
}

// The recommendation the report follows: for ISUP the language picks it.
std::string_view reading(const MessageRecord& r) {
    if (r.protocol == Protocol::Dss1) return "ets300102";
    return r.lang == Lang::English ? "q767" : "isup-r";
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

// Identifiers of the elements the summary reads, per protocol.
struct SummaryCodes {
    unsigned called;
    unsigned calling;
    unsigned cause;
};
constexpr SummaryCodes kIsupCodes{0x04, 0x0A, 0x12};  // Q.763 3.9, 3.10, 3.12
constexpr SummaryCodes kDss1Codes{0x70, 0x6C, 0x08};  // ETS 300 102-1 4.5.8, 4.5.6, 4.5.5

void put_int(std::string& out, long value) {
    char digits[Writer::kNumber];
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

void JsonLines::append(std::string& out, const MessageRecord& r, std::string_view hex,
                       const MessageSource& at) {
    const std::size_t room = bound(r, hex, at);
    if (buffer_.size() < room) buffer_.resize(room);
    Writer w(buffer_.data());
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
    w.raw(protocol_name(r.protocol));
    w.lit("\",\"reading\":\"");
    w.raw(reading(r));
    w.lit("\",\"lang\":\"");
    w.raw(r.lang == Lang::English ? "en" : "ru");
    w.lit("\",\"hex\":\"");
    w.escaped(hex);
    w.lit("\",\"frame\":{");
    const FrameFacts& f = r.facts;
    if (r.protocol == Protocol::Isup) {
        w.lit("\"network_indicator\":");
        w.optional(f.network_indicator);
        w.lit(",\"dpc\":");
        w.optional(f.dpc);
        w.lit(",\"opc\":");
        w.optional(f.opc);
        w.lit(",\"sls\":");
        w.optional(f.sls);
        w.lit(",\"cic\":");
        w.optional(f.cic);
    } else {
        w.lit("\"call_reference\":{\"length\":");
        w.optional(f.call_reference_length);
        w.lit(",\"value\":");
        w.optional(f.call_reference);
        w.lit(",\"flag\":");
        w.optional(f.flag);
        w.lit("}");
    }
    if (r.has_type) {
        w.lit(",\"message_type\":{\"code\":");
        w.number(static_cast<long>(r.type_code));
        w.lit(",\"name\":\"");
        w.escaped(r.str(r.type_name));
        w.lit("\",\"acronym\":\"");
        w.escaped(r.str(r.acronym));
        w.lit("\"}");
    } else {
        w.lit(",\"message_type\":null");
    }
    w.lit(",\"fields\":");
    JsonWriter writer(w, r);
    writer.items(0, r.frame_end, 0);
    w.lit("},\"elements\":");
    writer.items(r.frame_end, r.items.size(), 0);
    w.lit(",\"mistakes\":");
    w.number(static_cast<long>(r.mistakes));
    w.lit("}\n");
    out.append(buffer_.data(), static_cast<std::size_t>(w.end() - buffer_.data()));
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
            if (it.kind == Kind::Field && r.str(it.name_en) == "Cause value") {
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
