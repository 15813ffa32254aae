// libFuzzer target: any bytes as a typed message and as a report text, in both languages
// (the element and parameter decoders one by one: registry_fuzz.cpp). The decoders must
// neither crash nor read out of range, and every report line must end with CR LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "run/run.hpp"

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
    }
    return 0;
}
