// ISUP Information request indicators (0E), Information indicators (0F), Continuity
// indicators (10) and Backward call indicators (11): octet-field parameters.
#pragma once

#include "isup/shapes.hpp"

namespace tarn::isup {

extern const FieldsShape kInformationRequestIndicators;  // 0E subcl_0E
extern const FieldsShape kInformationIndicators;         // 0F subcl_0F
extern const FieldsShape kContinuityIndicators;          // 10 subcl_10
extern const FieldsShape kBackwardCallIndicators;        // 11 subcl_11

}  // namespace tarn::isup
