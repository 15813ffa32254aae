// Call identity (10), Call state (14), Display (28) and Keypad facility (2C). Three of them
// show their contents as IA5 characters; Call state decodes its one octet.
#include "dss1/call_state.hpp"

#include <string>

#include "dss1/elements.hpp"
#include "dss1/octet_fields.hpp"
#include "report/convert.hpp"

namespace tarn::dss1 {

namespace {

// --- the character elements ---

struct TextElement {
    Text title;
    Label label;
};

constexpr TextElement kCallIdentity{
    {" Call identity", " Идентичность вызова"},
    {" Information elements.......... ", " Информационные элементы (IA5). "},
};
constexpr TextElement kDisplay{
    {" Display", " Отображение информации"},
    {" Information elements (IA5).... ", " Информационные элементы (IA5). "},
};
constexpr TextElement kKeypad{
    {" Keypad facility", " Услуги клавиатуры"},
    {" Keypad information............ ", " Информационные элементы....... "},
};

// The header (always optional), the length check, one line of characters. IA5 shows a
// control character by its name, so the text never breaks the report's lines.
void text_element(Context& ctx, const Element& e, const TextElement& element) {
    if (!element_preamble(ctx, e, element.title, false)) return;
    ctx.octets(element.label, IA5(e.hex()));
}

// --- Call state: bits 8-7 coding standard, bits 6-1 the state ---

constexpr Text kCallStateTitle{" Call state", " Состояние вызова"};

constexpr Row kCallState[] = {
    {0b000000,
     {"user state U0 - Null, network state - N0 - Null",
      "состояние пользователя U0 - Пустой указатель, состояние сети - N0 - Пустой указатель"}},
    {0b000001,
     {"user state U1 - Call Initiated, network state - N1 - Call Initiated",
      "состояние пользователя U1 - Инициализированный Вызов , состояние сети - N1 - Инициализированный "
      "Вызов"}},
    {0b000010,
     {"user state U2 - Overlap sending, network state - N2 - Overlap sending",
      "состояние пользователя U2 - Посылка Перекрытия, состояние сети - N2 - посылка Перекрытия"}},
    {0b000011,
     {"user state U3 - Outgouing call Proceeding, network state - N3 - Outgouing call Proceeding",
      "состояние пользователя U3 - Протокол Исходящего Вызова, состояние сети - N3 - Протокол Исходящего "
      "Вызова"}},
    {0b000100,
     {"user state U4 - Call Delivered, network state - N4 - Call Delivered",
      "состояние пользователя U4 - Доставленный Вызов, состояние сети - N4 - Доставленный Вызов"}},
    {0b000110,
     {"user state U6 - Call Present, network state - N6 - Call Present",
      "состояние пользователя U6 - Присутствующий Вызов, состояние сети - N6 - Присутствующий Вызов"}},
    {0b000111,
     {"user state U7 - Call Received, network state - N7 - Call Received",
      "состояние пользователя U7 - Полученный Вызов, состояние сети - N7 - Полученный Вызов"}},
    {0b001000,
     {"user state U8 - Connect Request, network state - N8 - Connect Request",
      "состояние пользователя U8 - Запрос Подключения, состояние сети - N8 - Запрос Подключения"}},
    {0b001001,
     {"user state U9 - Incomming Call Proceeding, network state - N9 - Incomming Call Proceeding",
      "состояние пользователя U9 - Протокол Входящего Вызова, состояние сети - N9 - Протокол Входящего "
      "Вызова"}},
    {0b001010,
     {"user state U10 - Active, network state - N10 - Active",
      "состояние пользователя U10 - Активное, состояние сети - N10 - Активное"}},
    {0b001011,
     {"user state U11 - Disconnect Request, network state - N11 - Disconnect Request",
      "состояние пользователя U11 - Запрос Разъединения, состояние сети - N11 - Запрос Разъединения"}},
    {0b001100,
     {"user state U12 - Disconnect Indication, network state - N12 - Disconnect Indication",
      "состояние пользователя U12 - Указатель Разъединения, состояние сети - N12 - Указатель Разъединения"}},
    {0b001111,
     {"user state U15 - Suspend Request, network state - N15 - Suspend Request",
      "состояние пользователя U15 - Запрос Приостановлен, состояние сети - N15 - Запрос Приостановлен"}},
    {0b010001,
     {"user state U16 - Resume Request, network state - N16 - Resume Request",
      "состояние пользователя U16 - Запрос Возобновлен, состояние сети - N16 - Запрос Возобновлен"}},
    {0b010011,
     {"user state U18 - Release Request, network state - N18 - Release Request",
      "состояние пользователя U18 - Запрос Освобожден, состояние сети - N18 - Запрос Освобожден"}},
    {0b010110, {"network state - N22 - Call Abort", "состояние сети - N22 - Вызов Прекращен"}},
    {0b011001,
     {"user state U25 - Overlap Received, network state - N25 - Overlap Received",
      "состояние пользователя U25 - Перекрытие Получено, состояние сети - N25 - Перекрытие Получено"}},
};
// The same bits read as the global interface state (call reference 0).
constexpr Row kGlobalState[] = {
    {0b000000, {"REST 0 - Null", "РЕСТ 0 - пустой указатель"}},
    {0b111101, {"REST 1 - Restart Request", "РЕСТ 1 - запрос рестарта"}},
    {0b111110, {"REST 2 - Restart", "РЕСТ 2 - рестарт"}},
};
constexpr Label kCallStateLabel{" Call state/global interface... ", " Сост.вызова/сост.интерфейса... "};

constexpr Text kCallStateCoding[] = {
    {"CCITT standardized coding as described below", "стандарт CCITT"},
    {"reserved for other international standards", "зарезервированный для других международных стандартов"},
    {"national standard", "национальный стандарт"},
    {"standard defined for the network (either public or private) present on the network side of the "
     "interface",
     "стандарт, определенный для сети (или общей или частной), представленный на сетевой стороне интерфейса"},
};
constexpr Field kCallStateCodingField = dense_field(
    8, 7, {" Coding standard............... ", " Стандартное кодирование....... "}, kCallStateCoding);

}  // namespace

void CALL_IDENTITY(Context& ctx, const Element& e) {
    text_element(ctx, e, kCallIdentity);
}

void CALL_STATE(Context& ctx, const Element& e) {
    if (!element_preamble(ctx, e, kCallStateTitle, true)) return;
    if (!ctx.holds(e, 1)) return;
    const std::string_view bits = e.octets.bits(0);
    const unsigned state = e.octets[0] & 0x3F;
    // Both readings of the state are shown, whatever the value.
    std::string value(ctx.t(lookup(kCallState, state, kReserved)));
    value += '/';
    value += ctx.t(lookup(kGlobalState, state, kReserved));
    ctx.field(bits, 6, 1, kCallStateLabel, value);
    ctx.field(bits, kCallStateCodingField);
}

void DISPLAY(Context& ctx, const Element& e) {
    text_element(ctx, e, kDisplay);
}

void KEYPAD_FACILITY(Context& ctx, const Element& e) {
    text_element(ctx, e, kKeypad);
}

}  // namespace tarn::dss1
