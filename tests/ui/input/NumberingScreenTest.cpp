// The numbering screen: its binding to the settings file, the previews and the edited flag.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "io/CPrivateProfile.h"
#include "ui/FixedPitchFont.h"
#include "ui/input/InputBindings.h"
#include "ui/input/NumberField.h"
#include "ui/input/frmInpRenban.h"

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

QStringList previewLines(const QPlainTextEdit* box) {
    return box->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class NumberingScreenTest : public QObject {
    Q_OBJECT
private slots:
    void marginPreviewOfMethodThree() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        screen.optMethod(3)->click();
        const int margins[] = {0, 2, 4, 6};
        for (int i = 0; i < 4; ++i) {
            screen.numMargin(i)->setValue(margins[i]);
        }
        screen.TabStrip1()->setCurrentIndex(2);
        const QString expected = QStringLiteral("(章)○○○\r\n  (章).(節)○○○\r\n    (章).(節).(項)○○○\r\n"
                                                "      (No)○○○\r\n\r\n(章)○○○\r\n  (章).(節)○○○\r\n");
        QCOMPARE(screen.marginPreview(), expected);
        const QStringList lines = previewLines(screen.txtMargin());
        QCOMPARE(lines.value(0), QStringLiteral("(章)○○○"));
        QCOMPARE(lines.value(1), QStringLiteral("  (章).(節)○○○"));
        QCOMPARE(lines.value(2), QStringLiteral("    (章).(節).(項)○○○"));
        QCOMPARE(lines.value(3), QStringLiteral("      (No)○○○"));
        QCOMPARE(lines.value(4), QString());
        QCOMPARE(lines.value(6), QStringLiteral("  (章).(節)○○○"));
        screen.reject();
    }

    void previewsFollowTheMethodAndTheMargins() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        screen.optMethod(2)->click();
        QCOMPARE(previewLines(screen.txtMethod()).value(2), QStringLiteral("    (章)-(節)-(項)○○○"));
        QCOMPARE(previewLines(screen.txtMethod()).value(3), QStringLiteral("        (No)○○○"));
        screen.TabStrip1()->setCurrentIndex(2);
        screen.numMargin(1)->setValue(3);
        QCOMPARE(previewLines(screen.txtMargin()).value(6), QStringLiteral("   (章)-(節)○○○"));
        QCOMPARE(previewLines(screen.txtMargin()).value(1), QStringLiteral("   (章)-(節)○○○"));
        // Only the shown panel is enabled.
        QVERIFY(screen.numMargin(0)->isEnabled());
        QVERIFY(!screen.cboStyle(0)->isEnabled());
        // A disabled panel takes no clicks; back on the first tab it does.
        screen.optMethod(0)->click();
        QVERIFY(screen.optMethod(2)->isChecked());
        screen.TabStrip1()->setCurrentIndex(0);
        screen.optMethod(0)->click();
        QCOMPARE(previewLines(screen.txtMethod()).value(1), QStringLiteral("  ○○○"));
        screen.reject();
    }

    void firstStartShowsZerosAndOkWritesThemWithoutEditingTheDocument() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        QVERIFY(screen.optMethod(0)->isChecked());
        QCOMPARE(screen.numInit()->text(), QStringLiteral("0"));
        QCOMPARE(screen.cboStyle(0)->currentIndex(), -1);
        QCOMPARE(screen.TabStrip1()->currentIndex(), 0);
        screen.cboStyle(0)->setCurrentIndex(7);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        for (const char* key :
             {"Method", "Init", "Style2", "Style3", "Style4", "Margin1", "Margin2", "Margin3", "Margin4"}) {
            QCOMPARE(QString::fromStdString(CPrivateProfile::GetValueString(ini, "Chapter", key)),
                     QStringLiteral("0"));
        }
        QCOMPARE(CPrivateProfile::GetValueString(ini, "Chapter", "Style1"), std::string("8"));
    }

    // The whole section as the settings file has always held it after OK: keys in order,
    // whole numbers as decimal text.
    void okWritesTheSectionInKeyOrder() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        screen.optMethod(3)->click();
        screen.numInit()->setValue(12);
        screen.cboStyle(1)->setCurrentIndex(0);
        screen.numMargin(3)->setValue(10);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QFile file(QString::fromStdString(ini));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Other sections (the window position) may stand before or after it.
        const QByteArray all = file.readAll();
        const qsizetype start = all.indexOf("[Chapter]");
        QVERIFY(start >= 0);
        const qsizetype next = all.indexOf("\r\n[", start);
        const QByteArray section = next < 0 ? all.mid(start) : all.mid(start, next + 2 - start);
        QCOMPARE(section, QByteArray("[Chapter]\r\nMethod=3\r\nInit=12\r\nStyle1=0\r\nStyle2=1\r\n"
                                     "Style3=0\r\nStyle4=0\r\nMargin1=0\r\nMargin2=0\r\nMargin3=0\r\n"
                                     "Margin4=10\r\n"));
    }

    void marginPreviewLinesUpHalfWidthColumns() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        screen.optMethod(3)->click();
        const int margins[] = {0, 2, 4, 6};
        for (int i = 0; i < 4; ++i) {
            screen.numMargin(i)->setValue(margins[i]);
        }
        screen.TabStrip1()->setCurrentIndex(2);
        // The font the box really draws with is the Japanese fixed-pitch family asked for.
        const QFont font = screen.txtMargin()->document()->defaultFont();
        const QFontInfo real(font);
        QCOMPARE(real.family(), QStringLiteral("IPAGothic"));
        QVERIFY(real.exactMatch());
        QVERIFY(HasJapaneseColumns(font));
        // Every line is as wide as its code page 932 bytes: one column each.
        const QFontMetrics metrics(font);
        const int column = metrics.horizontalAdvance(QLatin1Char(' '));
        for (const QString& line : previewLines(screen.txtMargin())) {
            int columns = 0;
            for (const QChar ch : line) {
                columns += ch.unicode() < 0x80 ? 1 : 2;
            }
            QCOMPARE(metrics.horizontalAdvance(line), columns * column);
        }
        screen.reject();
    }

    // A chosen method with a level left without a number style says so under the tabs, naming
    // the levels; the screen still takes it as it is.
    void hintWhileAChosenMethodHasALevelWithoutStyle() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        QVERIFY(screen.lblStyleHint()->text().isEmpty()); // method なし
        screen.optMethod(3)->click();
        QVERIFY(screen.lblStyleHint()->text().contains(QStringLiteral("（章）・（節）・（項）・（№）")));
        for (int i = 0; i < 3; ++i) {
            screen.cboStyle(i)->setCurrentIndex(0);
        }
        QVERIFY(screen.lblStyleHint()->text().contains(QStringLiteral("レベル（（№））")));
        screen.cboStyle(3)->setCurrentIndex(7);
        QVERIFY(screen.lblStyleHint()->text().isEmpty());
        screen.cboStyle(1)->setCurrentIndex(-1);
        screen.optMethod(0)->click();
        QVERIFY(screen.lblStyleHint()->text().isEmpty());
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(CPrivateProfile::GetValueString(ini, "Chapter", "Style2"), std::string("0"));
    }

    void storedSettingsAreShownAndCancelWritesNothing() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        CPrivateProfile::SetValueString(ini, "Chapter", "Method", "2");
        CPrivateProfile::SetValueString(ini, "Chapter", "Init", "5");
        CPrivateProfile::SetValueString(ini, "Chapter", "Style2", "3");
        CPrivateProfile::SetValueString(ini, "Chapter", "Margin4", "7");
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        test::ShowActive(&screen);
        QVERIFY(screen.optMethod(2)->isChecked());
        QCOMPARE(screen.numInit()->value(), std::optional<double>(5));
        QCOMPARE(screen.cboStyle(1)->currentText(), QStringLiteral("1),2),3),.(99)"));
        QCOMPARE(screen.numMargin(3)->value(), std::optional<double>(7));
        QCOMPARE(screen.marginPreview().split(QStringLiteral("\r\n")).value(3),
                 QStringLiteral("       (No)○○○"));
        screen.numInit()->setValue(9);
        QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
        QCOMPARE(CPrivateProfile::GetValueString(ini, "Chapter", "Init"), std::string("5"));
        QVERIFY(CPrivateProfile::GetValueString(ini, "Chapter", "Margin1").empty());
    }
};

ZUL_QTEST_SCREEN_MAIN(NumberingScreenTest)

#include "NumberingScreenTest.moc"
