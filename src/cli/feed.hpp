// tarn-decode --feed: follows the Vantix report server and decodes every report as it
// arrives.
#pragma once

#include <string>

#include "cli/output.hpp"
#include "report/text.hpp"
#include "run/structured.hpp"

namespace tarn::cli {

struct FeedOptions {
    std::string address;  // "HOST:PORT"; empty: read from Tarn.INI beside the executable
    std::string filter;   // deliver only reports that contain it (case ignored); empty: all
    Lang lang = Lang::Russian;
    OutputOptions output;
    Format format = Format::Text;  // json, summary: the renderings of each delivered report
};

// Connects, decodes and delivers each report with its feed heading to standard output
// and/or the output file, reconnects every 9000 ms while the server is down (the
// environment variable TARN_FEED_RETRY_MS overrides the interval) and returns 0 when
// stopped by SIGINT or SIGTERM; 1 when Tarn.INI gives no usable address (an address given
// on the command line has been checked with the options) or standard output failed. When
// the reader of standard output goes away the process ends at once by SIGPIPE.
int run_feed(const FeedOptions& options, const char* argv0);

}  // namespace tarn::cli
