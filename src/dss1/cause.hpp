// DSS1 Cause information element (identifier 08).
#pragma once

#include "report/context.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

// The location field of a cause (Q.850 2.2.3), shared by the DSS1 Cause element and the ISUP
// Cause indicators.
inline constexpr Row kCauseLocation[] = {
    {0b0000, {"user", "пользователь"}},
    {0b0001,
     {"private network serving the local user", "частная сеть, обслуживающая локального пользователя"}},
    {0b0010,
     {"public network serving the local user",
      "сеть общего пользования, обслуживающая локального пользователя"}},
    {0b0011, {"transit network", "транзитная сеть"}},
    {0b0100,
     {"public network serving the remote user",
      "сеть общего пользования, обслуживающая удаленного пользователя"}},
    {0b0101,
     {"private network serving the remote user", "частная сеть, обслуживающая удаленного пользователя"}},
    {0b0111, {"international network", "международная сеть"}},
    {0b1010, {"network beyond interworking point", "пункт взаимодействия"}},
};

// CAUSE (08): location and coding standard, the recommendation (octet 3a), the cause value
// and the first diagnostic octet. Mandatory or optional as the element is in its message.
void CAUSE(Context& ctx, const Element& e);

}  // namespace tarn::dss1
