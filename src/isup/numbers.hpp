// ISUP number parameters (Q.763 layout: odd/even and nature of address in octet 1,
// numbering plan and the other indicators in octet 2, address signals from octet 3 on; the
// Generic number has its number qualifier octet before them), the Transit network selection
// (odd/even and network identification in octet 1, digits from octet 2 on) and the
// Connection request.
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

// Mandatory variable parameters: a title line and a length line of their own.
extern const NumberShape kCalledPartyNumber;  // 04 subcl_04
extern const NumberShape kSubsequentNumber;   // 05 subcl_05

// Optional parameters: the optional-parameter header.
extern const NumberShape kCallingPartyNumber;       // 0A subcl_0A
extern const NumberShape kRedirectingNumber;        // 0B subcl_0B
extern const NumberShape kRedirectionNumber;        // 0C subcl_0C
void subcl_0D(Context& ctx, const Element& e);      // Connection request
extern const NumberShape kConnectedNumber;          // 21 subcl_21
extern const NumberShape kTransitNetworkSelection;  // 23 subcl_23
extern const NumberShape kOriginalCalledNumber;     // 28 subcl_28
extern const NumberShape kLocationNumber;           // 3F subcl_3F
extern const NumberShape kGenericNumber;            // C0 subcl_C0

}  // namespace tarn::isup
