#include "isup/params_28_2f.hpp"

#include <string>

#include "isup/octet_fields.hpp"
#include "report/convert.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

constexpr Text kNoIndication{"no indication", "нет индикации"};

// Contents shown as they stand: one line of hex digits (none for empty contents).
void hex_contents(Context& ctx, Text name, const Element& e) {
    const std::string_view contents = e.hex();
    ctx.header(e, name);
    if (!ctx.length_ok(e)) return;
    if (contents.empty()) return;
    ctx.line(" ********", ctx.t({" Information elements.......... ", " Информационные элементы....... "}),
             contents, " Hex");
}

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
constexpr BitField kBackwardIndicators[] = {
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
constexpr Text kService1{" Service1...................... ", " Услуга1....................... "};
constexpr Text kService2{" Service2...................... ", " Услуга2....................... "};
constexpr Text kService3{" Service3...................... ", " Услуга3....................... "};
constexpr BitField kUserToUserRequest[] = {
    {1, 1, {" User-to-user indicator........ ", " Инд.пользователь-пользователь. "}, kUserToUserType},
    {3, 2, kService1, kServiceRequest},
    {5, 4, kService2, kServiceRequest},
    {7, 6, kService3, kServiceRequest},
    {8, 8, kSpare},
};
constexpr BitField kUserToUserResponse[] = {
    {1, 1, {" User-to-user indicator........ ", " Инд.пользователь-пользователь. "}, kUserToUserType},
    {3, 2, kService1, kServiceResponse},
    {5, 4, kService2, kServiceResponse},
    {7, 6, kService3, kServiceResponse},
    {8, 8, {" Network discard indicator..... ", " Индикатор сброса от сети...... "}, kNetworkDiscard},
};

// --- Generic notification indicator (2C) ---

constexpr Row kNotification[] = {
    {0x00, {"user suspended", kNotInIsupR}},
    {0x01, {"user resumed", kNotInIsupR}},
    {0x02, {"bearer service change", kNotInIsupR}},
    {0x03, {"discriminator for extension to ASN.1 encoded component", kNotInIsupR}},
    {0x04, {"call complection delay", kNotInIsupR}},
    {0x42, {"conference established", kNotInIsupR}},
    {0x43, {"conference disconnected", kNotInIsupR}},
    {0x44, {"other party added", kNotInIsupR}},
    {0x45, {"Isolated", kNotInIsupR}},
    {0x46, {"reattached", kNotInIsupR}},
    {0x47, {"other party isolated", kNotInIsupR}},
    {0x48, {"other party reattached", kNotInIsupR}},
    {0x49, {"other party split", kNotInIsupR}},
    {0x4A, {"other party disconnected", kNotInIsupR}},
    {0x4B, {"conference floating", kNotInIsupR}},
    {0x60, {"call is a waiting call", "вызов в стадии ожидания"}},
    {0x68, {"Diversion activated (used in DSS 1)", kNotInIsupR}},
    {0x69, {"call transfer, alerting", "вызов передан"}},
    {0x6A, {"call transfer, active", kNotInIsupR}},
    {0x79, {"remote hold", kNotInIsupR}},
    {0x7A, {"remote retrieval", kNotInIsupR}},
    {0x7B, {"call is divertind", "вызов отведен"}},
};
constexpr Row kNotificationExtension[] = {
    {0, {"information continues in the next octet", "информация продолжается в следующем октете"}},
    {1, {"last octet", "последний октет"}},
};
constexpr BitField kNotificationOctet[] = {
    {7,
     1,
     {" Notification indicator........ ", " Индикатор уведомления......... "},
     kNotification,
     {"not used", kNotInIsupR}},
    {8, 8, {" Extension indicator........... ", " Индикатор расширения.......... "}, kNotificationExtension},
};

// --- Access delivery information (2E) ---

constexpr Row kAccessDelivery[] = {
    {0, {"set-up message generated", "сообщение ЗАПРОС СОЕДИНЕНИЯ сформировано"}},
    {1, {"no set-up message generated", "сообщение ЗАПРОС СОЕДИНЕНИЯ не сформировано"}},
};
constexpr BitField kAccessDeliveryOctet[] = {
    {1, 1, {" Access delivery indicator..... ", " Индикатор доставки в доступ... "}, kAccessDelivery},
    {8, 2, kSpare},
};

// One-octet parameters: the header, then one line per field of the first octet.
void one_octet(Context& ctx, Text name, std::span<const BitField> fields, const Element& e) {
    const std::string_view contents = e.hex();
    ctx.header(e, name);
    if (!(ctx.length_ok(e) && ctx.holds(e, 2 / 2))) return;
    const std::string bits = BIN(mid(contents, 1, 2));
    for (const BitField& field : fields) print_field(ctx, bits, field);
}

}  // namespace

void subcl_29(Context& ctx, const Element& e) {
    one_octet(ctx, {" Optional backward call indicators", " Необязательные обратные индикаторы вызова"},
              kBackwardIndicators, e);
}

void subcl_2A(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    const bool response = mid(BIN(mid(contents, 1, 2)), 8, 1) == "1";
    one_octet(ctx, {" User-to-user indicators", " Индикаторы от пользователя к пользователю"},
              response ? std::span<const BitField>(kUserToUserResponse) : kUserToUserRequest, e);
}

void subcl_2B(Context& ctx, const Element& e) {
    hex_contents(ctx, {" Origination ISC point code", " Код пункта исходящего МЦК"}, e);
}

// Every octet gives a notification line and an extension line, also after an octet
// whose extension bit says it is the last one.
void subcl_2C(Context& ctx, const Element& e) {
    const std::string_view contents = e.hex();
    ctx.header(e, {" Generic notification indicator", " Индикатор родового уведомления"});
    if (!ctx.length_ok(e)) return;
    for (std::size_t digit = 1; digit + 1 <= contents.size(); digit += 2) {
        const std::string bits = BIN(mid(contents, digit, 2));
        for (const BitField& field : kNotificationOctet) print_field(ctx, bits, field);
    }
}

void subcl_2D(Context& ctx, const Element& e) {
    hex_contents(ctx, {" Call history information", " Информация об истории вызова"}, e);
}

void subcl_2E(Context& ctx, const Element& e) {
    one_octet(ctx, {" Access delivery information", " Информация о доставке в доступ"}, kAccessDeliveryOctet,
              e);
}

void subcl_2F(Context& ctx, const Element& e) {
    hex_contents(ctx,
                 {" Network specific facility (national use)",
                  " Услуги специфичной сети (национальное использование)"},
                 e);
}

}  // namespace tarn::isup
