// DSS1 High layer compatibility information element (identifier 7D, ETS 300 102-1 / Q.931).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// HIGH_LAYER_COMP: the element inside a DSS1 message or an ISUP Access transport: preamble
// (always "Optional parameter"), length check, then the octets.
void HIGH_LAYER_COMP(Context& ctx, const Element& e);

// The octets alone, from octet 3 on, without preamble or length check: the entry for the
// ISUP parameters that carry the same octets and print their own header.
void HIGH_LAYER_COMP_body(Context& ctx, const Element& e);

}  // namespace tarn::dss1
