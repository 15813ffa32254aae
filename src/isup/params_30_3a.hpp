// ISUP optional parameters 30 to 3A (Q.763): User service information prime, Propagation
// delay counter, Remote operations, Service activation, Transmission medium used, Call
// diversion information, Echo control information, the parameter coded 39 and MLPP
// precedence. User teleservice information (34), the High layer compatibility octets, has
// no decoder here.
#pragma once

#include "isup/shapes.hpp"
#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

void subcl_30(Context& ctx, const Element& e);           // User service information prime
extern const HexShape kPropagationDelayCounter;          // 31 subcl_31
void subcl_32(Context& ctx, const Element& e);           // Remote operations
void subcl_34(Context& ctx, const Element& e);           // User teleservice information
extern const HexShape kServiceActivation;                // 33 subcl_33
extern const FieldsShape kTransmissionMediumUsed;        // 35 subcl_35
extern const FieldsShape kCallDiversionInformation;      // 36 subcl_36
extern const FieldsShape kEchoControlInformation;        // 37 subcl_37
extern const HexShape kMessageCompatibilityInformation;  // 39 subcl_39
void subcl_3A(Context& ctx, const Element& e);           // MLPP precedence

// The one octet of the Transmission medium used, coded as the Transmission medium
// requirement; the Transmission medium requirement prime (3E) reads it the same way.
extern const OctetFields kTransmissionMediumOctets[1];

}  // namespace tarn::isup
