// The message type line shared by the DSS1 and ISUP frames (subTYPE): one blank, the 8
// bits of the message type octet, " Message Type.................." and the name (which
// begins with a blank). The acronym (IAM, SETUP) goes to the structured sink only.
#pragma once

#include <string_view>

#include "report/context.hpp"
#include "report/octets.hpp"

namespace tarn {

inline constexpr Text kMessageTypeLabel{" Message Type..................", " Тип сообщения................."};

inline void message_type_line(Context& ctx, unsigned code, std::string_view name, std::string_view acronym) {
    ctx.message_type(code, kMessageTypeLabel, name, acronym);
}

}  // namespace tarn
