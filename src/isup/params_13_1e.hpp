// ISUP parameters 13, 15, 1A, 1D and 1E (Range and status, 16, has a walk of its own in
// isup/range_status.hpp).
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

extern const FieldsShape kRedirectionInformation;  // 13 subcl_13
void subcl_15(Context& ctx, const Element& e);     // Circuit group supervision message type
void subcl_1A(Context& ctx, const Element& e);     // Closed user group interlock code
void subcl_1D(Context& ctx, const Element& e);     // User service information
extern const HexShape kSignallingPointCode;        // 1E subcl_1E (national use)

}  // namespace tarn::isup
