// User-user information (DSS1 element 7E, ETS 300 102-1 / Q.931) and the ISUP User to user
// information parameter (code 20, Q.763), which carry the same contents.
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// subcl_20: header (Mandatory or Optional as the element is here), length check, the
// protocol discriminator, the user information as IA5 text or hex.
void subcl_20(Context& ctx, const Element& e);

}  // namespace tarn::dss1
