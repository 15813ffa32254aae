// ISUP Range and status (parameter 16).
#pragma once

#include "report/context.hpp"
#include "report/element.hpp"

namespace tarn::isup {

// subcl_16: the mandatory variable parameter of the circuit group messages. The legend of
// its status octets depends on the message that carries it (e.message_type).
void subcl_16(Context& ctx, const Element& e);

}  // namespace tarn::isup
