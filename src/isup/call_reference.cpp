#include "isup/call_reference.hpp"

#include <string>

#include "isup/fields.hpp"
#include "report/convert.hpp"

namespace tarn::isup {

namespace {

// --- 01 Call reference: the call identity and signalling point code, shown as hex ---
constexpr Text kCallReferenceName{" Call reference (national use)",
                                  " Указатель вызова (национальное использование)"};
constexpr Text kElementsLabel{" Information elements.......... ", " Информационные элементы....... "};

// --- 02 Transmission medium requirement ---
constexpr Text kMediumTitle{" Transmission medium requirement (TMR)", " Требования к среде передачи"};
constexpr Text kMediumLabel{" Transmission medium .......... ", " Требования.................... "};
constexpr std::string_view kNotInIsupR = "не используется в ISUP-R";
constexpr Row kMedium[] = {
    {0x00, {"speech", "речь"}},
    {0x02, {"64 kbit/s unrestricted", "64 kbit/s неограниченный"}},
    {0x03, {"3.1 kHz audio", "3.1 kHz аудио"}},
    {0x04, {"reserved for alternate speech (service 2)/64 kbit/s unrestricted (service 1)", kNotInIsupR}},
    {0x05, {"reserved for alternate 64 kbit/s unrestricted (service 1)/speech (service 2)", kNotInIsupR}},
    {0x06, {"64 kbit/s preferred", kNotInIsupR}},
    {0x07, {"2 * 64 kbit/s unrestricted", kNotInIsupR}},
    {0x08, {"384 kbit/s unrestricted", kNotInIsupR}},
    {0x09, {"1536 kbit/s unrestricted", kNotInIsupR}},
    {0x0A, {"1920 kbit/s unrestricted", kNotInIsupR}},
};
constexpr Text kMediumOther{"spare", kNotInIsupR};

}  // namespace

void subcl_01(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kCallReferenceName, Opening::Header, 0)) return;
    ctx.octets(kElementsLabel, contents);
}

void subcl_02(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kMediumTitle, Opening::Title, 1)) return;
    const std::string o = BIN(mid(contents, 1, 2));
    ctx.field(o, 8, 1, kMediumLabel, lookup(kMedium, decadic(o), kMediumOther));
}

}  // namespace tarn::isup
