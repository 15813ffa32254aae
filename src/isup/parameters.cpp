#include "isup/parameters.hpp"

#include "isup/call_reference.hpp"
#include "isup/cause.hpp"
#include "isup/indicators.hpp"
#include "isup/numbers.hpp"
#include "isup/params_28_2f.hpp"

namespace tarn::isup {

namespace {

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr ParamRow kParameters[] = {
    // One row per parameter decoder, in code order.
    {"01", subcl_01}, {"02", subcl_02}, {"04", subcl_04}, {"05", subcl_05}, {"06", subcl_06},
    {"07", subcl_07}, {"08", subcl_08}, {"09", subcl_09}, {"0A", subcl_0A}, {"0B", subcl_0B},
    {"0C", subcl_0C}, {"0D", subcl_0D}, {"0E", subcl_0E}, {"0F", subcl_0F}, {"10", subcl_10},
    {"11", subcl_11}, {"12", subcl_12}, {"28", subcl_28}, {"29", subcl_29}, {"2A", subcl_2A},
    {"2B", subcl_2B}, {"2C", subcl_2C}, {"2D", subcl_2D}, {"2E", subcl_2E}, {"2F", subcl_2F},
};

}  // namespace

ParamDecoder find_parameter(std::string_view code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
