// DSS1 Facility (1C), Network-specific facilities (20) and Transit network selection (78)
// information elements (ETS 300 102-1 / Q.931, Q.932): header octets field by field, then
// the rest as hex or IA5 text.
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

void FACILITY(Context& ctx, const Element& e);                   // Facility (1C)
void NETWORK_SPECIFIC_FAC(Context& ctx, const Element& e);       // Network-specific facilities (20)
void TRANSIT_NETWORK_SELECTION(Context& ctx, const Element& e);  // Transit network selection (78)

}  // namespace tarn::dss1
