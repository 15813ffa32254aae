// ISUP optional parameters 29 to 2F (the Original called number, 28, is decoded with the
// other number parameters in isup/numbers.hpp).
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

extern const FieldsShape kOptionalBackwardCallIndicators;  // 29 subcl_29
void subcl_2A(Context& ctx, const Element& e);             // User-to-user indicators
extern const HexShape kOriginationIscPointCode;            // 2B subcl_2B
void subcl_2C(Context& ctx, const Element& e);             // Generic notification indicator
extern const HexShape kCallHistoryInformation;             // 2D subcl_2D
extern const FieldsShape kAccessDeliveryInformation;       // 2E subcl_2E
extern const HexShape kNetworkSpecificFacility;            // 2F subcl_2F (national use)

}  // namespace tarn::isup
