// Generates observation reports in the RRN=121 layout for the benchmarks, and the same
// messages as a pcap capture for a side-by-side run of another decoder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::bench {

// Which messages of a sampled call a report holds.
enum class Family { Both, Dss1, Isup };

// Messages per call in make_report.
inline constexpr std::size_t kMessagesPerCall = 9;
inline constexpr std::size_t kDss1MessagesPerCall = 4;
inline constexpr std::size_t kIsupMessagesPerCall = 5;
constexpr std::size_t messages_per_call(Family family) {
    switch (family) {
        case Family::Dss1:
            return kDss1MessagesPerCall;
        case Family::Isup:
            return kIsupMessagesPerCall;
        case Family::Both:
            break;
    }
    return kMessagesPerCall;
}

// One message of a sampled call: the heading line of the signal table and the octets as
// hex digits, filled with F digits to whole 16-digit groups as the exchange prints them.
struct Message {
    std::string_view heading;
    std::string hex;
};

// The messages of call number `call`: an ordinary ISUP call (IAM, ACM, ANM, REL, RLC) and a
// DSS1 call (SETUP, CONNECT, DISCONNECT, RELEASE). The circuit identification code and the
// call reference change from call to call.
std::vector<Message> call_messages(std::size_t call, Family family = Family::Both);

// A report text of `calls` sampled calls, each with its heading lines and its messages.
std::string make_report(std::size_t calls, Family family = Family::Both);

// The largest report of whole calls that holds at most `bytes` characters.
std::string make_report_within(std::size_t bytes, Family family = Family::Both);

// The same messages as make_report, one packet each, in a pcap capture: ISUP as MTP3
// messages (link type 141, MTP3 without MTP2), DSS1 as Q.931 messages under the first
// user link type (147). `family` must be Isup or Dss1.
std::string make_pcap(std::size_t calls, Family family);
inline constexpr unsigned kLinkTypeMtp3 = 141;
inline constexpr unsigned kLinkTypeUser0 = 147;

}  // namespace tarn::bench
