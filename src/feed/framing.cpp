#include "feed/framing.hpp"

#include "report/convert.hpp"
#include "report/report.hpp"

namespace tarn::feed {

Framed ReportFramer::push(std::string_view chunk) {
    Framed out;
    while (!chunk.empty()) {
        if (discarding_) {
            const std::size_t end = chunk.find_first_of(std::string_view("\x02\x03", 2));
            out.dropped += end == std::string_view::npos ? chunk.size() : end;
            if (end == std::string_view::npos) break;
            discarding_ = false;
            chunk.remove_prefix(chunk[end] == kEtx ? end + 1 : end);  // an STX opens a new report
            continue;
        }
        const std::size_t etx = chunk.find(kEtx);
        if (etx == std::string_view::npos) {
            pending_ += chunk;
            break;
        }
        pending_ += chunk.substr(0, etx);
        chunk.remove_prefix(etx + 1);
        const std::size_t stx = pending_.rfind(kStx);
        out.reports.push_back(stx == std::string::npos ? std::move(pending_) : pending_.substr(stx + 1));
        pending_.clear();
    }
    if (pending_.size() > limit_) {
        out.dropped += pending_.size();
        pending_.clear();
        pending_.shrink_to_fit();
        discarding_ = true;
    }
    return out;
}

void ReportFramer::reset() {
    pending_.clear();
    discarding_ = false;
}

std::string dropped_notice(std::size_t bytes, Lang lang) {
    const std::string n = std::to_string(bytes);
    return lang == Lang::English
               ? "Vantix: " + n + " bytes received without an end-of-report mark (ETX) were dropped"
               : "Vantix: отброшено " + n + " байт, полученных без признака конца отчета (ETX)";
}

bool is_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const CodePoint cp = code_point_at(bytes, i);
        if (!cp.valid) return false;
        i += cp.size;
    }
    return true;
}

std::string received_text(std::string_view bytes) {
    return is_utf8(bytes) ? std::string(bytes) : cp1251_to_utf8(bytes);
}

}  // namespace tarn::feed
