#include "feed/filter.hpp"

namespace tarn::feed {

void set_filter(Settings& settings, std::string text) {
    settings.filter = !text.empty();
    settings.filter_text = std::move(text);
}

std::string feed_title() {
    return "Information: Vantix";
}

std::string filter_title(const Settings& settings) {
    return settings.filter ? "Information: Vantix (Filter - " + settings.filter_text + ")."
                           : std::string("Information: Vantix (Filter - OFF).");
}

}  // namespace tarn::feed
