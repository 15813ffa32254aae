// DSS1 Progress indicator, Notification indicator and Restart indicator (identifiers 1E,
// 27, 79).
#pragma once

#include "report/context.hpp"

namespace tarn::dss1 {

// PROGRESS_INDICATOR (1E): location, coding standard, progress description. Mandatory or
// optional as the element is in its message.
void PROGRESS_INDICATOR(Context& ctx, const Element& e);

// NOTIFICATION_INDICATOR (27): the notification description; no length line.
void NOTIFICATION_INDICATOR(Context& ctx, const Element& e);

// RESTART_INDICATOR (79): the restart class.
void RESTART_INDICATOR(Context& ctx, const Element& e);

}  // namespace tarn::dss1
