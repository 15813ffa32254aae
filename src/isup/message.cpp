#include "isup/message.hpp"

#include <array>
#include <cstddef>
#include <string>

#include "report/convert.hpp"

namespace tarn::isup {

namespace {

constexpr Text kPointer{" Pointer....................... ", " Указатель..................... "};
constexpr Text kPointerOpt{" Pointer to start of opt.part.. ", " Указатель начала необ.парам... "};
constexpr Text kOptionalParameters{" Optional parameters........... ", " Необязательный параметр....... "};
constexpr Text kEnd{"End", "Конец"};

// Digit position of the first octet after the message type octet.
constexpr std::size_t kFirstParameter = 17;

struct FixedParam {
    std::string_view code;  // "" ends the list
    std::size_t digits = 0;
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

// The parameter layout of one or more message types.
struct Layout {
    std::string_view types;                // message type codes, blank-separated
    std::array<FixedParam, 4> fixed = {};  // mandatory fixed parameters in octet order
    std::string_view variable = {};        // code of the mandatory variable parameter
    VarPointer var_pointer = VarPointer::Silent;
    bool whole_variable = false;  // the variable parameter must be complete, else the message ends
    Optional optional = Optional::None;
    std::string_view set = {};  // optional parameter codes decoded, blank-separated
};

// Each mandatory fixed parameter and each pointer is read only when all its digits are
// there; otherwise the message ends silently at that point. The pointers follow the fixed
// parameters: first the one to the mandatory variable parameter, then the one to the
// optional part.
constexpr Layout kLayouts[] = {
    {.types = "01",  // IAM
     .fixed = {{{"06", 2}, {"07", 4}, {"09", 2}, {"02", 2}}},
     .variable = "04",
     .var_pointer = VarPointer::Shown,
     .whole_variable = true,
     .optional = Optional::Pointed,
     .set = "01 03 08 0A 0B 0D 13 1A 1D 20 23 28 2A 2B 2C 2E 2F 30 31 32 33 34 37 39 3A 3E 3F C0 C1"},
    {.types = "02",  // SAM
     .variable = "05",
     .var_pointer = VarPointer::Shown,
     .optional = Optional::PointerOnly},
    {.types = "03",  // INR
     .fixed = {{{"0E", 4}}},
     .optional = Optional::AfterPointer,
     .set = "01 2F 39"},
    {.types = "04",  // INF
     .fixed = {{{"0F", 4}}},
     .optional = Optional::AfterPointer,
     .set = "01 09 0A 0D 2F 39"},
    {.types = "05",  // COT
     .fixed = {{{"10", 2}}}},
    {.types = "06",  // ACM
     .fixed = {{{"11", 4}}},
     .optional = Optional::AfterPointer,
     .set = "01 03 0C 12 20 29 2A 2C 2E 2F 32 33 35 36 37 39 40"},
    {.types = "07",  // CON
     .fixed = {{{"11", 4}}},
     .optional = Optional::AfterPointer,
     .set = "01 03 0C 20 21 29 2A 2C 2D 2E 2F 32 33 35 37 39 40 C0"},
    {.types = "08",  // FOT
     .optional = Optional::AfterPointer,
     .set = "01"},
    {.types = "09",  // ANM
     .optional = Optional::AfterPointer,
     .set = "01 03 0C 11 20 21 29 2A 2C 2D 2E 2F 32 33 35 37 39 40 73 C0"},
    {.types = "0C",  // REL
     .variable = "12",
     .var_pointer = VarPointer::Shown,
     .optional = Optional::Pointed,
     .set = "03 0C 13 1E 20 27 2A 2E 2F 32 39 73"},
    {.types = "0D 0E",  // SUS, RES
     .fixed = {{{"22", 2}}},
     .optional = Optional::AfterPointer,
     .set = "01"},
    {.types = "10",  // RLC
     .optional = Optional::Pointed,
     .set = "12"},
    {.types = "11 12 13 14 15 16 31 FC"},  // CCR, RSC, BLO, UBL, BLA, UBA, CRG, CCL
    {.types = "17 29",                     // GRS, GRA
     .variable = "16"},
    {.types = "18 19 1A 1B",  // CGB, CGU, CGBA, CGUA
     .fixed = {{{"15", 2}}},
     .variable = "16"},
    {.types = "2C",  // CPG
     .fixed = {{{"24", 2}}},
     .optional = Optional::Pointed,
     .set = "01 03 0C 11 12 20 21 29 2A 2C 2D 2E 32 33 35 36 37 39 40 C0"},
    {.types = "2F",  // CFN: Cause indicators, then an end octet may follow
     .variable = "12",
     .optional = Optional::EndMark},
    {.types = "FF",  // RNG: an end octet may follow the message type
     .optional = Optional::EndMark},
};

// True when the blank-separated list of two-digit codes `codes` holds `code`.
bool in_list(std::string_view codes, std::string_view code) {
    for (std::size_t i = 0; i + 2 <= codes.size(); i += 3) {
        if (codes.substr(i, 2) == code) return true;
    }
    return false;
}

const Layout* find_layout(std::string_view type) {
    for (const Layout& layout : kLayouts) {
        if (in_list(layout.types, type)) return &layout;
    }
    return nullptr;
}

// The line of the pointer octet that dlina has just read.
void pointer_line(Context& ctx, Text label) {
    ctx.field(ctx.txtBIN, 8, 1, label, std::to_string(ctx.NN / 2) + " Dec");
}

void POINTER(Context& ctx) {
    pointer_line(ctx, kPointer);
}
void POINTER_opt(Context& ctx) {
    pointer_line(ctx, kPointerOpt);
}

// sub00: the end of the optional part.
void sub00(Context& ctx, std::string_view code) {
    ctx.field(BIN(code), 8, 1, kOptionalParameters, kEnd);
}

// Hands a parameter to its decoder, with the code and the flags that the decoder reads.
// A parameter without a decoder prints nothing.
void decode_parameter(Context& ctx, ParamFinder find, std::string_view code, std::string_view contents,
                      bool mandatory) {
    const ParamDecoder decode = find(code);
    if (decode == nullptr) return;
    ctx.ind = std::string(code);
    if (code == "09") ctx.flags.bSubcl_09 = mandatory;
    if (code == "11") ctx.flags.bSubcl_11 = mandatory;
    if (code == "20" && !mandatory) ctx.flags.bUser = false;
    decode(ctx, contents);
}

// The optional part from digit `n`: code, length octet, contents, until the end octet 00
// or until the message ends.
void optional_part(Context& ctx, std::string_view message, std::size_t n, std::string_view set,
                   ParamFinder find) {
    for (;;) {
        const std::string_view code = mid(message, n, 2);
        if (code == "00") {
            sub00(ctx, code);
            return;
        }
        if (!ctx.dlina(mid(message, n + 2, 2))) return;  // no length octet: the message has ended
        const std::string_view contents = mid(message, n + 4, ctx.NN);
        n += 4 + ctx.NN;
        if (in_list(set, code)) decode_parameter(ctx, find, code, contents, false);
    }
}

// A pointer octet: its position and value (in octets).
struct Pointer {
    std::size_t at = 0;
    std::size_t value = 0;
};

}  // namespace

void walk_parameters(Context& ctx, std::string_view message, std::string_view type, ParamFinder find) {
    const Layout* layout = find_layout(type);
    if (layout == nullptr) return;
    std::size_t n = kFirstParameter;

    for (const FixedParam& fixed : layout->fixed) {
        if (fixed.code.empty()) break;
        const std::string_view digits = mid(message, n, fixed.digits);
        if (digits.size() < fixed.digits) return;
        decode_parameter(ctx, find, fixed.code, digits, true);
        n += fixed.digits;
    }

    const bool has_variable = !layout->variable.empty();
    const bool has_opt_pointer = layout->optional != Optional::None && layout->optional != Optional::EndMark;
    Pointer variable;
    Pointer optional;
    if (has_variable) {
        if (!ctx.dlina(mid(message, n, 2))) return;
        variable = {n, ctx.NN / 2};
        if (layout->var_pointer == VarPointer::Shown) POINTER(ctx);
        n += 2;
    }
    if (has_opt_pointer) {
        if (!ctx.dlina(mid(message, n, 2))) return;
        optional = {n, ctx.NN / 2};
        POINTER_opt(ctx);
        n += 2;
    }

    if (has_variable) {
        const std::size_t length_at = variable.at + 2 * variable.value;
        if (!ctx.dlina(mid(message, length_at, 2))) return;
        const std::string_view contents = mid(message, length_at + 2, ctx.NN);
        n = length_at + 2 + ctx.NN;
        if (layout->whole_variable && contents.size() != ctx.NN) return;
        decode_parameter(ctx, find, layout->variable, contents, true);
    }

    switch (layout->optional) {
        case Optional::None:
        case Optional::PointerOnly:
            return;
        case Optional::AfterPointer:
            optional_part(ctx, message, optional.at + 2, layout->set, find);
            return;
        case Optional::Pointed:
            optional_part(ctx, message, optional.at + 2 * optional.value, layout->set, find);
            return;
        case Optional::EndMark:
            if (mid(message, n, 2) == "00") sub00(ctx, "00");
            return;
    }
}

}  // namespace tarn::isup
