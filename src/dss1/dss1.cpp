// DSS1 message frame (protocol discriminator, call reference, message type) and the
// message rules: per message type the fixed elements, the elements its walk accepts,
// the end checks, kept as one table walked by one routine.
#include "dss1/dss1.hpp"

#include <cstddef>
#include <string>

#include "report/convert.hpp"
#include "report/message_type.hpp"
#include "report/octets.hpp"
#include "report/short_text.hpp"
#include "report/text.hpp"

namespace tarn::dss1 {

namespace {

// --- frame texts ---
constexpr Text kTitle{" MESSAGE EDSS1 (ETS 300 102-1): ", " СООБЩЕНИЕ EDSS1 (ETS 300 102-1): "};
constexpr Text kDiscriminatorLabel{" Protocol Discriminator........ ", " Дискриминатор протокола....... "};
constexpr Text kQ931Long{"Q.931", "Q.931 - управление соединениями ISDN в режиме коммутации каналов"};
constexpr Text kCallRefLengthLabel{" Length of call reference...... ", " Длина метки соединения........ "};
constexpr Text kInvalidLengthLabel{" MISTAKE: invalid length....... ", " ОШИБКА: неправильная длина.... "};
constexpr Text kCallRefValueLabel{" Call reference value.......... ", " Значение метки соединения..... "};
constexpr Text kFlagLabel{" Flag.......................... ", " Флаг.......................... "};
constexpr Text kFromOriginator{"the message is sent from the side that originates the call reference",
                               "метка назначена исходящей стороной звена данных"};
constexpr Text kToOriginator{"the message is sent to the side that originates the call reference",
                             "метка назначена удаленной стороной звена данных"};

// --- lines of the message rules ---
constexpr Text kAbsent{" MISTAKE: mandatory element is absent", " ОШИБКА: отсутствует обязательный элемент"};
constexpr Text kNotPresent{" MISTAKE: mandatory element not present",
                           " ОШИБКА: отсутствует обязательный элемент"};
constexpr Text kNoProgress{" MISTAKE: Progress indicator - mandatory element not present",
                           " ОШИБКА: Индикатор изменения - отсутствует обязательный элемент"};
constexpr Text kNoUserUser{
    " MISTAKE: User to user information - mandatory element not present",
    " ОШИБКА: Информация от пользователя к пользователю - отсутствует обязательный элемент"};
constexpr Text kNoRestart{" MISTAKE: Restart indicator - mandatory element not present",
                          " ОШИБКА: Индикатор рестарта - отсутствует обязательный элемент"};
constexpr Text kAnnexK{" See ETS 300 102-1 (Annex K)", " См. ETS 300 102-1 (Annex K)"};
constexpr Text k4632B{" This message is defined in ETSI T/S 46-32B",
                      " Это сообщение сформировано в ETSI T/S 46-32B"};

// An element that stands right after the message type (or after the previous fixed one).
struct Fixed {
    enum Kind {
        Element,          // identifier `id` with its length; else `line` ends the message
        SendingComplete,  // single octet A1, only if present
        CongestionLevel,  // single octet Bx; else `line` ends the message
        Note,             // `line`, and the message ends
    };
    Kind kind;
    unsigned id = 0;
    Text line{};
};

struct Rules {
    std::span<const Fixed> fixed;
    std::span<const Accept> accepts;
    // End check: when the walk has not met identifier `required`, the line `missing`.
    unsigned required = 0;
    Text missing{};
};

// Fixed elements are mandatory in their message: their identification lines say so.
constexpr Fixed kFixedCause[] = {{Fixed::Element, 0x08, kAbsent}};
constexpr Fixed kFixedChannel[] = {{Fixed::Element, 0x18, kAbsent}};
constexpr Fixed kFixedNotification[] = {{Fixed::Element, 0x27, kNotPresent}};
constexpr Fixed kFixedCauseCallState[] = {{Fixed::Element, 0x08, kAbsent}, {Fixed::Element, 0x14, kAbsent}};
constexpr Fixed kFixedSetup[] = {{Fixed::SendingComplete, 0xA1}, {Fixed::Element, 0x04, kAbsent}};
constexpr Fixed kFixedCongestion[] = {{Fixed::CongestionLevel, 0xB0, kAbsent}};
constexpr Fixed kSegmentNote[] = {{Fixed::Note, 0, kAnnexK}};
constexpr Fixed kFacilityNote[] = {{Fixed::Note, 0, k4632B}};

// The walks: identifiers accepted after the fixed elements. An element the message
// requires (its end check) is mandatory there; every other one is optional.
constexpr Accept kAlerting[] = {{0x18}, {0x1C}, {0x1E}, {0x28}, {0x7E}};
constexpr Accept kCallProceeding[] = {{0x18}, {0x1E}, {0x28}};
constexpr Accept kProgressWalk[] = {{0x08}, {0x1E, true}, {0x28}, {0x7E}};
constexpr Accept kSetup[] = {{0x18}, {0x1C}, {0x1E}, {0x20}, {0x28}, {0x2C}, {0x6C}, {0x6D},
                             {0x70}, {0x71}, {0x78}, {0x7C}, {0x7D}, {0x7E}, {0xA1}};
constexpr Accept kConnect[] = {{0x18}, {0x1C}, {0x1E}, {0x28}, {0x29}, {0x7C}, {0x7E}};
constexpr Accept kSetupAcknowledge[] = {{0x18}, {0x1E}, {0x28}};
constexpr Accept kConnectAcknowledge[] = {{0x18}, {0x28}};
constexpr Accept kUserInformation[] = {{0x7E, true}, {0xA0}};
constexpr Accept kDisconnect[] = {{0x1C}, {0x1E}, {0x28}, {0x7E}};
constexpr Accept kCongestionControl[] = {{0x08}, {0x28}};
constexpr Accept kInformation[] = {{0x08}, {0x28}, {0x2C}, {0x70}, {0xA1}};
constexpr Accept kDisplayOnly[] = {{0x28}};
constexpr Accept kCallIdentityOnly[] = {{0x10}};

// The walks of the grouped message types.
constexpr Accept DSS_2E_6E_7D[] = {{0x28}};  // after the last fixed element of 2E, 6E, 7D
constexpr Accept kRestartWalk[] = {{0x18}, {0x28}, {0x79, true}};
constexpr Accept kReleaseWalk[] = {{0x08}, {0x1C}, {0x28}, {0x7E}};

constexpr Rules DSS_21_22{kFixedCause, kDisplayOnly};
constexpr Rules DSS_25_26{{}, kCallIdentityOnly};
constexpr Rules DSS_2D_75{{}, kDisplayOnly};
constexpr Rules DSS_46_4E{{}, kRestartWalk, 0x79, kNoRestart};
constexpr Rules DSS_4D_5A{{}, kReleaseWalk};

struct MessageType {
    unsigned code;
    Text name;
    Rules rules;
};

constexpr MessageType kMessageTypes[] = {
    {0x01, {" ALERTING", " ПЕРЕДАЧА ВЫЗЫВНОГО СИГНАЛА"}, {{}, kAlerting}},
    {0x02, {" CALL PROCEEDING", " УСТАНОВЛЕНИЕ СОЕДИНЕНИЯ"}, {{}, kCallProceeding}},
    {0x03, {" PROGRESS", " РАЗВИТИЕ"}, {{}, kProgressWalk, 0x1E, kNoProgress}},
    {0x05, {" SETUP", " ЗАПРОС СОЕДИНЕНИЯ"}, {kFixedSetup, kSetup}},
    {0x07, {" CONNECT", " СОЕДИНЕНИЕ (ответ)"}, {{}, kConnect}},
    {0x0D, {" SETUP ACKNOWLEDGE", " ЗАПРОС ПРИНЯТ"}, {{}, kSetupAcknowledge}},
    {0x0F, {" CONNECT ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ОТВЕТА"}, {{}, kConnectAcknowledge}},
    {0x20, {" USER INFORMATION", " ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ"}, {{}, kUserInformation, 0x7E, kNoUserUser}},
    {0x21, {" SUSPEND REJECT", " ОТКАЗ ПРЕРЫВАНИЯ СОЕДИНЕНИЯ"}, DSS_21_22},
    {0x22, {" RESUME REJECT", " ОТКАЗ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ"}, DSS_21_22},
    {0x25, {" SUSPEND", " ПРЕРЫВАНИЕ СОЕДИНЕНИЯ"}, DSS_25_26},
    {0x26, {" RESUME", " ВОЗОБНОВЛЕНИЕ СОЕДИНЕНИЯ"}, DSS_25_26},
    {0x2D, {" SUSPEND ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ПРЕРЫВАНИЯ СОЕДИНЕНИЯ"}, DSS_2D_75},
    {0x2E, {" RESUME ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ВОЗОБНОВЛЕНИЯ СОЕДИНЕНИЯ"}, {kFixedChannel, DSS_2E_6E_7D}},
    {0x45, {" DISCONNECT", " РАЗЪЕДИНИТЬ"}, {kFixedCause, kDisconnect}},
    {0x46, {" RESTART", " РЕСТАРТ"}, DSS_46_4E},
    {0x4D, {" RELEASE", " ОСВОБОДИТЬ РЕСУРСЫ"}, DSS_4D_5A},
    {0x4E, {" RESTART ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ РЕСТАРТА"}, DSS_46_4E},
    {0x5A, {" RELEASE COMPLETE", " РЕСУРСЫ ОСВОБОЖДЕНЫ"}, DSS_4D_5A},
    {0x60, {" SEGMENT", " СЕГМЕНТ"}, {kSegmentNote, {}}},
    {0x62, {" FACILITY", " ДОПОЛНИТЕЛЬНАЯ УСЛУГА"}, {kFacilityNote, {}}},
    {0x6E, {" NOTIFY", " УВЕДОМЛЕНИЕ"}, {kFixedNotification, DSS_2E_6E_7D}},
    {0x75, {" STATUS ENQUIRY", " ЗАПРОС СТАТУСА"}, DSS_2D_75},
    {0x79, {" CONGESTION CONTROL", " УПРАВЛЕНИЕ ПРИ ПЕРЕГРУЗКЕ"}, {kFixedCongestion, kCongestionControl}},
    {0x7B, {" INFORMATION", " ИНФОРМАЦИЯ"}, {{}, kInformation}},
    {0x7D, {" STATUS", " СТАТУС"}, {kFixedCauseCallState, DSS_2E_6E_7D}},
};

// The octet at 1-based digit position `n`, or -1 when fewer than two hex digits are there.
int octet_at(std::string_view message, std::size_t n) {
    const std::string_view digits = mid(message, n, 2);
    if (digits.size() < 2 || !is_hex(digits)) return -1;
    return static_cast<int>(hex_number(digits));
}

const MessageType* find_type(int code) {
    for (const MessageType& type : kMessageTypes) {
        if (static_cast<int>(type.code) == code) return &type;
    }
    return nullptr;
}

// PROTOCOL: empty line, title line, protocol discriminator line.
void PROTOCOL(Context& ctx, std::string_view octet_1) {
    ctx.message_title(Protocol::Dss1, kTitle);
    ctx.line(" ", bits_of_digits(octet_1), ctx.t(kDiscriminatorLabel),
             ctx.single() ? "Q.931" : ctx.t(kQ931Long));
}

// LenCallRef: octet 2. Returns the call reference length c in octets.
unsigned LenCallRef(Context& ctx, std::string_view octet_2) {
    const std::string_view bits = bits_of_digits(octet_2);
    ctx.field(bits, 8, 5, kSpare);
    const unsigned c = decadic(bits_of(bits, 4, 1));
    if (c == 1 || c == 2) {
        ctx.field(bits, 4, 1, kCallRefLengthLabel, ShortText(c, " Dec"));
    } else {
        ctx.field(bits, 4, 1, kInvalidLengthLabel, ShortText(c));
    }
    return c;
}

// CallRef: the call reference value of c octets (only c = 1 and c = 2 are shown).
void CallRef(Context& ctx, std::string_view value, unsigned c) {
    if (c != 1 && c != 2) return;
    // The value has 2c digits (the caller checked the message is long enough).
    const std::string_view bits = bits_of_digits(mid(value, 1, 2));
    const Text flag = bits.front() == '0' ? kFromOriginator : kToOriginator;
    if (c == 1) {
        ctx.line(ctx.t({" Call reference ", " Метка соединения"}));
        ctx.field(bits, 7, 1, kCallRefValueLabel, Text{"basic rate access", "базовый доступ"});
        ctx.field(bits, 8, 8, kFlagLabel, flag);
    } else {
        ctx.line(ctx.t({" Call reference", " Метка соединения"}));
        ctx.field(bits, 7, 1, kCallRefValueLabel, Text{"primary rate access", "первичный доступ"});
        ctx.field(bits, 8, 8, kFlagLabel, flag);
        ctx.line(" ", bits_of_digits(mid(value, 3, 2)), ctx.t(kCallRefValueLabel));
    }
}

// The call reference as data: its length (octet 2 bits 4-1), and for a value of one or two
// octets that is all there, the value (bits 7-1 of its first octet and all of the second)
// and the flag (bit 8).
FrameFacts call_reference_facts(unsigned c, std::string_view value) {
    FrameFacts facts;
    facts.call_reference_length = static_cast<int>(c);
    if ((c == 1 || c == 2) && value.size() == 2 * c) {
        const unsigned v = hex_number(value);
        const unsigned flag_bit = c == 1 ? 0x80U : 0x8000U;
        facts.call_reference = static_cast<long>(v & (flag_bit - 1));
        facts.flag = (v & flag_bit) != 0 ? 1 : 0;
    }
    return facts;
}

// Everything after the message type line: fixed elements, walk, end check. `n` is the
// 1-based digit position of the first octet after the message type.
class MessageWalk {
public:
    MessageWalk(Context& ctx, std::string_view message, std::size_t n, unsigned type,
                std::span<const ElementEntry> decoders)
        : ctx_(ctx), message_(message), n_(n), type_(type), decoders_(decoders) {}

    void run(const Rules& rules) {
        for (const Fixed& fixed : rules.fixed) {
            if (!fixed_element(fixed)) return;
        }
        const WalkResult walked = walk_elements(ctx_, mid(message_, n_), rules.accepts, decoders_, type_);
        if (rules.required != 0 && !walked.seen.test(rules.required)) ctx_.line(ctx_.t(rules.missing));
    }

private:
    void decode(unsigned decoder_id, const Element& e) {
        if (Decoder decoder = find_decoder(decoders_, decoder_id)) ctx_.decode(decoder, e);
    }

    // A single-octet element at n: its decoder gets the identifier octet itself, and the
    // message goes on at the next octet.
    void single_octet_element(unsigned decoder_id, unsigned id) {
        decode(decoder_id, Element::fixed(id, mid(message_, n_, 2), true, type_));
        n_ += 2;
    }

    // False when the decoding of the message ends here.
    bool fixed_element(const Fixed& fixed) {
        const int id = octet_at(message_, n_);
        switch (fixed.kind) {
            case Fixed::Note:
                ctx_.line(ctx_.t(fixed.line));
                return false;
            case Fixed::SendingComplete:
                if (id == static_cast<int>(fixed.id)) single_octet_element(fixed.id, fixed.id);
                return true;
            case Fixed::CongestionLevel:
                if (id >= 0 && (id & 0xF0) == 0xB0) {
                    single_octet_element(fixed.id, static_cast<unsigned>(id));
                    return true;
                }
                ctx_.line(ctx_.t(fixed.line));
                return false;
            case Fixed::Element:
                break;
        }
        if (id != static_cast<int>(fixed.id)) {
            ctx_.line(ctx_.t(fixed.line));
            return false;
        }
        // The message ends silently when the length octet is not there.
        const int length = octet_at(message_, n_ + 2);
        if (length < 0) return false;
        const std::string_view contents = mid(message_, n_ + 4, 2 * static_cast<std::size_t>(length));
        n_ += 4 + 2 * static_cast<std::size_t>(length);
        decode(fixed.id, Element(fixed.id, static_cast<unsigned>(length), contents, true, type_));
        return true;
    }

    Context& ctx_;
    std::string_view message_;
    std::size_t n_;
    unsigned type_;
    std::span<const ElementEntry> decoders_;
};

}  // namespace

void DEC_DSS(Context& ctx, std::string_view message) {
    DEC_DSS(ctx, message, element_decoders());
}

void DEC_DSS(Context& ctx, std::string_view message, std::span<const ElementEntry> decoders) {
    PROTOCOL(ctx, mid(message, 1, 2));
    if (message.size() <= 3) return;
    const unsigned c = LenCallRef(ctx, mid(message, 3, 2));
    const bool complete = message.size() > 2 * c + 3;  // the call reference value is all there
    if (ctx.structured())
        ctx.frame(call_reference_facts(c, complete ? mid(message, 5, 2 * c) : std::string_view{}));
    if (!complete) return;
    CallRef(ctx, mid(message, 5, 2 * c), c);

    const std::size_t n = 2 * c + 5;
    const MessageType* type = find_type(octet_at(message, n));
    if (type == nullptr) return;
    // The English name is the type's short name in every reading (SETUP, RELEASE COMPLETE).
    message_type_line(ctx, type->code, ctx.t(type->name), type->name.en);  // subTYPE
    MessageWalk(ctx, message, n + 2, type->code, decoders).run(type->rules);
}

}  // namespace tarn::dss1
