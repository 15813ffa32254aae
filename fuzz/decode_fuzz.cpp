// libFuzzer target: any bytes as a typed message and as a report text, in both languages,
// as text reports and as their JSON and summary renderings (the element and parameter
// decoders one by one: registry_fuzz.cpp). The decoders must neither crash nor read out of
// range, every report line must end with CR LF, every JSON object must be one line without
// a raw control character, every summary line must have its 11 columns.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "run/run.hpp"
#include "run/structured.hpp"

namespace {

// Every line ends with CR LF; no CR or LF stands alone, and no ETX (the feed's report end)
// is written by a decoder.
void check_lines(const std::string& report) {
    if (!report.empty() && report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") != 0)
        std::abort();
    for (std::size_t i = 0; i < report.size(); ++i) {
        const char c = report[i];
        if (c == '\x03') std::abort();
        if (c == '\r' && (i + 1 == report.size() || report[i + 1] != '\n')) std::abort();
        if (c == '\n' && (i == 0 || report[i - 1] != '\r')) std::abort();
    }
}

// One JSON object a line: "{" ... "}" LF, no other byte below 0x20.
void check_json(const std::string& out) {
    if (out.empty()) return;
    if (out.front() != '{' || out.size() < 3 || out.compare(out.size() - 2, 2, "}\n") != 0) std::abort();
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c < 0x20 && !(c == '\n' && out[i - 1] == '}' && out[i + 1] == '{')) std::abort();
    }
}

void check_summary(const std::string& out) {
    std::size_t tabs = 0;
    for (char c : out) {
        if (c == '\t') ++tabs;
        if (c == '\n') {
            if (tabs != 10) std::abort();
            tabs = 0;
        }
    }
    if (tabs != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (tarn::Lang lang : {tarn::Lang::English, tarn::Lang::Russian}) {
        tarn::Session session;
        session.settings.lang = lang;
        // As a typed message: hex digits only, so the decoders see every byte pattern.
        static constexpr char kHex[] = "0123456789ABCDEF";
        std::string box;
        for (unsigned char c : text) {
            box += kHex[c >> 4];
            box += kHex[c & 15];
        }
        check_lines(tarn::decode_single(session, box).report);
        // Prefixes starting with the protocol discriminators reach both decoders.
        for (std::string_view head : {"08", "C5"}) {
            std::string message = std::string(head) + box;
            check_lines(tarn::decode_message(session, message));
        }
        // As a report text cut into messages.
        tarn::MultiRun run(session, [](std::string&& report) { check_lines(report); });
        run.feed(text);
        run.finish();
        // The same rendered as JSON and as the summary, without and with the text report.
        for (tarn::Format format : {tarn::Format::Json, tarn::Format::Summary}) {
            tarn::Rendering rendering(format);
            const tarn::MessageSource input;
            auto check = format == tarn::Format::Json ? check_json : check_summary;
            tarn::MultiRun structured =
                rendering.multi(session, input, [check](std::string&& out) { check(out); });
            structured.feed(text);
            structured.finish();
            std::string out;
            std::string report;
            rendering.decode(session, std::string("C5") + box, "title", false, input, out, &report, true);
            check(out);
            check_lines(report);
        }
    }
    return 0;
}
