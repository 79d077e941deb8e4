#include "ui/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace zul {

bool HasJapaneseColumns(const QFont& font) {
    const QFontMetrics metrics(font);
    const int column = metrics.horizontalAdvance(QLatin1Char(' '));
    if (column <= 0) {
        return false;
    }
    for (const QChar half : QStringLiteral("(.-0N○")) {
        const int expected = half == QChar(0x25CB) ? 2 * column : column;
        if (metrics.horizontalAdvance(half) != expected) {
            return false;
        }
    }
    return metrics.horizontalAdvance(QStringLiteral("章節項")) == 6 * column;
}

QFont FixedPitchJapaneseFont(const QFont& base) {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"IPAGothic", "IPAMincho", "Noto Sans Mono CJK JP", "TakaoGothic", "VL Gothic"}) {
        const QString family = QString::fromLatin1(name);
        if (!installed.contains(family, Qt::CaseInsensitive)) {
            continue;
        }
        QFont font(base);
        font.setFamilies({family});
        font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
        // The family itself, not a substitute: asking for "fixed pitch" would make Qt pass over
        // a dual-width Japanese family.
        if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0 && HasJapaneseColumns(font)) {
            return font;
        }
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() : fixed.pointSizeF());
    return fixed;
}

} // namespace zul
