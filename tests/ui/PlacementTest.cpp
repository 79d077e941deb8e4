// Where the screens open: centred with their laid-out size the first time, whole on the screen
// when a stored position would put a part of them off it.  Run once per screen size.
#include "QtTestRunner.h"
#include "FakeUiServices.h"

#include "calc/basCalcMain.h"
#include "io/CPrivateProfile.h"
#include "ui/ScreenLaunchers.h"
#include "ui/WindowPlacement.h"
#include "ui/input/InputBindings.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"
#include "ui/results/frmResOutRa.h"
#include "ui/results/frmResOutRaTable.h"
#include "ui/site/SiteStudyDialog.h"

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

using namespace zul;

namespace {

// One screen as its owner opens it: the section it keeps its placement under, and a maker
// that creates it bound to the study and the settings file.
struct ScreenCase {
    const char* section;
    std::function<std::unique_ptr<QDialog>(ProjectDocument&, AppContext&)> make;
};

template <class Screen>
std::unique_ptr<QDialog> inputScreen(ProjectDocument& doc, AppContext& context, int rows = 0) {
    auto screen = std::make_unique<Screen>();
    screen->setIniFile(context.paths.iniFile);
    if (rows > 0) {
        screen->setUsrRecMax(rows);
    }
    BindInputScreen(*screen, doc);
    return screen;
}

const ScreenCase kScreens[] = {
    {"InpJyoken", [](auto& doc, auto& context) { return inputScreen<frmInpJyoken>(doc, context); }},
    {"InpAnzen", [](auto& doc, auto& context) { return inputScreen<frmInpAnzen>(doc, context); }},
    {"InpJiban", [](auto& doc, auto& context) { return inputScreen<frmInpJiban>(doc, context, 20); }},
    {"InpJibanN", [](auto& doc, auto& context) { return inputScreen<frmInpJibanN>(doc, context, 100); }},
    {"InpKui", [](auto& doc, auto& context) { return inputScreen<frmInpRaTable>(doc, context); }},
    {"InpRenban",
     [](auto&, auto& context) {
         auto screen = std::make_unique<frmInpRenban>();
         screen->setIniFile(context.paths.iniFile);
         BindInputScreen(*screen, context.paths.iniFile);
         return std::unique_ptr<QDialog>(std::move(screen));
     }},
    {"ResOutRa",
     [](auto&, auto& context) {
         return std::unique_ptr<QDialog>(std::make_unique<frmResOutRa>(context.paths.iniFile));
     }},
    {"ResOutRaTable",
     [](auto&, auto& context) {
         return std::unique_ptr<QDialog>(std::make_unique<frmResOutRaTable>(context));
     }},
    {"SiteStudy",
     [](auto& doc, auto& context) {
         return std::unique_ptr<QDialog>(std::make_unique<SiteStudyDialog>(doc, context.paths, nullptr));
     }},
};

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString describe(const char* section, const QRect& frame) {
    return QStringLiteral("%1 at %2,%3 size %4x%5 on %6x%7")
        .arg(QString::fromLatin1(section))
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(available().width())
        .arg(available().height());
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    ProjectDocument doc_;
    basCalcMain calc_;
    ProgramPaths paths_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<test::FakeUiServices> ui_;

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        doc_ = ProjectDocument();
        paths_.iniFile = dir_->filePath("Zul.ini").toStdString();
        paths_.metafileFolder = dir_->filePath("data").toStdString();
        context_ = std::make_unique<AppContext>(AppContext{doc_, calc_, paths_});
        ui_ = std::make_unique<test::FakeUiServices>();
    }

    void cleanup() {
        ui_.reset();
        context_.reset();
        dir_.reset();
    }

    void firstOpeningIsCentredAndWhole() {
        for (const ScreenCase& screenCase : kScreens) {
            QRect first;
            {
                auto screen = screenCase.make(doc_, *context_);
                screen->show();
                QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
                first = screen->frameGeometry();
                const QString where = describe(screenCase.section, first);
                QVERIFY2(available().contains(first), qPrintable(where));
                QVERIFY2(qAbs(first.center().x() - available().center().x()) <= 2, qPrintable(where));
                QVERIFY2(qAbs(first.center().y() - available().center().y()) <= 2, qPrintable(where));
                // The laid-out window, not the size it had before its layout ran.
                QVERIFY2(screen->width() >= screen->minimumSizeHint().width() &&
                             screen->height() >= screen->minimumSizeHint().height(),
                         qPrintable(where));
                for (auto* button : screen->findChildren<QPushButton*>()) {
                    const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
                    QVERIFY2(available().contains(onScreen), qPrintable(where + " " + button->text()));
                }
                screen->close();
            }
            // The stored position brings it back where it was.
            auto again = screenCase.make(doc_, *context_);
            again->show();
            QVERIFY(QTest::qWaitForWindowExposed(again.get()));
            QCOMPARE(again->frameGeometry(), first);
            again->close();
        }
    }

    void storedPositionOffTheScreenIsMovedInside() {
        const QRect area = available();
        const std::string ini = context_->paths.iniFile;
        // Positions kept on a larger or a second monitor: right of, below and far beyond this one.
        const QPoint stored[] = {{area.width() - 50, 40}, {40, area.height() - 30}, {4000, 3000}};
        // The screens open over the main window, whose frame tells theirs before they are shown.
        QWidget mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        for (const ScreenCase& screenCase : kScreens) {
            for (const QPoint& position : stored) {
                mainWindow.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
                QWidget probe;
                CPrivateProfile::SetValueString(ini, screenCase.section, "Left",
                                                std::to_string(PixelsToTwips(&probe, position.x())));
                CPrivateProfile::SetValueString(ini, screenCase.section, "Top",
                                                std::to_string(PixelsToTwips(&probe, position.y())));
                // A size kept on a larger monitor does not reach past this one either.
                CPrivateProfile::SetValueString(ini, screenCase.section, "Width",
                                                std::to_string(PixelsToTwips(&probe, 3000)));
                CPrivateProfile::SetValueString(ini, screenCase.section, "Height",
                                                std::to_string(PixelsToTwips(&probe, 2000)));
                auto screen = screenCase.make(doc_, *context_);
                screen->show();
                QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
                const QRect frame = screen->frameGeometry();
                QVERIFY2(area.contains(frame), qPrintable(describe(screenCase.section, frame)));
                screen->close();
            }
        }
    }

    void positionOnTheScreenIsKept() {
        const std::string ini = context_->paths.iniFile;
        QWidget probe;
        CPrivateProfile::SetValueString(ini, "InpAnzen", "Left", std::to_string(PixelsToTwips(&probe, 30)));
        CPrivateProfile::SetValueString(ini, "InpAnzen", "Top", std::to_string(PixelsToTwips(&probe, 20)));
        frmInpAnzen screen;
        screen.setIniFile(ini);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCOMPARE(screen.frameGeometry().topLeft(), available().topLeft() + QPoint(30, 20));
        screen.close();
    }
};

ZUL_QTEST_SCREEN_MAIN(PlacementTest)

#include "PlacementTest.moc"
