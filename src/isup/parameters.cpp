#include "isup/parameters.hpp"

#include "dss1/call_state.hpp"
#include "dss1/user_user.hpp"
#include "isup/access_transport.hpp"
#include "isup/backward.hpp"
#include "isup/call_reference.hpp"
#include "isup/cause.hpp"
#include "isup/indicators.hpp"
#include "isup/numbers.hpp"
#include "isup/params_13_1e.hpp"
#include "isup/params_21_27.hpp"
#include "isup/params_28_2f.hpp"
#include "isup/params_30_3a.hpp"
#include "isup/params_3e_c1.hpp"
#include "isup/range_status.hpp"

namespace tarn::isup {

namespace {

// Display information is the DSS1 Display element.
using dss1::DISPLAY;

// User to user information has the contents of the DSS1 User-user element and its decoder.
using dss1::subcl_20;

// Parameter code -> decoder. A code without a row is skipped by the parameter walk
// like a code outside the message's optional set.
constexpr ParamRow kParameters[] = {
    {0x01, subcl_01},                                           // Call reference
    {0x02, fields_parameter<kTransmissionMediumRequirement>},   // subcl_02: Transmission medium requirement
    {0x03, subcl_03},                                           // Access transport
    {0x04, number_parameter<kCalledPartyNumber>},               // subcl_04: Called party number
    {0x05, number_parameter<kSubsequentNumber>},                // subcl_05: Subsequent number
    {0x06, fields_parameter<kNatureOfConnectionIndicators>},    // subcl_06: Nature of connection indicators
    {0x07, fields_parameter<kForwardCallIndicators>},           // subcl_07: Forward call indicators
    {0x08, fields_parameter<kOptionalForwardCallIndicators>},   // subcl_08: Optional forward call indicators
    {0x09, fields_parameter<kCallingPartysCategory>},           // subcl_09: Calling party's category
    {0x0A, number_parameter<kCallingPartyNumber>},              // subcl_0A: Calling party number
    {0x0B, number_parameter<kRedirectingNumber>},               // subcl_0B: Redirecting number
    {0x0C, number_parameter<kRedirectionNumber>},               // subcl_0C: Redirection number
    {0x0D, subcl_0D},                                           // Connection request
    {0x0E, fields_parameter<kInformationRequestIndicators>},    // subcl_0E: Information request indicators
    {0x0F, fields_parameter<kInformationIndicators>},           // subcl_0F: Information indicators
    {0x10, fields_parameter<kContinuityIndicators>},            // subcl_10: Continuity indicators
    {0x11, fields_parameter<kBackwardCallIndicators>},          // subcl_11: Backward call indicators
    {0x12, subcl_12},                                           // Cause indicators
    {0x13, fields_parameter<kRedirectionInformation>},          // subcl_13: Redirection information
    {0x15, subcl_15},                                           // Circuit group supervision message type
    {0x16, subcl_16},                                           // Range and status
    {0x1A, subcl_1A},                                           // Closed user group interlock code
    {0x1D, subcl_1D},                                           // User service information
    {0x1E, hex_parameter<kSignallingPointCode>},                // subcl_1E: Signalling point code
    {0x20, subcl_20},                                           // User to user information
    {0x21, number_parameter<kConnectedNumber>},                 // subcl_21: Connected number
    {0x22, fields_parameter<kSuspendResumeIndicators>},         // subcl_22: Suspend/resume indicators
    {0x23, number_parameter<kTransitNetworkSelection>},         // subcl_23: Transit network selection
    {0x24, fields_parameter<kEventInformation>},                // subcl_24: Event information
    {0x27, fields_parameter<kAutomaticCongestionLevel>},        // subcl_27: Automatic congestion level
    {0x28, number_parameter<kOriginalCalledNumber>},            // subcl_28: Original called number
    {0x29, fields_parameter<kOptionalBackwardCallIndicators>},  // subcl_29: Optional backward call indicators
    {0x2A, subcl_2A},                                           // User-to-user indicators
    {0x2B, hex_parameter<kOriginationIscPointCode>},            // subcl_2B: Origination ISC point code
    {0x2C, subcl_2C},                                           // Generic notification indicator
    {0x2D, hex_parameter<kCallHistoryInformation>},             // subcl_2D: Call history information
    {0x2E, fields_parameter<kAccessDeliveryInformation>},       // subcl_2E: Access delivery information
    {0x2F, hex_parameter<kNetworkSpecificFacility>},            // subcl_2F: Network specific facility
    {0x30, subcl_30},                                           // User service information prime
    {0x31, hex_parameter<kPropagationDelayCounter>},            // subcl_31: Propagation delay counter
    {0x32, subcl_32},                                           // Remote operations
    {0x33, hex_parameter<kServiceActivation>},                  // subcl_33: Service activation
    {0x34, subcl_34},                                           // User teleservice information
    {0x35, fields_parameter<kTransmissionMediumUsed>},          // subcl_35: Transmission medium used
    {0x36, fields_parameter<kCallDiversionInformation>},        // subcl_36: Call diversion information
    {0x37, fields_parameter<kEchoControlInformation>},          // subcl_37: Echo control information
    {0x39, hex_parameter<kMessageCompatibilityInformation>},    // subcl_39: Message compatibility info
    {0x3A, subcl_3A},                                           // MLPP precedence
    {0x3E, fields_parameter<kTransmissionMediumRequirementPrime>},  // subcl_3E: TMR prime
    {0x3F, number_parameter<kLocationNumber>},                      // subcl_3F: Location number
    {0x40, fields_parameter<kRedirectionNumberRestriction>},  // subcl_40: Redirection number restriction
    {0x73, DISPLAY},                                          // Display information
    {0xC0, number_parameter<kGenericNumber>},                 // subcl_C0: Generic number
    {0xC1, subcl_C1},                                         // Generic digits
};

}  // namespace

std::span<const ParamRow> parameter_decoders() {
    return kParameters;
}

Decoder find_parameter(unsigned code) {
    for (const ParamRow& row : kParameters) {
        if (row.code == code) return row.decode;
    }
    return nullptr;
}

}  // namespace tarn::isup
