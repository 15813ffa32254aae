// SS7 ISUP message decoder: Q.767/Q.763 (English report) and ISUP-R (Russian report).
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

// DEC_SS: decodes one ISUP message with its service information octet and routing label.
void DEC_SS(Context& ctx, std::string_view message);

}  // namespace tarn::isup
