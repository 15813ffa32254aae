// ISUP Call reference (01) and Transmission medium requirement (02).
#include "isup/call_reference.hpp"

#include "report/field.hpp"

namespace tarn::isup {

namespace {

// --- 01 Call reference: the call identity and signalling point code, shown as hex ---
constexpr Text kCallReferenceName{" Call reference (national use)",
                                  " Указатель вызова (национальное использование)"};
constexpr Label kElementsLabel{" Information elements.......... ", " Информационные элементы....... "};

// --- 02 Transmission medium requirement ---
constexpr Text kMediumTitle{" Transmission medium requirement (TMR)", " Требования к среде передачи"};
constexpr Label kMediumLabel{" Transmission medium .......... ", " Требования.................... "};
constexpr Row kMedium[] = {
    {0x00, {"speech", "речь"}},
    {0x02, {"64 kbit/s unrestricted", "64 kbit/s неограниченный"}},
    {0x03, {"3.1 kHz audio", "3.1 kHz аудио"}},
    {0x04, {"reserved for alternate speech (service 2)/64 kbit/s unrestricted (service 1)", kNotInIsupR.ru}},
    {0x05, {"reserved for alternate 64 kbit/s unrestricted (service 1)/speech (service 2)", kNotInIsupR.ru}},
    {0x06, {"64 kbit/s preferred", kNotInIsupR.ru}},
    {0x07, {"2 * 64 kbit/s unrestricted", kNotInIsupR.ru}},
    {0x08, {"384 kbit/s unrestricted", kNotInIsupR.ru}},
    {0x09, {"1536 kbit/s unrestricted", kNotInIsupR.ru}},
    {0x0A, {"1920 kbit/s unrestricted", kNotInIsupR.ru}},
};
constexpr Field kMediumOctet[] = {{8, 1, kMediumLabel, kMedium, {"spare", kNotInIsupR.ru}}};
constexpr OctetFields kMediumOctets[] = {kMediumOctet};

}  // namespace

// Mandatory fixed in IAM: a title line and the one octet.
constexpr FieldsShape kTransmissionMediumRequirement{kMediumTitle, Opening::Title, kMediumOctets};

void subcl_01(Context& ctx, const Element& e) {
    if (!ctx.open(e, kCallReferenceName, Opening::Header)) return;
    ctx.octets(kElementsLabel, e.hex());
}

}  // namespace tarn::isup
