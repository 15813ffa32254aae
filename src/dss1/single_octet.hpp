// DSS1 single-octet elements More data (A0), Sending complete (A1), Congestion level (Bx),
// and the Date/time element (identifier 29).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// MORE_DATA (A0): the identifier octet's two fields.
void MORE_DATA(Context& ctx, const Element& e);

// SENDING_COMPLETE (A1): the identifier octet's two fields.
void SENDING_COMPLETE(Context& ctx, const Element& e);

// CONGESTION_LEVEL (Bx): the level in bits 4-1 of the identifier octet.
void CONGESTION_LEVEL(Context& ctx, const Element& e);

// DATA_TIME (29): year, month, day, hour and minute in decimal.
void DATA_TIME(Context& ctx, const Element& e);

}  // namespace tarn::dss1
