// The plotted points of the sample studies are the numbers `zul-cli table --json` prints for
// the same files: screen and terminal show one calculation.
#include "QtTestRunner.h"
#include "calc/basCalcMain.h"
#include "io/InputDataFile.h"
#include "ui/AppContext.h"
#include "ui/results/frmResOutRaTable.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace zul;

class GraphExamplesTest : public QObject {
    Q_OBJECT
private slots:
    void plottedPointsEqualTheTerminalTable() {
        const QString cli = QStringLiteral(ZUL_CLI_PATH);
        QVERIFY2(QFileInfo(cli).isExecutable(), "zul-cli is built before this test");
        const QDir examples(QStringLiteral(ZUL_SOURCE_DIR "/examples"));
        const QStringList files = examples.entryList({QStringLiteral("*.zul")}, QDir::Files, QDir::Name);
        QTemporaryDir dir;
        int compared = 0;
        for (const QString& name : files) {
            const QString path = examples.filePath(name);
            QProcess process;
            process.start(cli, {QStringLiteral("table"), QStringLiteral("--json"), path});
            QVERIFY(process.waitForFinished(60000));
            const QJsonObject json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
            if (!json.value(QStringLiteral("ok")).toBool() ||
                json.value(QStringLiteral("ResultCount")).toInt() == 0) {
                continue; // a study without a table has no graph to compare
            }
            ProjectDocument doc;
            int error = 0;
            QVERIFY2(LoadInputData(doc, path.toStdString(), error), qPrintable(name));
            basCalcMain calc;
            QVERIFY(calc.CalcRaTable(doc));
            ProgramPaths paths;
            paths.iniFile = dir.filePath(QStringLiteral("Zul.ini")).toStdString();
            paths.metafileFolder = dir.path().toStdString();
            AppContext context{doc, calc, paths};
            frmResOutRaTable screen(context);
            const QJsonArray tables = json.value(QStringLiteral("ResultTables")).toArray();
            const char* columns[] = {"Ra", "Pa", "Rae", "Pae"};
            for (int graph = 1; graph <= 4; ++graph) {
                screen.selectTab(QString::fromLatin1(GraphKindOf(graph).tabKey));
                const GraphData& data = screen.currentGraph();
                QCOMPARE(static_cast<qsizetype>(data.series.size()), tables.size());
                for (qsizetype s = 0; s < tables.size(); ++s) {
                    const QJsonArray rows = tables.at(s).toArray();
                    const auto& points = data.series[static_cast<std::size_t>(s)].points;
                    QCOMPARE(static_cast<qsizetype>(points.size()), rows.size());
                    for (qsizetype i = 0; i < rows.size(); ++i) {
                        const QJsonObject row = rows.at(i).toObject();
                        QCOMPARE(points[static_cast<std::size_t>(i)].x(),
                                 row.value(QLatin1String(columns[graph - 1])).toDouble());
                        QCOMPARE(points[static_cast<std::size_t>(i)].y(),
                                 row.value(QStringLiteral("L")).toDouble());
                    }
                }
            }
            ++compared;
        }
        QVERIFY2(compared > 0, "no sample study with a table");
    }
};

ZUL_QTEST_MAIN(GraphExamplesTest)
#include "GraphExamplesTest.moc"
