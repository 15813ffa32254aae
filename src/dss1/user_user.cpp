// User-user (DSS1 identifier 7E) / User to user information (ISUP code 20): one decoder
// for both, as the DSS1 message walks, the ISUP optional part and the Access transport
// hand it the same contents: a protocol discriminator octet, then the user information.
#include "dss1/user_user.hpp"

#include <string_view>

#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kTitle{" User to user information", " Информация от пользователя к пользователю"};
constexpr unsigned kIA5 = 0x04;
constexpr Row kDiscriminator[] = {
    {0x00, {"user-specific protocol", "протокол, определяемый пользователем"}},
    {0x01, {"OSI high layer protocol", "протокол высокого уровня OSI"}},
    {0x02, {"X.244", "X.244"}},
    {0x03,
     {"reserved for system management convergence function",
      "резервирован для систем управления сходной функции"}},
    {kIA5, {"IA5 characters", "характеристика IA5"}},
    {0x07,
     {"CCITT Recommendation V.120 rate adaption", "скорость адаптации согласно CCITT Рекомендации V.120"}},
    {0x08,
     {"Q.931 (I.451) user-network call control messages",
      "Q.931 (I.451) сообщения управления вызова пользователь-сеть"}},
};
constexpr Field kDiscriminatorField{8,
                                    1,
                                    {" Protocol discriminator........ ", " Дискриминатор протокола....... "},
                                    kDiscriminator,
                                    {"reserved", "резервирован"}};
constexpr Label kUserInformationLabel{" User information.............. ", " Информация пользователя....... "};

}  // namespace

// Contents without a protocol discriminator end after the length line. With the
// discriminator alone the user information line is empty.
void subcl_20(Context& ctx, const Element& e) {
    if (!ctx.open(e, kTitle, Opening::Header)) return;
    if (!e.octets.has(0)) return;
    ctx.field(e.octets.bits(0), kDiscriminatorField);
    const std::string_view information = e.octets.hex_from(1);
    if (e.octets[0] == kIA5) {
        ctx.octets(kUserInformationLabel, IA5(information));
    } else {
        ctx.line(" ********", ctx.t(kUserInformationLabel), information, " (Hex)");
    }
}

}  // namespace tarn::dss1
