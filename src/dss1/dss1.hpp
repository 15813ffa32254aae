// DSS1 (EDSS1, ETS 300 102-1) layer-3 message decoder.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::dss1 {

// DEC_DSS: decodes one DSS1 message (hex digits, two per octet) into ctx's report.
void DEC_DSS(Context& ctx, std::string_view message);

}  // namespace tarn::dss1
