// Information request indicators (0E), Information indicators (0F), Continuity
// indicators (10) and Backward call indicators (11).
#include <string>

#include "isup/fields.hpp"
#include "isup/indicators.hpp"
#include "report/convert.hpp"

namespace tarn::isup {

namespace {

constexpr std::string_view kNotInIsupR = "не используется в ISUP-R";

// --- 0E Information request indicators ---
constexpr Text kRequestTitle{" Information request indicators", " Индикаторы запроса информации"};
constexpr Text kAddressRequestLabel{" Calling party address req.ind. ", " Инд.запр.адреса вызывающ.стор. "};
constexpr Text kAddressRequest[] = {
    {"calling party address not requested", "адрес вызывающей стороны не требуется"},
    {"calling party address requested", "адрес вызывающей стороны требуется"},
};
constexpr Text kHoldingLabel{" Holding indicator............. ", " Индикатор удержания........... "};
constexpr Text kHoldingRequest[] = {
    {"holding not requested", "удержание не требуется"},
    {"holding requested", kNotInIsupR},
};
constexpr Text kCategoryRequestLabel{" Calling party's categ.req.ind. ", " Инд.запр.катег.вызывающ.стор.. "};
constexpr Text kCategoryRequest[] = {
    {"calling party's category not requested", "категория вызывающей стороны не требуется"},
    {"calling party's category requested", kNotInIsupR},
};
constexpr Text kChargeRequestLabel{" Charge information req.ind.... ", " Инд.запр.информации по тарифу. "};
constexpr Text kChargeRequest[] = {
    {"charge information not requested", "информация по тарифу не требуется"},
    {"charge information requested", kNotInIsupR},
};
constexpr Text kMaliciousLabel{" Malicious call ident.req.ind.. ", " Инд.запр.определ.злонам.вызов. "};
constexpr Text kMalicious[] = {
    {"malicious call identification not requested", "определение злонамеренного вызова не требуется"},
    {"malicious call identification requested", "определение злонамеренного вызова требуется"},
};

// --- 0F Information indicators ---
constexpr Text kInformationTitle{" Information indicators", " Индикаторы информации"};
constexpr Text kAddressResponseLabel{" Calling party addr.respon.ind. ", " Инд.ответа адреса вызывающ.ст. "};
constexpr Text kAddressResponse[] = {
    {"calling party address not included", "адрес вызывающей стороны не включен"},
    {"calling party address not available", "адрес вызывающей стороны недоступен"},
    {"spare", "резерв"},
    {"calling party address included", "адрес вызывающей стороны включен"},
};
constexpr Text kHoldProvidedLabel{" Hold provided indicator....... ", " Индикатор условия удержания... "};
constexpr Text kHoldProvided[] = {
    {"hold not provided", "удержание не обеспечено"},
    {"hold provided", kNotInIsupR},
};
constexpr Text kCategoryResponseLabel{" Calling party's cat.resp.ind.. ", " Инд.ответа катег.вызывающ.ст.. "};
constexpr Text kCategoryResponse[] = {
    {"calling party's category not included", "категория вызывающей стороны не включена"},
    {"calling party's category included", kNotInIsupR},
};
constexpr Text kChargeResponseLabel{" Charge information respon.ind. ", " Инд.ответа на запрос по тариф. "};
constexpr Text kChargeResponse[] = {
    {"charge information not included", "информации по тарифу не включена"},
    {"charge information included", kNotInIsupR},
};
constexpr Text kSolicitedLabel{" Solicited information ind..... ", " Инд.запрошенной информации.... "};
constexpr Text kSolicited[] = {
    {"solicited", "запрошен"},
    {"unsolicited", kNotInIsupR},
};

// --- 10 Continuity indicators ---
constexpr Text kContinuityTitle{" Continuity indicators", " Индикаторы целостности"};
constexpr Text kContinuityLabel{" Continuity indicator.......... ", " Индикатор целостности......... "};
constexpr Text kContinuity[] = {
    {"continuity check failed", "проверка целостности неудачна"},
    {"continuity check successful", "проверка целостности успешна"},
};

// --- 11 Backward call indicators ---
constexpr Text kBackwardName{" Backward call indicators", " Обратные индикаторы вызова"};
constexpr Text kChargeLabel{" Charge indicator.............. ", " Индикатор оплаты.............. "};
constexpr Text kCharge[] = {
    {"no indication", "нет индикации"},
    {"no charge", "нет тарификации"},
    {"charge", "подлежит тарификации"},
    {"spare", "резерв"},
};
constexpr Text kStatusLabel{" Called party's status ind..... ", " Инд.сост.вызываемого абонента. "};
constexpr Text kStatus[] = {
    {"no indication", "нет индикации"},
    {"subscriber free", "абонент свободен"},
    {"connect when free", kNotInIsupR},
    {"spare", "резерв"},
};
constexpr Text kCalledCategoryLabel{" Called party's category ind... ", " Инд.кат.вызываемого абонента.. "};
constexpr Text kCalledCategory[] = {
    {"no indication", "нет индикации"},
    {"ordinary subscriber", "обычный абонент"},
    {"payphone", "таксофон"},
    {"spare", "резерв"},
};
constexpr Text kEndToEndLabel{" End-to-end method indicator... ", " Инд.метода из конца-в-конец... "};
constexpr Text kEndToEnd[] = {
    {"no end-to-end method available (only link-by-link method available)",
     "метод из конца в конец не используется"},
    {"pass-along method available", kNotInIsupR},
    {"SCCP method available", kNotInIsupR},
    {"pass-along and SCCP methods available", kNotInIsupR},
};
constexpr Text kInterworkingLabel{" Interworking indicator........ ", " Индикатор взаимодействия...... "};
constexpr Text kInterworking[] = {
    {"no interworking encountered (Signalling System No.7 all the way)",
     "взаимодействие не используется (сигнализация №7 на всем пути)"},
    {"interworking encountered", "используется взаимодействие"},
};
constexpr Text kInformationLabel{" End-to-end information ind.... ", " Инд.информ.из конца-в-конец... "};
constexpr Text kInformation[] = {
    {"no end-to-end information available", "информация из конца в конец не передается"},
    {"end-to-end information available", kNotInIsupR},
};
constexpr Text kIsupLabel{" ISDN user part indicator...... ", " Индикатор использования ISDN.. "};
constexpr Text kIsup[] = {
    {"ISDN user part not used all the way", "ISUP используется не на всем пути"},
    {"ISDN user part used all the way", "ISUP используется на всем пути"},
};
constexpr Text kHolding[] = {
    {"holding not requested", "удержание не запрошено"},
    {"holding requested", kNotInIsupR},
};
constexpr Text kAccessLabel{" ISDN access indicator......... ", " Индикатор доступа ISDN........ "};
constexpr Text kAccess[] = {
    {"terminating access non-ISDN", "оконечное устройство не является устройством ISDN"},
    {"terminating access ISDN", "оконечное устройство является устройством ISDN"},
};
constexpr Text kEchoLabel{" Echo control device ind....... ", " Инд.устройств эхоподавления... "};
constexpr Text kEcho[] = {
    {"incoming echo control device not included", "входящий полукомплект эхоканселлера не включен"},
    {"incoming echo control device included", "входящий полукомплект эхоканселлера включен"},
};
constexpr Text kSccpLabel{" SCCP method indicator......... ", " Инд.использования метода SCCP. "};
constexpr Text kSccp[] = {
    {"no indication", "нет индикации"},
    {"connectionless method available", kNotInIsupR},
    {"connection oriented method available", kNotInIsupR},
    {"connectionless  and connection oriented method available", kNotInIsupR},
};

}  // namespace

void subcl_0E(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kRequestTitle, Opening::Title, 2)) return;
    const std::string o1 = BIN(mid(contents, 1, 2));
    field(ctx, o1, 1, 1, kAddressRequestLabel, kAddressRequest);
    field(ctx, o1, 2, 2, kHoldingLabel, kHoldingRequest);
    ctx.field(o1, 3, 3, kSpare);
    field(ctx, o1, 4, 4, kCategoryRequestLabel, kCategoryRequest);
    field(ctx, o1, 5, 5, kChargeRequestLabel, kChargeRequest);
    ctx.field(o1, 7, 6, kSpare);
    field(ctx, o1, 8, 8, kMaliciousLabel, kMalicious);
    ctx.field(BIN(mid(contents, 3, 2)), 8, 1, kSpare);
}

void subcl_0F(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kInformationTitle, Opening::Title, 2)) return;
    const std::string o1 = BIN(mid(contents, 1, 2));
    field(ctx, o1, 2, 1, kAddressResponseLabel, kAddressResponse);
    field(ctx, o1, 3, 3, kHoldProvidedLabel, kHoldProvided);
    ctx.field(o1, 5, 4, kSpare);
    field(ctx, o1, 6, 6, kCategoryResponseLabel, kCategoryResponse);
    field(ctx, o1, 7, 7, kChargeResponseLabel, kChargeResponse);
    field(ctx, o1, 8, 8, kSolicitedLabel, kSolicited);
    ctx.field(BIN(mid(contents, 3, 2)), 8, 1, kSpare);
}

void subcl_10(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kContinuityTitle, Opening::Title, 1)) return;
    const std::string o = BIN(mid(contents, 1, 2));
    field(ctx, o, 1, 1, kContinuityLabel, kContinuity);
    ctx.field(o, 8, 2, kSpare);
}

void subcl_11(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    if (!ctx.open(e, kBackwardName, Opening::ByPlace, 2)) return;
    const std::string o1 = BIN(mid(contents, 1, 2));
    field(ctx, o1, 2, 1, kChargeLabel, kCharge);
    field(ctx, o1, 4, 3, kStatusLabel, kStatus);
    field(ctx, o1, 6, 5, kCalledCategoryLabel, kCalledCategory);
    field(ctx, o1, 8, 7, kEndToEndLabel, kEndToEnd);
    const std::string o2 = BIN(mid(contents, 3, 2));
    field(ctx, o2, 1, 1, kInterworkingLabel, kInterworking);
    field(ctx, o2, 2, 2, kInformationLabel, kInformation);
    field(ctx, o2, 3, 3, kIsupLabel, kIsup);
    field(ctx, o2, 4, 4, kHoldingLabel, kHolding);
    field(ctx, o2, 5, 5, kAccessLabel, kAccess);
    field(ctx, o2, 6, 6, kEchoLabel, kEcho);
    field(ctx, o2, 8, 7, kSccpLabel, kSccp);
}

}  // namespace tarn::isup
