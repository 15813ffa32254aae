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

}  // namespace tarn::dss1
