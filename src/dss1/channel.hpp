// DSS1 Channel identification information element (identifier 18).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// CHANNEL_IDENTIFICATION (18): octet 3, the interface identifier octets, the channel type
// octet and the channel number or slot map. Mandatory or optional as in its message.
void CHANNEL_IDENTIFICATION(Context& ctx, const Element& e);

}  // namespace tarn::dss1
