// ISUP parameters 22, 24 and 27 (the Connected number, 21, and the Transit network
// selection, 23, are decoded with the other number parameters in isup/numbers.hpp).
#pragma once

#include "isup/shapes.hpp"

namespace tarn::isup {

extern const FieldsShape kSuspendResumeIndicators;   // 22 subcl_22
extern const FieldsShape kEventInformation;          // 24 subcl_24
extern const FieldsShape kAutomaticCongestionLevel;  // 27 subcl_27

}  // namespace tarn::isup
