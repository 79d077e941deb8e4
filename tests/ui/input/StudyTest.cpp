// A study typed from nothing on the six screens, opened as the main window opens them: saved
// and reopened it equals the typed document, and it calculates to the same allowable values.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "calc/basCalcMain.h"
#include "document/ProjectDocument.h"
#include "io/InputDataFile.h"
#include "ui/ScreenLaunchers.h"
#include "ui/input/GridEditBar.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "ui/input/TextField.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

// Runs work on the modal screen as soon as it is shown, then leaves it by the button chosen.
template <typename Screen>
QString typeOn(const QString& tag, AppContext& context, const std::function<void(Screen&)>& work,
               bool confirm = true) {
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto* screen = qobject_cast<Screen*>(QApplication::activeModalWidget());
        if (!screen) {
            return;
        }
        found = true;
        work(*screen);
        QTest::mouseClick(confirm ? screen->cmdOk() : screen->cmdCancel(), Qt::LeftButton);
    });
    const QString outcome = ShowInputScreen(tag, context, nullptr);
    if (!found) {
        qWarning("the screen was not shown modally");
    }
    return outcome;
}

void typeInto(NumberField* field, const char* text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

} // namespace

class StudyTest : public QObject {
    Q_OBJECT
private slots:
    void typedStudySurvivesTheFileAndCalculatesTheSame() {
        FakeUiServices services;
        QTemporaryDir folder;
        ProjectDocument doc;
        basCalcMain calc;
        ProgramPaths paths;
        paths.iniFile = (folder.path() + QStringLiteral("/Zul.ini")).toStdString();
        AppContext context{doc, calc, paths};
        for (const char* tag : {"InpKui", "InpAnzen", "InpJiban", "InpJibanN", "InpRaTable", "InpRenban"}) {
            QVERIFY(IsInputScreenTag(QString::fromLatin1(tag)));
        }
        QVERIFY(!IsInputScreenTag(QStringLiteral("ResOutRa")));

        QCOMPARE(typeOn<frmInpJyoken>(QStringLiteral("InpKui"), context,
                                      [](frmInpJyoken& s) {
                                          s.txtTitle()->setFocus();
                                          s.txtTitle()->selectAll();
                                          s.txtTitle()->insert(QStringLiteral("試算ケース"));
                                          typeInto(s.numDp(), "0.8");
                                          typeInto(s.numL(), "15");
                                          typeInto(s.numELPU(), "-1.5");
                                          s.optSiji(0)->click();
                                          s.optSekou(1)->click();
                                          s.chkIsWpRa()->click();
                                          typeInto(s.numGp1(), "24.5");
                                          typeInto(s.numGp2(), "14.5");
                                      }),
                 QStringLiteral("OK"));
        QVERIFY(doc.InpJyoken.InpFlg);
        QCOMPARE(doc.InpJyoken.L, 15.0);
        QCOMPARE(doc.InpJyoken.ELPU, -1.5);

        QCOMPARE(typeOn<frmInpAnzen>(QStringLiteral("InpAnzen"), context,
                                     [](frmInpAnzen& s) { typeInto(s.numJiK(1), "2"); }),
                 QStringLiteral("OK"));

        QCOMPARE(typeOn<frmInpJiban>(QStringLiteral("InpJiban"), context,
                                     [](frmInpJiban& s) {
                                         QCOMPARE(s.UsrRecMax(), 20);
                                         for (int i = 0; i < 3; ++i) {
                                             s.editBar()->mnuEditAdd()->trigger();
                                         }
                                         QApplication::clipboard()->setText(
                                             QStringLiteral("粘性土層\t4\t16\t\t3\t\t\t0.667\n"
                                                            "砂質土層\t8\t18\t\t15\t\t\t1\n"
                                                            "1\t10\t20\t\t50\t\t\t1\n"));
                                         s.vaSpread1()->setActiveCell(0, 0);
                                         s.editBar()->mnuEditPaste()->trigger();
                                         s.cmdDefault()->click();
                                         typeInto(s.numELGL(), "0");
                                         typeInto(s.numELWL(), "-1");
                                         typeInto(s.numSJ1(), "0");
                                         typeInto(s.numSJ2(), "-0.5");
                                     }),
                 QStringLiteral("OK"));
        QCOMPARE(doc.JibanCount, 3);
        QCOMPARE(doc.JibanLayer(7, 3), CellValue::Number(5000));

        QCOMPARE(typeOn<frmInpJibanN>(QStringLiteral("InpJibanN"), context,
                                      [](frmInpJibanN& s) {
                                          QCOMPARE(s.UsrRecMax(), 100);
                                          for (int i = 0; i < 6; ++i) {
                                              s.editBar()->mnuEditAdd()->trigger();
                                          }
                                          QApplication::clipboard()->setText(QStringLiteral(
                                              "20\t50\n2\t3\n6\t12\n10\t18\n14\t30\n17\t45\n"));
                                          s.vaSpread1()->setActiveCell(0, 0);
                                          s.editBar()->mnuEditPaste()->trigger();
                                      }),
                 QStringLiteral("OK"));
        QCOMPARE(doc.NData(1, 1), CellValue::Number(2));
        QCOMPARE(doc.NData(2, 6), CellValue::Number(50));

        QCOMPARE(typeOn<frmInpRaTable>(QStringLiteral("InpRaTable"), context,
                                       [](frmInpRaTable& s) {
                                           s.vaSpread1()->grid()->enterText(0, 0, QStringLiteral("0.6"));
                                           s.vaSpread1()->grid()->enterText(1, 0, QStringLiteral("0.8"));
                                       }),
                 QStringLiteral("OK"));
        QCOMPARE(doc.RaTable(1), CellValue::Number(4));

        // The numbering screen binds to the settings file and leaves the edited flag alone.
        doc.DataEdited = false;
        QCOMPARE(typeOn<frmInpRenban>(QStringLiteral("InpRenban"), context,
                                      [](frmInpRenban& s) { s.cboStyle(0)->setCurrentIndex(7); }),
                 QStringLiteral("OK"));
        QVERIFY(!doc.DataEdited);
        // Cancel on a document screen stores nothing and leaves the flag as it was.
        QCOMPARE(typeOn<frmInpAnzen>(
                     QStringLiteral("InpAnzen"), context, [](frmInpAnzen& s) { typeInto(s.numJyK(1), "9"); },
                     false),
                 QStringLiteral("ｷｬﾝｾﾙ"));
        QVERIFY(!doc.DataEdited);
        QCOMPARE(doc.Anzen(1), CellValue::Number(3));
        QVERIFY(services.messages.isEmpty());

        const std::string path = (folder.path() + QStringLiteral("/typed.zul")).toStdString();
        int error = 0;
        QVERIFY(SaveInputData(doc, path, error));
        ProjectDocument reopened;
        QVERIFY(LoadInputData(reopened, path, error));
        QVERIFY(SameStudy(doc, reopened));

        basCalcMain typedCalc;
        basCalcMain fileCalc;
        QVERIFY(typedCalc.CalcRa(doc));
        QVERIFY(fileCalc.CalcRa(reopened));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(fileCalc.CalcPair(i).Ra(), typedCalc.CalcPair(i).Ra());
            QCOMPARE(fileCalc.CalcPair(i).Pa(), typedCalc.CalcPair(i).Pa());
            QVERIFY(typedCalc.CalcPair(i).Ra() > 0);
        }
    }
};

ZUL_QTEST_SCREEN_MAIN(StudyTest)

#include "StudyTest.moc"
