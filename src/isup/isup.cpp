#include "isup/isup.hpp"

namespace tarn::isup {

void DEC_SS(Context& /*ctx*/, std::string_view /*message*/) {}

}  // namespace tarn::isup
