// DSS1 message frame (protocol discriminator, call reference, message type) and the
// message rules: per message type the fixed elements, the elements its walk accepts,
// the presence flags and the end checks, kept as one table walked by one routine.
#include "dss1/dss1.hpp"

#include <cstddef>
#include <string>

#include "report/convert.hpp"
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
constexpr Text kMessageTypeLabel{" Message Type..................", " Тип сообщения................."};

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
    bool Flags::*mandatory = nullptr;  // set true for the element's decoder, false after
    Text line{};
};

// An identifier the walk hands to its decoder, with the flag set right before the call.
struct Accept {
    unsigned id;
    bool Flags::*flag = nullptr;
    bool value = false;
};

struct Rules {
    std::span<const Fixed> fixed;
    std::span<const Accept> accepts;
    bool Flags::*found = nullptr;  // end check: false before the walk, `missing` if still false
    Text missing{};
};

constexpr bool Flags::*kCause = &Flags::bCAUSE;
constexpr bool Flags::*kChannel = &Flags::bChannel;
constexpr bool Flags::*kProgress = &Flags::bProgress;
constexpr bool Flags::*kUser = &Flags::bUser;
constexpr bool Flags::*kRestart = &Flags::bRestart;

constexpr Fixed kFixedCause[] = {{Fixed::Element, 0x08, kCause, kAbsent}};
constexpr Fixed kFixedChannel[] = {{Fixed::Element, 0x18, kChannel, kAbsent}};
constexpr Fixed kFixedNotification[] = {{Fixed::Element, 0x27, nullptr, kNotPresent}};
constexpr Fixed kFixedCauseCallState[] = {{Fixed::Element, 0x08, kCause, kAbsent},
                                          {Fixed::Element, 0x14, nullptr, kAbsent}};
constexpr Fixed kFixedSetup[] = {{Fixed::SendingComplete, 0xA1}, {Fixed::Element, 0x04, nullptr, kAbsent}};
constexpr Fixed kFixedCongestion[] = {{Fixed::CongestionLevel, 0xB0, nullptr, kAbsent}};
constexpr Fixed kSegmentNote[] = {{Fixed::Note, 0, nullptr, kAnnexK}};
constexpr Fixed kFacilityNote[] = {{Fixed::Note, 0, nullptr, k4632B}};

constexpr Accept kAlerting[] = {{0x18, kChannel, false}, {0x1C}, {0x1E}, {0x28}, {0x7E, kUser, false}};
constexpr Accept kCallProceeding[] = {{0x18, kChannel, false}, {0x1E}, {0x28}};
constexpr Accept kProgressWalk[] = {
    {0x08, kCause, false}, {0x1E, kProgress, true}, {0x28}, {0x7E, kUser, false}};
// clang-format off
constexpr Accept kSetup[] = {{0x18, kChannel, false}, {0x1C}, {0x1E}, {0x20}, {0x28}, {0x2C}, {0x6C}, {0x6D},
                             {0x70}, {0x71}, {0x78}, {0x7C}, {0x7D}, {0x7E, kUser, false}, {0xA1}};
// clang-format on
constexpr Accept kConnect[] = {{0x18, kChannel, false}, {0x1C}, {0x1E}, {0x28}, {0x29}, {0x7C},
                               {0x7E, kUser, false}};
constexpr Accept kSetupAcknowledge[] = {{0x18, kChannel, false}, {0x1E}, {0x28}};
constexpr Accept kConnectAcknowledge[] = {{0x18, kChannel, false}, {0x28}};
constexpr Accept kUserInformation[] = {{0x7E, kUser, true}, {0xA0}};
constexpr Accept kDisconnect[] = {{0x1C}, {0x1E}, {0x28}, {0x7E, kUser, false}};
constexpr Accept kCongestionControl[] = {{0x08, kCause, false}, {0x28}};
constexpr Accept kInformation[] = {{0x08, kCause, false}, {0x28}, {0x2C}, {0x70}, {0xA1}};
constexpr Accept kDisplayOnly[] = {{0x28}};
constexpr Accept kCallIdentityOnly[] = {{0x10}};

// The walks of the grouped message types.
constexpr Accept DSS_2E_6E_7D[] = {{0x28}};  // after the last fixed element of 2E, 6E, 7D
constexpr Accept kRestartWalk[] = {{0x18, kChannel, false}, {0x28}, {0x79, kRestart, true}};
constexpr Accept kReleaseWalk[] = {{0x08, kCause, false}, {0x1C}, {0x28}, {0x7E, kUser, false}};

constexpr Rules DSS_21_22{kFixedCause, kDisplayOnly};
constexpr Rules DSS_25_26{{}, kCallIdentityOnly};
constexpr Rules DSS_2D_75{{}, kDisplayOnly};
constexpr Rules DSS_46_4E{{}, kRestartWalk, kRestart, kNoRestart};
constexpr Rules DSS_4D_5A{{}, kReleaseWalk};

struct MessageType {
    unsigned code;
    Text name;
    Rules rules;
};

constexpr MessageType kMessageTypes[] = {
    {0x01, {" ALERTING", " ПЕРЕДАЧА ВЫЗЫВНОГО СИГНАЛА"}, {{}, kAlerting}},
    {0x02, {" CALL PROCEEDING", " УСТАНОВЛЕНИЕ СОЕДИНЕНИЯ"}, {{}, kCallProceeding}},
    {0x03, {" PROGRESS", " РАЗВИТИЕ"}, {{}, kProgressWalk, kProgress, kNoProgress}},
    {0x05, {" SETUP", " ЗАПРОС СОЕДИНЕНИЯ"}, {kFixedSetup, kSetup}},
    {0x07, {" CONNECT", " СОЕДИНЕНИЕ (ответ)"}, {{}, kConnect}},
    {0x0D, {" SETUP ACKNOWLEDGE", " ЗАПРОС ПРИНЯТ"}, {{}, kSetupAcknowledge}},
    {0x0F, {" CONNECT ACKNOWLEDGE", " ПОДТВЕРЖДЕНИЕ ОТВЕТА"}, {{}, kConnectAcknowledge}},
    {0x20, {" USER INFORMATION", " ИНФОРМАЦИЯ ПОЛЬЗОВАТЕЛЯ"}, {{}, kUserInformation, kUser, kNoUserUser}},
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

const Accept* find_accept(std::span<const Accept> accepts, int id) {
    for (const Accept& accept : accepts) {
        if (static_cast<int>(accept.id) == id) return &accept;
    }
    return nullptr;
}

bool single_octet(int id) {
    return id == 0xA0 || id == 0xA1;
}

// PROTOCOL: empty line, title line, protocol discriminator line.
void PROTOCOL(Context& ctx, std::string_view octet_1) {
    ctx.line(std::string_view{});
    ctx.line(ctx.t(kTitle), ctx.title());
    ctx.line(" ", BIN(octet_1), ctx.t(kDiscriminatorLabel), ctx.single() ? "Q.931" : ctx.t(kQ931Long));
}

// LenCallRef: octet 2. Returns the call reference length c in octets.
unsigned LenCallRef(Context& ctx, std::string_view octet_2) {
    const std::string bits = BIN(octet_2);
    ctx.field(bits, 8, 5, kSpare);
    const unsigned c = decadic(bits_of(bits, 4, 1));
    if (c == 1 || c == 2) {
        ctx.field(bits, 4, 1, kCallRefLengthLabel, std::to_string(c) + " Dec");
    } else {
        ctx.field(bits, 4, 1, kInvalidLengthLabel, std::to_string(c));
    }
    return c;
}

// CallRef: the call reference value of c octets (only c = 1 and c = 2 are shown).
void CallRef(Context& ctx, std::string_view value, unsigned c) {
    if (c != 1 && c != 2) return;
    const std::string bits = BIN(value);
    const Text flag = bits.front() == '0' ? kFromOriginator : kToOriginator;
    if (c == 1) {
        ctx.line(ctx.t({" Call reference ", " Метка соединения"}));
        ctx.field(bits, 7, 1, kCallRefValueLabel, Text{"basic rate access", "базовый доступ"});
        ctx.field(bits, 8, 8, kFlagLabel, flag);
    } else {
        ctx.line(ctx.t({" Call reference", " Метка соединения"}));
        ctx.field(bits, 7, 1, kCallRefValueLabel, Text{"primary rate access", "первичный доступ"});
        ctx.field(bits, 8, 8, kFlagLabel, flag);
        ctx.line(" ", mid(bits, 9, 8), ctx.t(kCallRefValueLabel));
    }
}

class MessageWalk {
public:
    MessageWalk(Context& ctx, std::string_view message, std::span<const ElementEntry> decoders)
        : ctx_(ctx), message_(message), decoders_(decoders) {}

    // Everything after the message type line: fixed elements, walk, end check.
    void run(const Rules& rules) {
        for (const Fixed& fixed : rules.fixed) {
            if (!fixed_element(fixed)) return;
        }
        if (rules.found) ctx_.flags.*rules.found = false;
        walk(rules.accepts);
        if (rules.found) {
            if (!(ctx_.flags.*rules.found)) ctx_.line(ctx_.t(rules.missing));
            ctx_.flags.*rules.found = false;
        }
    }

private:
    void decode(int id, std::string_view contents) {
        if (ElementDecoder decoder = find_decoder(decoders_, static_cast<unsigned>(id)))
            decoder(ctx_, contents);
    }

    // The identifier at n, its length octet and contents; n moves past the element.
    // False, with n unchanged, when the message ends before the length octet.
    bool read_element(std::string_view& contents) {
        ctx_.ind = std::string(mid(message_, ctx_.n, 2));
        if (!ctx_.dlina(mid(message_, ctx_.n + 2, 2))) return false;
        ctx_.n += 4;
        contents = mid(message_, ctx_.n, ctx_.NN);
        ctx_.n += ctx_.NN;
        return true;
    }

    // A single-octet element at n: its decoder gets the identifier octet itself, and the
    // walk goes on at the next octet.
    void single_octet_element(int decoder_id) {
        ctx_.ind = std::string(mid(message_, ctx_.n, 2));
        decode(decoder_id, ctx_.ind);
        ctx_.n += 2;
    }

    // False when the decoding of the message ends here.
    bool fixed_element(const Fixed& fixed) {
        const int id = octet_at(message_, ctx_.n);
        switch (fixed.kind) {
            case Fixed::Note:
                ctx_.line(ctx_.t(fixed.line));
                return false;
            case Fixed::SendingComplete:
                if (id == static_cast<int>(fixed.id)) single_octet_element(id);
                return true;
            case Fixed::CongestionLevel:
                if (id >= 0 && (id & 0xF0) == 0xB0) {
                    single_octet_element(static_cast<int>(fixed.id));
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
        std::string_view contents;
        if (!read_element(contents)) return false;
        if (fixed.mandatory) ctx_.flags.*fixed.mandatory = true;
        decode(id, contents);
        if (fixed.mandatory) ctx_.flags.*fixed.mandatory = false;
        return true;
    }

    // The element walk: up to the end of the message, a filler octet FF, or a length
    // octet that is not there. Identifiers the type does not accept are skipped.
    void walk(std::span<const Accept> accepts) {
        for (;;) {
            const int id = octet_at(message_, ctx_.n);
            if (id < 0 || id == 0xFF) return;
            const Accept* accept = find_accept(accepts, id);
            if (accept && single_octet(id)) {
                single_octet_element(id);
                continue;
            }
            std::string_view contents;
            const bool whole = read_element(contents);
            // An accepted identifier counts as found even when its length octet is cut off;
            // only its decoder is not called then.
            if (accept && accept->flag) ctx_.flags.*accept->flag = accept->value;
            if (!whole) return;
            if (accept) decode(id, contents);
        }
    }

    Context& ctx_;
    std::string_view message_;
    std::span<const ElementEntry> decoders_;
};

}  // namespace

void subTYPE(Context& ctx, std::string_view type_bits, std::string_view name) {
    ctx.line(" ", type_bits, ctx.t(kMessageTypeLabel), name);
}

void DEC_DSS(Context& ctx, std::string_view message) {
    DEC_DSS(ctx, message, element_decoders());
}

void DEC_DSS(Context& ctx, std::string_view message, std::span<const ElementEntry> decoders) {
    ctx.flags.bHigh = true;
    PROTOCOL(ctx, mid(message, 1, 2));
    if (message.size() <= 3) return;
    const unsigned c = LenCallRef(ctx, mid(message, 3, 2));
    if (message.size() <= 2 * c + 3) return;  // the call reference value is incomplete
    CallRef(ctx, mid(message, 5, 2 * c), c);

    ctx.n = 2 * c + 5;
    const MessageType* type = find_type(octet_at(message, ctx.n));
    if (type == nullptr) return;
    subTYPE(ctx, BIN(mid(message, ctx.n, 2)), ctx.t(type->name));
    ctx.n += 2;
    MessageWalk(ctx, message, decoders).run(type->rules);
}

}  // namespace tarn::dss1
