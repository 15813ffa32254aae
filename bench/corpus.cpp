#include "corpus.hpp"

#include <array>
#include <cstdint>

namespace tarn::bench {

namespace {

struct Sample {
    std::string_view heading;
    std::string_view hex;
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

constexpr char kHex[] = "0123456789ABCDEF";

void put_octet(std::string& hex, std::size_t octet, unsigned value) {
    hex[2 * octet] = kHex[(value >> 4) & 15];
    hex[2 * octet + 1] = kHex[value & 15];
}

bool wanted(const Sample& s, Family family) {
    const bool dss1 = s.hex.starts_with("08");
    return family == Family::Both || (family == Family::Dss1) == dss1;
}

void append_groups(std::string& out, std::string_view hex) {
    out += "    ";
    for (std::size_t i = 0; i < hex.size(); i += 16) {
        out += hex.substr(i, 16);
        out += (i / 16) % 4 == 3 ? "\r\n    " : " ";
    }
    out += "\r\n\r\n";
}

void append_call(std::string& out, std::size_t call, Family family) {
    out += " OBSERVATION/CALL SAMPLING        RRN=121\r\n\r\n";
    out += " CALL DATA\r\n   CALLING NUMBER    : 4957654\r\n\r\n";
    for (const Message& m : call_messages(call, family)) {
        out += m.heading;
        out += "\r\n\r\n";
        append_groups(out, m.hex);
    }
}

void put_le(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

unsigned hex_octet(std::string_view hex, std::size_t octet) {
    auto digit = [](char c) { return static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10); };
    return digit(hex[2 * octet]) * 16 + digit(hex[2 * octet + 1]);
}

}  // namespace

std::vector<Message> call_messages(std::size_t call, Family family) {
    std::vector<Message> messages;
    for (const Sample& s : kCall) {
        if (!wanted(s, family)) continue;
        std::string hex(s.hex);
        hex.resize((hex.size() + 15) / 16 * 16, 'F');  // the exchange fills the last group
        if (hex.starts_with("08")) {
            // Call reference value: the flag (bit 8) of the sample, the value from the call.
            const unsigned flag = hex_octet(hex, 2) & 0x80;
            put_octet(hex, 2, flag | static_cast<unsigned>(call % 127 + 1));
        } else {
            // Circuit identification code: 12 bits, octet 6 and the low half of octet 7.
            const unsigned cic = static_cast<unsigned>(call % 4096);
            put_octet(hex, 5, cic & 0xFF);
            put_octet(hex, 6, (hex_octet(hex, 6) & 0xF0) | (cic >> 8));
        }
        messages.push_back({s.heading, std::move(hex)});
    }
    return messages;
}

std::string make_report(std::size_t calls, Family family) {
    std::string out;
    out.reserve(calls * 900);
    for (std::size_t c = 0; c < calls; ++c) append_call(out, c, family);
    return out;
}

std::string make_report_within(std::size_t bytes, Family family) {
    std::string out;
    for (std::size_t c = 0;; ++c) {
        const std::size_t before = out.size();
        append_call(out, c, family);
        if (out.size() > bytes) {
            out.resize(before);
            return out;
        }
    }
}

std::string make_pcap(std::size_t calls, Family family) {
    std::string out;
    put_le(out, 0xA1B2C3D4, 4);  // microsecond time stamps, little-endian
    put_le(out, 2, 2);           // version 2.4
    put_le(out, 4, 2);
    put_le(out, 0, 4);  // time zone
    put_le(out, 0, 4);  // accuracy
    put_le(out, 65535, 4);
    put_le(out, family == Family::Dss1 ? kLinkTypeUser0 : kLinkTypeMtp3, 4);
    std::uint32_t packet = 0;
    for (std::size_t c = 0; c < calls; ++c) {
        for (const Message& m : call_messages(c, family)) {
            const auto octets = static_cast<std::uint32_t>(m.hex.size() / 2);
            put_le(out, packet / 1000, 4);  // a thousand messages a second
            put_le(out, packet % 1000 * 1000, 4);
            put_le(out, octets, 4);
            put_le(out, octets, 4);
            for (std::size_t i = 0; i < octets; ++i) out += static_cast<char>(hex_octet(m.hex, i));
            ++packet;
        }
    }
    return out;
}

}  // namespace tarn::bench
