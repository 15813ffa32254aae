// Fonts of the text boxes: "Courier New" where the system has it, else a fixed-pitch
// font that has Cyrillic letters.
#pragma once

#include <QFont>

namespace tarn::app {

QFont fixedFont(qreal pointSize, bool bold);

}  // namespace tarn::app
