#include "isup/parameters.hpp"

#include "dss1/user_user.hpp"
#include "isup/call_reference.hpp"
#include "isup/cause.hpp"
#include "isup/indicators.hpp"
#include "isup/numbers.hpp"
#include "isup/params_28_2f.hpp"

namespace tarn::isup {

namespace {

// User to user information has the contents of the DSS1 User-user element and its decoder.
using dss1::subcl_20;

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr ParamRow kParameters[] = {
    {0x01, subcl_01},  // Call reference
    {0x02, subcl_02},  // Transmission medium requirement
    {0x04, subcl_04},  // Called party number
    {0x05, subcl_05},  // Subsequent number
    {0x06, subcl_06},  // Nature of connection indicators
    {0x07, subcl_07},  // Forward call indicators
    {0x08, subcl_08},  // Optional forward call indicators
    {0x09, subcl_09},  // Calling party's category
    {0x0A, subcl_0A},  // Calling party number
    {0x0B, subcl_0B},  // Redirecting number
    {0x0C, subcl_0C},  // Redirection number
    {0x0D, subcl_0D},  // Connection request
    {0x0E, subcl_0E},  // Information request indicators
    {0x0F, subcl_0F},  // Information indicators
    {0x10, subcl_10},  // Continuity indicators
    {0x11, subcl_11},  // Backward call indicators
    {0x12, subcl_12},  // Cause indicators
    {0x20, subcl_20},  // User to user information
    {0x28, subcl_28},  // Original called number
    {0x29, subcl_29},  // Optional backward call indicators
    {0x2A, subcl_2A},  // User-to-user indicators
    {0x2B, subcl_2B},  // Origination ISC point code
    {0x2C, subcl_2C},  // Generic notification indicator
    {0x2D, subcl_2D},  // Call history information
    {0x2E, subcl_2E},  // Access delivery information
    {0x2F, subcl_2F},  // Network specific facility
};

}  // namespace

Decoder find_parameter(unsigned code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
