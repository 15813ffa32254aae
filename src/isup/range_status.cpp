// ISUP Range and status (16): the range octet, then one line per status octet with the
// legend of the message type (GRS, CGB, CGU, CGBA, CGUA, GRA).
#include "isup/range_status.hpp"

#include "report/field.hpp"
#include "report/octets.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

constexpr Text kName{" Range and status", " Диапазон и состояние"};
constexpr Label kRangeLabel{" Range......................... ", " Диапазон...................... "};
constexpr Label kStatusLabel{" Status........................ ", " Состояние..................... "};

// What a 0 and a 1 of a status bit mean, by message type code. The English texts of 1A and
// 1B read "asknowledgement", as the report has always printed them.
constexpr Text kNotPresent{"not present", "не представлено"};
constexpr Row kStatusLegend[] = {
    {0x17, kNotPresent},  // GRS
    {0x18, {"0 - no indication, 1 - blocking", "0 - нет индикации, 1 - блокировка"}},
    {0x19, {"0 - no indication, 1 - unblocking", "0 - нет индикации, 1 - разблокировка"}},
    {0x1A,
     {"0 - no indication, 1 - blocking asknowledgement", "0 - нет индикации, 1 - подтверждение блокировки"}},
    {0x1B,
     {"0 - no indication, 1 - unblocking asknowledgement",
      "0 - нет индикации, 1 - подтверждение разблокировки"}},
    {0x29,
     {"0 - not blocked for maintenance reasons, 1 - blocked for maintenance reasons",
      "0 - нет блокировки для технического обслуживания, 1 - блокировка для технического обслуживания"}},
};
// A message type whose status field has no meaning of its own (Q.763 defines status bits only
// for the messages above, and none for the circuit group reset): like GRS, "not present".
constexpr Text kOtherLegend = kNotPresent;

}  // namespace

// Title and length line (no optional-parameter line), the length check, the range octet
// shown as bits only, then every further octet as a status octet. The range value does not
// limit the walk, so octets beyond the range are shown as they stand.
void subcl_16(Context& ctx, const Element& e) {
    if (!ctx.open(e, kName, Opening::TitleLength, 1)) return;
    ctx.field(e.octets.bits(0), 8, 1, kRangeLabel);
    const Text legend = lookup(kStatusLegend, e.message_type, kOtherLegend);
    for (std::size_t i = 1; i < e.octets.size(); ++i) ctx.field(e.octets.bits(i), 8, 1, kStatusLabel, legend);
}

}  // namespace tarn::isup
