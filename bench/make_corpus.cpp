// tarn_corpus: writes the benchmark's generated calls as an observation report file and,
// for a side-by-side run of another decoder, the same messages as a pcap capture.
//   tarn_corpus isup|dss1|both CALLS REPORT [PCAP]
//   tarn_corpus isup|dss1|both --within BYTES REPORT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "corpus.hpp"

namespace {

bool write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int usage() {
    std::cerr << "usage: tarn_corpus isup|dss1|both CALLS REPORT [PCAP]\n"
                 "       tarn_corpus isup|dss1|both --within BYTES REPORT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using tarn::bench::Family;
    if (argc < 4) return usage();
    const std::string_view name = argv[1];
    Family family = Family::Both;
    if (name == "isup") {
        family = Family::Isup;
    } else if (name == "dss1") {
        family = Family::Dss1;
    } else if (name != "both") {
        return usage();
    }
    if (std::string_view(argv[2]) == "--within") {
        if (argc != 5) return usage();
        const std::string report =
            tarn::bench::make_report_within(std::strtoull(argv[3], nullptr, 10), family);
        return write(argv[4], report) ? 0 : 1;
    }
    const std::size_t calls = std::strtoull(argv[2], nullptr, 10);
    if (calls == 0 || argc > 5) return usage();
    if (!write(argv[3], tarn::bench::make_report(calls, family))) return 1;
    if (argc == 5) {
        if (family == Family::Both) return usage();
        if (!write(argv[4], tarn::bench::make_pcap(calls, family))) return 1;
    }
    std::printf("%zu messages\n", calls * tarn::bench::messages_per_call(family));
    return 0;
}
