// ISUP connection, call, information, continuity and backward call indicators
// (Q.763/Q.767 reading in English, ISUP-R reading in Russian). Each decoder takes the
// parameter contents as hex digits, without code and length octets.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

void subcl_06(Context& ctx, std::string_view contents);  // Nature of connection indicators
void subcl_07(Context& ctx, std::string_view contents);  // Forward call indicators
void subcl_08(Context& ctx, std::string_view contents);  // Optional forward call indicators
void subcl_09(Context& ctx, std::string_view contents);  // Calling party's category (bSubcl_09)
void subcl_0E(Context& ctx, std::string_view contents);  // Information request indicators
void subcl_0F(Context& ctx, std::string_view contents);  // Information indicators
void subcl_10(Context& ctx, std::string_view contents);  // Continuity indicators
void subcl_11(Context& ctx, std::string_view contents);  // Backward call indicators (bSubcl_11)

}  // namespace tarn::isup
