#include "isup/fields.hpp"

namespace tarn::isup {

bool open(Context& ctx, Text name, bool mandatory_fixed, std::string_view contents, std::size_t digits) {
    if (mandatory_fixed) {
        ctx.line(ctx.t(name));
    } else {
        TypeMess(ctx, name);
        if (!ctx.length_ok(contents)) return false;
    }
    return ctx.holds(contents, digits);
}

}  // namespace tarn::isup
