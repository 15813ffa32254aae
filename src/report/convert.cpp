#include "report/convert.hpp"

#include <array>
#include <cstdint>

namespace tarn {

namespace {

// Unicode code points of the Windows-1251 bytes 0x80-0xFF. 0x98 is unassigned in the
// code page; Windows maps it to U+0098, and so do we.
constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The names of the control codes 00-1F. A text element shows a control code by its name in
// angle brackets, so that a CR, LF or ETX in the data never ends a report line or a feed
// report, and no other control code reaches the screen or the output file.
constexpr std::string_view kControlNames[32] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT", "LF",  "VT",  "FF", "CR", "SO", "SI",
    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC", "FS", "GS", "RS", "US",
};

void append_cp1251(std::string& out, unsigned char byte) {
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        append_utf8(out, kCp1251High[byte - 0x80]);
    }
}

}  // namespace

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool is_hex_digit(char c) {
    return hex_value(c) >= 0;
}

bool is_hex(std::string_view s) {
    for (char c : s) {
        if (!is_hex_digit(c)) return false;
    }
    return true;
}

std::string BIN(std::string_view hex) {
    std::string bits;
    bits.reserve(hex.size() * 4);
    for (char c : hex) {
        const int v = hex_value(c) < 0 ? 0 : hex_value(c);
        for (int b = 3; b >= 0; --b) bits += ((v >> b) & 1) ? '1' : '0';
    }
    return bits;
}

unsigned decadic(std::string_view bits) {
    if (bits.size() > 31) bits.remove_prefix(bits.size() - 31);
    unsigned value = 0;
    for (char c : bits) value = (value << 1) | (c == '1' ? 1u : 0u);
    return value;
}

std::string AdrS(std::string_view hex) {
    std::string digits;
    if (hex.size() < 2) return digits;
    digits.reserve(hex.size() + 4);
    for (std::size_t k = 2; k <= hex.size(); k += 2) {
        digits += hex[k - 1];
        digits += hex[k - 2];
    }
    std::string out;
    out.reserve(digits.size() + 4);
    for (char c : digits) {
        if (c == 'F' || c == 'f') {
            out += "ST";
        } else {
            out += c;
        }
    }
    return out;
}

std::string IA5(std::string_view hex) {
    std::string out;
    out.reserve(hex.size());
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const auto byte = static_cast<unsigned char>(hex_number(hex.substr(i, 2)));
        if (byte < 0x20) {
            out += '<';
            out += kControlNames[byte];
            out += '>';
        } else if (byte == 0x7F) {
            out += "<DEL>";
        } else if (byte == 0x98) {
            // The one code of Windows-1251 without a character: Windows gives it the C1
            // control U+0098, which terminals take as the start of a control string.
            out += "<98>";
        } else {
            append_cp1251(out, byte);
        }
    }
    return out;
}

std::string cp1251_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) append_cp1251(out, static_cast<unsigned char>(c));
    return out;
}

CodePoint code_point_at(std::string_view utf8, std::size_t at) {
    if (at >= utf8.size()) return {};
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t more = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        cp = lead & 0x07;
    } else {
        return {};
    }
    if (at + more >= utf8.size()) return {};
    for (std::size_t k = 1; k <= more; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (next & 0x3F);
    }
    return {cp, more + 1, true};
}

std::string utf8_to_cp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const CodePoint cp = code_point_at(utf8, i);
        i += cp.size;
        if (!cp.valid) {
            out += '?';
        } else if (cp.value < 0x80) {
            out += static_cast<char>(cp.value);
        } else {
            char mapped = '?';
            for (std::size_t b = 0; b < kCp1251High.size(); ++b) {
                if (kCp1251High[b] == cp.value) {
                    mapped = static_cast<char>(0x80 + b);
                    break;
                }
            }
            out += mapped;
        }
    }
    return out;
}

std::string_view trim(std::string_view s, std::string_view blanks) {
    if (blanks.size() == 1) {  // one character (the structured output trims each value by blanks)
        std::size_t first = 0;
        std::size_t last = s.size();
        while (first < last && s[first] == blanks[0]) ++first;
        while (last > first && s[last - 1] == blanks[0]) --last;
        return s.substr(first, last - first);
    }
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::size_t utf8_length(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string to_upper_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = upper_ascii(c);
    }
    return out;
}

}  // namespace tarn
