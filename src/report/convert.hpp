// Conversions shared by all decoders: hex digits to bit text, bit text to numbers,
// address signals, IA5 characters. All of them accept any input length and never
// read out of range: a short input gives a short (or empty) result.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// The characters of `s` from 1-based position `pos` on, at most `len` of them;
// empty when `pos` lies beyond the end. The safe form of every "digits n to m" read.
std::string_view mid(std::string_view s, std::size_t pos, std::size_t len = std::string_view::npos);

// Value of one hex digit, or -1 when `c` is not 0-9/A-F/a-f.
int hex_value(char c);
bool is_hex_digit(char c);
bool is_hex(std::string_view s);

// BIN: four bit characters per hex digit, most significant bit first ("A1" -> "10100001").
// A character that is not a hex digit gives "0000".
std::string BIN(std::string_view hex);

// decadic: value of a text of "0"/"1" characters, the first character most significant.
// Only the last 31 characters count, so the result never overflows.
unsigned decadic(std::string_view bits);

// Value of a run of hex digits (at most the last 8 count); empty text gives 0.
unsigned hex_number(std::string_view hex);

// AdrS: address signals, two per octet, first signal in the low half of the octet.
// Characters are taken at positions 2,1, 4,3, ...; an odd last character is not taken;
// every F becomes "ST" (end of pulsing).
std::string AdrS(std::string_view hex);

// IA5: each octet as one character of Windows-1251, returned as UTF-8. A control code is
// shown by its name in angle brackets ("<CR>", "<LF>", "<ETX>", "<DEL>"; "<98>" for the
// code without a character), so a text never breaks a report line. An odd last hex digit
// is ignored.
std::string IA5(std::string_view hex);

// Windows-1251 <-> UTF-8. Characters without a Windows-1251 form become "?".
std::string cp1251_to_utf8(std::string_view bytes);
std::string utf8_to_cp1251(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t utf8_length(std::string_view utf8);

// ASCII upper and lower case of one character; every other byte is left as it is.
constexpr char upper_ascii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char lower_ascii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
// ASCII upper case of every character (multi-byte UTF-8 sequences are left as they are).
std::string to_upper_ascii(std::string_view s);

// `s` without the characters of `blanks` at either end.
std::string_view trim(std::string_view s, std::string_view blanks = " \t\r\n");

// The UTF-8 sequence at byte `at` of `utf8`: its code point and its length in bytes. A byte
// that starts no well-formed sequence (a stray continuation byte, an overlong or cut
// sequence) gives valid = false and size 1.
struct CodePoint {
    char32_t value = 0;
    std::size_t size = 1;
    bool valid = false;
};
CodePoint code_point_at(std::string_view utf8, std::size_t at);

}  // namespace tarn
