// The tokens of a report text in multi-message mode: runs of characters between the
// separators (blank, CR, LF, ETX). A message is a run of groups, tokens of exactly 16 hex
// digits; any other token ends it. The tables classify a character in one look-up.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarn::tokens {

namespace detail {

enum : std::uint8_t {
    kSeparator = 1,
    kDigit = 2,  // 0-9, A-F: a hex digit as a message keeps it
    kLower = 4,  // a-f: a hex digit to upper-case
};

constexpr std::array<std::uint8_t, 256> make_classes() {
    std::array<std::uint8_t, 256> classes{};
    for (unsigned char c : {' ', '\r', '\n', '\x03'}) classes[c] = kSeparator;
    for (unsigned c = '0'; c <= '9'; ++c) classes[c] = kDigit;
    for (unsigned c = 'A'; c <= 'F'; ++c) classes[c] = kDigit;
    for (unsigned c = 'a'; c <= 'f'; ++c) classes[c] = kLower;
    return classes;
}
inline constexpr std::array<std::uint8_t, 256> kClasses = make_classes();

constexpr std::uint8_t class_of(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

}  // namespace detail

inline constexpr std::size_t kGroup = 16;

constexpr bool is_separator(char c) {
    return detail::class_of(c) == detail::kSeparator;
}

// How the 16 characters at `p` read as a group: not at all (a character that is no hex
// digit), as they are (0-9, A-F), or with lower-case digits to upper-case.
enum class Group { None, AsIs, Lower };
constexpr Group group_at_bytewise(const char* p) {
    std::uint8_t all = 0;
    std::uint8_t any_other = 0;
    for (std::size_t i = 0; i < kGroup; ++i) {
        const std::uint8_t c = detail::class_of(p[i]);
        all |= c;
        any_other |= static_cast<std::uint8_t>(c == 0 || c == detail::kSeparator);
    }
    if (any_other != 0) return Group::None;
    return all == detail::kDigit ? Group::AsIs : Group::Lower;
}

#if defined(__SSE2__)
// The 16 characters at once: each compared with the bounds of 0-9, A-F and a-f (a byte of
// 128 and above compares below every bound, as a signed byte).
inline Group group_at(const char* p) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    auto within = [&c](char low, char high) {
        return _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8(static_cast<char>(low - 1))),
                             _mm_cmplt_epi8(c, _mm_set1_epi8(static_cast<char>(high + 1))));
    };
    const __m128i upper = _mm_or_si128(within('0', '9'), within('A', 'F'));
    const __m128i lower = within('a', 'f');
    if (_mm_movemask_epi8(_mm_or_si128(upper, lower)) != 0xFFFF) return Group::None;
    return _mm_movemask_epi8(lower) == 0 ? Group::AsIs : Group::Lower;
}
#else
constexpr Group group_at(const char* p) {
    return group_at_bytewise(p);
}
#endif

// The first separator from `p` on, `end` when there is none; and the first character that
// is no separator. Both look at 16 characters at once where they can.
inline const char* find_separator_bytewise(const char* p, const char* end) {
    while (p < end && !is_separator(*p)) ++p;
    return p;
}
inline const char* skip_separators_bytewise(const char* p, const char* end) {
    while (p < end && is_separator(*p)) ++p;
    return p;
}

#if defined(__SSE2__)
namespace detail {
// Bit k set when character k of the 16 at `p` is a separator.
inline unsigned separators_at(const char* p) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i blank =
        _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(c, _mm_set1_epi8('\x03')));
    const __m128i line =
        _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(c, _mm_set1_epi8('\n')));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(blank, line)));
}
}  // namespace detail

inline const char* find_separator(const char* p, const char* end) {
    for (; end - p >= 16; p += 16) {
        if (const unsigned found = detail::separators_at(p); found != 0) return p + std::countr_zero(found);
    }
    return find_separator_bytewise(p, end);
}
inline const char* skip_separators(const char* p, const char* end) {
    for (; end - p >= 16; p += 16) {
        if (const unsigned other = ~detail::separators_at(p) & 0xFFFFU; other != 0)
            return p + std::countr_zero(other);
    }
    return skip_separators_bytewise(p, end);
}
#else
inline const char* find_separator(const char* p, const char* end) {
    return find_separator_bytewise(p, end);
}
inline const char* skip_separators(const char* p, const char* end) {
    return skip_separators_bytewise(p, end);
}
#endif

// A hex digit in upper case.
constexpr char upper_digit(char c) {
    return detail::class_of(c) == detail::kLower ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when a token that is no group begins at `at`, so that a message before it ends
// there: `at` follows a separator (or starts the text, which `before` precedes), and the
// token's first 17 characters, or its end, are inside the text. False as well when the
// text ends too soon to tell.
constexpr bool starts_no_group(std::string_view text, std::size_t at, char before) {
    const char previous = at == 0 ? before : text[at - 1];
    if (at >= text.size() || !is_separator(previous) || is_separator(text[at])) return false;
    std::size_t end = at;
    while (end < text.size() && end - at <= kGroup && !is_separator(text[end])) ++end;
    const std::size_t size = end - at;
    if (size > kGroup) return true;                             // 17 characters: too long for a group
    if (end == text.size()) return false;                       // the token may go on past the text
    if (size < kGroup) return true;                             // ended short of 16
    return group_at_bytewise(text.data() + at) == Group::None;  // 16 characters, not all hex digits
}

}  // namespace tarn::tokens
