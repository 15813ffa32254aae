// ISUP Call reference (01) and Transmission medium requirement (02).
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

void subcl_01(Context& ctx, const Element& e);  // Call reference (national use)
void subcl_02(Context& ctx, const Element& e);  // Transmission medium requirement

}  // namespace tarn::isup
