// DSS1 Cause information element (identifier 08).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// CAUSE (08): location and coding standard, the recommendation (octet 3a), the cause value
// and the first diagnostic octet. Mandatory or optional as the element is in its message.
void CAUSE(Context& ctx, const Element& e);

}  // namespace tarn::dss1
