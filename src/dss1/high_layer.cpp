// High layer compatibility (identifier 7D): octet 3 (coding standard, interpretation,
// presentation method), octet 4 (high layer characteristics identification) and, after an
// extension bit 0, octet 4a (extended high layer characteristics identification).
#include "dss1/high_layer.hpp"

#include <string_view>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/field.hpp"
#include "report/octets.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

constexpr Text kTitle{" High layer compatibility", " Совместимость на верхнем уровне"};

// --- octet 3 ---
constexpr Row kPresentation[] = {
    // Presentation method 01: a profile of high layer protocols whose attributes the
    // element does not state (Q.931 4.5.17, octet 3).
    {0b01,
     {"high layer protocol profile (attributes not stated)",
      "профиль протокола высокого уровня (без указания атрибутов)"}},
};
constexpr Row kInterpretation[] = {
    {0b100,
     {"first (primary only) high layer characteristics identification (in octet 4) to be used in the call",
      "идентификатор первого (только первичного) высокого уровня характеристики (в октете 4) использовать в "
      "вызове"}},
};
constexpr Text kCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"reserved for other international standards", "зарезервированный для других международных стандартов"},
    {"national standard", "национальный стандарт"},
    {"standard defined for the network (either public or private) present on the network side of the "
     "interface",
     "стандарт, определенный для сети (или общей или частной), представленный на сетевой стороне интерфейса"},
};
// Octet 3 is decoded only when its bit 8 is 1, so its extension line says "no extension".
constexpr Field kOctet3[] = {
    {2,
     1,
     {" Present.method of protoc.prof. ", " Способ представл.профиля прот. "},
     kPresentation,
     kReserved},
    {5,
     3,
     {" Interpretation................ ", " Интерпретация................. "},
     kInterpretation,
     kReserved},
    dense_field(7, 6, {" Coding standard............... ", " Стандартное кодирование....... "}, kCoding),
    kExtension,
};

// --- octet 4: high layer characteristics identification ---
constexpr Row kCharacteristics[] = {
    {0b0000001, {"Telephony (Recommendation G.711)", "Телефония (Рекомендация G.711)"}},
    {0b0000100,
     {"Facsimile Group 2/3 (Recommendation T.62 F.182)",
      "2/3 группа устройств факсимильной связи (Рекомендация T.62 F.182)"}},
    {0b0100001,
     {"Document application profile for Facsimile Group 4 Class 1 Facsimile (Recommendation T.503 F.184)",
      "Документ прикладного профиля устройств факсимильной связи группы 4 класс 1 (Рекомендация T.503 "
      "F.184)"}},
    {0b0100100,
     {"Document application profile for formatted mixed-mode (Recommendation T.501) Teletex service, basic "
      "and "
      "mixed mode of operation (Recommendation F.230) and facsimile service Group 4, Classes II and III "
      "(Recommendation F.184)",
      "Документ прикладного профиля для форматированного смешанного режима (Рекомендация F.230) и устройств "
      "факсимильной связи группы 4, классы II and III (Рекомендация F.184)"}},
    {0b0101000,
     {"Document application profile for Processable- form (Recommendation T.502) Teletex service, basic and "
      "processable mode of operation (Recommendation F.220)",
      "Документ прикладного профиля для формы обработки службы телетекста (Рекомендация T.502), основных и "
      "технологических режимов работы (Рекомендация F.220)"}},
    {0b0110001,
     {"Teletex service, basic mode of operation (Recommendations T.62, T.70 F.200)",
      "Телетекст, основной режим работы (Рекомендации T.62, T.70 F.200)"}},
    {0b0110010,
     {"Document application profile syntax-based videotex (Recommendations F.300 and T.102)",
      "Документ прикладного профиля синтаксис-основанного видеотекста (Рекомендации F.300 и T.102)"}},
    {0b0110011,
     {"International videotex interworking via gateways or interworking units (Recommendations F.300 and "
      "T.101)",
      "Международный видеотекст, взаимодействующий через шлюзы или устройства взаимодействия (Рекомендации "
      "F.300 и T.101)"}},
    {0b0110101, {"Telex service (Recommendation F.60)", "Телекс (Рекомендация F.60)"}},
    {0b0111000,
     {"Message Handling Systems (MHS) (Recommendation X.400 series)",
      "Системы Обработки Сообщений (MHS) (Рекомендация серии X.400)"}},
    {0b1000001,
     {"OSI application (Recommendation X.200 series)",
      "прикладная программа OSI (Рекомендация серии X.200)"}},
    {0b1011110, {"Reserved for Maintenance", "зарезервирована для технического обслуживания"}},
    {0b1011111, {"Reserved for Management", "зарезервирована для управления"}},
};
constexpr Field kCharacteristicsField{
    7,
    1,
    {" High layer char.identificat... ", " Идент.характ.высокого уровня.. "},
    kCharacteristics,
    kReserved};

// --- octet 4a: extended high layer characteristics identification ---
constexpr Row kExtendedCharacteristics[] = {
    {0b0000001, {"Telephony (Recommendation G.711)", "телефония (Рекомендация G.711)"}},
    {0b0000100,
     {"Facsimile Group 2/3 (Recommendation T.62 F.182)",
      "2/3 группа устройств факсимильной связи (Рекомендация T.62 F.182)"}},
    {0b0100001,
     {"Document application profile for Facsimile Group 4 Class 1 Facsimile (Recommendation T.503 F.184)",
      "документ прикладного профиля устройств факсимильной связи группы 4 класс 1 (Рекомендация T.503 "
      "F.184)"}},
    {0b0100100,
     {"Document application profile for formatted mixed-mode (Recommendation T.501) Teletex service, basic "
      "and "
      "mixed mode of operation (Recommendation F.230) and facsimile service Group 4, Classes II and III "
      "(Recommendation F.184)",
      "документ прикладного профиля для форматированного смешанного режима (Рекомендация F.230) и устройств "
      "факсимильной связи группы 4, классы II and III (Рекомендация F.184)"}},
    {0b0101000,
     {"Document application profile for Processable- form (Recommendation T.502) Teletex service, basic and "
      "processable mode of operation (Recommendation F.220)",
      "документ прикладного профиля для формы обработки службы телетекста (Рекомендация T.502), основных и "
      "технологических режимов работы (Рекомендация F.220)"}},
    {0b0110001,
     {"Teletex service, basic mode of operation (Recommendations T.62, T.70 F.200)",
      "телетекст, основной режим работы (Рекомендации T.62, T.70 F.200)"}},
    {0b0110010,
     {"Document application profile syntax-based videotex (Recommendations F.300 and T.102)",
      "документ прикладного профиля синтаксис-основанного видеотекста (Рекомендации F.300 и T.102)"}},
    {0b0110011,
     {"International videotex interworking via gateways or interworking units (Recommendations F.300 and "
      "T.101)",
      "международный видеотекст, взаимодействующий через шлюзы или устройства взаимодействия (Рекомендации "
      "F.300 и T.101)"}},
    {0b0110101, {"Telex service (Recommendation F.60)", "телекс (Рекомендация F.60)"}},
    {0b0111000,
     {"Message Handling Systems (MHS) (Recommendation X.400 series)",
      "Системы Обработки Сообщений (MHS) (Рекомендация серии X.400)"}},
    {0b1000001,
     {"OSI application (Recommendation X.200 series)",
      "прикладная программа OSI (Рекомендация серии X.200)"}},
    {0b1011110, {"Not available for assignment", "не доступный для назначения"}},
    {0b1011111, {"Not available for assignment", "не доступный для назначения"}},
};
constexpr Field kExtendedField{7,
                               1,
                               {" Extended high layer char.id... ", " Идент.характ.расшир.высок.ур.. "},
                               kExtendedCharacteristics,
                               kReserved};

}  // namespace

void HIGH_LAYER_COMP(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kTitle, false)) return;
    HIGH_LAYER_COMP_body(ctx, e);
}

// A missing octet 4 or 4a prints its line with an empty bit column and "reserved", as its
// table reads a value it does not know.
void HIGH_LAYER_COMP_body(Context& ctx, const Element& e) {
    const std::string_view octet_3 = e.octets.bits(0);
    if (octet_3.empty() || octet_3.front() != '1') return;
    ctx.fields(octet_3, kOctet3, Cut::LastRow);

    const std::string_view octet_4 = e.octets.bits(1);
    ctx.field(octet_4, kCharacteristicsField, Cut::LastRow);
    if (octet_4.empty()) return;  // no extension bit: no extension line
    ctx.field(octet_4, kExtension);
    if (octet_4.front() == '1') return;

    // Octet 4a ends the element; its own bit 8 is not examined.
    const std::string_view octet_4a = e.octets.bits(2);
    ctx.field(octet_4a, kExtendedField, Cut::LastRow);
    ctx.field(octet_4a, kNoExtensionField);
}

}  // namespace tarn::dss1
