#include "TestServices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace zul::test {

void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        qWarning("window did not become active");
    }
}

std::string TemporaryIniFile() {
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    folders.push_back(std::make_unique<QTemporaryDir>());
    return (folders.back()->path() + QStringLiteral("/Zul.ini")).toStdString();
}

} // namespace zul::test
