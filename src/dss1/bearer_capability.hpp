// DSS1 Bearer capability (identifier 04) and Low layer compatibility (identifier 7C)
// information elements (ETS 300 102-1 / Q.931), which share their octet layout.
#pragma once

#include <string_view>

#include "report/context.hpp"

namespace tarn::dss1 {

// BEARER_CAPABILITY: the element inside a DSS1 message: preamble (always "Mandatory
// parameter"), length check, then the octets.
void BEARER_CAPABILITY(Context& ctx, const Element& e);

// The octets alone, from octet 3 on, without preamble or length check: the entry for the
// ISUP User service information parameters, which carry the same octets.
void BEARER_CAPABILITY_body(Context& ctx, const Element& e);

// LOW_LAYER_COMP: the preamble (always "Optional parameter"), length check, then the
// Bearer capability octets with octets 3a, 6a and 7a and their own texts.
void LOW_LAYER_COMP(Context& ctx, const Element& e);

}  // namespace tarn::dss1
