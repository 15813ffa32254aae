// ISUP connection, call, information, continuity and backward call indicators
// (Q.763/Q.767 reading in English, ISUP-R reading in Russian). Each decoder takes the
// parameter contents as hex digits, without code and length octets.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::isup {

void subcl_06(Context& ctx, const Element& e);  // Nature of connection indicators
void subcl_07(Context& ctx, const Element& e);  // Forward call indicators
void subcl_08(Context& ctx, const Element& e);  // Optional forward call indicators
void subcl_09(Context& ctx, const Element& e);  // Calling party's category (bSubcl_09)
void subcl_0E(Context& ctx, const Element& e);  // Information request indicators
void subcl_0F(Context& ctx, const Element& e);  // Information indicators
void subcl_10(Context& ctx, const Element& e);  // Continuity indicators
void subcl_11(Context& ctx, const Element& e);  // Backward call indicators (bSubcl_11)

}  // namespace tarn::isup
