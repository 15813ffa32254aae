// ISUP optional parameters 3E to C1: 3E Transmission medium requirement prime, 40
// Redirection number restriction, C1 Generic digits (3F and C0 are number parameters, in
// isup/numbers.cpp). The Russian lines of 3E and C1 give the Q.763 meanings in Russian, in
// the layout of the English lines.
#include "isup/params_3e_c1.hpp"

#include "isup/params_30_3a.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

// --- 40 Redirection number restriction ---

constexpr Text kRestriction[] = {
    {"presentation allowed", "представление разрешено"},
    {"presentation restricted", "представление запрещено"},
    {"spare", "пропущен"},
    {"spare", "пропущен"},
};
constexpr Field kRestrictionOctet[] = {
    dense_field(2, 1, {" Presentation restricted ind... ", " Инд.ограничения представления. "}, kRestriction),
    spare_field(8, 3, kSpare),
};
constexpr OctetFields kRestrictionOctets[] = {kRestrictionOctet};

// --- C1 Generic digits: octet 1 (encoding scheme, type of digits), then the digits ---

// The header line and the title line name the parameter differently.
constexpr Text kGenericDigitsHeader{" Generic digits", " Родовые цифры"};
constexpr Text kGenericDigitsTitle{" Generic digits (national use)",
                                   " Родовые цифры (национальное использование)"};
constexpr Row kEncodingScheme[] = {
    {0b000, {"BCD even: (even number of digits)", "BCD четный: (четное число цифр)"}},
    {0b001, {"BCD odd: (odd number of digits)", "BCD нечетный: (нечетное число цифр)"}},
    {0b010, {"IA5 character", "символ IA5"}},
    {0b011, {"binary coded", "двоичный код"}},
};
constexpr Row kTypeOfDigits[] = {
    {0b00000, {"reserved for account code", "резерв для кода счета"}},
    {0b00001, {"reserved for authorisation code", "резерв для кода авторизации"}},
    {0b00010,
     {"reserved for private networking travelling class mark",
      "резерв для метки класса перемещения в частной сети"}},
    {0b00011,
     {"reserved for business communication group identity",
      "резерв для идентификатора группы деловой связи"}},
};
// The encoding scheme line comes first, then the type of digits.
constexpr Field kGenericDigitsOctet[] = {
    {8,
     6,
     {" Encoding scheme............... ", " Схема кодирования............. "},
     kEncodingScheme,
     {"spare", "резерв"}},
    {5,
     1,
     {" Type of digits................ ", " Тип цифр...................... "},
     kTypeOfDigits,
     {"reserved", "резерв"}},
};
constexpr Label kDigitsLabel{" Digits........................ ", " Цифры......................... "};

}  // namespace

constexpr FieldsShape kTransmissionMediumRequirementPrime{
    {" Transmission medium requirement prime", " Основные требования к среде передачи"},
    Opening::Header,
    kTransmissionMediumOctets};
constexpr FieldsShape kRedirectionNumberRestriction{
    {" Redirection number restriction parameter", " Ограничение представления номера перенаправления"},
    Opening::Header,
    kRestrictionOctets};

// The digits are shown as the hex digits stand, whatever the encoding scheme. Without
// octet 1 there is nothing to show but the invalid-format line.
void subcl_C1(Context& ctx, const Element& e) {
    ctx.identification(e, kGenericDigitsHeader, e.mandatory);
    ctx.line(ctx.t(kGenericDigitsTitle));
    ctx.length_line(e);
    if (!ctx.length_ok(e) || !ctx.holds(e, 1)) return;
    ctx.fields(e.octets.bits(0), kGenericDigitsOctet);
    ctx.hex_line(kDigitsLabel, e.octets.hex_from(1));
}

}  // namespace tarn::isup
