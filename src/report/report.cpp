#include "report/report.hpp"

#include "report/convert.hpp"

namespace tarn {

std::string FormatOutMessage(std::string_view message) {
    std::string dump;
    append_message_dump(dump, message);
    return dump;
}

void append_message_dump(std::string& out, std::string_view message) {
    const std::size_t quotient = message.size() / 16;
    const std::size_t remainder = message.size() % 16;
    std::size_t groups = quotient;  // length / 16, rounded half to even
    if (remainder > 8 || (remainder == 8 && quotient % 2 == 1)) ++groups;
    out.reserve(out.size() + message.size() + groups + 1);
    for (std::size_t k = 0; k <= groups; ++k) {
        out += ' ';
        out += mid(message, 16 * k + 1, 16);
    }
}

std::string file_heading(Lang lang, std::string_view path) {
    std::string line(lang == Lang::English ? "   REPORT (File: " : "   ОТЧЕТ (Файл: ");
    line += path;
    line += ')';
    return line;
}

std::string feed_heading(std::string_view date, std::string_view time) {
    std::string line("   Vantix: ");
    line += date;
    line += "  ";
    line += time;
    return line;
}

std::string frame_report(std::string_view heading, std::string_view body) {
    std::string report;
    report.reserve(heading.size() + body.size() + 8);
    report += heading;
    report += "\r\n";
    report += body;
    report += kReportEnd;
    return report;
}

std::string frame_report_in_place(std::string_view heading, std::string&& body) {
    // Without room, a new buffer takes the body in one copy (growing the old one would copy
    // it as well, then move it twice); with room, the body moves once for heading and CR LF.
    if (body.capacity() < heading.size() + 2 + body.size() + kReportEnd.size())
        return frame_report(heading, body);
    std::string front(heading);
    front += "\r\n";
    std::string report = std::move(body);
    report.insert(0, front);
    report += kReportEnd;
    return report;
}

bool is_empty_report(std::string_view report) {
    return utf8_length(report) < kMinReportChars;
}

std::string fold_case(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += lower_ascii(static_cast<char>(c));
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < utf8.size()) {
            // Two-byte Cyrillic letters U+0400..U+047F.
            unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            if (cp >= 0x410 && cp <= 0x42F) {
                cp += 0x20;  // А..Я -> а..я
            } else if (cp >= 0x400 && cp <= 0x40F) {
                cp += 0x50;  // Ѐ..Џ (Ё among them) -> ѐ..џ
            }
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool contains_ignoring_case(std::string_view text, std::string_view what) {
    return fold_case(text).find(fold_case(what)) != std::string::npos;
}

}  // namespace tarn
