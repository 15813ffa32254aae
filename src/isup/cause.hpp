// ISUP Cause indicators (parameter 12): Q.763 octet layout, Q.850 cause values.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

// subcl_12: the contents without code and length octets. The header depends on the
// message that carries the parameter (e.message_type): optional in ACM, RLC and CPG,
// the mandatory variable parameter in REL and CFN.
void subcl_12(Context& ctx, const Element& e);

}  // namespace tarn::isup
