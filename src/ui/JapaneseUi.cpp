#include "ui/JapaneseUi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zul {

namespace {

// The first installed Japanese Gothic family, or an empty text.
QString JapaneseFontFamily() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"IPAGothic", "IPAexGothic", "IPAPGothic", "Noto Sans CJK JP", "VL Gothic"}) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return {};
}

} // namespace

bool UseJapaneseQt(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    const QString family = JapaneseFontFamily();
    if (!family.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamily(family);
        QApplication::setFont(font);
    }

    auto* translator = new QTranslator(&app);
    const bool loaded =
        translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    return loaded;
}

} // namespace zul
