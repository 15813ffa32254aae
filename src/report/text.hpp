// Bilingual texts: every label and value of a report exists in English and Russian,
// and the decoding context picks one of the pair.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tarn {

enum class Lang { English, Russian };

// One literal in both languages (UTF-8). Literals are kept exactly as printed,
// leading blanks and dot leaders included.
struct Text {
    std::string_view en;
    std::string_view ru;

    constexpr std::string_view pick(Lang lang) const { return lang == Lang::English ? en : ru; }
};

// A row of a code-to-text table: a field value and its meaning in both languages.
struct Row {
    unsigned code;
    Text text;
};

// The text of `code` in `table`, or `otherwise` when the table has no row for it
// (the "any other value" meaning: reserved, spare, ...).
constexpr Text lookup(std::span<const Row> table, unsigned code, Text otherwise) {
    for (const Row& row : table) {
        if (row.code == code) return row.text;
    }
    return otherwise;
}

// True when `table` has a row for `code`.
constexpr bool contains(std::span<const Row> table, unsigned code) {
    for (const Row& row : table) {
        if (row.code == code) return true;
    }
    return false;
}

}  // namespace tarn
