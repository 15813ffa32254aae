#include "corpus.hpp"

#include <array>
#include <string_view>

namespace tarn::bench {

namespace {

struct Sample {
    std::string_view heading;
    std::string_view hex;  // whole 16-digit groups
};

// Real-looking traffic: the ISUP messages of a call and a DSS1 call set-up and clearing.
constexpr std::array<Sample, kMessagesPerCall> kCall = {{
    {" IAM                  RECEIVED       0H  0M  0S  1          32",
     "C581400030D300010020010A00020907031094153254760A0683139475560400"},
    {" ACM                  RECEIVED       0H  0M 10S  9          15", "C581400030D3000616140129010100FF"},
    {" ANM                  RECEIVED       0H  0M 11S  0          14", "C581400030D30009012D02010000FFFF"},
    {" REL                  RECEIVED       0H  0M 24S  1          13", "C581400030D3000C0200028090FFFFFF"},
    {" RLC                  SENT           0H  0M 24S  3           9", "C501402030D3001000FFFFFFFFFFFFFF"},
    {" SETUP                RECEIVED       0H  0M  0S  1          22",
     "080100050403809090A31803A983816C0600813935303170088039353031303030FF"},
    {" CONNECT              SENT           0H  0M 11S  0           7", "08018007180189FF"},
    {" DISCONNECT           RECEIVED       0H  0M 24S  1           8", "0801004508028090FFFFFFFF"},
    {" RELEASE              SENT           0H  0M 24S  3           4", "0801804DFFFFFFFF"},
}};

void append_groups(std::string& out, std::string_view hex) {
    out += "    ";
    for (std::size_t i = 0; i < hex.size(); i += 16) {
        std::string group(hex.substr(i, 16));
        group.resize(16, 'F');  // the exchange fills the last group with F digits
        out += group;
        out += (i / 16) % 4 == 3 ? "\r\n    " : " ";
    }
    out += "\r\n\r\n";
}

}  // namespace

std::string make_report(std::size_t calls, Family family) {
    std::string out;
    out.reserve(calls * 900);
    for (std::size_t c = 0; c < calls; ++c) {
        out += " OBSERVATION/CALL SAMPLING        RRN=121\r\n\r\n";
        out += " CALL DATA\r\n   CALLING NUMBER    : 4957654\r\n\r\n";
        for (const Sample& s : kCall) {
            if (family == Family::Dss1 && !s.hex.starts_with("08")) continue;
            out += s.heading;
            out += "\r\n\r\n";
            append_groups(out, s.hex);
        }
    }
    return out;
}

}  // namespace tarn::bench
