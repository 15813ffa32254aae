#include "isup/message.hpp"

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "report/convert.hpp"
#include "report/field.hpp"
#include "report/octets.hpp"

namespace tarn::isup {

namespace {

constexpr Text kPointer{" Pointer....................... ", " Указатель..................... "};
constexpr Text kPointerOpt{" Pointer to start of opt.part.. ", " Указатель начала необ.парам... "};
constexpr Text kOptionalParameters{" Optional parameters........... ", " Необязательный параметр....... "};
constexpr Text kEnd{"End", "Конец"};

// Digit position of the first octet after the message type octet.
constexpr std::size_t kFirstParameter = 17;

}  // namespace

// A set of one-octet codes, checked at compile time: every code fits its octet and none
// stands twice.
class CodeSet {
public:
    consteval CodeSet() = default;
    consteval CodeSet(std::initializer_list<unsigned> codes) {
        for (unsigned code : codes) {
            if (code > 0xFF || contains(code) || size_ == codes_.size()) detail::table_error("bad code set");
            codes_[size_++] = static_cast<std::uint8_t>(code);
        }
    }
    constexpr bool contains(unsigned code) const {
        for (std::size_t i = 0; i < size_; ++i) {
            if (codes_[i] == code) return true;
        }
        return false;
    }

private:
    std::array<std::uint8_t, 32> codes_{};
    std::size_t size_ = 0;
};

struct FixedParam {
    unsigned code = 0;
    std::size_t octets = 0;  // 0 ends the list
};

// How the pointer to the mandatory variable parameter is shown.
enum class VarPointer { Silent, Shown };

// Where the optional part stands.
enum class Optional {
    None,          // no optional part and no pointer to it
    PointerOnly,   // the pointer line is shown, the part is not walked
    AfterPointer,  // pointer line shown; the part starts right after the pointer octet
    Pointed,       // pointer line shown; the part starts where the pointer points
    EndMark,       // no pointer; an end octet 00 may follow the last parameter read
};

// The parameter layout of a message type.
struct Layout {
    std::array<FixedParam, 4> fixed = {};  // mandatory fixed parameters in octet order
    int variable = -1;                     // code of the mandatory variable parameter, -1: none
    VarPointer var_pointer = VarPointer::Silent;
    bool whole_variable = false;  // the variable parameter must be complete, else the message ends
    Optional optional = Optional::None;
    CodeSet set = {};  // optional parameter codes decoded
};

namespace {

// Each mandatory fixed parameter and each pointer is read only when all its digits are
// there; otherwise the message ends silently at that point. The pointers follow the fixed
// parameters: first the one to the mandatory variable parameter, then the one to the
// optional part.
constexpr Layout kIAM{
    .fixed = {{{0x06, 1}, {0x07, 2}, {0x09, 1}, {0x02, 1}}},
    .variable = 0x04,
    .var_pointer = VarPointer::Shown,
    .whole_variable = true,
    .optional = Optional::Pointed,
    .set = {0x01, 0x03, 0x08, 0x0A, 0x0B, 0x0D, 0x13, 0x1A, 0x1D, 0x20, 0x23, 0x28, 0x2A, 0x2B, 0x2C,
            0x2E, 0x2F, 0x30, 0x31, 0x32, 0x33, 0x34, 0x37, 0x39, 0x3A, 0x3E, 0x3F, 0xC0, 0xC1}};
constexpr Layout kSAM{.variable = 0x05, .var_pointer = VarPointer::Shown, .optional = Optional::PointerOnly};
constexpr Layout kINR{.fixed = {{{0x0E, 2}}}, .optional = Optional::AfterPointer, .set = {0x01, 0x2F, 0x39}};
constexpr Layout kINF{
    .fixed = {{{0x0F, 2}}}, .optional = Optional::AfterPointer, .set = {0x01, 0x09, 0x0A, 0x0D, 0x2F, 0x39}};
constexpr Layout kCOT{.fixed = {{{0x10, 1}}}};
constexpr Layout kACM{.fixed = {{{0x11, 2}}},
                      .optional = Optional::AfterPointer,
                      .set = {0x01, 0x03, 0x0C, 0x12, 0x20, 0x29, 0x2A, 0x2C, 0x2E, 0x2F, 0x32, 0x33, 0x35,
                              0x36, 0x37, 0x39, 0x40}};
constexpr Layout kCON{.fixed = {{{0x11, 2}}},
                      .optional = Optional::AfterPointer,
                      .set = {0x01, 0x03, 0x0C, 0x20, 0x21, 0x29, 0x2A, 0x2C, 0x2D, 0x2E, 0x2F, 0x32, 0x33,
                              0x35, 0x37, 0x39, 0x40, 0xC0}};
constexpr Layout kFOT{.optional = Optional::AfterPointer, .set = {0x01}};
constexpr Layout kANM{.optional = Optional::AfterPointer,
                      .set = {0x01, 0x03, 0x0C, 0x11, 0x20, 0x21, 0x29, 0x2A, 0x2C, 0x2D,
                              0x2E, 0x2F, 0x32, 0x33, 0x35, 0x37, 0x39, 0x40, 0x73, 0xC0}};
constexpr Layout kREL{.variable = 0x12,
                      .var_pointer = VarPointer::Shown,
                      .optional = Optional::Pointed,
                      .set = {0x03, 0x0C, 0x13, 0x1E, 0x20, 0x27, 0x2A, 0x2E, 0x2F, 0x32, 0x39, 0x73}};
constexpr Layout kSUS_RES{.fixed = {{{0x22, 1}}}, .optional = Optional::AfterPointer, .set = {0x01}};
constexpr Layout kRLC{.optional = Optional::Pointed, .set = {0x12}};
constexpr Layout kNoParameters{};
constexpr Layout kGRS_GRA{.variable = 0x16};
constexpr Layout kCircuitGroup{.fixed = {{{0x15, 1}}}, .variable = 0x16};  // CGB, CGU, CGBA, CGUA
constexpr Layout kCPG{.fixed = {{{0x24, 1}}},
                      .optional = Optional::Pointed,
                      .set = {0x01, 0x03, 0x0C, 0x11, 0x12, 0x20, 0x21, 0x29, 0x2A, 0x2C,
                              0x2D, 0x2E, 0x32, 0x33, 0x35, 0x36, 0x37, 0x39, 0x40, 0xC0}};
constexpr Layout kCFN{.variable = 0x12, .optional = Optional::EndMark};  // then an end octet may follow
constexpr Layout kRNG{.optional = Optional::EndMark};  // an end octet may follow the message type

// Message types: code, name in both readings, parameter layout, Q.763 acronym. ISUP-R has
// no Confusion message: its Russian name is empty. The acronym is the recommendation's,
// also where the name shows another (ASM, CEL, BLA for blocking).
constexpr MessageType kMessageTypes[] = {
    {0x01, {" INITIAL ADDRESS (IAM)", " НАЧАЛЬНОЕ АДРЕСНОЕ СООБЩЕНИЕ (IAM)"}, &kIAM, "IAM"},
    {0x02, {" SUBSEQUENT ADDRESS (SAM)", " ПОСЛЕДУЮЩЕЕ АДРЕСНОЕ СООБЩЕНИЕ (SAM)"}, &kSAM, "SAM"},
    {0x03, {" INFORMATION REQUEST (INR)", " ЗАПРОС ИНФОРМАЦИИ (INR)"}, &kINR, "INR"},
    {0x04, {" INFORMATION (INF)", " ИНФОРМАЦИЯ (INF)"}, &kINF, "INF"},
    {0x05, {" CONTINUTY (COT)", " КОНТРОЛЬ ЦЕЛОСТНОСТИ ПОЛОЖИТЕЛЕН (COT)"}, &kCOT, "COT"},
    {0x06, {" ADDRESS COMPLETE (ASM)", " АДРЕС ПОЛНЫЙ (ASM)"}, &kACM, "ACM"},
    {0x07, {" CONNECT (CON)", " СОЕДИНЕНИЕ (CON)"}, &kCON, "CON"},
    {0x08, {" FORWARD TRANSFER (FOT)", " ВМЕШАТЕЛЬСТВО ОПЕРАТОРА (FOT)"}, &kFOT, "FOT"},
    {0x09, {" ANSWER (ANM)", " ОТВЕТ (ANM)"}, &kANM, "ANM"},
    {0x0C, {" RELEASE (REL)", " РАЗЪЕДИНЕНИЕ (REL)"}, &kREL, "REL"},
    {0x0D, {" SUSPEND (SUS)", " ВЫЗОВ ВРЕМЕННО ОТЛОЖЕН (SUS)"}, &kSUS_RES, "SUS"},
    {0x0E, {" RESUME (RES)", " ВОЗОБНОВЛЕНИЕ ВЫЗОВА (RES)"}, &kSUS_RES, "RES"},
    {0x10, {" RELEASE COMPLETE (RLC)", " ПОДТВЕРЖДЕНИЕ РАЗЪЕДИНЕНИЯ (RLC)"}, &kRLC, "RLC"},
    {0x11, {" CONTINUITY CHECK REQUEST (CEL)", " ЗАПРОС КОНТРОЛЯ ЦЕЛОСТНОСТИ (CEL)"}, &kNoParameters, "CCR"},
    {0x12, {" RESET CIRCUIT (RSC)", " СБРОС КАНАЛА (RSC)"}, &kNoParameters, "RSC"},
    {0x13, {" BLOCKING (BLA)", " БЛОКИРОВКА (BLA)"}, &kNoParameters, "BLO"},
    {0x14, {" UNBLOCKING (UBL)", " РАЗБЛОКИРОВКА (UBL)"}, &kNoParameters, "UBL"},
    {0x15, {" BLOCKING ACKNOWLEDGEMENT (BLA)", " ПОДТВЕРЖДЕНИЕ БЛОКИРОВКИ (BLA)"}, &kNoParameters, "BLA"},
    {0x16,
     {" UNBLOCKING ACKNOWLEDGEMENT (UBA)", " ПОДТВЕРЖДЕНИЕ РАЗБЛОКИРОВКИ (UBA)"},
     &kNoParameters,
     "UBA"},
    {0x17, {" CIRCUIT GROUP RESET (GRS)", " СБРОС ГРУППЫ КАНАЛОВ (GRS)"}, &kGRS_GRA, "GRS"},
    {0x18, {" CIRCUIT GROUP BLOCKING (CGB)", " БЛОКИРОВКА ГРУППЫ КАНАЛОВ (CGB)"}, &kCircuitGroup, "CGB"},
    {0x19, {" CIRCUIT GROUP UNBLOCKING (CGU)", " РАЗБЛОКИРОВКА ГРУППЫ КАНАЛОВ (CGU)"}, &kCircuitGroup, "CGU"},
    {0x1A,
     {" CURCUIT GROUP BLOCKING ACKNOWLEDGEMENT (CGBA)", " ПОДТВЕРЖДЕНИЕ БЛОКИРОВКИ ГРУППЫ КАНАЛОВ (CGBA)"},
     &kCircuitGroup,
     "CGBA"},
    {0x1B,
     {" CURCUIT GROUP UNBLOCKING ACKNOWLEDGEMENT (CGUA)",
      " ПОДТВЕРЖДЕНИЕ РАЗБЛОКИРОВКИ ГРУППЫ КАНАЛОВ (CGUA)"},
     &kCircuitGroup,
     "CGUA"},
    {0x29,
     {" CIRCUIT GROUP RESET ACKNOWLEDGEMENT (GRA)", " ПОДТВЕРЖДЕНИЕ СБРОСА ГРУППЫ КАНАЛОВ (GRA)"},
     &kGRS_GRA,
     "GRA"},
    {0x2C, {" CALL PROGRESS (CPG)", " ПРОХОЖДЕНИЕ ВЫЗОВА (CPG)"}, &kCPG, "CPG"},
    {0x2F, {" CONFUSION (CFN)", ""}, &kCFN, "CFN"},
    {0x31, {" CHARGE INFORMATION (CRG)", " ИНФОРМАЦИЯ ТАРИФИКАЦИИ (CRG)"}, &kNoParameters, "CRG"},
    {0xFC, {" CLEAR CALLING LINE MESSAGE (CCL)", " ОТБОЙ ВЫЗЫВАЮЩЕГО АБОНЕНТА (CCL)"}, &kNoParameters, "CCL"},
    {0xFF, {" RING (RNG)", " ВЫЗОВ (RNG)"}, &kRNG, "RNG"},
};

// The octet at 1-based digit position `n`, or -1 when fewer than two digits are there.
int octet_at(std::string_view message, std::size_t n) {
    const std::string_view digits = mid(message, n, 2);
    if (digits.size() < 2) return -1;
    return static_cast<int>(hex_number(digits));
}

// POINTER / POINTER_opt: the line of a pointer octet, its value in octets.
void pointer_line(Context& ctx, Text label, unsigned value) {
    char number[4];
    const auto end = std::to_chars(number, number + sizeof number, value).ptr;
    std::string text(number, end);
    text += " Dec";
    ctx.field(bits8(value), 8, 1, label, text);
}

// sub00: the end of the optional part.
void sub00(Context& ctx) {
    ctx.field(bits8(0), 8, 1, kOptionalParameters, kEnd);
}

// Hands a parameter to its decoder. A parameter without a decoder prints nothing.
void decode_parameter(Context& ctx, ParamFinder find, const Element& e) {
    if (const Decoder decode = find(e.id)) ctx.decode(decode, e);
}

// The optional part from digit `n`: code, length octet, contents, until the end octet 00
// or until the message ends.
void optional_part(Context& ctx, std::string_view message, std::size_t n, const Layout& layout, unsigned type,
                   ParamFinder find) {
    for (;;) {
        const int code = octet_at(message, n);
        if (code == 0) {
            sub00(ctx);
            return;
        }
        const int length = octet_at(message, n + 2);
        if (code < 0 || length < 0) return;  // no length octet: the message has ended
        const std::size_t digits = 2 * static_cast<std::size_t>(length);
        const std::string_view contents = mid(message, n + 4, digits);
        n += 4 + digits;
        const unsigned id = static_cast<unsigned>(code);
        if (layout.set.contains(id))
            decode_parameter(ctx, find, Element(id, static_cast<unsigned>(length), contents, false, type));
    }
}

// A pointer octet: its position and value (in octets).
struct Pointer {
    std::size_t at = 0;
    std::size_t value = 0;
};

}  // namespace

std::span<const MessageType> message_types() {
    return kMessageTypes;
}

const MessageType* find_message_type(unsigned code) {
    for (const MessageType& type : kMessageTypes) {
        if (type.code == code) return &type;
    }
    return nullptr;
}

void walk_parameters(Context& ctx, std::string_view message, const MessageType& type, ParamFinder find) {
    const Layout& layout = *type.layout;
    std::size_t n = kFirstParameter;

    for (const FixedParam& fixed : layout.fixed) {
        if (fixed.octets == 0) break;
        const std::string_view digits = mid(message, n, 2 * fixed.octets);
        if (digits.size() < 2 * fixed.octets) return;
        decode_parameter(ctx, find, Element::fixed(fixed.code, digits, true, type.code));
        n += 2 * fixed.octets;
    }

    const bool has_variable = layout.variable >= 0;
    const bool has_opt_pointer = layout.optional != Optional::None && layout.optional != Optional::EndMark;
    Pointer variable;
    Pointer optional;
    if (has_variable) {
        const int value = octet_at(message, n);
        if (value < 0) return;
        variable = {n, static_cast<std::size_t>(value)};
        if (layout.var_pointer == VarPointer::Shown)
            pointer_line(ctx, kPointer, static_cast<unsigned>(value));
        n += 2;
    }
    if (has_opt_pointer) {
        const int value = octet_at(message, n);
        if (value < 0) return;
        optional = {n, static_cast<std::size_t>(value)};
        pointer_line(ctx, kPointerOpt, static_cast<unsigned>(value));  // POINTER_opt
        n += 2;
    }

    if (has_variable) {
        const std::size_t length_at = variable.at + 2 * variable.value;
        const int length = octet_at(message, length_at);
        if (length < 0) return;
        const std::size_t digits = 2 * static_cast<std::size_t>(length);
        const std::string_view contents = mid(message, length_at + 2, digits);
        n = length_at + 2 + digits;
        if (layout.whole_variable && contents.size() != digits) return;
        const unsigned code = static_cast<unsigned>(layout.variable);
        decode_parameter(ctx, find, Element(code, static_cast<unsigned>(length), contents, true, type.code));
    }

    switch (layout.optional) {
        case Optional::None:
        case Optional::PointerOnly:
            return;
        case Optional::AfterPointer:
            optional_part(ctx, message, optional.at + 2, layout, type.code, find);
            return;
        case Optional::Pointed:
            optional_part(ctx, message, optional.at + 2 * optional.value, layout, type.code, find);
            return;
        case Optional::EndMark:
            if (mid(message, n, 2) == "00") sub00(ctx);
            return;
    }
}

}  // namespace tarn::isup
