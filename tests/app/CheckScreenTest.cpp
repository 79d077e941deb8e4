// The calculation flow of the main window and the check screen frmResOutRa.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"
#include "StudyBuilders.h"

#include "calc/basCalcMain.h"
#include "io/CPrivateProfile.h"
#include "io/InputDataFile.h"
#include "ui/WindowPlacement.h"
#include "ui/results/frmResOutRa.h"
#include "util/NumberFormat.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zul;
using namespace zul::test;

class CheckScreenTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheFourValuesOfEachExample();
    void showsTheValuesOfAWrittenStudy();
    void zeroSafetyFactorShowsCalculationErrorAndOpensNothing();
    void screenTextsAndDisplayPattern();
    void valuesBeyondTheFieldRangeShowEveryDigit();
    void placementIsCentredFirstAndRestoredAfterClosing();
    void showsThePlausibilityNoteBelowTheValues();
};

namespace {

struct CheckScreenSeen {
    bool opened = false;
    QString caption;
    std::array<QString, 4> values;
    bool helpEnabled = true;
    bool mainCommandsEnabled = true;
    bool notesShown = false;
    QString notesText;
    int height = 0;
};

// Presses the check button and, while the modal screen is open, reads it and closes it.
CheckScreenSeen PressCheckButton(frmMenuMain& window) {
    CheckScreenSeen seen;
    // A timer of this call only: when no screen opens it must not fire during a later one.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* screen = qobject_cast<frmResOutRa*>(QApplication::activeModalWidget());
        if (!screen) {
            return;
        }
        seen.opened = true;
        seen.caption = screen->windowTitle();
        for (int i = 0; i < 4; ++i) {
            seen.values[static_cast<std::size_t>(i)] =
                screen->findChild<QLineEdit*>(QStringLiteral("numEp%1").arg(i))->text();
        }
        seen.helpEnabled = screen->findChild<QPushButton*>("cmdHelp")->isEnabled();
        seen.notesShown = screen->findChild<QFrame*>("fraNotes")->isVisibleTo(screen);
        seen.notesText = screen->findChild<QLabel*>("lblNotes")->text();
        seen.height = screen->height();
        seen.mainCommandsEnabled =
            window.FindMenuButton("InpKui")->isEnabled() || window.FindMenuButton("ResOutRa")->isEnabled();
        QTest::mouseClick(screen->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    });
    timer.start(0);
    QTest::mouseClick(window.FindMenuButton("ResOutRa"), Qt::LeftButton);
    return seen;
}

// The four values the screen must show, from an independent run of the calculation.
std::array<QString, 4> ExpectedValues(const ProjectDocument& doc) {
    basCalcMain calc;
    if (!calc.CalcRa(doc)) {
        return {};
    }
    const auto text = [](double v) { return QString::fromStdString(FormatNumber(v, "###,##0.0")); };
    return {text(calc.CalcPair(0).Ra()), text(calc.CalcPair(1).Ra()), text(calc.CalcPair(0).Pa()),
            text(calc.CalcPair(1).Pa())};
}

// The terminal program prints the same table: Ra normal and earthquake on one line, Pa on the
// next.  Each line must carry the screen's texts in that order.
void CompareWithCommandLine(const std::string& path, const std::array<QString, 4>& values) {
    const QString cli = QStringLiteral(ZUL_PROGRAM_DIR "/zul-cli");
    if (!QFileInfo::exists(cli)) {
        return;
    }
    QProcess process;
    process.start(cli, {QStringLiteral("calc"), QString::fromStdString(path)});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    const auto columns = [&](const QString& heading) {
        for (const QString& line : lines) {
            if (line.startsWith(heading)) {
                return line.mid(heading.size()).split(' ', Qt::SkipEmptyParts);
            }
        }
        return QStringList();
    };
    QCOMPARE(columns(QStringLiteral("許容押込み支持力Ｒａ (kN/本)")), (QStringList{values[0], values[1]}));
    QCOMPARE(columns(QStringLiteral("許容引抜き力Ｐａ (kN/本)")), (QStringList{values[2], values[3]}));
}

} // namespace

void CheckScreenTest::showsTheFourValuesOfEachExample() {
    const QDir examples(QStringLiteral(ZUL_SOURCE_DIR "/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.zul")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), "the example studies are bundled in examples/");
    FakeUiServices ui;
    AppSandbox sandbox;
    for (const QString& name : files) {
        auto window = sandbox.makeWindow();
        const std::string path = examples.filePath(name).toStdString();
        window->fileCommands().OpenFile(path);
        QVERIFY2(ui.messages.isEmpty(), qPrintable(name));
        const auto expected = ExpectedValues(window->document());
        const CheckScreenSeen seen = PressCheckButton(*window);
        if (expected[0].isEmpty()) {
            // A study that does not calculate (a new one has no ground) shows the error instead.
            QVERIFY2(!seen.opened, qPrintable(name));
            QCOMPARE(ui.messages.size(), 1);
            QCOMPARE(ui.messages[0].text,
                     QStringLiteral("計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n\n"
                                    "原因：地盤条件の層がありません。層を1つ以上入力して下さい。"));
            ui.messages.clear();
            continue;
        }
        QVERIFY2(seen.opened, qPrintable(name));
        QCOMPARE(seen.values, expected);
        CompareWithCommandLine(path, seen.values);
    }
}

void CheckScreenTest::showsTheValuesOfAWrittenStudy() {
    FakeUiServices ui;
    AppSandbox sandbox;
    const std::string file = sandbox.path("study.zul");
    WriteStudy(SampleStudy(), file);
    auto window = sandbox.makeWindow();
    window->show();
    window->fileCommands().OpenFile(file);

    basCalcMain calc;
    QVERIFY(calc.CalcRa(SampleStudy()));
    const CheckScreenSeen seen = PressCheckButton(*window);
    QVERIFY(seen.opened);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(seen.caption, QStringLiteral("杭支持力の確認"));
    QVERIFY(!seen.helpEnabled);
    QVERIFY(!seen.mainCommandsEnabled);
    // Normal and earthquake Ra in the first two fields, Pa in the last two.
    QCOMPARE(seen.values[0], QString::fromStdString(FormatNumber(calc.CalcPair(0).Ra(), "###,##0.0")));
    QCOMPARE(seen.values[1], QString::fromStdString(FormatNumber(calc.CalcPair(1).Ra(), "###,##0.0")));
    QCOMPARE(seen.values[2], QString::fromStdString(FormatNumber(calc.CalcPair(0).Pa(), "###,##0.0")));
    QCOMPARE(seen.values[3], QString::fromStdString(FormatNumber(calc.CalcPair(1).Pa(), "###,##0.0")));
    QVERIFY(seen.values[0] != seen.values[1]);
    // The main window takes commands again, and the screen is gone.
    QVERIFY(window->FindMenuButton("ResOutRa")->isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(window->findChild<frmResOutRa*>() == nullptr);
}

void CheckScreenTest::zeroSafetyFactorShowsCalculationErrorAndOpensNothing() {
    FakeUiServices ui;
    AppSandbox sandbox;
    ProjectDocument study = SampleStudy();
    study.Anzen(1) = CellValue::Number(0.0);
    const std::string file = sandbox.path("zero.zul");
    WriteStudy(study, file);
    auto window = sandbox.makeWindow();
    window->fileCommands().OpenFile(file);
    QVERIFY(ui.messages.isEmpty());

    const CheckScreenSeen seen = PressCheckButton(*window);
    QVERIFY(!seen.opened);
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages[0].text,
             QStringLiteral(
                 "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n\n"
                 "原因：安全率（常時・支 持 杭）が 0 です。支持力は安全率で割るため，0 以外にして下さい。"));
    QCOMPARE(ui.messages[0].title, QStringLiteral("vezarivezorazi"));
    QCOMPARE(ui.messages[0].icon, MessageIcon::Information);
    QCOMPARE(ui.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(window->FindMenuButton("ResOutRa")->isEnabled());
    QCOMPARE(CPrivateProfile::GetValueString(sandbox.iniFile(), "ResOutRa", "Top"), std::string());
}

void CheckScreenTest::screenTextsAndDisplayPattern() {
    AppSandbox sandbox;
    frmResOutRa screen(sandbox.iniFile());
    QStringList labels;
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* text : {"許容値の種類", "常　　時", "地　震　時", "許容押込み支持力Ｒａ (kN/本)",
                             "許容引抜き力Ｐａ (kN/本)"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    }
    QCOMPARE(screen.findChild<QPushButton*>("cmdClose")->text(), QStringLiteral("閉じる(&C)"));

    const std::array<double, 4> values{1863.8, 1200.0, -12.34, 999999.9};
    const std::array<QString, 4> shown{"1,863.8", "1,200.0", "-12.3", "999,999.9"};
    for (int i = 0; i < 4; ++i) {
        screen.setNumEp(i, values[static_cast<std::size_t>(i)]);
        QCOMPARE(screen.numEpText(i), shown[static_cast<std::size_t>(i)]);
        QCOMPARE(screen.numEp(i), values[static_cast<std::size_t>(i)]);
        QVERIFY(screen.findChild<QLineEdit*>(QStringLiteral("numEp%1").arg(i))->isReadOnly());
    }

    // A caption override replaces the caption; a help file enables help.
    screen.setUsrCaption(QStringLiteral("確認"));
    screen.setUsrHelpFile(QStringLiteral("/nonexistent/help.html"));
    int loads = 0;
    QObject::connect(&screen, &frmResOutRa::LoadData, [&] { ++loads; });
    screen.show();
    QCOMPARE(screen.windowTitle(), QStringLiteral("確認"));
    QVERIFY(screen.findChild<QPushButton*>("cmdHelp")->isEnabled());
    QCOMPARE(loads, 1);
    screen.hide();
    screen.show();
    QCOMPARE(loads, 1);
}

void CheckScreenTest::valuesBeyondTheFieldRangeShowEveryDigit() {
    AppSandbox sandbox;
    frmResOutRa screen(sandbox.iniFile());
    // A pile length typed in millimetres gives results like these: every digit and the sign
    // must stay visible, not only the end of the text.
    const std::array<double, 4> values{-1136302.4, -12345678901234.5, 1139429.6, 12.5};
    for (int i = 0; i < 4; ++i) {
        screen.setNumEp(i, values[static_cast<std::size_t>(i)]);
    }
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.numEpText(1), QStringLiteral("-12,345,678,901,234.5"));
    for (int i = 0; i < 4; ++i) {
        const auto* field = screen.findChild<QLineEdit*>(QStringLiteral("numEp%1").arg(i));
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        const int textSpace = field->width() - 2 * frame - 4; // the line edit keeps 2 pixels each side
        QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= textSpace,
                 qPrintable(field->text()));
    }
    // The usual values keep the usual field width.
    frmResOutRa usual(sandbox.iniFile());
    usual.setNumEp(0, 1863.8);
    const auto* first = usual.findChild<QLineEdit*>(QStringLiteral("numEp0"));
    const auto* second = usual.findChild<QLineEdit*>(QStringLiteral("numEp1"));
    QCOMPARE(first->minimumWidth(), second->minimumWidth());
}

void CheckScreenTest::placementIsCentredFirstAndRestoredAfterClosing() {
    AppSandbox sandbox;
    const std::string ini = sandbox.iniFile();
    QPoint moved;
    {
        frmResOutRa screen(ini);
        screen.show();
        const QRect area = screen.screen()->geometry();
        const QSize frame = screen.frameGeometry().size();
        QCOMPARE(screen.pos().x() - area.x(), std::max(0, (area.width() - frame.width()) / 2));
        QCOMPARE(screen.pos().y() - area.y(), std::max(0, (area.height() - frame.height()) / 2));
        moved = screen.pos() + QPoint(-30, 25);
        screen.move(moved);
        QTest::mouseClick(screen.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
    }
    QVERIFY(CPrivateProfile::GetValueLong(ini, "ResOutRa", "Top") > 0);
    frmResOutRa again(ini);
    again.show();
    QCOMPARE(again.pos(), moved);
}

// N values entered down to 19 m and a driven pile with the automatic tip resistance reaching
// 21 m: the screen says so below the four values, which stay those of the calculation.  An
// ordinary study shows no note and keeps the screen's size.
void CheckScreenTest::showsThePlausibilityNoteBelowTheValues() {
    FakeUiServices ui;
    AppSandbox sandbox;
    const ProjectDocument study = testdocs::DrivenPileBelowDeepestN();
    const std::string file = sandbox.path("deep.zul");
    WriteStudy(study, file);
    auto window = sandbox.makeWindow();
    window->show();
    window->fileCommands().OpenFile(file);
    const CheckScreenSeen seen = PressCheckButton(*window);
    QVERIFY(seen.opened);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(seen.values, ExpectedValues(study));
    QVERIFY(seen.notesShown);
    QCOMPARE(seen.notesText,
             QStringLiteral("注意：杭先端（深度 21.000 m）が入力された最深のN値（深度 19.000 m）より深く、"
                            "先端支持力度の自動計算にN値がないため、先端支持力度 qd が 0 です。"
                            "N値の入力範囲を確認して下さい。"));

    // The sample study takes the pile weight into Pa with γp1 = γp2 = 0, as a new study does.
    const std::string weightlessFile = sandbox.path("weightless.zul");
    WriteStudy(SampleStudy(), weightlessFile);
    window->fileCommands().OpenFile(weightlessFile);
    const CheckScreenSeen weightless = PressCheckButton(*window);
    QVERIFY(weightless.notesShown);
    QVERIFY2(weightless.notesText.startsWith(QStringLiteral("注意：杭の自重を考慮する設定ですが")) &&
                 weightless.notesText.contains(QStringLiteral("杭の自重 W が 0 です")),
             qPrintable(weightless.notesText));

    ProjectDocument ordinaryStudy = SampleStudy();
    ordinaryStudy.InpJyoken.Gp1 = 24.5;
    ordinaryStudy.InpJyoken.Gp2 = 14.5;
    const std::string ordinaryFile = sandbox.path("ordinary.zul");
    WriteStudy(ordinaryStudy, ordinaryFile);
    window->fileCommands().OpenFile(ordinaryFile);
    const CheckScreenSeen ordinary = PressCheckButton(*window);
    QVERIFY(ordinary.opened);
    QVERIFY(!ordinary.notesShown);
    QVERIFY(ordinary.height < seen.height);

    // The screen grows by the notes and returns to its size without them; the notes wrap at the
    // width of the values rather than widen it.
    frmResOutRa screen(sandbox.iniFile());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    const QSize plain = screen.size();
    QCOMPARE(plain.height(), ordinary.height);
    screen.setNotes(
        {QString::fromUtf8("杭先端（標高 -20.000 m）が最下層の下端（標高 -15.000 m）より深く、その間の地盤は"
                           "計算に含まれていません。地層の層厚と杭長を確認して下さい。"),
         QStringLiteral("二つ目")});
    QTRY_VERIFY(screen.height() > plain.height());
    QCOMPARE(screen.width(), plain.width());
    QCOMPARE(screen.notes().size(), 2);
    QVERIFY(screen.findChild<QLabel*>("lblNotes")->text().endsWith(QStringLiteral("\n注意：二つ目")));
    screen.setNotes({});
    QTRY_COMPARE(screen.size(), plain);
    QVERIFY(!screen.findChild<QFrame*>("fraNotes")->isVisible());
}

ZUL_QTEST_MAIN(CheckScreenTest)
#include "CheckScreenTest.moc"
