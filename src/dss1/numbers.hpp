// DSS1 party numbers and subaddresses (identifiers 6C, 6D, 70, 71).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// CALLING_PARTY_NUMBER (6C): octet 3, octet 3a when octet 3 says so, the number digits.
void CALLING_PARTY_NUMBER(Context& ctx, const Element& e);

// CALLING_PARTY_SUB (6D): octet 3, then the subaddress information in hex.
void CALLING_PARTY_SUB(Context& ctx, const Element& e);

// CALLED_PARTY_NUMBER (70): octet 3, then the number digits.
void CALLED_PARTY_NUMBER(Context& ctx, const Element& e);

// CALLED_PARTY_SUB (71): octet 3, then the subaddress information in hex.
void CALLED_PARTY_SUB(Context& ctx, const Element& e);

}  // namespace tarn::dss1
