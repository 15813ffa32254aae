#include "report/context.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

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

// The bit column of a field as one 8-byte word: a mask per bit range hi..lo that keeps the
// octet's bit characters inside the range, and the dots that stand outside it.
using ColumnWord = std::array<char, 8>;
constexpr std::uint64_t kDots =
    std::bit_cast<std::uint64_t>(ColumnWord{'.', '.', '.', '.', '.', '.', '.', '.'});

constexpr std::uint64_t column_mask(int hi, int lo) {
    ColumnWord mask{};
    for (int bit = hi; bit >= lo; --bit) mask[static_cast<std::size_t>(8 - bit)] = '\xFF';
    return std::bit_cast<std::uint64_t>(mask);
}

constexpr std::array<std::uint64_t, 81> make_column_masks() {
    std::array<std::uint64_t, 81> masks{};
    for (int hi = 1; hi <= 8; ++hi) {
        for (int lo = 1; lo <= hi; ++lo) masks[static_cast<std::size_t>(hi * 9 + lo)] = column_mask(hi, lo);
    }
    return masks;
}
constexpr std::array<std::uint64_t, 81> kColumnMasks = make_column_masks();

// A bit text read as one word: every byte '0' or '1' (all but the lowest bit of "00000000"),
// the lowest bits, and the multiplier that gathers byte k's lowest bit into bit 63 - k.
constexpr std::uint64_t kZeros =
    std::bit_cast<std::uint64_t>(ColumnWord{'0', '0', '0', '0', '0', '0', '0', '0'});
constexpr std::uint64_t kNotBits = 0xFEFEFEFEFEFEFEFEULL;
constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
constexpr std::uint64_t kGather = 0x8040201008040201ULL;

}  // namespace

std::string_view bits_of(std::string_view bits8, int hi, int lo) {
    if (hi < lo || hi > 8 || lo < 1) return {};
    const std::size_t first = static_cast<std::size_t>(8 - hi);
    if (first >= bits8.size()) return {};
    return bits8.substr(first, static_cast<std::size_t>(hi - lo + 1));
}

// Each builder writes its line as it always has when no sink is attached: the one branch a
// line costs. With a sink, it writes the text when it is kept and tells the sink what the
// line holds, as pieces of the report when there is one, else as the pieces themselves.

namespace {

// The bit column of bits hi..lo: a dot for every bit left and right of the field.
struct Column {
    char text[8] = {};
    std::size_t size = 0;
    std::string_view view() const { return {text, size}; }
};
Column column_of(std::string_view bits, int hi, int lo) {
    Column c;
    auto put = [&c](char ch) {
        if (c.size < sizeof c.text) c.text[c.size++] = ch;
    };
    if (hi >= 1 && hi < 8)
        for (int k = 0; k < 8 - hi; ++k) put('.');
    for (char ch : bits) put(ch);
    if (lo > 1 && lo <= 8)
        for (int k = 0; k < lo - 1; ++k) put('.');
    return c;
}

}  // namespace

std::string_view Context::ending(std::size_t size) const {
    return std::string_view(screen_).substr(screen_.size() - kCrLf.size() - size, size);
}

void Context::line(std::string_view text) {
    if (sink_ != nullptr) [[unlikely]] {
        structured_line({text});
        return;
    }
    screen_ += text;
    screen_ += kCrLf;
}

void Context::structured_line(std::initializer_list<std::string_view> pieces) {
    if (!text_) {
        scratch_.clear();
        for (std::string_view piece : pieces) scratch_ += piece;
        sink_->line(scratch_);
        return;
    }
    const std::size_t start = screen_.size();
    for (std::string_view piece : pieces) screen_ += piece;
    screen_ += kCrLf;
    sink_->line(std::string_view(screen_).substr(start, screen_.size() - kCrLf.size() - start));
}

void Context::message_title(Protocol protocol, Text heading) {
    if (text_) {
        screen_ += kCrLf;
        screen_ += t(heading);
        screen_ += title_;
        screen_ += kCrLf;
    }
    if (sink_ != nullptr) sink_->message(protocol, lang_);
}

void Context::message_type(unsigned code, Text label, std::string_view name, std::string_view acronym) {
    field(bits8(code), 8, 1, label, name);
    if (sink_ != nullptr) sink_->message_type(code, text_ ? ending(name.size()) : name, acronym);
}

// Inlined where a field line is built: its seven words of arguments would otherwise pass
// partly through memory, on the path every field line takes.
[[gnu::always_inline]] inline void Context::put_field(std::string_view bits8, int hi, int lo,
                                                      std::string_view label, std::string_view value) {
    if (bits8.size() == 8 && lo >= 1 && lo <= hi && hi <= 8) {
        // A whole octet: the column is the bit text with dots masked in, in one piece.
        std::uint64_t bits = 0;
        std::memcpy(&bits, bits8.data(), sizeof bits);
        const std::uint64_t mask = kColumnMasks[static_cast<std::size_t>(hi * 9 + lo)];
        const std::uint64_t column = (bits & mask) | (kDots & ~mask);
        // Appended as the word it was built in: copied from a byte array it would cost
        // the processor a stalled load (a store of 8 bytes read back at another offset).
        screen_ += ' ';
        screen_.append(reinterpret_cast<const char*>(&column), sizeof column);
    } else {
        screen_ += ' ';
        if (hi >= 1 && hi < 8) screen_.append(static_cast<std::size_t>(8 - hi), '.');
        screen_ += bits_of(bits8, hi, lo);
        if (lo > 1 && lo <= 8) screen_.append(static_cast<std::size_t>(lo - 1), '.');
    }
    screen_ += label;
    screen_ += value;
    screen_ += kCrLf;
}

void Context::field(std::string_view bits8, int hi, int lo, Text label, std::string_view value) {
    if (sink_ != nullptr) [[unlikely]] {
        structured_field(bits8, hi, lo, label, value);
        return;
    }
    put_field(bits8, hi, lo, t(label), value);
}

void Context::structured_field(std::string_view bits8, int hi, int lo, Text label, std::string_view value) {
    const std::string_view bits = bits_of(bits8, hi, lo);
    const long raw = field_value(bits, hi - lo + 1);
    const Column column = column_of(bits, hi, lo);
    const std::string_view picked = t(label);
    if (!text_) {
        sink_->field(FieldLine{column.view(), picked, label.en, raw, value});
        return;
    }
    // The pieces as the report holds them; the English label as well, for the readers that
    // pick fields by name in either language.
    put_field(bits8, hi, lo, picked, value);
    const std::string_view line = ending(column.size + picked.size() + value.size());
    const std::string_view shown = line.substr(column.size, picked.size());
    sink_->field(FieldLine{line.substr(0, column.size), shown, english() ? shown : label.en, raw,
                           line.substr(column.size + picked.size())});
}

void Context::field(std::string_view bits8, const Field& f, Cut cut) {
    if (!f.prints_in(lang_)) return;
    unsigned raw = 0;
    bool whole = false;
    if (std::uint64_t word = 0;
        std::endian::native == std::endian::little && bits8.size() == 8 && f.lo >= 1 && f.lo <= f.hi &&
        f.hi <= 8 && (std::memcpy(&word, bits8.data(), sizeof word), (word & kNotBits) == kZeros)) {
        // A whole octet's bit text of 0 and 1: its octet gathered from the 8 characters at
        // once (character k to bit 8 - k), then the field's bits taken from it.
        const auto octet = static_cast<unsigned>(((word & kLowBits) * kGather) >> 56);
        raw = (octet >> (f.lo - 1)) & ((1U << (f.hi - f.lo + 1)) - 1);
        whole = true;
    } else {
        whole = bits_of(bits8, f.hi, f.lo).size() == static_cast<std::size_t>(f.hi - f.lo + 1);
        raw = bits_value(bits8, f.hi, f.lo);
    }
    const Text value = cut == Cut::LastRow && !whole ? f.last_row() : f.text(raw);
    if (sink_ != nullptr) [[unlikely]] {
        structured_field(bits8, f.hi, f.lo, f.label, t(value));
        return;
    }
    put_field(bits8, f.hi, f.lo, t(f.label), t(value));
}

void Context::fields(std::string_view bits8, std::span<const Field> table, Cut cut) {
    for (const Field& f : table) field(bits8, f, cut);
}

void Context::octets(Text label, std::string_view value) {
    if (sink_ != nullptr) [[unlikely]] {
        structured_octets(label, value, false);
        return;
    }
    screen_ += " ********";
    screen_ += t(label);
    screen_ += value;
    screen_ += kCrLf;
}

void Context::hex_line(Text label, std::string_view hex) {
    if (sink_ != nullptr) [[unlikely]] {
        structured_octets(label, hex, true);
        return;
    }
    screen_ += " ********";
    screen_ += t(label);
    screen_ += hex;
    screen_ += " Hex";
    screen_ += kCrLf;
}

void Context::structured_octets(Text label, std::string_view value, bool hex) {
    const std::string_view picked = t(label);
    const std::string_view stars = "********";
    if (!text_) {
        std::string_view text = value;
        if (hex) {
            scratch_.assign(value);
            scratch_ += " Hex";
            text = scratch_;
        }
        sink_->field(FieldLine{stars, picked, label.en, -1, text});
        return;
    }
    screen_ += ' ';
    screen_ += stars;
    screen_ += picked;
    screen_ += value;
    if (hex) screen_ += " Hex";
    screen_ += kCrLf;
    const std::size_t value_size = value.size() + (hex ? 4 : 0);
    const std::string_view line = ending(stars.size() + picked.size() + value_size);
    const std::string_view shown = line.substr(stars.size(), picked.size());
    sink_->field(FieldLine{line.substr(0, stars.size()), shown, english() ? shown : label.en, -1,
                           line.substr(stars.size() + picked.size())});
}

void Context::put_mistake(Text what) {
    screen_ += t(kMistake);
    screen_ += t(what);
    screen_ += kCrLf;
}

void Context::mistake(Text what) {
    if (sink_ != nullptr) [[unlikely]] {
        if (text_) put_mistake(what);
        sink_->mistake(text_ ? ending(t(what).size()) : t(what));
        return;
    }
    put_mistake(what);
}

void Context::put_identification(const Element& e, Text name, bool mandatory) {
    screen_ += ' ';
    screen_ += bits8(e.id);
    screen_ += t(mandatory ? kMandatory : kOptional);
    screen_ += t(name);
    screen_ += kCrLf;
}

void Context::identification(const Element& e, Text name, bool mandatory) {
    if (sink_ != nullptr) [[unlikely]] {
        if (text_) put_identification(e, name, mandatory);
        sink_->identification(e, text_ ? ending(t(name).size()) : t(name), mandatory);
        return;
    }
    put_identification(e, name, mandatory);
}

void Context::header(const Element& e, Text name, bool mandatory) {
    identification(e, name, mandatory);
    if (text_) {  // the title line: a sink has the name from the identification
        screen_ += t(name);
        screen_ += kCrLf;
    }
    length_line(e);
}

void Context::put_length(const Element& e) {
    char number[4];
    const auto end = std::to_chars(number, number + sizeof number, e.length).ptr;
    screen_ += ' ';
    screen_ += bits8(e.length);
    screen_ += t(kLength);
    screen_.append(number, static_cast<std::size_t>(end - number));
    screen_ += " Dec";
    screen_ += kCrLf;
}

void Context::length_line(const Element& e) {
    if (sink_ != nullptr) [[unlikely]] {
        if (text_) put_length(e);
        sink_->length(e);
        return;
    }
    put_length(e);
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
    if (text_) {
        screen_ += t(name);
        screen_ += kCrLf;
    }
    if (sink_ != nullptr) [[unlikely]]
        sink_->title(text_ ? ending(t(name).size()) : t(name));  // without a sink, text_ holds
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
