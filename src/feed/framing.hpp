// Framing of the Vantix feed: the server sends observation reports as a TCP stream, each
// report ended by ETX (code 3) and optionally begun by STX (code 2). Chunks arrive cut
// anywhere; this collects them into whole reports.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "report/text.hpp"

namespace tarn::feed {

struct Framed {
    std::vector<std::string> reports;  // complete reports, in the order received, without ETX
    std::size_t dropped = 0;           // bytes of unframed text dropped by this chunk
};

class ReportFramer {
public:
    // Text without ETX is kept up to this many bytes; beyond it the unfinished report is
    // dropped, and so is the rest of it up to its ETX.
    static constexpr std::size_t kMaxUnframed = std::size_t{1} << 20;

    explicit ReportFramer(std::size_t limit = kMaxUnframed) : limit_(limit) {}

    // Takes one received chunk; returns every report it completes. A report is the text
    // before its ETX; when the text holds an STX, the report begins after the last STX
    // (what stands before it is no part of any report).
    Framed push(std::string_view chunk);

    // Forgets the unfinished report (a new connection starts a new stream).
    void reset();

    const std::string& pending() const { return pending_; }

private:
    std::size_t limit_;
    std::string pending_;
    bool discarding_ = false;  // dropping the rest of an oversized report
};

// What the operator is told when unframed text was dropped.
std::string dropped_notice(std::size_t bytes, Lang lang);

// Received text as UTF-8: kept as it is when it is valid UTF-8, otherwise read as
// Windows-1251 (the single-byte code page of the exchange's reports).
std::string received_text(std::string_view bytes);

bool is_utf8(std::string_view bytes);

}  // namespace tarn::feed
