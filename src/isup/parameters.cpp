#include "isup/parameters.hpp"

#include "isup/call_reference.hpp"
#include "isup/cause.hpp"
#include "isup/indicators.hpp"

namespace tarn::isup {

namespace {

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr ParamRow kParameters[] = {
    {"01", subcl_01}, {"02", subcl_02}, {"06", subcl_06}, {"07", subcl_07},
    {"08", subcl_08}, {"09", subcl_09}, {"0E", subcl_0E}, {"0F", subcl_0F},
    {"10", subcl_10}, {"11", subcl_11}, {"12", subcl_12},
};

}  // namespace

ParamDecoder find_parameter(std::string_view code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
