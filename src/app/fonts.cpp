#include "app/fonts.hpp"

#include <QFontDatabase>
#include <QStringList>

namespace tarn::app {

namespace {

QString fixedFamily() {
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("Courier New"))) return QStringLiteral("Courier New");
    auto cyrillic = [](const QString& family) {
        return QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic);
    };
    const QString system = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (cyrillic(system)) return system;
    for (const char* name : {"DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "FreeMono"}) {
        if (families.contains(QString::fromLatin1(name)) && cyrillic(QString::fromLatin1(name))) {
            return QString::fromLatin1(name);
        }
    }
    for (const QString& family : families) {
        if (QFontDatabase::isFixedPitch(family) && cyrillic(family)) return family;
    }
    return system;
}

}  // namespace

QFont fixedFont(qreal pointSize, bool bold) {
    static const QString family = fixedFamily();
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace tarn::app
