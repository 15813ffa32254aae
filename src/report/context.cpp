#include "report/context.hpp"

#include <charconv>

#include "report/octets.hpp"

namespace tarn {

namespace {

constexpr Text kOptional{" Optional parameter............", " Необязательный параметр......."};
constexpr Text kMandatory{" Mandatory parameter...........", " Обязательный параметр........."};
constexpr Label kLength{" Length........................ ", " Длина......................... "};
constexpr Text kMistake{" MISTAKE: ", " ОШИБКА: "};

// The integer of a field's bits when all `width` of them are there, else -1.
long field_value(std::string_view bits, int width) {
    if (width < 1 || bits.size() != static_cast<std::size_t>(width)) return -1;
    long value = 0;
    for (char c : bits) value = value * 2 + (c == '1');
    return value;
}

}  // namespace

std::string_view bits_of(std::string_view bits8, int hi, int lo) {
    if (hi < lo || hi > 8 || lo < 1) return {};
    const std::size_t first = static_cast<std::size_t>(8 - hi);
    if (first >= bits8.size()) return {};
    return bits8.substr(first, static_cast<std::size_t>(hi - lo + 1));
}

// Each builder writes its line as it always has, then, with a sink, tells it what the line
// holds: the one branch a line costs without a sink.

void Context::line(std::string_view text) {
    const std::size_t start = screen_.size();
    screen_ += text;
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        tell_line(start);
}

std::string_view Context::ending(std::size_t size) const {
    return std::string_view(screen_).substr(screen_.size() - kCrLf.size() - size, size);
}

void Context::tell_line(std::size_t start) {
    sink_->line(std::string_view(screen_).substr(start, screen_.size() - kCrLf.size() - start));
}

void Context::tell_field(std::size_t column, Text label, std::size_t value, long raw) {
    // The pieces as the report holds them; the English label as well, for the readers that
    // pick fields by name in either language.
    const std::size_t label_size = t(label).size();
    const std::string_view line = ending(column + label_size + value);
    const std::string_view shown = line.substr(column, label_size);
    sink_->field(FieldLine{line.substr(0, column), shown, english() ? shown : label.en, raw,
                           line.substr(column + label_size)});
}

void Context::message_title(Protocol protocol, Text heading) {
    screen_ += kCrLf;
    screen_ += t(heading);
    screen_ += title_;
    screen_ += kCrLf;
    if (sink_ != nullptr) sink_->message(protocol, lang_);
}

void Context::message_type(unsigned code, Text label, std::string_view name, std::string_view acronym) {
    field(bits8(code), 8, 1, label, name);
    if (sink_ != nullptr) sink_->message_type(code, ending(name.size()), acronym);
}

void Context::field(std::string_view bits8, int hi, int lo, Text label, std::string_view value) {
    screen_ += ' ';
    if (hi >= 1 && hi < 8) screen_.append(static_cast<std::size_t>(8 - hi), '.');
    screen_ += bits_of(bits8, hi, lo);
    if (lo > 1 && lo <= 8) screen_.append(static_cast<std::size_t>(lo - 1), '.');
    screen_ += t(label);
    screen_ += value;
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        tell_field(bits8, hi, lo, label, value.size());
}

void Context::tell_field(std::string_view bits8, int hi, int lo, Text label, std::size_t value) {
    const std::string_view bits = bits_of(bits8, hi, lo);
    const std::size_t before = hi >= 1 && hi < 8 ? static_cast<std::size_t>(8 - hi) : 0;
    const std::size_t after = lo > 1 && lo <= 8 ? static_cast<std::size_t>(lo - 1) : 0;
    tell_field(before + bits.size() + after, label, value, field_value(bits, hi - lo + 1));
}

void Context::field(std::string_view bits8, const Field& f) {
    if (!f.prints_in(lang_)) return;
    field(bits8, f.hi, f.lo, f.label, t(f.text(bits_value(bits8, f.hi, f.lo))));
}

void Context::fields(std::string_view bits8, std::span<const Field> table) {
    for (const Field& f : table) field(bits8, f);
}

void Context::octets(Text label, std::string_view value) {
    screen_ += " ********";
    screen_ += t(label);
    screen_ += value;
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        tell_field(8, label, value.size(), -1);
}

void Context::hex_line(Text label, std::string_view hex) {
    screen_ += " ********";
    screen_ += t(label);
    screen_ += hex;
    screen_ += " Hex";
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        tell_field(8, label, hex.size() + 4, -1);
}

void Context::mistake(Text what) {
    screen_ += t(kMistake);
    screen_ += t(what);
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        sink_->mistake(ending(t(what).size()));
}

void Context::identification(const Element& e, Text name, bool mandatory) {
    screen_ += ' ';
    screen_ += bits8(e.id);
    screen_ += t(mandatory ? kMandatory : kOptional);
    screen_ += t(name);
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        sink_->identification(e, ending(t(name).size()), mandatory);
}

void Context::header(const Element& e, Text name, bool mandatory) {
    identification(e, name, mandatory);
    screen_ += t(name);  // the title line: the sink has the name from the identification
    screen_ += kCrLf;
    length_line(e);
}

void Context::length_line(const Element& e) {
    char number[4];
    const auto end = std::to_chars(number, number + sizeof number, e.length).ptr;
    screen_ += ' ';
    screen_ += bits8(e.length);
    screen_ += t(kLength);
    screen_.append(number, static_cast<std::size_t>(end - number));
    screen_ += " Dec";
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        sink_->length(e);
}

bool Context::length_ok(const Element& e) {
    if (e.whole()) return true;
    mistake(kInvalidFormat);
    return false;
}

bool Context::holds(const Element& e, std::size_t octets) {
    if (e.hex().size() >= 2 * octets) return true;
    mistake(kInvalidFormat);
    return false;
}

void Context::title_line(Text name) {
    screen_ += t(name);
    screen_ += kCrLf;
    if (sink_ != nullptr) [[unlikely]]
        sink_->title(ending(t(name).size()));
}

bool Context::open(const Element& e, Text name, Opening how, std::size_t min_octets) {
    if (how == Opening::ByPlace) how = e.has_length ? Opening::Header : Opening::Title;
    switch (how) {
        case Opening::Header:
            header(e, name);
            if (!length_ok(e)) return false;
            break;
        case Opening::TitleLength:
            title_line(name);
            length_line(e);
            if (!length_ok(e)) return false;
            break;
        case Opening::Title:
            title_line(name);
            break;
        case Opening::ByPlace:
        case Opening::None:
            break;
    }
    return holds(e, min_octets);
}

}  // namespace tarn
