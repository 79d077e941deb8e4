#include "app/ProductInfo.h"

namespace zul {

QString VersionLine() {
    return QStringLiteral("Version %1.%2.%3(2012/03/11)")
        .arg(ZUL_VERSION_MAJOR)
        .arg(ZUL_VERSION_MINOR)
        .arg(ZUL_VERSION_PATCH, 3, 10, QLatin1Char('0'));
}

QString MainCaption(const QString& fileTitle) {
    return fileTitle.isEmpty() ? kProductName : fileTitle + QStringLiteral(" - ") + kProductName;
}

} // namespace zul
