// Access transport (03): the header, the contents as hex digits, then the DSS1 information
// elements inside, each handed to the decoder that serves it in a DSS1 message.
#include "isup/access_transport.hpp"

#include "dss1/elements.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

constexpr Text kName{" Access transport", " Посылка доступа"};
constexpr Label kElementsLabel{" Information elements.......... ", " Информационные элементы....... "};

// The elements decoded inside Access transport, none of them mandatory there. Any other
// identifier is passed over by its length; a single-octet identifier (A0, A1) is not one
// of them and is read with a length octet like the others.
constexpr dss1::Accept kElements[] = {
    {0x18},  // Channel identification
    {0x1C},  // Facility
    {0x1E},  // Progress indicator
    {0x20},  // Network-specific facilities
    {0x28},  // Display
    {0x2C},  // Keypad facility
    {0x6C},  // Calling party number
    {0x6D},  // Calling party subaddress
    {0x70},  // Called party number
    {0x71},  // Called party subaddress
    {0x78},  // Transit network selection
    {0x7C},  // Low layer compatibility
    {0x7D},  // High layer compatibility, with its preamble
    {0x7E},  // User-user
};

}  // namespace

// The element walk ends at the end of the contents, at a filler octet FF, or where an
// element's length octet is missing: such an element is not decoded, as it has no length.
void subcl_03(Context& ctx, const Element& e) {
    if (!ctx.open(e, kName, Opening::Header)) return;
    ctx.octets(kElementsLabel, e.hex());
    dss1::walk_elements(ctx, e.hex(), kElements, dss1::element_decoders(), e.message_type);
}

}  // namespace tarn::isup
