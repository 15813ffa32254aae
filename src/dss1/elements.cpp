#include "dss1/elements.hpp"

#include "dss1/bearer_capability.hpp"

namespace tarn::dss1 {

namespace {

constexpr ElementEntry kElementDecoders[] = {
    {0x04, BEARER_CAPABILITY},
};

}  // namespace

std::span<const ElementEntry> element_decoders() {
    return kElementDecoders;
}

ElementDecoder find_decoder(std::span<const ElementEntry> table, unsigned id) {
    for (const ElementEntry& entry : table) {
        if (entry.id == id) return entry.decode;
    }
    return nullptr;
}

bool element_preamble(Context& ctx, Text title, bool mandatory, std::string_view contents) {
    ctx.header(title, mandatory);
    return ctx.length_ok(contents);
}

}  // namespace tarn::dss1
