// The site study window through its real widgets: the run agrees with the site run itself,
// the table sorts, a cancelled run keeps what it finished, inputs that cannot run are refused
// with a message, and CSV and the report are written.
#include "FakeUiServices.h"
#include "QtTestRunner.h"
#include "SiteFixture.h"

#include "site/SiteCsv.h"
#include "site/SiteRun.h"
#include "ui/site/SiteEnvelopeChart.h"
#include "ui/site/SiteInputPanel.h"
#include "ui/site/SitePlanView.h"
#include "ui/site/SiteStudyDialog.h"
#include "ui/site/SiteTableModel.h"
#include "util/NumberFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace zul;
using namespace zul::test;

namespace {

ProgramPaths Paths() {
    ProgramPaths paths;
    paths.programFolder = ZUL_PROGRAM_DIR;
    paths.definitionFolder = ZUL_PROGRAM_DIR;
    paths.dataFolder = QDir::tempPath().toStdString();
    return paths;
}

} // namespace

// The dialog on the fixture's folder with a push-in load that some boreholes cannot carry.
// (Outside the unnamed namespace: the test class's lambdas capture it.)
struct Shown {
    explicit Shown(const SiteFixture& site, std::function<bool(const std::string&)> open = {})
        : paths(Paths()), dialog(site.base, paths, std::move(open)) {
        dialog.show();
        services.pathLists.push_back({site.folder()});
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdAddFolder"), Qt::LeftButton);
        dialog.findChild<QLineEdit*>("txtOutDir")->setText(site.outDir());
        dialog.findChild<QCheckBox*>("chkLoadRa")->setChecked(true);
        dialog.findChild<QDoubleSpinBox*>("numLoadRa")->setValue(340);
        dialog.findChild<QDoubleSpinBox*>("numLoadRae")->setValue(450);
    }
    bool Run() {
        QTest::mouseClick(dialog.cmdRun(), Qt::LeftButton);
        return QTest::qWaitFor([&] { return !dialog.Running(); }, 60000);
    }
    QString Cell(int row, int column) const {
        return dialog.table()->model()->index(row, column).data().toString();
    }

    FakeUiServices services;
    ProgramPaths paths;
    SiteStudyDialog dialog;
};

namespace {

// Every import choice and a pull-out load set through the widgets; the same as run options.
site::SiteOptions ChooseEverything(SiteStudyDialog& dialog) {
    dialog.findChild<QCheckBox*>("chkMaxDepth")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numMaxDepth")->setValue(15);
    dialog.findChild<QComboBox*>("cboNDepth")->setCurrentIndex(1);
    dialog.findChild<QCheckBox*>("chkNCap")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numNCap")->setValue(12);
    dialog.findChild<QCheckBox*>("chkKeepDesign")->setChecked(true);
    dialog.findChild<QCheckBox*>("chkKeepPileHead")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numLoadRa")->setValue(150);
    dialog.findChild<QDoubleSpinBox*>("numLoadRae")->setValue(200);
    dialog.findChild<QCheckBox*>("chkLoadPa")->setChecked(true);
    dialog.findChild<QDoubleSpinBox*>("numLoadPa")->setValue(100);
    dialog.findChild<QDoubleSpinBox*>("numLoadPae")->setValue(150);
    site::SiteOptions options;
    options.import.maxDepth = 15;
    options.import.nDepth = NDepthReference::Start;
    options.import.nCap = 12;
    options.import.keepDesignLevels = true;
    options.import.keepPileHead = true;
    options.loads.pushIn = site::DesignLoad{150, 200};
    options.loads.pullOut = site::DesignLoad{100, 150};
    return options;
}

// The site run on the same files and loads, as the terminal command makes it.
std::vector<site::BoreholeResult> DirectRun(const SiteFixture& site, site::SiteOptions options,
                                            site::SiteEnvelope& envelope) {
    options.outDir = site.file(QStringLiteral("direct")).toStdString();
    std::filesystem::create_directories(options.outDir);
    if (!options.loads.pushIn) {
        options.loads.pushIn = site::DesignLoad{340, 450};
    }
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(site.folder().toStdString())) {
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    std::vector<site::BoreholeResult> results;
    envelope = site::RunSite(site.base, files, options, [&](const site::BoreholeResult& b) {
                   results.push_back(b);
               }).envelope;
    return results;
}

} // namespace

class SiteStudyDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Every row shows what the site run gives for its file with the choices made; refused and
    // failed rows are marked; the chart holds the run's envelope and the plan every borehole
    // with a position.
    void tableAgreesWithTheSiteRun_data() {
        QTest::addColumn<bool>("choices");
        QTest::newRow("defaults") << false;
        QTest::newRow("every choice") << true;
    }
    void tableAgreesWithTheSiteRun() {
        QFETCH(bool, choices);
        SiteFixture site(6);
        Shown shown(site);
        const site::SiteOptions options = choices ? ChooseEverything(shown.dialog) : site::SiteOptions();
        QVERIFY(shown.Run());
        site::SiteEnvelope envelope;
        const std::vector<site::BoreholeResult> direct = DirectRun(site, options, envelope);
        SiteTableModel& model = *shown.dialog.model();
        QCOMPARE(model.rowCount(), 8);
        int missing = 0;
        for (int row = 0; row < 8; ++row) {
            const site::BoreholeResult& b = direct[static_cast<std::size_t>(row)];
            QCOMPARE(shown.Cell(row, 1), QFileInfo(QString::fromStdString(b.file)).fileName());
            QCOMPARE(shown.Cell(row, 3), StatusText(b.status));
            QCOMPARE(shown.dialog.model()->Boreholes()[static_cast<std::size_t>(row)].notes, b.notes);
            for (std::size_t d = 0; d < b.required.size(); ++d) {
                const int column = SiteTableModel::kFixedColumns + 5 * static_cast<int>(d);
                const auto& r = b.required[d].row;
                missing += r ? 0 : 1;
                const QString expected = r ? QString::fromStdString(FormatNumber(r->L, "##0.0"))
                                           : (b.status == site::BoreholeStatus::Ok ? "該当なし" : "");
                QCOMPARE(shown.Cell(row, column), expected);
                QCOMPARE(shown.Cell(row, column + 1),
                         r ? QString::fromStdString(FormatNumber(r->Ra, "###,##0.0")) : QString());
            }
            const QVariant background = shown.dialog.table()->model()->index(row, 0).data(Qt::BackgroundRole);
            QCOMPARE(background.isValid(), b.status != site::BoreholeStatus::Ok);
        }
        QVERIFY2(missing > 6 && missing < 24, qPrintable(QString::number(missing))); // found and missing
        QCOMPARE(shown.Cell(6, 3), QStringLiteral("取込不可"));
        QCOMPARE(shown.Cell(7, 3), QStringLiteral("失敗"));
        QVERIFY(!shown.Cell(7, model.NotesColumn()).isEmpty());
        const auto& chart = shown.dialog.chart()->Envelope().Diameters();
        QCOMPARE(chart.size(), envelope.Diameters().size());
        for (std::size_t d = 0; d < chart.size(); ++d) {
            QCOMPARE(chart[d].rows.size(), envelope.Diameters()[d].rows.size());
            for (std::size_t i = 0; i < chart[d].rows.size(); ++i) {
                QCOMPARE(chart[d].rows[i].least[0].value, envelope.Diameters()[d].rows[i].least[0].value);
                QCOMPARE(chart[d].rows[i].least[2].file, envelope.Diameters()[d].rows[i].least[2].file);
            }
        }
        QCOMPARE(shown.dialog.plan()->Placed() + shown.dialog.plan()->Unplaced(), 8u);
        QCOMPARE(shown.dialog.plan()->Unplaced(), 2u); // the refused and the broken file have none
        QVERIFY(shown.dialog.status()->text().contains(QStringLiteral("取込不可 1，失敗 1")));
    }

    // A click on a column heading sorts by its values; a missing length sorts after every length.
    void headingClickSorts_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::newRow("number, descending") << 0 << 2;
        QTest::newRow("name") << 2 << 1;
        QTest::newRow("required length") << SiteTableModel::kFixedColumns << 1;
        QTest::newRow("Ra of the second diameter") << SiteTableModel::kFixedColumns + 6 << 1;
    }
    void headingClickSorts() {
        QFETCH(int, column);
        QFETCH(int, clicks);
        SiteFixture site(6);
        Shown shown(site);
        QVERIFY(shown.Run());
        QHeaderView* header = shown.dialog.table()->horizontalHeader();
        shown.dialog.table()->sortByColumn(1, Qt::AscendingOrder);
        for (int i = 0; i < clicks; ++i) {
            const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        }
        const Qt::SortOrder order = clicks == 2 ? Qt::DescendingOrder : Qt::AscendingOrder;
        QCOMPARE(header->sortIndicatorSection(), column);
        const QAbstractItemModel* shownModel = shown.dialog.table()->model();
        for (int row = 1; row < shownModel->rowCount(); ++row) {
            const QVariant before = shownModel->index(row - 1, column).data(SiteTableModel::kSortRole);
            const QVariant after = shownModel->index(row, column).data(SiteTableModel::kSortRole);
            const auto compared = QVariant::compare(before, after);
            QVERIFY(order == Qt::AscendingOrder ? compared <= 0 : compared >= 0);
        }
        if (column >= SiteTableModel::kFixedColumns) {
            QVERIFY(!shown.Cell(0, column).isEmpty());
            QVERIFY(shown.Cell(7, column).isEmpty() || shown.Cell(7, column) == QStringLiteral("該当なし"));
        }
    }

    // A click on a point of the plan chooses its borehole in the table, ready to be opened.
    void clickOnThePlanChoosesTheBorehole() {
        SiteFixture site(5);
        Shown shown(site);
        QVERIFY(shown.Run());
        shown.dialog.table()->sortByColumn(2, Qt::DescendingOrder);
        shown.dialog.tabs()->setCurrentIndex(2);
        for (const std::size_t row : {std::size_t{3}, std::size_t{0}}) {
            const std::optional<QPointF> at = shown.dialog.plan()->PointPosition(row);
            QVERIFY(at);
            QTest::mouseClick(shown.dialog.plan(), Qt::LeftButton, {}, at->toPoint() + QPoint(2, 1));
            const QModelIndexList chosen = shown.dialog.table()->selectionModel()->selectedRows();
            QCOMPARE(chosen.size(), 1);
            QCOMPARE(chosen[0].siblingAtColumn(0).data().toString(), QString::number(row + 1));
            QVERIFY(shown.dialog.cmdOpenStudy()->isEnabled());
        }
        QVERIFY(!shown.dialog.plan()->PointPosition(6)); // the broken file has no position
    }

    // Cancel starts no further borehole: the rows are the first files in order, each with its
    // study written, and the status says how many were left.
    void cancelKeepsWhatIsDone() {
        SiteFixture site(60, false);
        Shown shown(site);
        QTest::mouseClick(shown.dialog.cmdRun(), Qt::LeftButton);
        QVERIFY(shown.dialog.Running());
        QVERIFY(!shown.dialog.cmdRun()->isEnabled());
        QTest::mouseClick(shown.dialog.cmdCancel(), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !shown.dialog.Running(); }, 60000));
        const auto& rows = shown.dialog.model()->Boreholes();
        QVERIFY(rows.size() < 60);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(QFileInfo(QString::fromStdString(rows[i].file)).fileName(),
                     QString::fromStdString(SiteFixture::Name(static_cast<int>(i))));
            QVERIFY(QFileInfo::exists(QString::fromStdString(rows[i].study)));
        }
        QCOMPARE(shown.dialog.progress()->value(), static_cast<int>(rows.size()));
        QVERIFY(shown.dialog.status()->text().startsWith(
            QStringLiteral("中止しました。残りの %1 本は検討していません。").arg(60 - rows.size())));
        QVERIFY(shown.dialog.cmdRun()->isEnabled());
    }

    // What cannot run says why and starts nothing.
    void inputsThatCannotRunAreRefused_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("no paths") << "paths"
                                  << "ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙまたはﾌｫﾙﾀﾞを追加して下さい。";
        QTest::newRow("empty folder") << "empty"
                                      << "ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙ（*.xml）がありません。";
        QTest::newRow("no output folder") << "out"
                                          << "出力先ﾌｫﾙﾀﾞを指定して下さい。";
        QTest::newRow("no study table") << "table"
                                        << "支持力検討表の杭径がありません。";
        QTest::newRow("output folder is a file") << "file"
                                                 << "出力先のﾌｫﾙﾀﾞを作れません。";
    }
    void inputsThatCannotRunAreRefused() {
        QFETCH(QString, change);
        QFETCH(QString, message);
        SiteFixture site(1);
        if (change == "table") {
            for (std::size_t i = 11; i <= 20; ++i) {
                site.base.RaTable(i) = CellValue();
            }
        }
        Shown shown(site);
        auto* paths = shown.dialog.findChild<QListWidget*>("lstPaths");
        if (change == "paths" || change == "empty") {
            paths->clear();
        }
        if (change == "empty") {
            QDir().mkpath(site.file("none"));
            shown.dialog.inputs()->AddPaths({site.file("none")});
        }
        if (change == "out" || change == "file") {
            QFile file(site.file("taken"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            shown.dialog.inputs()->SetOutDir(change == "out" ? QString() : site.file("taken"));
        }
        QVERIFY(shown.Run());
        QCOMPARE(shown.services.messages.size(), 1);
        QVERIFY2(shown.services.messages[0].text.contains(message),
                 qPrintable(shown.services.messages[0].text));
        QCOMPARE(shown.dialog.model()->rowCount(), 0);
        QVERIFY(!QFileInfo::exists(site.outDir()));
    }

    // Studies of the same name in the output folder are replaced only when the user agrees.
    void overwriteIsAsked() {
        SiteFixture site(2, false);
        Shown shown(site);
        QDir().mkpath(site.outDir());
        QFile old(site.outDir() + "/b01.zul");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        shown.services.answers = {MessageAnswer::Cancel};
        QVERIFY(shown.Run());
        QCOMPARE(shown.services.messages.size(), 1);
        QVERIFY(shown.services.messages[0].text.contains(QStringLiteral("検討ﾌｧｲﾙ 1 個を上書きします")));
        QCOMPARE(shown.dialog.model()->rowCount(), 0);
        shown.services.answers = {MessageAnswer::Ok};
        QVERIFY(shown.Run());
        QCOMPARE(shown.dialog.model()->rowCount(), 2);
        QVERIFY(QFileInfo(site.outDir() + "/b01.zul").size() > 3);
    }

    // CSV holds the rows of the run in file order; the report is written and handed to the
    // preview program.
    void csvAndReportAreWritten_data() {
        QTest::addColumn<int>("studied");
        QTest::newRow("three studied") << 3;
        QTest::newRow("every borehole refused or failed") << 0;
    }
    void csvAndReportAreWritten() {
        QFETCH(int, studied);
        SiteFixture site(studied);
        Shown shown(site);
        QStringList started;
        shown.dialog.setProgramStarter([&](const QString& program, const QStringList& arguments) {
            started = QStringList{program} + arguments;
            return true;
        });
        QVERIFY(!shown.dialog.cmdCsv()->isEnabled());
        QVERIFY(shown.Run());
        shown.dialog.table()->sortByColumn(2, Qt::DescendingOrder);
        shown.services.files.push_back(site.file("site.csv"));
        QTest::mouseClick(shown.dialog.cmdCsv(), Qt::LeftButton);
        site::SiteCsv expected(shown.dialog.model()->Diameters());
        for (const site::BoreholeResult& b : shown.dialog.model()->Boreholes()) {
            expected.Add(b);
        }
        QFile csv(site.file("site.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().toStdString(), expected.Text());

        QTest::mouseClick(shown.dialog.cmdPrint(), Qt::LeftButton);
        QCOMPARE(started.value(0), QStringLiteral(ZUL_PROGRAM_DIR "/Preview"));
        QCOMPARE(started.constLast(), QString::fromStdString(shown.dialog.lastReport()));
        QVERIFY(QFileInfo(started.constLast()).size() > 1000);
        QCOMPARE(QDir(QFileInfo(started.constLast()).path()).entryList({"SITEG*.IDX"}).size(), studied);
        QVERIFY(shown.services.messages.isEmpty());
        // The chart and the plan draw whatever the run gave.
        QCOMPARE(shown.dialog.chart()->Envelope().Diameters().empty(), studied == 0);
        QVERIFY(!shown.dialog.chart()->grab().isNull() && !shown.dialog.plan()->grab().isNull());
    }
};

ZUL_QTEST_MAIN(SiteStudyDialogTest)
#include "SiteStudyDialogTest.moc"
