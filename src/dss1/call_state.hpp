// DSS1 Call identity, Call state, Display and Keypad facility (identifiers 10, 14, 28, 2C).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// CALL_IDENTITY (10): the contents as characters.
void CALL_IDENTITY(Context& ctx, const Element& e);

// CALL_STATE (14): the call state / global interface state and the coding standard.
void CALL_STATE(Context& ctx, const Element& e);

// DISPLAY (28): the contents as characters. Also the ISUP Display information parameter.
void DISPLAY(Context& ctx, const Element& e);

// KEYPAD_FACILITY (2C): the contents as characters.
void KEYPAD_FACILITY(Context& ctx, const Element& e);

}  // namespace tarn::dss1
