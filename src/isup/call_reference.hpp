// ISUP Call reference (01) and Transmission medium requirement (02).
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

void subcl_01(Context& ctx, const Element& e);            // Call reference (national use)
extern const FieldsShape kTransmissionMediumRequirement;  // 02 subcl_02

}  // namespace tarn::isup
