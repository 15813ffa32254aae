// ISUP Information request indicators (0E), Information indicators (0F), Continuity
// indicators (10) and Backward call indicators (11).
#include "isup/backward.hpp"

#include "report/field.hpp"

namespace tarn::isup {

namespace {

// --- 0E Information request indicators ---
constexpr Text kRequestTitle{" Information request indicators", " Индикаторы запроса информации"};
constexpr Label kAddressRequestLabel{" Calling party address req.ind. ", " Инд.запр.адреса вызывающ.стор. "};
constexpr Text kAddressRequest[] = {
    {"calling party address not requested", "адрес вызывающей стороны не требуется"},
    {"calling party address requested", "адрес вызывающей стороны требуется"},
};
constexpr Label kHoldingLabel{" Holding indicator............. ", " Индикатор удержания........... "};
constexpr Text kHoldingRequest[] = {
    {"holding not requested", "удержание не требуется"},
    {"holding requested", kNotInIsupR.ru},
};
constexpr Label kCategoryRequestLabel{" Calling party's categ.req.ind. ", " Инд.запр.катег.вызывающ.стор.. "};
constexpr Text kCategoryRequest[] = {
    {"calling party's category not requested", "категория вызывающей стороны не требуется"},
    {"calling party's category requested", kNotInIsupR.ru},
};
constexpr Label kChargeRequestLabel{" Charge information req.ind.... ", " Инд.запр.информации по тарифу. "};
constexpr Text kChargeRequest[] = {
    {"charge information not requested", "информация по тарифу не требуется"},
    {"charge information requested", kNotInIsupR.ru},
};
constexpr Label kMaliciousLabel{" Malicious call ident.req.ind.. ", " Инд.запр.определ.злонам.вызов. "};
constexpr Text kMalicious[] = {
    {"malicious call identification not requested", "определение злонамеренного вызова не требуется"},
    {"malicious call identification requested", "определение злонамеренного вызова требуется"},
};

// --- 0F Information indicators ---
constexpr Text kInformationTitle{" Information indicators", " Индикаторы информации"};
constexpr Label kAddressResponseLabel{" Calling party addr.respon.ind. ", " Инд.ответа адреса вызывающ.ст. "};
constexpr Text kAddressResponse[] = {
    {"calling party address not included", "адрес вызывающей стороны не включен"},
    {"calling party address not available", "адрес вызывающей стороны недоступен"},
    {"spare", "резерв"},
    {"calling party address included", "адрес вызывающей стороны включен"},
};
constexpr Label kHoldProvidedLabel{" Hold provided indicator....... ", " Индикатор условия удержания... "};
constexpr Text kHoldProvided[] = {
    {"hold not provided", "удержание не обеспечено"},
    {"hold provided", kNotInIsupR.ru},
};
constexpr Label kCategoryResponseLabel{" Calling party's cat.resp.ind.. ",
                                       " Инд.ответа катег.вызывающ.ст.. "};
constexpr Text kCategoryResponse[] = {
    {"calling party's category not included", "категория вызывающей стороны не включена"},
    {"calling party's category included", kNotInIsupR.ru},
};
constexpr Label kChargeResponseLabel{" Charge information respon.ind. ", " Инд.ответа на запрос по тариф. "};
constexpr Text kChargeResponse[] = {
    {"charge information not included", "информации по тарифу не включена"},
    {"charge information included", kNotInIsupR.ru},
};
constexpr Label kSolicitedLabel{" Solicited information ind..... ", " Инд.запрошенной информации.... "};
constexpr Text kSolicited[] = {
    {"solicited", "запрошен"},
    {"unsolicited", kNotInIsupR.ru},
};

// --- 10 Continuity indicators ---
constexpr Text kContinuityTitle{" Continuity indicators", " Индикаторы целостности"};
constexpr Label kContinuityLabel{" Continuity indicator.......... ", " Индикатор целостности......... "};
constexpr Text kContinuity[] = {
    {"continuity check failed", "проверка целостности неудачна"},
    {"continuity check successful", "проверка целостности успешна"},
};

// --- 11 Backward call indicators ---
constexpr Text kBackwardName{" Backward call indicators", " Обратные индикаторы вызова"};
constexpr Label kChargeLabel{" Charge indicator.............. ", " Индикатор оплаты.............. "};
constexpr Text kCharge[] = {
    {"no indication", "нет индикации"},
    {"no charge", "нет тарификации"},
    {"charge", "подлежит тарификации"},
    {"spare", "резерв"},
};
constexpr Label kStatusLabel{" Called party's status ind..... ", " Инд.сост.вызываемого абонента. "};
constexpr Text kStatus[] = {
    {"no indication", "нет индикации"},
    {"subscriber free", "абонент свободен"},
    {"connect when free", kNotInIsupR.ru},
    {"spare", "резерв"},
};
constexpr Label kCalledCategoryLabel{" Called party's category ind... ", " Инд.кат.вызываемого абонента.. "};
constexpr Text kCalledCategory[] = {
    {"no indication", "нет индикации"},
    {"ordinary subscriber", "обычный абонент"},
    {"payphone", "таксофон"},
    {"spare", "резерв"},
};
constexpr Label kEndToEndLabel{" End-to-end method indicator... ", " Инд.метода из конца-в-конец... "};
constexpr Text kEndToEnd[] = {
    {"no end-to-end method available (only link-by-link method available)",
     "метод из конца в конец не используется"},
    {"pass-along method available", kNotInIsupR.ru},
    {"SCCP method available", kNotInIsupR.ru},
    {"pass-along and SCCP methods available", kNotInIsupR.ru},
};
constexpr Label kInterworkingLabel{" Interworking indicator........ ", " Индикатор взаимодействия...... "};
constexpr Text kInterworking[] = {
    {"no interworking encountered (Signalling System No.7 all the way)",
     "взаимодействие не используется (сигнализация №7 на всем пути)"},
    {"interworking encountered", "используется взаимодействие"},
};
constexpr Label kInformationLabel{" End-to-end information ind.... ", " Инд.информ.из конца-в-конец... "};
constexpr Text kInformation[] = {
    {"no end-to-end information available", "информация из конца в конец не передается"},
    {"end-to-end information available", kNotInIsupR.ru},
};
constexpr Label kIsupLabel{" ISDN user part indicator...... ", " Индикатор использования ISDN.. "};
constexpr Text kIsup[] = {
    {"ISDN user part not used all the way", "ISUP используется не на всем пути"},
    {"ISDN user part used all the way", "ISUP используется на всем пути"},
};
constexpr Text kHolding[] = {
    {"holding not requested", "удержание не запрошено"},
    {"holding requested", kNotInIsupR.ru},
};
constexpr Label kAccessLabel{" ISDN access indicator......... ", " Индикатор доступа ISDN........ "};
constexpr Text kAccess[] = {
    {"terminating access non-ISDN", "оконечное устройство не является устройством ISDN"},
    {"terminating access ISDN", "оконечное устройство является устройством ISDN"},
};
constexpr Label kEchoLabel{" Echo control device ind....... ", " Инд.устройств эхоподавления... "};
constexpr Text kEcho[] = {
    {"incoming echo control device not included", "входящий полукомплект эхоканселлера не включен"},
    {"incoming echo control device included", "входящий полукомплект эхоканселлера включен"},
};
constexpr Label kSccpLabel{" SCCP method indicator......... ", " Инд.использования метода SCCP. "};
constexpr Text kSccp[] = {
    {"no indication", "нет индикации"},
    {"connectionless method available", kNotInIsupR.ru},
    {"connection oriented method available", kNotInIsupR.ru},
    {"connectionless  and connection oriented method available", kNotInIsupR.ru},
};

constexpr Field kRequestOctet1[] = {
    dense_field(1, 1, kAddressRequestLabel, kAddressRequest),
    dense_field(2, 2, kHoldingLabel, kHoldingRequest),
    spare_field(3, 3, kSpare),
    dense_field(4, 4, kCategoryRequestLabel, kCategoryRequest),
    dense_field(5, 5, kChargeRequestLabel, kChargeRequest),
    spare_field(7, 6, kSpare),
    dense_field(8, 8, kMaliciousLabel, kMalicious),
};
constexpr Field kSpareOctet[] = {spare_field(8, 1, kSpare)};
constexpr OctetFields kRequestOctets[] = {kRequestOctet1, kSpareOctet};

constexpr Field kInformationOctet1[] = {
    dense_field(2, 1, kAddressResponseLabel, kAddressResponse),
    dense_field(3, 3, kHoldProvidedLabel, kHoldProvided),
    spare_field(5, 4, kSpare),
    dense_field(6, 6, kCategoryResponseLabel, kCategoryResponse),
    dense_field(7, 7, kChargeResponseLabel, kChargeResponse),
    dense_field(8, 8, kSolicitedLabel, kSolicited),
};
constexpr OctetFields kInformationOctets[] = {kInformationOctet1, kSpareOctet};

constexpr Field kContinuityOctet[] = {
    dense_field(1, 1, kContinuityLabel, kContinuity),
    spare_field(8, 2, kSpare),
};
constexpr OctetFields kContinuityOctets[] = {kContinuityOctet};

constexpr Field kBackwardOctet1[] = {
    dense_field(2, 1, kChargeLabel, kCharge),
    dense_field(4, 3, kStatusLabel, kStatus),
    dense_field(6, 5, kCalledCategoryLabel, kCalledCategory),
    dense_field(8, 7, kEndToEndLabel, kEndToEnd),
};
constexpr Field kBackwardOctet2[] = {
    dense_field(1, 1, kInterworkingLabel, kInterworking),
    dense_field(2, 2, kInformationLabel, kInformation),
    dense_field(3, 3, kIsupLabel, kIsup),
    dense_field(4, 4, kHoldingLabel, kHolding),
    dense_field(5, 5, kAccessLabel, kAccess),
    dense_field(6, 6, kEchoLabel, kEcho),
    dense_field(8, 7, kSccpLabel, kSccp),
};
constexpr OctetFields kBackwardOctets[] = {kBackwardOctet1, kBackwardOctet2};

}  // namespace

// Mandatory fixed in INR, INF and COT: a title line and the fields.
constexpr FieldsShape kInformationRequestIndicators{kRequestTitle, Opening::Title, kRequestOctets};
constexpr FieldsShape kInformationIndicators{kInformationTitle, Opening::Title, kInformationOctets};
constexpr FieldsShape kContinuityIndicators{kContinuityTitle, Opening::Title, kContinuityOctets};
// Mandatory fixed in ACM and CON (title line), optional in ANM and CPG (header).
constexpr FieldsShape kBackwardCallIndicators{kBackwardName, Opening::ByPlace, kBackwardOctets};

}  // namespace tarn::isup
