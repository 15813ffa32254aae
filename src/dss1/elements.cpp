// The DSS1 element table (one row per identifier, in identifier order) and the element walk.
#include "dss1/elements.hpp"

#include "dss1/bearer_capability.hpp"
#include "dss1/call_state.hpp"
#include "dss1/cause.hpp"
#include "dss1/channel.hpp"
#include "dss1/facility.hpp"
#include "dss1/high_layer.hpp"
#include "dss1/numbers.hpp"
#include "dss1/progress.hpp"
#include "dss1/single_octet.hpp"
#include "dss1/user_user.hpp"
#include "report/octets.hpp"

namespace tarn::dss1 {

namespace {

constexpr ElementEntry kElementDecoders[] = {
    {0x04, BEARER_CAPABILITY},          // Bearer capability
    {0x08, CAUSE},                      // Cause
    {0x10, CALL_IDENTITY},              // Call identity
    {0x14, CALL_STATE},                 // Call state
    {0x18, CHANNEL_IDENTIFICATION},     // Channel identification
    {0x1C, FACILITY},                   // Facility
    {0x1E, PROGRESS_INDICATOR},         // Progress indicator
    {0x20, NETWORK_SPECIFIC_FAC},       // Network-specific facilities
    {0x27, NOTIFICATION_INDICATOR},     // Notification indicator
    {0x28, DISPLAY},                    // Display
    {0x29, DATA_TIME},                  // Date/time
    {0x2C, KEYPAD_FACILITY},            // Keypad facility
    {0x6C, CALLING_PARTY_NUMBER},       // Calling party number
    {0x6D, CALLING_PARTY_SUB},          // Calling party subaddress
    {0x70, CALLED_PARTY_NUMBER},        // Called party number
    {0x71, CALLED_PARTY_SUB},           // Called party subaddress
    {0x78, TRANSIT_NETWORK_SELECTION},  // Transit network selection
    {0x79, RESTART_INDICATOR},          // Restart indicator
    {0x7C, LOW_LAYER_COMP},             // Low layer compatibility
    {0x7D, HIGH_LAYER_COMP},            // High layer compatibility
    {0x7E, subcl_20},                   // User-user
    {0xA0, MORE_DATA},                  // More data
    {0xA1, SENDING_COMPLETE},           // Sending complete
    {0xB0, CONGESTION_LEVEL},           // Congestion level (Bx)
};

// The octet at 0-based digit offset `at`, or -1 when fewer than two hex digits are there.
int octet_at(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return -1;
    const int hi = detail::hex_digit_value(text[at]);
    const int lo = detail::hex_digit_value(text[at + 1]);
    if (hi < 0 || lo < 0) return -1;
    return hi * 16 + lo;
}

const Accept* find_accept(std::span<const Accept> accepts, unsigned id) {
    for (const Accept& accept : accepts) {
        if (accept.id == id) return &accept;
    }
    return nullptr;
}

}  // namespace

std::span<const ElementEntry> element_decoders() {
    return kElementDecoders;
}

Decoder find_decoder(std::span<const ElementEntry> table, unsigned id) {
    for (const ElementEntry& entry : table) {
        if (entry.id == id) return entry.decode;
    }
    return nullptr;
}

bool element_preamble(Context& ctx, const Element& e, Text title, bool mandatory) {
    ctx.header(e, title, mandatory);
    return ctx.length_ok(e);
}

WalkResult walk_elements(Context& ctx, std::string_view text, std::span<const Accept> accepts,
                         std::span<const ElementEntry> decoders, unsigned message_type) {
    WalkResult result;
    std::size_t at = 0;
    for (;;) {
        result.end = at;
        const int code = octet_at(text, at);
        if (code < 0 || code == 0xFF) return result;
        const unsigned id = static_cast<unsigned>(code);
        const Accept* accept = find_accept(accepts, id);
        if (accept) result.seen.set(id);
        if (accept && single_octet(id)) {
            if (Decoder decode = find_decoder(decoders, id))
                ctx.decode(decode, Element::fixed(id, text.substr(at, 2), accept->mandatory, message_type));
            at += 2;
            continue;
        }
        // An accepted identifier counts as met even when its length octet is cut off; only
        // its decoder is not called then.
        const int length = octet_at(text, at + 2);
        if (length < 0) return result;
        const std::size_t digits = 2 * static_cast<std::size_t>(length);
        const std::string_view contents = text.substr(at + 4, digits);
        at = at + 4 + contents.size();
        if (accept) {
            if (Decoder decode = find_decoder(decoders, id))
                ctx.decode(decode, Element(id, static_cast<unsigned>(length), contents, accept->mandatory,
                                           message_type));
        }
        if (contents.size() < digits) {
            result.end = at;
            return result;
        }
    }
}

}  // namespace tarn::dss1
