// The common behaviour of the input screens: range check of the number fields, OK / Cancel /
// frame close, the owner's refusal, placement, field navigation, the case name field.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "io/CPrivateProfile.h"
#include "ui/input/FieldFactory.h"
#include "ui/input/InputBindings.h"
#include "ui/input/NumberField.h"
#include "ui/input/TextField.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

using namespace zul;
using zul::test::FakeUiServices;

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void leavingStepFieldOutOfRangeShowsMessageAndKeepsFocus() {
        test::ShownScreen<frmInpRaTable> shown;
        auto& [services, doc, screen] = shown;
        NumberField* step = screen.numLStep();
        step->setFocus();
        step->selectAll();
        QTest::keyClicks(step, "10");
        QTest::keyClick(step, Qt::Key_Tab);

        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text, QStringLiteral("入力範囲：0.1 ～ 9.9"));
        QCOMPARE(services.messages[0].title, QStringLiteral("杭長の増分ﾋﾟｯﾁ　ΔＬ(m)"));
        QCOMPARE(services.messages[0].icon, MessageIcon::Information);
        QCOMPARE(services.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(services.beeps, 1);
        QCOMPARE(QApplication::focusWidget(), step);
        QCOMPARE(step->value(), std::optional<double>(10.0));

        // Corrected, the field lets the focus go.
        step->selectAll();
        QTest::keyClicks(step, "2.5");
        QTest::keyClick(step, Qt::Key_Tab);
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(QApplication::focusWidget() != step);
        QCOMPARE(step->text(), QStringLiteral("2.5"));
    }

    void emptyFieldPassesTheRangeCheck() {
        test::ShownScreen<frmInpRaTable> shown;
        auto& [services, doc, screen] = shown;
        NumberField* step = screen.numLStep();
        step->setFocus();
        step->selectAll();
        QTest::keyClick(step, Qt::Key_Delete);
        QTest::keyClick(step, Qt::Key_Tab);
        QVERIFY(services.messages.isEmpty());
        QVERIFY(!step->value().has_value());
    }

    void rangeMessagesFormatBoundsWithTheFieldPattern() {
        frmInpJyoken screen;
        QCOMPARE(screen.numL()->rangeMessage(), QStringLiteral("入力範囲：0.000 ～ 999.999"));
        QCOMPARE(screen.numAlpha()->rangeMessage(), QStringLiteral("入力範囲：0.0 ～ 99.9"));
        QCOMPARE(screen.numELPU()->rangeMessage(), QStringLiteral("入力範囲：-999.999 ～ +999.999"));
        frmInpAnzen anzen;
        QCOMPARE(anzen.numJyK(1)->rangeMessage(), QStringLiteral("入力範囲：-99 ～ 99"));
    }

    void charactersThePatternCannotTakeAreRefusedWithABeep_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("format"); // the tooltip, shown again at a refused character
        // A safety factor: whole numbers, negatives allowed.
        QTest::newRow("point in a whole number")
            << "#0" << -99.0 << 99.0 << "2.5"
            << "25" << 1 << "入力できる形式：整数（小数点なし）　入力範囲：-99 ～ 99";
        QTest::newRow("sign in a whole number")
            << "#0" << -99.0 << 99.0 << "-3"
            << "-3" << 0 << "入力できる形式：整数（小数点なし）　入力範囲：-99 ～ 99";
        // A margin: no negatives.
        QTest::newRow("minus without negatives")
            << "#0" << 0.0 << 10.0 << "-1"
            << "1" << 1 << "入力できる形式：整数（小数点なし）　入力範囲：0 ～ 10";
        QTest::newRow("letters") << "#0.000" << 0.0 << 99.999 << "1a2"
                                 << "12" << 1
                                 << "入力できる形式：小数点以下 3 桁まで　入力範囲：0.000 ～ 99.999";
        QTest::newRow("decimals past the pattern")
            << "#0.000" << 0.0 << 99.999 << "1.23456"
            << "1.234" << 2 << "入力できる形式：小数点以下 3 桁まで　入力範囲：0.000 ～ 99.999";
        QTest::newRow("signed pattern")
            << "+##0.000;-##0.000" << -999.999 << 999.999 << "-12.5"
            << "-12.5" << 0 << "入力できる形式：小数点以下 3 桁まで　入力範囲：-999.999 ～ +999.999";
    }

    void charactersThePatternCannotTakeAreRefusedWithABeep() {
        QFETCH(QString, pattern);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        QFETCH(QString, format);
        FakeUiServices services;
        QWidget window;
        auto* status = new QStatusBar(&window);
        NumberField* field = MakeNumberField(&window, QStringLiteral("numTest"), QStringLiteral("試験"), min,
                                             max, pattern.toStdString());
        test::ShowActive(&window);
        field->setFocus();
        QToolTip::hideText();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), shown);
        QCOMPARE(services.beeps, beeps);
        QCOMPARE(field->toolTip(), format);
        // A refused character shows the format beside the field and on the status line.
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), beeps > 0 ? format : QString());
        QCOMPARE(status->currentMessage(), beeps > 0 ? format : QString());
        // Editing keys are no refused characters.
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Left);
        QCOMPARE(services.beeps, beeps);
        // A pasted text the pattern cannot take is refused whole, with a beep.
        field->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("7.25x"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(services.beeps, beeps + 1);
        QVERIFY(services.messages.isEmpty());
    }

    void safetyFactorOf100IsRefusedWithAnEmptyTitle() {
        test::ShownScreen<frmInpAnzen> shown;
        auto& [services, doc, screen] = shown;
        NumberField* field = screen.numJiK(2);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "100");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text, QStringLiteral("入力範囲：-99 ～ 99"));
        QCOMPARE(services.messages[0].title, QString());
        QCOMPARE(QApplication::focusWidget(), field);
    }

    void okWithTheFocusedFieldOutOfRangeStoresNothing() {
        test::ShownScreen<frmInpAnzen> shown;
        auto& [services, doc, screen] = shown;
        NumberField* field = screen.numJyK(1);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "-100");
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(screen.isVisible());
        QVERIFY(!doc.DataEdited);
        QCOMPARE(doc.Anzen(1), CellValue::Number(3.0));
    }

    void cancelAndEscapeLeaveWithoutCheckingTheField() {
        FakeUiServices services;
        ProjectDocument doc;
        for (const bool escape : {false, true}) {
            frmInpAnzen screen;
            BindInputScreen(screen, doc);
            test::ShowActive(&screen);
            NumberField* field = screen.numJyK(3);
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, "500");
            if (escape) {
                // The field changed: Escape asks before it discards, and checks no range.
                services.answers = {MessageAnswer::Yes};
                QTest::keyClick(field, Qt::Key_Escape);
            } else {
                QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
            }
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.UsrTag(), QStringLiteral("ｷｬﾝｾﾙ"));
        }
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text,
                 QStringLiteral("入力ﾃﾞｰﾀが変更されています。変更を破棄して閉じますか？"));
        QCOMPARE(services.messages[0].title, QStringLiteral("安全率の入力"));
        QCOMPARE(services.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(doc.Anzen(3), CellValue::Number(6));
        QVERIFY(!doc.DataEdited);
    }

    void escapeAsksOnlyWhenTheScreenChanged() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        // Unchanged (a value typed and put back counts as unchanged): closes at once.
        screen.numL()->setFocus();
        screen.numL()->selectAll();
        QTest::keyClicks(screen.numL(), "10");
        QTest::keyClick(screen.numL(), Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QVERIFY(services.messages.isEmpty());

        // A method chosen: No keeps the screen and what was chosen.
        test::ShowActive(&screen);
        screen.optSekou(3)->click();
        services.answers = {MessageAnswer::No};
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(screen.optSekou(3)->isChecked());
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.InpJyoken.Sekou, 3);
    }

    void cancelStoresNothing() {
        FakeUiServices services;
        ProjectDocument doc;
        const ProjectDocument before = doc;
        frmInpJyoken screen;
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        screen.txtTitle()->setText(QStringLiteral("変更"));
        screen.numDp()->setValue(2.5);
        screen.optSekou(5)->click();
        QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.UsrTag(), QStringLiteral("ｷｬﾝｾﾙ"));
        QVERIFY(SameStudy(doc, before));
        QVERIFY(!doc.DataEdited);
        QVERIFY(!doc.InpJyoken.InpFlg);
    }

    void okStoresAndMarksEditedEvenWithoutChange() {
        test::ShownScreen<frmInpAnzen> shown;
        auto& [services, doc, screen] = shown;
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.UsrTag(), QStringLiteral("OK"));
        QVERIFY(doc.DataEdited);
        QVERIFY(doc.AnzenInpFlg);
    }

    void ownerRefusalKeepsTheScreenOpenWithTagOk() {
        FakeUiServices services;
        frmInpAnzen screen;
        int saves = 0;
        QObject::connect(&screen, &InputScreen::SaveData, &screen, [&saves](bool& cancel) {
            ++saves;
            cancel = true;
        });
        test::ShowActive(&screen);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(saves, 1);
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.UsrTag(), QStringLiteral("OK"));
        screen.close();
    }

    void frameCloseKeepsTheTagAndStoresNothing() {
        test::ShownScreen<frmInpRaTable> shown;
        auto& [services, doc, screen] = shown;
        // The close box asks about the changes as Escape does: No keeps the screen and the edit.
        screen.numLmin()->setValue(3);
        services.answers = {MessageAnswer::No};
        screen.close();
        QVERIFY(screen.isVisible());
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text,
                 QStringLiteral("入力ﾃﾞｰﾀが変更されています。変更を破棄して閉じますか？"));
        QCOMPARE(services.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(screen.numLmin()->value(), std::optional<double>(3.0));
        // Yes discards them.
        services.answers = {MessageAnswer::Yes};
        screen.close();
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.UsrTag(), QString());
        QVERIFY(!doc.RaTableInpFlg);
        QVERIFY(doc.RaTable(1).isEmpty());
    }

    void frameCloseOfAnUnchangedScreenAsksNothing() {
        test::ShownScreen<frmInpRaTable> shown;
        auto& [services, doc, screen] = shown;
        screen.close();
        QVERIFY(!screen.isVisible());
        QVERIFY(services.messages.isEmpty());
    }

    void placementIsStoredOnCloseAndTheHelpButtonNeedsAHelpFile() {
        FakeUiServices services;
        const std::string ini = test::TemporaryIniFile();
        ProjectDocument doc;
        {
            frmInpJiban screen;
            screen.setUsrRecMax(20);
            screen.setIniFile(ini);
            BindInputScreen(screen, doc);
            test::ShowActive(&screen);
            QVERIFY(!screen.cmdHelp()->isEnabled());
            screen.resize(780, 560); // within the 800 x 600 test screen
            QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
        }
        QVERIFY(CPrivateProfile::GetValueLong(ini, "InpJiban", "Width") > 0);
        QVERIFY(CPrivateProfile::GetValueLong(ini, "InpJiban", "Height") > 0);
        frmInpJiban again;
        again.setIniFile(ini);
        again.setUsrHelpFile(QStringLiteral("zul.hlp"));
        BindInputScreen(again, doc);
        test::ShowActive(&again);
        QCOMPARE(again.size(), QSize(780, 560));
        QVERIFY(again.cmdHelp()->isEnabled());
        again.close();
    }

    void captionOverrideReplacesTheBuiltInCaption() {
        frmInpAnzen plain;
        plain.show();
        QCOMPARE(plain.windowTitle(), QStringLiteral("安全率の入力"));
        plain.close();
        frmInpAnzen renamed;
        renamed.setUsrCaption(QStringLiteral("別名"));
        renamed.show();
        QCOMPARE(renamed.windowTitle(), QStringLiteral("別名"));
        renamed.close();
    }

    void enterAndArrowsWalkTheFields() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        screen.numDp()->setFocus();
        QTest::keyClick(screen.numDp(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.numL());
        QTest::keyClick(screen.numL(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), screen.numAlpha());
        QTest::keyClick(screen.numAlpha(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), screen.numL());
        QTest::keyClick(screen.numL(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), screen.numDp());
        QTest::keyClick(screen.numDp(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), screen.txtTitle());
        screen.close();
    }

    void caseNameRefusesDoubleQuotesAndStopsAtForty() {
        test::ShownScreen<frmInpJyoken> shown;
        auto& [services, doc, screen] = shown;
        TextField* title = screen.txtTitle();
        title->setFocus();
        title->selectAll();
        QTest::keyClicks(title, "A\"B");
        QCOMPARE(title->text(), QStringLiteral("AB"));
        // A pasted text with a quote is refused as a whole.
        title->clear();
        title->insert(QStringLiteral("x\"y"));
        QCOMPARE(title->text(), QString());
        title->setText(QString());
        QTest::keyClicks(title, QString(45, QLatin1Char('k')));
        QCOMPARE(title->text().size(), 40);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(doc.InpJyoken.Title), QString(40, QLatin1Char('k')));
    }
};

ZUL_QTEST_SCREEN_MAIN(FrameTest)

#include "FrameTest.moc"
