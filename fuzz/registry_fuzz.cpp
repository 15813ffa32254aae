// libFuzzer target that feeds each registry entry directly: the first octet picks a DSS1
// element or ISUP parameter decoder, the second the language, the mandatory column, a
// length octet that matches or not and the message type; the rest is the contents. Oracle:
// every line ends with CR LF, no lone CR or LF stands in a line, and every bit column holds
// only 0 1 . * (at most eight, or the bits of whole octets, then a blank).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/line_oracle.hpp"
#include "dss1/elements.hpp"
#include "isup/parameters.hpp"
#include "report/context.hpp"

namespace {

void check(const std::string& report) {
    if (tarn::test::malformed_line(report).broken) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const auto dss1 = tarn::dss1::element_decoders();
    const auto isup = tarn::isup::parameter_decoders();
    const std::size_t pick = data[0] % (dss1.size() + isup.size());
    const bool in_dss1 = pick < dss1.size();
    const unsigned id = in_dss1 ? dss1[pick].id : isup[pick - dss1.size()].code;
    const tarn::Decoder decode = in_dss1 ? dss1[pick].decode : isup[pick - dss1.size()].decode;

    const unsigned mode = data[1];
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string contents;
    for (std::size_t i = 2; i < size && contents.size() < 2 * tarn::Octets::kMax; ++i) {
        contents += kHex[data[i] >> 4];
        contents += kHex[data[i] & 15];
    }
    if ((mode & 0x08) && !contents.empty()) contents.pop_back();  // a half octet at the end
    static constexpr unsigned kTypes[] = {0x01, 0x06, 0x0C, 0x10, 0x2C, 0x17, 0x18, 0x05, 0x45};
    const unsigned type = kTypes[(mode >> 4) % (sizeof kTypes / sizeof kTypes[0])];
    const tarn::Lang lang = (mode & 1) ? tarn::Lang::Russian : tarn::Lang::English;
    const bool mandatory = (mode & 2) != 0;
    const unsigned whole = static_cast<unsigned>(contents.size() / 2);
    const unsigned length = (mode & 4) ? (whole + 1) % 256 : whole;

    tarn::Context ctx(lang, (mode & 0x80) != 0, "T");
    if (!in_dss1 && mandatory && (mode & 0x40)) {
        decode(ctx, tarn::Element::fixed(id, contents, true, type));
    } else {
        decode(ctx, tarn::Element(id, length, contents, mandatory, type));
    }
    check(ctx.screen());
    return 0;
}
