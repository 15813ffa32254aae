// ISUP Access transport (03, Q.763 3.3): DSS1 information elements carried end to end.
#pragma once

#include "report/context.hpp"

namespace tarn::isup {

void subcl_03(Context& ctx, const Element& e);  // Access transport

}  // namespace tarn::isup
