// ISUP optional parameters 29 to 2F (the Original called number, 28, is decoded with the
// other number parameters in isup/numbers.hpp). Each decoder takes the parameter contents
// as hex digits, without code and length octets, prints the optional-parameter header and
// appends its lines to the report.
#pragma once

#include <string_view>

#include "isup/numbers.hpp"
#include "report/context.hpp"

namespace tarn::isup {

void subcl_29(Context& ctx, const Element& e);  // Optional backward call indicators
void subcl_2A(Context& ctx, const Element& e);  // User-to-user indicators
void subcl_2B(Context& ctx, const Element& e);  // Origination ISC point code
void subcl_2C(Context& ctx, const Element& e);  // Generic notification indicator
void subcl_2D(Context& ctx, const Element& e);  // Call history information
void subcl_2E(Context& ctx, const Element& e);  // Access delivery information
void subcl_2F(Context& ctx, const Element& e);  // Network specific facility (national use)

}  // namespace tarn::isup
