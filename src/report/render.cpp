#include "report/render.hpp"

#include <charconv>

namespace tarn {

namespace {

using Kind = RecordItem::Kind;

void put_int(std::string& out, long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

// A count or a code; null when the message did not hold it (-1).
void put_optional(std::string& out, long value) {
    if (value < 0) {
        out += "null";
    } else {
        put_int(out, value);
    }
}

// A JSON string: quotation mark, reverse solidus and control characters escaped, all
// other UTF-8 as it is.
void put_string(std::string& out, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(s.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
        }
    }
    out.append(s.substr(plain));
    out += '"';
}

class JsonWriter {
public:
    JsonWriter(std::string& out, const MessageRecord& r) : out_(out), r_(r) {}

    // The items from `first` to `last` (top-level ones of the range), as a JSON array.
    void items(std::size_t first, std::size_t last, int depth) {
        out_ += '[';
        for (std::size_t i = first; i < last;) {
            if (i != first) out_ += ',';
            i = item(i, depth);
        }
        out_ += ']';
    }

private:
    void str(Span s) { put_string(out_, r_.str(s)); }

    // Writes item `i` and returns the index of the next item at the same depth.
    std::size_t item(std::size_t i, int depth) {
        const RecordItem& it = r_.items[i];
        switch (it.kind) {
            case Kind::Field:
                out_ += "{\"kind\":\"field\",\"bits\":";
                str(it.column);
                out_ += ",\"name\":";
                str(it.name);
                out_ += ",\"value\":";
                put_optional(out_, it.raw);
                out_ += ",\"text\":";
                str(it.text);
                out_ += '}';
                return i + 1;
            case Kind::Mistake:
                out_ += "{\"kind\":\"mistake\",\"text\":";
                str(it.text);
                if (it.as_field) {
                    out_ += ",\"bits\":";
                    str(it.column);
                    out_ += ",\"value\":";
                    put_optional(out_, it.raw);
                    out_ += ",\"shown\":";
                    str(it.shown);
                }
                out_ += '}';
                return i + 1;
            case Kind::Text:
                out_ += "{\"kind\":\"text\",\"text\":";
                str(it.text);
                out_ += '}';
                return i + 1;
            case Kind::Element:
                break;
        }
        // ISUP parameters at the top; the DSS1 elements an ISUP parameter carries inside it.
        const bool parameter = depth == 0 && r_.protocol == Protocol::Isup;
        out_ += parameter ? "{\"kind\":\"parameter\",\"code\":" : "{\"kind\":\"element\",\"code\":";
        put_int(out_, static_cast<long>(it.code));
        out_ += ",\"name\":";
        if (it.named) {
            str(it.name);
        } else {
            out_ += "null";
        }
        out_ += it.mandatory ? ",\"mandatory\":true,\"length\":" : ",\"mandatory\":false,\"length\":";
        put_optional(out_, it.length);
        out_ += ",\"contents\":";
        str(it.text);
        out_ += ",\"fields\":";
        const std::size_t end = it.end > i ? it.end : i + 1;
        items(i + 1, end, depth + 1);
        out_ += '}';
        return end;
    }

    std::string& out_;
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
        if (it.kind == Kind::Field && r.str(it.column) == "********") digits = r.str(it.text);
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

// A summary cell: tabs and line breaks would break the columns.
void put_cell(std::string& out, std::string_view s) {
    for (char c : s) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void put_cell_number(std::string& out, long value) {
    if (value >= 0) put_int(out, value);
}

}  // namespace

void append_json(std::string& out, const MessageRecord& r, std::string_view hex, const MessageSource& at) {
    out += "{\"input\":{\"file\":";
    if (at.has_file) {
        put_string(out, at.file);
    } else {
        out += "null";
    }
    out += ",\"report\":";
    put_optional(out, at.report);
    out += ",\"index\":";
    put_int(out, static_cast<long>(at.index));
    out += ",\"line\":";
    put_int(out, static_cast<long>(at.line));
    out += "},\"protocol\":\"";
    out += protocol_name(r.protocol);
    out += "\",\"reading\":\"";
    out += reading(r);
    out += r.lang == Lang::English ? "\",\"lang\":\"en\",\"hex\":" : "\",\"lang\":\"ru\",\"hex\":";
    put_string(out, hex);
    out += ",\"frame\":{";
    const FrameFacts& f = r.facts;
    if (r.protocol == Protocol::Isup) {
        out += "\"network_indicator\":";
        put_optional(out, f.network_indicator);
        out += ",\"dpc\":";
        put_optional(out, f.dpc);
        out += ",\"opc\":";
        put_optional(out, f.opc);
        out += ",\"sls\":";
        put_optional(out, f.sls);
        out += ",\"cic\":";
        put_optional(out, f.cic);
    } else {
        out += "\"call_reference\":{\"length\":";
        put_optional(out, f.call_reference_length);
        out += ",\"value\":";
        put_optional(out, f.call_reference);
        out += ",\"flag\":";
        put_optional(out, f.flag);
        out += '}';
    }
    out += ",\"message_type\":";
    if (r.has_type) {
        out += "{\"code\":";
        put_int(out, static_cast<long>(r.type_code));
        out += ",\"name\":";
        put_string(out, r.str(r.type_name));
        out += ",\"acronym\":";
        put_string(out, r.str(r.acronym));
        out += '}';
    } else {
        out += "null";
    }
    out += ",\"fields\":";
    JsonWriter writer(out, r);
    writer.items(0, r.frame_end, 0);
    out += "},\"elements\":";
    writer.items(r.frame_end, r.items.size(), 0);
    out += ",\"mistakes\":";
    put_int(out, static_cast<long>(r.mistakes));
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
