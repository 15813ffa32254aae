#include "dss1/dss1.hpp"

namespace tarn::dss1 {

void DEC_DSS(Context& /*ctx*/, std::string_view /*message*/) {}

}  // namespace tarn::dss1
