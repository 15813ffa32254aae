// ISUP Nature of connection indicators (06), Forward call indicators (07), Optional
// forward call indicators (08) and Calling party's category (09): octet-field parameters.
#pragma once

#include "isup/shapes.hpp"

namespace tarn::isup {

extern const FieldsShape kNatureOfConnectionIndicators;   // 06 subcl_06
extern const FieldsShape kForwardCallIndicators;          // 07 subcl_07
extern const FieldsShape kOptionalForwardCallIndicators;  // 08 subcl_08
extern const FieldsShape kCallingPartysCategory;          // 09 subcl_09

}  // namespace tarn::isup
