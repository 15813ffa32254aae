#include "isup/params_28_2f.hpp"

#include "isup/shapes.hpp"
#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

constexpr Text kNoIndication{"no indication", "нет индикации"};

constexpr Label kElementsLabel{" Information elements.......... ", " Информационные элементы....... "};

// --- Optional backward call indicators (29) ---

constexpr Row kInBand[] = {
    {0, kNoIndication},
    {1,
     {"in-band information or an appropriate pattern is now available",
      "внутриполосная информация доступна"}},
};
constexpr Row kDiversion[] = {
    {0, kNoIndication},
    {1, {"call diversion may occur", "возможное перенаправление вызова"}},
};
// Bit 3 is spare in ISUP-R: its Russian line has no value.
constexpr Row kSegmentation[] = {
    {0, {"no additional information will be sent", ""}},
    {1, {"additional information will be sent in a segmentation message", ""}},
};
constexpr Row kMllp[] = {
    {0, kNoIndication},
    {1, {"MLLP user", "пользователь MLLP"}},
};
constexpr Field kBackwardIndicators[] = {
    {1, 1, {" In-band information ind....... ", " Инд.внутриполосной информации. "}, kInBand},
    {2, 2, {" Call diversion may occur ind.. ", " Инд.возможного перенаправл.... "}, kDiversion},
    {3, 3, {" Simple segmentation ind....... ", " Резерв........................ "}, kSegmentation},
    {4, 4, {" MLLP user indicator........... ", " Инд.пользователя MLLP......... "}, kMllp},
    {8, 5, kSpare},
};

// --- User-to-user indicators (2A): bit 1 tells how the other bits read ---

constexpr Row kUserToUserType[] = {
    {0, {"request", "запрос"}},
    {1, {"response", "ответ"}},
};
constexpr Row kServiceRequest[] = {
    {0, {"no information", "нет информации"}},
    {1, {"spare", "резерв"}},
    {2, {"request, not essential", "запрос несущественный"}},
    {3, {"request, essential", "запрос существенный"}},
};
constexpr Row kServiceResponse[] = {
    {0, {"no information", "нет информации"}},
    {1, {"not provided", "не обеспечена"}},
    {2, {"provided", "обеспечена"}},
    {3, {"spare", "резерв"}},
};
constexpr Row kNetworkDiscard[] = {
    {0, {"no information", "нет информации"}},
    {1,
     {"user-to-user information discarded by the network",
      "информация от Пользователя к Пользователю сброшена сетью"}},
};
constexpr Label kService1{" Service1...................... ", " Услуга1....................... "};
constexpr Label kService2{" Service2...................... ", " Услуга2....................... "};
constexpr Label kService3{" Service3...................... ", " Услуга3....................... "};
constexpr Field kUserToUserRequest[] = {
    {1, 1, {" User-to-user indicator........ ", " Инд.пользователь-пользователь. "}, kUserToUserType},
    {3, 2, kService1, kServiceRequest},
    {5, 4, kService2, kServiceRequest},
    {7, 6, kService3, kServiceRequest},
    {8, 8, kSpare},
};
constexpr Field kUserToUserResponse[] = {
    {1, 1, {" User-to-user indicator........ ", " Инд.пользователь-пользователь. "}, kUserToUserType},
    {3, 2, kService1, kServiceResponse},
    {5, 4, kService2, kServiceResponse},
    {7, 6, kService3, kServiceResponse},
    {8, 8, {" Network discard indicator..... ", " Индикатор сброса от сети...... "}, kNetworkDiscard},
};

// --- Generic notification indicator (2C) ---

constexpr Row kNotification[] = {
    {0x00, {"user suspended", kNotInIsupR.ru}},
    {0x01, {"user resumed", kNotInIsupR.ru}},
    {0x02, {"bearer service change", kNotInIsupR.ru}},
    {0x03, {"discriminator for extension to ASN.1 encoded component", kNotInIsupR.ru}},
    {0x04, {"call complection delay", kNotInIsupR.ru}},
    {0x42, {"conference established", kNotInIsupR.ru}},
    {0x43, {"conference disconnected", kNotInIsupR.ru}},
    {0x44, {"other party added", kNotInIsupR.ru}},
    {0x45, {"Isolated", kNotInIsupR.ru}},
    {0x46, {"reattached", kNotInIsupR.ru}},
    {0x47, {"other party isolated", kNotInIsupR.ru}},
    {0x48, {"other party reattached", kNotInIsupR.ru}},
    {0x49, {"other party split", kNotInIsupR.ru}},
    {0x4A, {"other party disconnected", kNotInIsupR.ru}},
    {0x4B, {"conference floating", kNotInIsupR.ru}},
    {0x60, {"call is a waiting call", "вызов в стадии ожидания"}},
    {0x68, {"Diversion activated (used in DSS 1)", kNotInIsupR.ru}},
    {0x69, {"call transfer, alerting", "вызов передан"}},
    {0x6A, {"call transfer, active", kNotInIsupR.ru}},
    {0x79, {"remote hold", kNotInIsupR.ru}},
    {0x7A, {"remote retrieval", kNotInIsupR.ru}},
    {0x7B, {"call is divertind", "вызов отведен"}},
};
constexpr Row kNotificationExtension[] = {
    {0, {"information continues in the next octet", "информация продолжается в следующем октете"}},
    {1, {"last octet", "последний октет"}},
};
constexpr Field kNotificationOctet[] = {
    {7,
     1,
     {" Notification indicator........ ", " Индикатор уведомления......... "},
     kNotification,
     {"not used", kNotInIsupR.ru}},
    {8, 8, {" Extension indicator........... ", " Индикатор расширения.......... "}, kNotificationExtension},
};

// --- Access delivery information (2E) ---

constexpr Row kAccessDelivery[] = {
    {0, {"set-up message generated", "сообщение ЗАПРОС СОЕДИНЕНИЯ сформировано"}},
    {1, {"no set-up message generated", "сообщение ЗАПРОС СОЕДИНЕНИЯ не сформировано"}},
};
constexpr Field kAccessDeliveryOctet[] = {
    {1, 1, {" Access delivery indicator..... ", " Индикатор доставки в доступ... "}, kAccessDelivery},
    {8, 2, kSpare},
};

constexpr OctetFields kBackwardIndicatorsOctets[] = {kBackwardIndicators};
constexpr OctetFields kAccessDeliveryOctets[] = {kAccessDeliveryOctet};
constexpr OctetFields kUserToUserRequestOctets[] = {kUserToUserRequest};
constexpr OctetFields kUserToUserResponseOctets[] = {kUserToUserResponse};
constexpr Text kUserToUserName{" User-to-user indicators", " Индикаторы от пользователя к пользователю"};
constexpr FieldsShape kUserToUserRequestShape{kUserToUserName, Opening::Header, kUserToUserRequestOctets};
constexpr FieldsShape kUserToUserResponseShape{kUserToUserName, Opening::Header, kUserToUserResponseOctets};

}  // namespace

constexpr FieldsShape kOptionalBackwardCallIndicators{
    {" Optional backward call indicators", " Необязательные обратные индикаторы вызова"},
    Opening::Header,
    kBackwardIndicatorsOctets};
constexpr FieldsShape kAccessDeliveryInformation{
    {" Access delivery information", " Информация о доставке в доступ"},
    Opening::Header,
    kAccessDeliveryOctets};
constexpr HexShape kOriginationIscPointCode{{" Origination ISC point code", " Код пункта исходящего МЦК"},
                                            kElementsLabel};
constexpr HexShape kCallHistoryInformation{{" Call history information", " Информация об истории вызова"},
                                           kElementsLabel};
constexpr HexShape kNetworkSpecificFacility{
    {" Network specific facility (national use)", " Услуги специфичной сети (национальное использование)"},
    kElementsLabel};

// Bit 1 tells a request from a response, and the other bits read by it.
void subcl_2A(Context& ctx, const Element& e) {
    const bool response = (e.octets[0] & 1) != 0;
    decode_fields(ctx, e, response ? kUserToUserResponseShape : kUserToUserRequestShape);
}

// Every octet gives a notification line and an extension line, also after an octet
// whose extension bit says it is the last one.
void subcl_2C(Context& ctx, const Element& e) {
    if (!ctx.open(e, {" Generic notification indicator", " Индикатор родового уведомления"}, Opening::Header))
        return;
    for (std::size_t i = 0; i < e.octets.size(); ++i) ctx.fields(e.octets.bits(i), kNotificationOctet);
}

}  // namespace tarn::isup
