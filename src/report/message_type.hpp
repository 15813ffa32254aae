// The message type line shared by the DSS1 and ISUP frames (subTYPE): one blank, the 8
// bits of the message type octet, " Message Type.................." and the name (which
// begins with a blank).
#pragma once

#include <string_view>

#include "report/context.hpp"
#include "report/octets.hpp"

namespace tarn {

inline constexpr Text kMessageTypeLabel{" Message Type..................", " Тип сообщения................."};

inline void message_type_line(Context& ctx, unsigned code, std::string_view name) {
    ctx.line(" ", bits8(code), ctx.t(kMessageTypeLabel), name);
}

}  // namespace tarn
