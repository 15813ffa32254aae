// ISUP Call reference (01) and Transmission medium requirement (02).
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

void subcl_01(Context& ctx, std::string_view contents);  // Call reference (national use)
void subcl_02(Context& ctx, std::string_view contents);  // Transmission medium requirement

}  // namespace tarn::isup
