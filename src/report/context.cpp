#include "report/context.hpp"

#include <string>

#include "report/convert.hpp"

namespace tarn {

namespace {

constexpr Text kOptional{" Optional parameter............", " Необязательный параметр......."};
constexpr Text kMandatory{" Mandatory parameter...........", " Обязательный параметр........."};
constexpr Text kLength{" Length........................ ", " Длина......................... "};
constexpr Text kMistake{" MISTAKE: ", " ОШИБКА: "};

}  // namespace

std::string_view bits_of(std::string_view bits8, int hi, int lo) {
    if (hi < lo || hi > 8 || lo < 1) return {};
    return mid(bits8, static_cast<std::size_t>(9 - hi), static_cast<std::size_t>(hi - lo + 1));
}

std::string OptParam(const Context& ctx) {
    return BIN(ctx.ind);
}

void Context::line(std::string_view text) {
    screen_ += text;
    screen_ += kCrLf;
}

void Context::field(std::string_view bits8, int hi, int lo, Text label, std::string_view value) {
    screen_ += ' ';
    if (hi >= 1 && hi < 8) screen_.append(static_cast<std::size_t>(8 - hi), '.');
    screen_ += bits_of(bits8, hi, lo);
    if (lo > 1 && lo <= 8) screen_.append(static_cast<std::size_t>(lo - 1), '.');
    screen_ += t(label);
    screen_ += value;
    screen_ += kCrLf;
}

void Context::octets(Text label, std::string_view value) {
    line(" ********", t(label), value);
}

void Context::mistake(Text what) {
    line(t(kMistake), t(what));
}

bool Context::dlina(std::string_view length_octet) {
    if (length_octet.size() < 2) return false;
    MN = std::string(length_octet.substr(0, 2));
    l = MN;
    txtBIN = BIN(MN);
    NN = 2 * decadic(txtBIN);
    return true;
}

void Context::header(Text name, bool mandatory) {
    line(" ", OptParam(*this), t(mandatory ? kMandatory : kOptional), t(name));
    line(t(name));
    length_line();
}

void Context::length_line() {
    line(" ", txtBIN, t(kLength), std::to_string(NN / 2), " Dec");
}

bool Context::length_ok(std::string_view contents) {
    if (contents.size() == NN) return true;
    mistake(kInvalidFormat);
    return false;
}

bool Context::holds(std::string_view contents, std::size_t digits) {
    if (contents.size() >= digits) return true;
    mistake(kInvalidFormat);
    return false;
}

}  // namespace tarn
