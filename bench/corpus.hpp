// Generates observation reports in the RRN=121 layout for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

namespace tarn::bench {

// A report text of `calls` sampled calls, each with its heading lines and the messages
// of an ordinary ISUP call (IAM, ACM, ANM, REL, RLC) and of a DSS1 call (SETUP, CONNECT,
// DISCONNECT, RELEASE), as 16-digit groups.
std::string make_report(std::size_t calls);

// Messages per call in make_report.
inline constexpr std::size_t kMessagesPerCall = 9;

}  // namespace tarn::bench
