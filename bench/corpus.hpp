// Generates observation reports in the RRN=121 layout for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

namespace tarn::bench {

// Which messages of a sampled call a report holds.
enum class Family { Both, Dss1 };

// A report text of `calls` sampled calls, each with its heading lines and the messages
// of an ordinary ISUP call (IAM, ACM, ANM, REL, RLC) and of a DSS1 call (SETUP, CONNECT,
// DISCONNECT, RELEASE), as 16-digit groups; with Family::Dss1 only the DSS1 messages.
std::string make_report(std::size_t calls, Family family = Family::Both);

// Messages per call in make_report.
inline constexpr std::size_t kMessagesPerCall = 9;
inline constexpr std::size_t kDss1MessagesPerCall = 4;
constexpr std::size_t messages_per_call(Family family) {
    return family == Family::Dss1 ? kDss1MessagesPerCall : kMessagesPerCall;
}

}  // namespace tarn::bench
