// ISUP optional parameters 29 to 2F (the Original called number, 28, is decoded with the
// other number parameters in isup/numbers.hpp). Each decoder takes the parameter contents
// as hex digits, without code and length octets, prints the optional-parameter header and
// appends its lines to the report.
#pragma once

#include <string_view>

#include "isup/numbers.hpp"
#include "report/context.hpp"

namespace tarn::isup {

void subcl_29(Context& ctx, std::string_view contents);  // Optional backward call indicators
void subcl_2A(Context& ctx, std::string_view contents);  // User-to-user indicators
void subcl_2B(Context& ctx, std::string_view contents);  // Origination ISC point code
void subcl_2C(Context& ctx, std::string_view contents);  // Generic notification indicator
void subcl_2D(Context& ctx, std::string_view contents);  // Call history information
void subcl_2E(Context& ctx, std::string_view contents);  // Access delivery information
void subcl_2F(Context& ctx, std::string_view contents);  // Network specific facility (national use)

}  // namespace tarn::isup
