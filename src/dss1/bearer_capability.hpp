// DSS1 Bearer capability information element (identifier 04, ETS 300 102-1 / Q.931).
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

}  // namespace tarn::dss1
