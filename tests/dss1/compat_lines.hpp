// Hand-written report lines of the DSS1 compatibility and User-user elements, shared by the
// DSS1 tests and by the ISUP Access transport tests that carry the same elements.
#pragma once

#include <string>
#include <vector>

namespace tarn::dss1::test {

using Lines = std::vector<std::string>;

// clang-format off
inline const std::string kNoExtEn = " 1....... Extension..................... no extension";
inline const std::string kContEn = " 0....... Extension..................... information continues in the next octet";
inline const std::string kNoExtRu = " 1....... Расширение.................... нет расширения";
inline const std::string kContRu = " 0....... Расширение.................... информация продолжается в следующем октете";

// 08 80 90: octet 3 continued in octet 3a, then octet 4.
inline const Lines kLowLayerEn = {
    " 01111100 Optional parameter............ Low layer compatibility",
    " Low layer compatibility",
    " 00000011 Length........................ 3 Dec",
    " 3 octet",
    " ...01000 Inform. transfer capability... unrestricted digital information",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kContEn,
    " 3a octet",
    " ..000000 Spare......................... ",
    " .0...... Negotiation indicator......... out-band negotiation not possible",
    kNoExtEn,
    " 4 octet",
    " ...10000 Information transfer rate..... 64 kbits/s (circuit mode)",
    " .00..... Transfer mode................. circuit mode",
    kNoExtEn,
};
inline const Lines kLowLayerRu = {
    " 01111100 Необязательный параметр....... Совместимость с нижним уровнем",
    " Совместимость с нижним уровнем",
    " 00000011 Длина......................... 3 Dec",
    " 3 октет",
    " ...01000 Возможн.пересылки информации.. неограниченная цифровая информация",
    " .00..... Стандартное кодирования....... стандарт кодирования CCITT",
    kContRu,
    " 3a октет",
    " ..000000 Резерв........................ ",
    " .0...... Индикатор переговоров......... переговоры вне диапазона не возможны",
    kNoExtRu,
    " 4 октет",
    " ...10000 Скорость передачи информации.. 64 кБит/с",
    " .00..... Режим передачи................ режим каналов",
    kNoExtRu,
};
// 91 81: telephony.
inline const Lines kHighLayerEn = {
    " 01111101 Optional parameter............ High layer compatibility",
    " High layer compatibility",
    " 00000010 Length........................ 2 Dec",
    " ......01 Present.method of protoc.prof. high layer protocol profile (attributes not stated)",
    " ...100.. Interpretation................ first (primary only) high layer characteristics identification (in octet 4) to be used in the call",
    " .00..... Coding standard............... CCITT standardized coding as described below",
    kNoExtEn,
    " .0000001 High layer char.identificat... Telephony (Recommendation G.711)",
    kNoExtEn,
};
inline const Lines kHighLayerRu = {
    " 01111101 Необязательный параметр....... Совместимость на верхнем уровне",
    " Совместимость на верхнем уровне",
    " 00000010 Длина......................... 2 Dec",
    " ......01 Способ представл.профиля прот. профиль протокола высокого уровня (без указания атрибутов)",
    " ...100.. Интерпретация................. идентификатор первого (только первичного) высокого уровня характеристики (в октете 4) использовать в вызове",
    " .00..... Стандартное кодирование....... стандарт CCITT",
    kNoExtRu,
    " .0000001 Идент.характ.высокого уровня.. Телефония (Рекомендация G.711)",
    kNoExtRu,
};
// 04 4142: IA5 characters AB.
inline const Lines kUserUserEn = {
    " 01111110 Optional parameter............ User to user information",
    " User to user information",
    " 00000011 Length........................ 3 Dec",
    " 00000100 Protocol discriminator........ IA5 characters",
    " ******** User information.............. AB",
};
inline const Lines kUserUserRu = {
    " 01111110 Необязательный параметр....... Информация от пользователя к пользователю",
    " Информация от пользователя к пользователю",
    " 00000011 Длина......................... 3 Dec",
    " 00000100 Дискриминатор протокола....... характеристика IA5",
    " ******** Информация пользователя....... AB",
};

// clang-format on

}  // namespace tarn::dss1::test
