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

// The bit column of a field as one 8-byte word: a mask per bit range hi..lo that keeps the
// octet's bit characters inside the range, and the dots that stand outside it.
using Column = std::array<char, 8>;
constexpr std::uint64_t kDots = std::bit_cast<std::uint64_t>(Column{'.', '.', '.', '.', '.', '.', '.', '.'});

constexpr std::uint64_t column_mask(int hi, int lo) {
    Column mask{};
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

}  // namespace

std::string_view bits_of(std::string_view bits8, int hi, int lo) {
    if (hi < lo || hi > 8 || lo < 1) return {};
    const std::size_t first = static_cast<std::size_t>(8 - hi);
    if (first >= bits8.size()) return {};
    return bits8.substr(first, static_cast<std::size_t>(hi - lo + 1));
}

void Context::line(std::string_view text) {
    std::string& out = *out_;
    out += text;
    out += kCrLf;
}

void Context::field(std::string_view bits8, int hi, int lo, Text label, std::string_view value) {
    std::string& out = *out_;
    if (bits8.size() == 8 && lo >= 1 && lo <= hi && hi <= 8) {
        // A whole octet: the column is the bit text with dots masked in, in one piece.
        std::uint64_t bits = 0;
        std::memcpy(&bits, bits8.data(), sizeof bits);
        const std::uint64_t mask = kColumnMasks[static_cast<std::size_t>(hi * 9 + lo)];
        const std::uint64_t column = (bits & mask) | (kDots & ~mask);
        // Appended as the word it was built in: copied from a byte array it would cost
        // the processor a stalled load (a store of 8 bytes read back at another offset).
        out += ' ';
        out.append(reinterpret_cast<const char*>(&column), sizeof column);
    } else {
        out += ' ';
        if (hi >= 1 && hi < 8) out.append(static_cast<std::size_t>(8 - hi), '.');
        out += bits_of(bits8, hi, lo);
        if (lo > 1 && lo <= 8) out.append(static_cast<std::size_t>(lo - 1), '.');
    }
    out += t(label);
    out += value;
    out += kCrLf;
}

void Context::field(std::string_view bits8, const Field& f, Cut cut) {
    if (!f.prints_in(lang_)) return;
    const bool whole = bits_of(bits8, f.hi, f.lo).size() == static_cast<std::size_t>(f.hi - f.lo + 1);
    const Text value = cut == Cut::LastRow && !whole ? f.last_row() : f.text(bits_value(bits8, f.hi, f.lo));
    field(bits8, f.hi, f.lo, f.label, t(value));
}

void Context::fields(std::string_view bits8, std::span<const Field> table, Cut cut) {
    for (const Field& f : table) field(bits8, f, cut);
}

void Context::octets(Text label, std::string_view value) {
    line(" ********", t(label), value);
}

void Context::hex_line(Text label, std::string_view hex) {
    line(" ********", t(label), hex, " Hex");
}

void Context::mistake(Text what) {
    line(t(kMistake), t(what));
}

void Context::identification(const Element& e, Text name, bool mandatory) {
    line(" ", bits8(e.id), t(mandatory ? kMandatory : kOptional), t(name));
}

void Context::header(const Element& e, Text name, bool mandatory) {
    identification(e, name, mandatory);
    line(t(name));
    length_line(e);
}

void Context::length_line(const Element& e) {
    char number[4];
    const auto end = std::to_chars(number, number + sizeof number, e.length).ptr;
    line(" ", bits8(e.length), t(kLength), std::string_view(number, static_cast<std::size_t>(end - number)),
         " Dec");
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

bool Context::open(const Element& e, Text name, Opening how, std::size_t min_octets) {
    if (how == Opening::ByPlace) how = e.has_length ? Opening::Header : Opening::Title;
    switch (how) {
        case Opening::Header:
            header(e, name);
            if (!length_ok(e)) return false;
            break;
        case Opening::TitleLength:
            line(t(name));
            length_line(e);
            if (!length_ok(e)) return false;
            break;
        case Opening::Title:
            line(t(name));
            break;
        case Opening::ByPlace:
        case Opening::None:
            break;
    }
    return holds(e, min_octets);
}

}  // namespace tarn
