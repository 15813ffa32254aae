// The feed filter: with the feed as input, a decoded report is delivered only when it
// contains the filter text, letters compared without regard to case (OUTSET applies it).
#pragma once

#include <string>

#include "run/session.hpp"

namespace tarn::feed {

// Sets the filter text; an empty text turns the filter off.
void set_filter(Settings& settings, std::string text);

// Title of the screen window for the feed: "Information: Vantix", then the filter state
// once the filter has been set or cleared.
std::string feed_title();
std::string filter_title(const Settings& settings);

}  // namespace tarn::feed
