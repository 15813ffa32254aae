// ISUP parameters 21 to 27: Suspend/resume indicators (22), Event information (24) and
// Automatic congestion level (27), octet-field parameters. Connected number (21) and
// Transit network selection (23) are number rows in isup/numbers.cpp.
#include "isup/params_21_27.hpp"

#include "report/field.hpp"
#include "report/text.hpp"

namespace tarn::isup {

namespace {

// --- 22 Suspend/resume indicators ---

constexpr Text kSuspendResume[] = {
    {"ISDN subscriber initiated", "инициировано абонентом ISDN"},
    {"network initiated", "инициировано сетью"},
};
constexpr Field kSuspendResumeOctet[] = {
    dense_field(1, 1, {" Suspend/resume indicator...... ", " Индикатор..................... "},
                kSuspendResume),
    spare_field(8, 2, kSpare),
};
constexpr OctetFields kSuspendResumeOctets[] = {kSuspendResumeOctet};

// --- 24 Event information ---

constexpr Row kEvent[] = {
    {0b0000001, {"ALERTING", "информация выдана во время передачи вызывного сигнала"}},
    {0b0000010, {"PROGRESS", "информация выдана по ходу вызова"}},
    {0b0000011,
     {"in-band information or an appropriate pattern is now available",
      "возможность передачи внутриполосной информации"}},
    {0b0000100, {"call forwarded on busy (national use)", kNotInIsupR.ru}},
    {0b0000101, {"call forwarded on no reply (national use)", kNotInIsupR.ru}},
    {0b0000110, {"call forwarded unconditional (national use)", kNotInIsupR.ru}},
};
constexpr Text kEventPresentation[] = {
    {"no indication", "нет индикации"},
    {"presentation restricted", kNotInIsupR.ru},
};
constexpr Field kEventOctet[] = {
    {7,
     1,
     {" Event indicator............... ", " Индикатор события............. "},
     kEvent,
     {"spare", kNotInIsupR.ru}},
    dense_field(8, 8, {" Event present.restricted ind.. ", " Инд.огранич.представл.события. "},
                kEventPresentation),
};
constexpr OctetFields kEventOctets[] = {kEventOctet};

// --- 27 Automatic congestion level ---

constexpr Row kCongestion[] = {
    {0b00000001, {"congestion level 1 exceeded", "превышение уровня перегрузки 1"}},
    {0b00000010, {"congestion level 2 exceeded", "превышение уровня перегрузки 2"}},
};
constexpr Field kCongestionOctet[] = {
    {8,
     1,
     {" Automatic congestion level.... ", " Уровень перегрузки............ "},
     kCongestion,
     {"spare", "резерв"}},
};
constexpr OctetFields kCongestionOctets[] = {kCongestionOctet};

}  // namespace

// Mandatory fixed in SUS and RES (22) and in CPG (24): a title line, no length line.
constexpr FieldsShape kSuspendResumeIndicators{
    {" Suspend/resume indicators", " Индикаторы приостановки/возобновления"},
    Opening::Title,
    kSuspendResumeOctets};
constexpr FieldsShape kEventInformation{
    {" Event information", " Информация события"}, Opening::Title, kEventOctets};
// Optional in REL.
constexpr FieldsShape kAutomaticCongestionLevel{
    {" Automatic congestion level", " Уровень автоматической перегрузки"},
    Opening::Header,
    kCongestionOctets};

}  // namespace tarn::isup
