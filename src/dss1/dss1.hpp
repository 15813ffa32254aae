// DSS1 (EDSS1, ETS 300 102-1) layer-3 message decoder.
#pragma once

#include <span>
#include <string_view>

#include "dss1/elements.hpp"
#include "report/context.hpp"

namespace tarn::dss1 {

// DEC_DSS: decodes one DSS1 message (hex digits, two per octet) into ctx's report.
void DEC_DSS(Context& ctx, std::string_view message);

// DEC_DSS with the given identifier-to-decoder table in place of element_decoders().
void DEC_DSS(Context& ctx, std::string_view message, std::span<const ElementEntry> decoders);

// subTYPE: the message type line: one blank, the 8 bits of the message type octet,
// " Message Type.................." and `name` (which begins with a blank). Shared with
// the ISUP decoder.
void subTYPE(Context& ctx, std::string_view type_bits, std::string_view name);

}  // namespace tarn::dss1
