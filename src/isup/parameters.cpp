#include "isup/parameters.hpp"

#include <array>

#include "isup/numbers.hpp"
#include "isup/params_28_2f.hpp"

namespace tarn::isup {

namespace {

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr auto kParameters = std::to_array<ParamRow>({
    // One row per parameter decoder, in code order.
    {"04", subcl_04},
    {"05", subcl_05},
    {"0A", subcl_0A},
    {"0B", subcl_0B},
    {"0C", subcl_0C},
    {"0D", subcl_0D},
    {"28", subcl_28},
    {"29", subcl_29},
    {"2A", subcl_2A},
    {"2B", subcl_2B},
    {"2C", subcl_2C},
    {"2D", subcl_2D},
    {"2E", subcl_2E},
    {"2F", subcl_2F},
});

}  // namespace

ParamDecoder find_parameter(std::string_view code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
