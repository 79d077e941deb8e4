// The conditions screen: every row of the enabling table, reached by clicks and by loading,
// and the round trip of every member through the binding.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/InputBindings.h"
#include "ui/input/NumberField.h"
#include "ui/input/TextField.h"
#include "ui/input/frmInpJyoken.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

struct States {
    bool blades;  // fraDw, numDw, numDwi
    bool frame;   // fraNeire, chkQd
    bool options; // optNeire(0..2), chkST
    bool level;   // numELSL
};

States statesOf(const frmInpJyoken& s) {
    const bool blades = s.fraDw()->isEnabled();
    if (s.numDw()->isEnabled() != blades || s.numDwi()->isEnabled() != blades) {
        qWarning("blade fields disagree with their frame");
    }
    const bool frame = s.fraNeire()->isEnabled();
    if (s.chkQd()->isEnabled() != frame) {
        qWarning("chkQd disagrees with its frame");
    }
    const bool options = s.optNeire(0)->isEnabled();
    if (s.optNeire(1)->isEnabled() != options || s.optNeire(2)->isEnabled() != options ||
        s.chkST()->isEnabled() != options) {
        qWarning("embedment options disagree");
    }
    return {blades && s.numDw()->isEnabled() && s.numDwi()->isEnabled(), frame && s.chkQd()->isEnabled(),
            options && s.optNeire(1)->isEnabled() && s.optNeire(2)->isEnabled() && s.chkST()->isEnabled(),
            s.numELSL()->isEnabled()};
}

} // namespace

class JyokenScreenTest : public QObject {
    Q_OBJECT
private slots:
    void enablingTable_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("embedment");
        QTest::addColumn<bool>("blades");
        QTest::addColumn<bool>("frame");
        QTest::addColumn<bool>("options");
        QTest::addColumn<bool>("level");
        // m = 7: blades only, whatever the tip-resistance settings.
        QTest::newRow("rotary, qd ticked, e=0") << 7 << true << 0 << true << false << false << false;
        QTest::newRow("rotary, qd clear") << 7 << false << 1 << true << false << false << false;
        for (int m : {0, 2}) {
            const QByteArray tag = "m=" + QByteArray::number(m);
            QTest::newRow(tag + ", qd clear, e=0") << m << false << 0 << false << true << false << false;
            QTest::newRow(tag + ", qd ticked, e=1") << m << true << 1 << false << true << true << false;
            QTest::newRow(tag + ", qd ticked, e=2") << m << true << 2 << false << true << true << false;
            QTest::newRow(tag + ", qd ticked, e=0") << m << true << 0 << false << true << true << true;
        }
        for (int m : {1, 3, 4, 5, 6}) {
            QTest::newRow(("m=" + QByteArray::number(m) + ", qd ticked, e=0").constData())
                << m << true << 0 << false << false << false << false;
        }
    }

    // The state reached by loading the values equals the state reached by clicking them in.
    void enablingTable() {
        QFETCH(int, method);
        QFETCH(bool, automatic);
        QFETCH(int, embedment);
        QFETCH(bool, blades);
        QFETCH(bool, frame);
        QFETCH(bool, options);
        QFETCH(bool, level);

        FakeUiServices services;
        ProjectDocument doc;
        doc.InpJyoken.Sekou = method;
        doc.InpJyoken.QdMethod = automatic ? 1 : 0;
        doc.InpJyoken.QdSiji = embedment;
        frmInpJyoken loaded;
        BindInputScreen(loaded, doc);
        loaded.show();
        const States l = statesOf(loaded);
        QCOMPARE(l.blades, blades);
        QCOMPARE(l.frame, frame);
        QCOMPARE(l.options, options);
        QCOMPARE(l.level, level);
        loaded.reject();

        // From the reset state (method 0, qd ticked, e = 2) by clicks: a driven method first so
        // that the embedment choices can be made, then the method of the row.
        ProjectDocument fresh;
        frmInpJyoken clicked;
        BindInputScreen(clicked, fresh);
        test::ShowActive(&clicked);
        clicked.optSekou(0)->click();
        if (clicked.chkQd()->isChecked() != automatic) {
            clicked.chkQd()->click();
        }
        if (automatic) {
            clicked.optNeire(embedment)->click();
        }
        clicked.optSekou(method)->click();
        const States c = statesOf(clicked);
        QCOMPARE(c.blades, blades);
        QCOMPARE(c.frame, frame);
        QCOMPARE(c.options, options);
        QCOMPARE(c.level, level);
        clicked.reject();
    }

    // The screen spells the inner-excavation methods with 掘 and full-width brackets, unlike the
    // report and the graph header.
    void optionsCarryTheScreenSpellingOfMethodsAndKinds() {
        frmInpJyoken screen;
        QCOMPARE(screen.optSekou(0)->text(), QStringLiteral("打込み杭工法"));
        QCOMPARE(screen.optSekou(2)->text(), QStringLiteral("中掘杭工法（最終打撃方式）"));
        QCOMPARE(screen.optSekou(4)->text(), QStringLiteral("中掘杭工法（コンクリート打設方式）"));
        QCOMPARE(screen.optSekou(7)->text(), QStringLiteral("VAzavozod(回転圧入鋼管杭工法)"));
        QCOMPARE(screen.optSiji(0)->text(), QStringLiteral("支持杭"));
        QCOMPARE(screen.optSiji(1)->text(), QStringLiteral("摩擦杭"));
    }

    void castInPlaceKeepsValuesAndDrivenRestoresTheFrameStates() {
        FakeUiServices services;
        ProjectDocument doc;
        doc.InpJyoken.QdSiji = 0;
        doc.InpJyoken.ELSL = -12.5;
        frmInpJyoken screen;
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        QVERIFY(screen.numELSL()->isEnabled());
        screen.optSekou(1)->click();
        QVERIFY(!screen.numELSL()->isEnabled());
        QVERIFY(!screen.numDw()->isEnabled());
        QCOMPARE(screen.numELSL()->value(), std::optional<double>(-12.5));
        QCOMPARE(screen.numELSL()->text(), QStringLiteral("-12.500"));
        screen.optSekou(0)->click();
        QVERIFY(screen.numELSL()->isEnabled());
        QVERIFY(screen.optNeire(2)->isEnabled());
        screen.chkQd()->click();
        QVERIFY(!screen.optNeire(0)->isEnabled());
        QVERIFY(!screen.numELSL()->isEnabled());
        screen.reject();
    }

    void driveMethodWithQdClearAndStoredOptionZeroOpensLevelDisabled() {
        ProjectDocument doc;
        doc.InpJyoken.Sekou = 0;
        doc.InpJyoken.QdMethod = 0;
        doc.InpJyoken.QdSiji = 0;
        frmInpJyoken screen;
        BindInputScreen(screen, doc);
        screen.show();
        QVERIFY(screen.optNeire(0)->isChecked());
        QVERIFY(!screen.numELSL()->isEnabled());
        screen.reject();
    }

    void selfWeightBoxesOpenTheUnitWeights() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        QVERIFY(!screen.chkIsWpRa()->isChecked());
        QVERIFY(screen.chkIsWpPa()->isChecked());
        QVERIFY(screen.numGp1()->isEnabled());
        screen.chkIsWpPa()->click();
        QVERIFY(!screen.numGp1()->isEnabled());
        QVERIFY(!screen.numGp2()->isEnabled());
        screen.chkIsWpRa()->click();
        QVERIFY(screen.numGp1()->isEnabled());
        QVERIFY(screen.numGp2()->isEnabled());
        screen.reject();
    }

    void everyMemberSurvivesTheScreen() {
        FakeUiServices services;
        ProjectDocument doc;
        CInpJyoken& c = doc.InpJyoken;
        c.Title = "試験ケース No.1";
        c.D = 0.8;
        c.Dw = 1.2;
        c.Dwi = 0.4;
        c.L = 23.456;
        c.Theta = 12.5;
        c.ELPU = -3.25;
        c.Sekou = 2;
        c.Siji = 1;
        c.IsWpRa = 1;
        c.IsWpPa = 0;
        c.Gp1 = 24.5;
        c.Gp2 = 14.5;
        c.QdMethod = 1;
        c.QdSiji = 1;
        c.ELSL = -18.0;
        c.Bottom = 1;
        const CInpJyoken typed = c;

        frmInpJyoken screen;
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        QCOMPARE(screen.numELPU()->text(), QStringLiteral("-3.250"));
        QCOMPARE(screen.numDp()->text(), QStringLiteral("0.800"));
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        CInpJyoken expected = typed;
        expected.InpFlg = true;
        QVERIFY(doc.InpJyoken == expected);
        QVERIFY(doc.DataEdited);
    }

    void titleCannotBeTypedPastFortyCharacters() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        screen.txtTitle()->clear();
        screen.txtTitle()->setFocus();
        QTest::keyClicks(screen.txtTitle(), QString(45, QLatin1Char('A')));
        QCOMPARE(screen.txtTitle()->text().size(), 40);
    }

    void longStoredTitleIsShownWholeAndStoredUnchanged() {
        const QString longTitle(50, QChar(u'基'));
        test::ShownScreen<frmInpJyoken> shown(
            [&](ProjectDocument& d) { d.InpJyoken.Title = longTitle.toStdString(); });
        auto& [services, doc, screen] = shown;
        QCOMPARE(screen.txtTitle()->text(), longTitle);
        screen.txtTitle()->setFocus();
        screen.txtTitle()->end(false);
        QTest::keyClicks(screen.txtTitle(), QStringLiteral("X"));
        QCOMPARE(screen.txtTitle()->text(), longTitle);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(doc.InpJyoken.Title), longTitle);
    }

    void typedValuesReachTheDocument() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        NumberField* elpu = screen.numELPU();
        elpu->setFocus();
        elpu->selectAll();
        QTest::keyClicks(elpu, "-12.345");
        QTest::keyClick(elpu, Qt::Key_Return);
        QCOMPARE(elpu->text(), QStringLiteral("-12.345"));
        NumberField* dp = screen.numDp();
        dp->setFocus();
        dp->selectAll();
        // More decimals than the pattern shows cannot be typed.
        QTest::keyClicks(dp, "1.23456");
        QCOMPARE(dp->text(), QStringLiteral("1.234"));
        screen.optSekou(7)->click();
        screen.optSiji(1)->click();
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.InpJyoken.ELPU, -12.345);
        QCOMPARE(doc.InpJyoken.D, 1.234);
        QCOMPARE(doc.InpJyoken.Sekou, 7);
        QCOMPARE(doc.InpJyoken.Siji, 1);
        QVERIFY(services.messages.isEmpty());
    }
};

ZUL_QTEST_SCREEN_MAIN(JyokenScreenTest)

#include "JyokenScreenTest.moc"
