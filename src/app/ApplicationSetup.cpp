#include "app/ApplicationSetup.h"

#include "app/ProductInfo.h"

#include "ui/JapaneseUi.h"

#include <QApplication>

namespace zul {

bool SetUpJapaneseApplication(QApplication& app) {
    QApplication::setApplicationName(kProductName);
    QApplication::setApplicationDisplayName(QString());
    return UseJapaneseQt(app);
}

} // namespace zul
