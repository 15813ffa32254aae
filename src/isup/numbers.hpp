// ISUP number parameters (Q.763 layout: odd/even and nature of address in octet 1,
// numbering plan and the other indicators in octet 2, address signals from octet 3 on)
// and the Connection request.
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

// Mandatory variable parameters: a title line and a length line of their own.
extern const NumberShape kCalledPartyNumber;  // 04 subcl_04
extern const NumberShape kSubsequentNumber;   // 05 subcl_05

// Optional parameters: the optional-parameter header.
extern const NumberShape kCallingPartyNumber;    // 0A subcl_0A
extern const NumberShape kRedirectingNumber;     // 0B subcl_0B
extern const NumberShape kRedirectionNumber;     // 0C subcl_0C
void subcl_0D(Context& ctx, const Element& e);   // Connection request
extern const NumberShape kOriginalCalledNumber;  // 28 subcl_28

}  // namespace tarn::isup
