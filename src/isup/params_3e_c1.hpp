// ISUP optional parameters 3E to C1 (Q.763): Transmission medium requirement prime,
// Redirection number restriction and Generic digits. The Location number (3F) and the
// Generic number (C0) are decoded with the other number parameters in isup/numbers.hpp.
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

extern const FieldsShape kTransmissionMediumRequirementPrime;  // 3E subcl_3E
extern const FieldsShape kRedirectionNumberRestriction;        // 40 subcl_40
void subcl_C1(Context& ctx, const Element& e);                 // Generic digits (national use)

}  // namespace tarn::isup
