// The contents of an element or parameter, parsed once from hex digits into octets, and
// the bit texts of octets taken from one table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarn {

namespace detail {

// "00000000" .. "11111111": the 8 bit characters of every octet, bit 8 first.
constexpr std::array<char, 256 * 8> make_bit_table() {
    std::array<char, 256 * 8> table{};
    for (std::size_t v = 0; v < 256; ++v) {
        for (std::size_t b = 0; b < 8; ++b) table[v * 8 + b] = (v >> (7 - b)) & 1 ? '1' : '0';
    }
    return table;
}
inline constexpr std::array<char, 256 * 8> kBitTable = make_bit_table();

constexpr int hex_digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of every character read as a hex digit, 0 for one that is no hex digit.
constexpr std::array<std::uint8_t, 256> make_digit_table() {
    std::array<std::uint8_t, 256> table{};
    for (std::size_t c = 0; c < 256; ++c) {
        const int v = hex_digit_value(static_cast<char>(c));
        table[c] = static_cast<std::uint8_t>(v < 0 ? 0 : v);
    }
    return table;
}
inline constexpr std::array<std::uint8_t, 256> kDigitTable = make_digit_table();

}  // namespace detail

// The 8 bit characters of `octet` (0-255), bit 8 first: BIN of its two hex digits.
constexpr std::string_view bits8(unsigned octet) {
    return {detail::kBitTable.data() + (octet & 0xFF) * 8, 8};
}
// The 4 bit characters of one hex digit value (0-15): BIN of a lone digit.
constexpr std::string_view bits4(unsigned digit) {
    return {detail::kBitTable.data() + (digit & 0x0F) * 8 + 4, 4};
}

// BIN of at most two hex digits, from the table: 8 bit characters for two digits, 4 for
// one, empty for none. A character that is not a hex digit reads as 0, as BIN does.
constexpr std::string_view bits_of_digits(std::string_view digits) {
    auto digit = [](char c) {
        const int v = detail::hex_digit_value(c);
        return v < 0 ? 0U : static_cast<unsigned>(v);
    };
    if (digits.size() >= 2) return bits8(digit(digits[0]) * 16 + digit(digits[1]));
    if (digits.size() == 1) return bits4(digit(digits[0]));
    return {};
}

// The octets of a contents text. A lone hex digit at the end is a half octet: its bit text
// has 4 characters (the high half); past the end the bit text is empty. So a field read
// from a cut octet prints a shorter or empty bit column and never reads out of range.
// A character that is not a hex digit reads as 0, as BIN does.
class Octets {
public:
    // Length octets allow at most 255 octets of contents; the rest of a longer text is
    // not parsed (no element or parameter can announce it).
    static constexpr std::size_t kMax = 255;

    constexpr Octets() = default;
    constexpr explicit Octets(std::string_view hex) : hex_(hex) {
        std::size_t whole = hex.size() / 2;
        if (whole > kMax) whole = kMax;
        for (std::size_t i = 0; i < whole; ++i) value_[i] = pair(hex[2 * i], hex[2 * i + 1]);
        count_ = static_cast<std::uint16_t>(whole);
        half_ = hex.size() / 2 <= kMax && hex.size() % 2 == 1;
        if (half_) high_ = digit(hex.back());
    }

    // Whole octets.
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0 && !half_; }
    // True when a lone hex digit follows the whole octets.
    constexpr bool half() const { return half_; }
    // True when octet `i` (0-based) is whole.
    constexpr bool has(std::size_t i) const { return i < count_; }
    // The value of octet `i`; 0 when it is not whole (check has() first where it matters).
    constexpr unsigned operator[](std::size_t i) const { return i < count_ ? value_[i] : 0U; }
    // The bit text of octet `i`: 8 characters, 4 for the half octet, empty past the end.
    constexpr std::string_view bits(std::size_t i) const {
        if (i < count_) return bits8(value_[i]);
        if (i == count_ && half_) return bits4(high_);
        return {};
    }
    // The contents as given, hex digits.
    constexpr std::string_view hex() const { return hex_; }
    // The hex digits of octets `first` on (0-based), empty past the end.
    constexpr std::string_view hex_from(std::size_t first) const {
        return 2 * first < hex_.size() ? hex_.substr(2 * first) : std::string_view{};
    }

private:
    static constexpr unsigned digit(char c) { return detail::kDigitTable[static_cast<unsigned char>(c)]; }
    static constexpr std::uint8_t pair(char hi, char lo) {
        return static_cast<std::uint8_t>(digit(hi) * 16 + digit(lo));
    }

    std::string_view hex_;
    // Only the first count_ values are ever read: the rest is left as it is, not cleared
    // for every element.
    std::array<std::uint8_t, kMax> value_;
    std::uint16_t count_ = 0;
    bool half_ = false;
    std::uint8_t high_ = 0;
};

// The value of bits hi..lo (8 = most significant) of a bit text as printed: a shorter bit
// text (a cut octet) gives the value of the bits that are there, an empty one 0.
constexpr unsigned bits_value(std::string_view bits, int hi, int lo) {
    if (hi < lo || hi > 8 || lo < 1) return 0;
    const std::size_t first = static_cast<std::size_t>(8 - hi);
    if (first >= bits.size()) return 0;
    const std::size_t count = static_cast<std::size_t>(hi - lo + 1);
    unsigned value = 0;
    for (std::size_t i = first; i < first + count && i < bits.size(); ++i)
        value = value * 2 + (bits[i] == '1');
    return value;
}

}  // namespace tarn
