// Nature of connection indicators (06), Forward call indicators (07), Optional forward
// call indicators (08) and Calling party's category (09). English labels of 06 end with
// their dots and the English values begin with a blank, as the lines are printed.
#include "isup/indicators.hpp"

#include <string>

#include "isup/shapes.hpp"
#include "report/field.hpp"

namespace tarn::isup {

namespace {

// --- 06 Nature of connection indicators ---
constexpr Text kNatureTitle{" Nature of connection indicators ", " Индикаторы типа соединения "};
// The English labels of 06 have 31 characters, and their values begin with a blank.
constexpr Label kSatelliteLabel =
    Label::raw(" Satellite indicator...........", " Индикатор спутника............ ");
constexpr Text kSatellite[] = {
    {" no satellite circuit in the connection ", "спутниковый канал в соединении не используется"},
    {" one satellite circuit in the connection", "используется один спутниковый канал в соединении"},
    {" two satellite circuits in the connection", "используются два спутниковых канала в соединении"},
    {" spare", "резерв"},
};
constexpr Label kContinuityLabel =
    Label::raw(" Continuity check indicator....", " Инд.контроля целостности...... ");
constexpr Text kContinuity[] = {
    {" continuity check not required", "контроль целостности не требуется"},
    {" continuity check required on this circuit", "требуется контроль целостности на данном канале"},
    {" continuity check performed on a previous circuit",
     "контроль целостности выполнен в предыдущем участке"},
    {" spare", "резерв"},
};
constexpr Label kEchoLabel =
    Label::raw(" Echo control device indicator.", " Инд.уст-ва управления эхом.... ");
constexpr Text kEcho[] = {
    {" outgoing echo control device not included", "исходящий полукомплект эхоканселлера не включен"},
    {" outgoing echo control device included", "исходящий полукомплект эхоканселлера включен"},
};
constexpr Label kNatureSpare =
    Label::raw(" Spare.........................", " Резерв........................ ");

// --- 07 Forward call indicators ---
constexpr Text kForwardTitle{" Forward call indicators ", " Прямые индикаторы вызова "};
constexpr Label kNationalLabel{" National/international ind.... ", " Инд.национ/междунар.вызова.... "};
constexpr Text kNational[] = {
    {"call to be treated as a national call", "вызов должен обрабатываться как национальный"},
    {"call to be treated as an international call", "вызов должен обрабатываться как международный"},
};
// The English label begins with a Cyrillic capital Е, as the line has always been printed.
constexpr Label kEndToEndLabel{" Еnd-to-end method indicator... ", " Инд.метода из конца-в-конец... "};
constexpr Text kEndToEnd[] = {
    {"no end-to-end method available (only link-by-link method available)",
     "метод из конца-в-конец недоступен (доступен метод звено-звено)"},
    {"pass-along method available", kNotInIsupR.ru},
    {"SCCP method available", kNotInIsupR.ru},
    {"pass-along and SCCP method available", kNotInIsupR.ru},
};
constexpr Label kInterworkingLabel{" Interworking indicator........ ", " Индикатор взаимодействия...... "};
constexpr Text kInterworking[] = {
    {"no interworking encountered (No.7 signalling all the way)",
     "взаимодействие не используется (OKC №7 на всем пути)"},
    {"interworking encountered", "используется взаимодействие с другими системами сигнализации"},
};
constexpr Label kInformationLabel{" End-to-end information ind.... ", " Инд.информации конец-в-конец.. "};
constexpr Text kInformation[] = {
    {"no end-to-end information available", "информация из конца-в-конец недоступна"},
    {"end-to-end information available", "информация из конца-в-конец доступна"},
};
constexpr Label kIsupLabel{" ISDN user part indicator...... ", " Индикатор ISUP................ "};
constexpr Text kIsup[] = {
    {"ISDN user part not used all the way", "ISUP не используется на всем пути"},
    {"ISDN user part used all the way", "ISUP используется на всем пути"},
};
constexpr Label kPreferenceLabel{" ISDN user part preference ind. ", " Инд.предпочтительности ISUP... "};
constexpr Text kPreference[] = {
    {"ISDN user part preferred all the way ", "использование ISUP предпочтительно на всем пути"},
    {"ISDN user not required all the way ", "использование ISUP не требуется на всем пути"},
    {"ISDN user required all the way ", "требуется использование ISUP на всем пути"},
    {"spare", "резерв"},
};
constexpr Label kAccessLabel{" ISDN access indicator......... ", " Индикатор доступа ISDN........ "};
constexpr Text kAccess[] = {
    {"originating access non-ISDN", "источником вызова является не ISDN"},
    {"originating access ISDN", "источником вызова является доступ ISDN"},
};
constexpr Label kSccpLabel{" SCCP method indicator......... ", " Индикатор метода SCCP......... "};
constexpr Text kSccp[] = {
    {"no indication", "нет индикации"},
    {"connectionless method available (national use)", kNotInIsupR.ru},
    {"connection oriented method available", kNotInIsupR.ru},
    {"connectionless and connection oriented methods available (national use)", kNotInIsupR.ru},
};

// --- 08 Optional forward call indicators ---
constexpr Text kOptionalForwardName{" Optional forward call indicators ",
                                    " Необязательные прямые индикаторы вызова"};
constexpr Label kCugLabel{" Closed user group call ind.... ", " Индикатор ЗГП................. "};
constexpr Text kCug[] = {
    {"non-CUG call", "вызов, не принадлежащий к замкнутой группе пользователей"},
    {"spare", "не используется"},
    {"closed user group call, outgoing access allowed",
     "вызов замкнутой группы пользователей с разрешенным исходящим доступом"},
    {"closed user group call, outgoing access not allowed",
     "вызов замкнутой группы пользователей с запрещенным исходящим доступом"},
};
constexpr Label kSegmentationLabel{" Simple segmentation ind....... ", ""};
constexpr Text kSegmentation[] = {
    {"no additional information will be sent", ""},
    {"additional information will be sent in a segmentation message", ""},
};
constexpr Label kConnectedLabel{" Connected line iden.req.ind... ", " Запрос информ. о подкл.линии.. "};
constexpr Text kConnected[] = {
    {"not requested", "не запрашивается"},
    {"requested", "запрошена"},
};

// --- 09 Calling party's category ---
constexpr Text kCategoryName{" Calling party's category", " Категория вызывающей стороны"};
constexpr Label kCategoryLabel{" Category...................... ", " Категория..................... "};
constexpr Text kAdministrations{
    "available to Administrations for selection a particular language by mutual agreement",
    "доступна для администрирования"};
constexpr Row kCategory[] = {
    {0x00,
     {"calling party's category unknown as this time",
      "категория вызывающей стороны в настоящее время неизвестна"}},
    {0x01, {"operator, language French", "оператор, французский язык"}},
    {0x02, {"operator, language English", "оператор, английский язык"}},
    {0x03, {"operator, language German", "оператор, немецкий язык"}},
    {0x04, {"operator, language Russian", "оператор, русский язык"}},
    {0x05, {"operator, language Spanish", "оператор, испанский язык"}},
    {0x06, kAdministrations},
    {0x07, kAdministrations},
    {0x08, kAdministrations},
    {0x09, {"reserved (see Recommendation Q.104)", "оператор национальной сети"}},
    {0x0A, {"ordinary calling subscriber", "обычный вызывающий абонент"}},
    {0x0B, {"calling subscriber with priority", "вызывающий абонент с приоритетом"}},
    {0x0C, {"data call (voice band data)", "передача данных"}},
    {0x0D, {"test call", "тестовый вызов"}},
    {0x0F, {"payphone", "таксофон"}},
    // ISUP-R national categories of semi-automatic calls
    {0xF1, {"spare", "полуавтоматический вызов 1 категории"}},
    {0xF3, {"spare", "полуавтоматический вызов 2 категории"}},
    {0xF5, {"spare", "полуавтоматический вызов 3 категории"}},
    {0xF7, {"spare", "полуавтоматический вызов 4 категории"}},
};
constexpr Text kCategoryOther{"spare", "неизвестная категория"};

constexpr Field kNatureOctet[] = {
    dense_field(2, 1, kSatelliteLabel, kSatellite),
    dense_field(4, 3, kContinuityLabel, kContinuity),
    dense_field(5, 5, kEchoLabel, kEcho),
    spare_field(8, 6, kNatureSpare),
};
constexpr OctetFields kNatureOctets[] = {kNatureOctet};

constexpr Field kForwardOctet1[] = {
    dense_field(1, 1, kNationalLabel, kNational),
    dense_field(3, 2, kEndToEndLabel, kEndToEnd),
    dense_field(4, 4, kInterworkingLabel, kInterworking),
    dense_field(5, 5, kInformationLabel, kInformation),
    dense_field(6, 6, kIsupLabel, kIsup),
    dense_field(8, 7, kPreferenceLabel, kPreference),
};
constexpr Field kForwardOctet2[] = {
    dense_field(1, 1, kAccessLabel, kAccess), dense_field(3, 2, kSccpLabel, kSccp),
    spare_field(8, 4, kSpare),  // bit 4 spare, bits 8-5 national use
};
constexpr OctetFields kForwardOctets[] = {kForwardOctet1, kForwardOctet2};

// ISUP-R has no simple segmentation bit: bits 7-3 are spare there.
constexpr Field kOptionalForwardOctet[] = {
    dense_field(2, 1, kCugLabel, kCug),
    dense_field(3, 3, kSegmentationLabel, kSegmentation, Only::English),
    spare_field(7, 4, kSpare, Only::English),
    spare_field(7, 3, kSpare, Only::Russian),
    dense_field(8, 8, kConnectedLabel, kConnected),
};
constexpr OctetFields kOptionalForwardOctets[] = {kOptionalForwardOctet};

constexpr Field kCategoryOctet[] = {{8, 1, kCategoryLabel, kCategory, kCategoryOther}};
constexpr OctetFields kCategoryOctets[] = {kCategoryOctet};

}  // namespace

// Mandatory fixed in IAM: a title line and the fields.
constexpr FieldsShape kNatureOfConnectionIndicators{kNatureTitle, Opening::Title, kNatureOctets};
constexpr FieldsShape kForwardCallIndicators{kForwardTitle, Opening::Title, kForwardOctets};
constexpr FieldsShape kOptionalForwardCallIndicators{kOptionalForwardName, Opening::Header,
                                                     kOptionalForwardOctets};
// Mandatory fixed in IAM (title line), optional in INF (header).
constexpr FieldsShape kCallingPartysCategory{kCategoryName, Opening::ByPlace, kCategoryOctets};

}  // namespace tarn::isup
