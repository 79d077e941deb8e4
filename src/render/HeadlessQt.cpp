#include "render/HeadlessQt.h"

#include <QGuiApplication>

#include <cstdio>

namespace zul {

namespace {

// Qt's notes about its own set-up (a runtime folder, fonts) are no business of the terminal
// user; the program says itself what went wrong.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    }
}

} // namespace

HeadlessQt::HeadlessQt() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

HeadlessQt::~HeadlessQt() = default;

} // namespace zul
