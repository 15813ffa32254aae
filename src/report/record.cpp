#include "report/record.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

#include "report/convert.hpp"

namespace tarn {

namespace {

constexpr std::string_view kMistakeEn = " MISTAKE: ";
constexpr std::string_view kMistakeRu = " ОШИБКА: ";

constexpr bool column_char(char c) {
    return c == '0' || c == '1' || c == '.' || c == '*';
}

// True when all eight bytes of `word` are 0, 1, dots or stars.
constexpr bool bit_characters(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    auto zero_bytes = [](std::uint64_t x) { return (x - kOnes) & ~x & kHigh; };
    // Bytes of one of the four values have their high bit set in exactly one of the masks.
    const std::uint64_t digit = zero_bytes((word | kOnes) ^ (kOnes * '1'));
    const std::uint64_t dot = zero_bytes(word ^ (kOnes * '.'));
    const std::uint64_t star = zero_bytes(word ^ (kOnes * '*'));
    return (digit | dot | star) == kHigh;
}
static_assert(bit_characters(0x2E2E30312E2E2E2EULL) && bit_characters(0x2A2A2A2A2A2A2A2AULL));
static_assert(!bit_characters(0x2E2E30322E2E2E2EULL) && !bit_characters(0x222E2E2E2E2E2E2EULL));

// The byte offset just after the first `n` characters of a UTF-8 text (its size when it
// has fewer). Eight bytes at a time, each one that does not continue a character counting
// one, while the whole word stays within the first `n` characters.
std::size_t after_chars(std::string_view s, std::size_t n) {
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    std::size_t i = 0;
    std::size_t seen = 0;
    while (i + 8 <= s.size()) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, sizeof word);
        const std::uint64_t marks = word & ~(word << 1) & kHigh;  // bytes 10xxxxxx
        const std::size_t continuing = marks == 0 ? 0 : static_cast<std::size_t>(std::popcount(marks));
        if (seen + 8 - continuing > n) break;
        seen += 8 - continuing;
        i += 8;
    }
    for (; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (seen == n) return i;
        ++seen;
    }
    return s.size();
}

}  // namespace

std::string_view label_name(std::string_view label) {
    // The leader cannot be told from a dot that ends an abbreviation ("ind."): every dot at
    // the end goes, and the blanks around it.
    constexpr std::uint64_t kDots = 0x2E2E2E2E2E2E2E2EULL;
    std::size_t first = 0;
    std::size_t last = label.size();
    while (first < last && label[first] == ' ') ++first;
    if (last > first && label[last - 1] == ' ') --last;
    for (std::uint64_t word; last >= first + 8; last -= 8) {  // the leader, eight dots at a time
        std::memcpy(&word, label.data() + last - 8, sizeof word);
        if (word != kDots) break;
    }
    while (last > first && (label[last - 1] == ' ' || label[last - 1] == '.')) --last;
    return label.substr(first, last - first);
}

std::string_view mistake_prefix(std::string_view line) {
    // " M" or the first byte of the Cyrillic О after the blank, before the whole prefix.
    if (line.size() < 2 || (line[1] != 'M' && line[1] != kMistakeRu[1])) return {};
    if (line.starts_with(kMistakeEn)) return kMistakeEn;
    if (line.starts_with(kMistakeRu)) return kMistakeRu;
    return {};
}

PlainLine read_plain_line(std::string_view line) {
    PlainLine read;
    if (const std::string_view prefix = mistake_prefix(line); !prefix.empty()) {
        read.kind = PlainLine::Kind::Mistake;
        read.text = trim(line.substr(prefix.size()), " ");
    } else if (parse_field_line(line, read.field)) {
        read.kind = PlainLine::Kind::Field;
    } else {
        read.text = trim(line, " ");
        if (!read.text.empty()) read.kind = PlainLine::Kind::Text;
    }
    return read;
}

long column_value(std::string_view column) {
    long value = 0;
    bool bits = false;
    for (char c : column) {
        if (c == '*') return -1;
        if (c == '0' || c == '1') {
            value = value * 2 + (c == '1');
            bits = true;
        }
    }
    return bits ? value : -1;
}

bool parse_field_line(std::string_view line, FieldLine& out) {
    if (line.size() < 3 || line[0] != ' ') return false;
    std::size_t i = 1;
    while (i < line.size() && i <= 8 && column_char(line[i])) ++i;
    if (i == 1 || i + 1 >= line.size() || line[i] != ' ' || line[i + 1] == ' ') return false;
    const std::string_view rest = line.substr(i + 1);
    out = FieldLine{};
    out.column = line.substr(1, i - 1);
    out.raw = column_value(out.column);
    // The label is 30 characters and a blank; a label of another width ends with its dot
    // leader.
    const std::size_t end = after_chars(rest, 30);
    if (end < rest.size() && rest[end] == ' ') {
        out.label = rest.substr(0, end);
        out.text = rest.substr(end + 1);
    } else {
        out.label = rest;
        for (std::size_t k = 1; k + 1 < rest.size(); ++k) {
            if (rest[k] == '.' && rest[k - 1] == '.' && rest[k + 1] == ' ') {
                out.label = rest.substr(0, k + 1);
                out.text = rest.substr(k + 2);
                break;
            }
        }
    }
    return true;
}

void MessageRecord::clear() {
    report = {};
    protocol = Protocol::None;
    facts = FrameFacts{};
    has_type = false;
    type_code = 0;
    type_name = {};
    acronym = {};
    frame_end = 0;
    mistakes = 0;
    items.clear();
    text.clear();
}

void Recorder::clear(const std::string* report) {
    report_ = report;
    rec_.clear();
    open_.clear();
    in_frame_ = true;
}

const MessageRecord& Recorder::finish() {
    while (!open_.empty()) close_element();
    end_frame();
    if (report_ != nullptr) rec_.report = *report_;
    return rec_;
}

Span Recorder::keep(std::string_view s) {
    const auto size = static_cast<std::uint32_t>(s.size());
    if (report_ != nullptr) {
        // A piece of a line the report already holds: where it stands there.
        const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(report_->data());
        const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(s.data());
        if (at >= base && at + s.size() <= base + report_->size())
            return Span{static_cast<std::uint32_t>(at - base) | Span::kInReport, size};
    }
    const Span span{static_cast<std::uint32_t>(rec_.text.size()), size};
    rec_.text += s;
    return span;
}

RecordItem& Recorder::add(RecordItem::Kind kind) {
    RecordItem& item = rec_.items.emplace_back();
    item.kind = kind;
    return item;
}

RecordItem* Recorder::innermost() {
    return open_.empty() ? nullptr : &rec_.items[open_.back()];
}

void Recorder::end_frame() {
    if (!in_frame_) return;
    in_frame_ = false;
    rec_.frame_end = rec_.items.size();
}

void Recorder::open_element(const Element& e, bool implicit) {
    end_frame();
    const Span contents = keep(e.hex());
    open_.push_back(static_cast<std::uint32_t>(rec_.items.size()));
    RecordItem& item = add(RecordItem::Kind::Element);
    item.code = e.id;
    item.length = e.has_length ? static_cast<long>(e.length) : -1;
    item.mandatory = e.mandatory;
    item.implicit = implicit;
    item.text = contents;
}

void Recorder::close_element() {
    rec_.items[open_.back()].end = static_cast<std::uint32_t>(rec_.items.size());
    open_.pop_back();
}

void Recorder::message(Protocol protocol, Lang lang) {
    rec_.protocol = protocol;
    rec_.lang = lang;
}

void Recorder::frame(const FrameFacts& facts) {
    rec_.facts = facts;
}

void Recorder::message_type(unsigned code, std::string_view name, std::string_view acronym) {
    rec_.has_type = true;
    rec_.type_code = code;
    rec_.type_name = keep(trim(name, " "));
    rec_.acronym = keep(trim(acronym, " "));
    end_frame();
}

void Recorder::enter(const Element& e) {
    open_element(e, false);
}

void Recorder::leave() {
    while (!open_.empty() && rec_.items[open_.back()].implicit) close_element();
    if (!open_.empty()) close_element();
}

void Recorder::identification(const Element& e, std::string_view name, bool mandatory) {
    // A second identification inside a named element (a decoder that writes the header of
    // an element it carries) opens an element of its own.
    const RecordItem* current = innermost();
    if (current == nullptr || current->named) open_element(e, true);
    const Span kept = keep(trim(name, " "));
    RecordItem& item = *innermost();
    item.name = kept;
    item.named = true;
    item.mandatory = mandatory;
}

void Recorder::title(std::string_view name) {
    RecordItem* current = innermost();
    if (current != nullptr && !current->named) {
        const Span kept = keep(trim(name, " "));
        current = innermost();
        current->name = kept;
        current->named = true;
        return;
    }
    line(name);
}

void Recorder::length(const Element& e) {
    RecordItem* current = innermost();
    if (current != nullptr && current->length < 0 && e.has_length)
        current->length = static_cast<long>(e.length);
}

void Recorder::field(const FieldLine& line) {
    if (const std::string_view prefix = mistake_prefix(line.label); !prefix.empty()) {
        add_mistake(label_name(line.label.substr(prefix.size())), &line);
        return;
    }
    add_field(line);
}

void Recorder::mistake(std::string_view text) {
    add_mistake(trim(text, " "), nullptr);
}

void Recorder::line(std::string_view text) {
    const PlainLine read = read_plain_line(text);
    if (read.kind == PlainLine::Kind::Mistake) {
        add_mistake(read.text, nullptr);
        return;
    }
    if (read.kind == PlainLine::Kind::Field) {
        add_field(read.field);
        return;
    }
    if (read.kind == PlainLine::Kind::Empty) return;
    const std::string_view shown = read.text;
    // An element whose decoder writes its title as a plain line is named by it.
    if (RecordItem* current = innermost(); current != nullptr && !current->named) {
        const Span kept = keep(shown);
        current = innermost();
        current->name = kept;
        current->named = true;
        return;
    }
    const Span kept = keep(shown);
    add(RecordItem::Kind::Text).text = kept;
}

void Recorder::add_mistake(std::string_view text, const FieldLine* as_field) {
    const Span kept = keep(text);
    const Span shown = as_field != nullptr ? keep(trim(as_field->text, " ")) : Span{};
    RecordItem& item = add(RecordItem::Kind::Mistake);
    item.text = kept;
    if (as_field != nullptr) {
        item.as_field = true;
        set_column(item, as_field->column);
        item.shown = shown;
        item.raw = as_field->raw;
    }
    ++rec_.mistakes;
}

void Recorder::set_column(RecordItem& item, std::string_view column) {
    // A bit column holds 0, 1, dots and stars; anything else a decoder might hand over
    // shows as "?", so the column never needs escaping.
    const std::size_t size = column.size() < sizeof item.column ? column.size() : sizeof item.column;
    item.column_size = static_cast<std::uint8_t>(size);
    if (size == sizeof item.column) {
        std::memcpy(item.column, column.data(), size);
        std::uint64_t word;
        std::memcpy(&word, column.data(), sizeof word);
        if (bit_characters(word)) return;
    }
    for (std::size_t i = 0; i < size; ++i) item.column[i] = column_char(column[i]) ? column[i] : '?';
}

void Recorder::add_field(const FieldLine& line) {
    const Span name = keep(label_name(line.label));
    // In the English report both labels are the same literal.
    const Span name_en = line.label_en.data() == line.label.data() ? name : keep(label_name(line.label_en));
    const Span text = keep(trim(line.text, " "));
    RecordItem& item = add(RecordItem::Kind::Field);
    set_column(item, line.column);
    item.name = name;
    item.name_en = name_en;
    item.raw = line.raw;
    item.text = text;
}

}  // namespace tarn
