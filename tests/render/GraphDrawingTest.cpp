#include "QtTestRunner.h"
#include "render/AxisScale.h"
#include "render/GraphData.h"
#include "render/GraphExport.h"
#include "render/GraphPainter.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>

using namespace zul;

namespace {

// Two diameters with rows of distinct values, so that every column can be told apart.
std::vector<GraphTable> twoDiameters() {
    GraphTable small{0.8, {{10.0, 812.3, 301.5, 1218.4, 452.2}, {12.5, 1004.1, 388.0, 1506.2, 582.0}}};
    GraphTable large{1.2,
                     {{10.0, 1530.7, 455.1, 2296.0, 682.6},
                      {12.5, 1888.8, 586.4, 2833.2, 879.6},
                      {15.0, 2250.2, 720.0, 3375.3, 1080.0}}};
    return {small, large};
}

} // namespace

class GraphDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void headerNamesTitleMethodAndKind() {
        CInpJyoken c;
        c.Title = "A棟";
        c.Sekou = 2;
        c.Siji = 0;
        QCOMPARE(GraphHeaderText(c), QStringLiteral("A棟　中堀杭工法(最終打撃方式)(支持杭)"));
        c.Title.clear();
        c.Sekou = 7;
        c.Siji = 1;
        QCOMPARE(GraphHeaderText(c), QStringLiteral("VAzavozod(摩擦杭)"));
        c.Sekou = 42; // a broken file: no method name, no crash
        QCOMPARE(GraphHeaderText(c), QStringLiteral("(摩擦杭)"));
    }

    void diameterLabelsInWholeMillimetres() {
        QCOMPARE(DiameterLabel(0.8), QStringLiteral("φ800mm"));
        QCOMPARE(DiameterLabel(1.2), QStringLiteral("φ1200mm"));
        QCOMPARE(DiameterLabel(0.1234), QStringLiteral("φ123mm"));
        QCOMPARE(DiameterLabel(1.0005), QStringLiteral("φ1001mm")); // half away from zero
        QCOMPARE(DiameterLabel(0.0994), QStringLiteral("φ99mm"));
    }

    void seriesFollowTablesAndRowsForEveryGraph() {
        CInpJyoken c;
        const auto tables = twoDiameters();
        for (int graph = 1; graph <= 4; ++graph) {
            const GraphData data = BuildGraphData(c, tables, graph);
            QCOMPARE(data.xTitle, QString::fromUtf8(GraphKindOf(graph).valueTitle));
            QCOMPARE(data.yTitle, QStringLiteral("杭長Ｌ(m)"));
            QCOMPARE(data.series.size(), std::size_t{2});
            QCOMPARE(data.series[0].label, QStringLiteral("φ800mm"));
            QCOMPARE(data.series[1].label, QStringLiteral("φ1200mm"));
            for (std::size_t s = 0; s < 2; ++s) {
                QCOMPARE(data.series[s].points.size(), tables[s].rows.size());
                for (std::size_t i = 0; i < tables[s].rows.size(); ++i) {
                    const GraphRow& row = tables[s].rows[i];
                    const double expected[] = {row.Ra, row.Pa, row.Rae, row.Pae};
                    QCOMPARE(data.series[s].points[i].x(), expected[graph - 1]);
                    QCOMPARE(data.series[s].points[i].y(), row.L);
                }
            }
        }
        QCOMPARE(BuildGraphData(c, {}, 1).series.size(), std::size_t{0});
    }

    void graphKindsAndSaveOrder() {
        QCOMPARE(QString::fromUtf8(GraphKindOf(2).tabCaption), QStringLiteral("Ｐa(常時)"));
        QCOMPARE(QString::fromUtf8(GraphKindOf(3).fileName), QStringLiteral("RA02.WMF"));
        QCOMPARE(QString::fromUtf8(GraphKindOf(4).valueTitle),
                 QStringLiteral("ﾚﾍﾞﾙ1地震時許容引抜き力Ｐa(kN/本)"));
        QCOMPARE(GraphKindOf(0).number, 1);
        const auto order = GraphSaveOrder();
        QCOMPARE((std::vector<int>(order.begin(), order.end())), (std::vector<int>{1, 3, 2, 4}));
    }

    void axisCoversDataWithNiceSteps_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("zero");
        QTest::newRow("capacities") << 812.3 << 3375.3 << true;
        QTest::newRow("lengths") << 10.0 << 20.0 << false;
        QTest::newRow("short lengths") << 5.0 << 6.2 << false;
        QTest::newRow("negative pull-out") << -120.5 << 640.0 << true;
        QTest::newRow("one value") << 12.5 << 12.5 << false;
        QTest::newRow("all zero") << 0.0 << 0.0 << true;
        QTest::newRow("tiny") << 0.001 << 0.004 << false;
        QTest::newRow("huge") << 1e12 << 5e12 << true;
    }
    void axisCoversDataWithNiceSteps() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(bool, zero);
        const AxisScale axis = ComputeAxisScale(low, high, zero);
        QVERIFY(axis.min < axis.max);
        QVERIFY(axis.min <= low && axis.max >= high);
        if (zero) {
            QVERIFY(axis.min <= 0 && axis.max >= 0);
        }
        const double mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step)));
        QVERIFY2(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                     std::fabs(mantissa - 2.5) < 1e-9 || std::fabs(mantissa - 5) < 1e-9,
                 qPrintable(QString::number(axis.step)));
        const auto ticks = axis.ticks();
        QVERIFY(ticks.size() >= 3 && ticks.size() <= 13);
        QCOMPARE(ticks.front(), axis.min);
        QVERIFY(std::fabs(ticks.back() - axis.max) < axis.step * 1e-6);
        for (const double t : ticks) {
            QVERIFY(!axis.label(t).startsWith(QStringLiteral("-0")) || t < -axis.step / 2);
        }
    }

    void axisOfNothingIsUsable() {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const AxisScale& axis : {ComputeAxisScale(nan, 1, true), ComputeAxisScale(5, 1, false),
                                      ComputeAxisScale(-1e308, 1e308, false)}) {
            QVERIFY(axis.max > axis.min && axis.step > 0);
            QVERIFY(!axis.ticks().empty());
        }
    }

    void tickLabelsReadBackAsTheirTicks() {
        for (const auto& [low, high] :
             {std::pair{10.0, 11.4}, std::pair{0.0, 3.3}, std::pair{812.3, 3375.3}}) {
            const AxisScale axis = ComputeAxisScale(low, high, false);
            QStringList labels;
            for (const double t : axis.ticks()) {
                const QString label = axis.label(t);
                QVERIFY2(std::fabs(label.toDouble() - t) < axis.step * 1e-9, qPrintable(label));
                labels << label;
            }
            labels.removeDuplicates();
            QCOMPARE(static_cast<std::size_t>(labels.size()), axis.ticks().size());
        }
    }

    void layoutPlacesEveryPointInsideThePlot() {
        const GraphData data = BuildGraphData(CInpJyoken{}, twoDiameters(), 3);
        const QRectF bounds(QPointF(0, 0), GraphCanvasSize());
        const GraphLayout layout = LayoutGraph(bounds, data);
        QVERIFY(bounds.contains(layout.plot));
        QVERIFY(!layout.legend.isEmpty());
        QVERIFY(!layout.legend.intersects(layout.plot));
        for (const auto& series : data.series) {
            for (const QPointF& p : series.points) {
                QVERIFY(layout.plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(layout.map(p)));
            }
        }
        // Longer piles higher up, larger capacities further right.
        const QPointF a = layout.map(data.series[1].points[0]);
        const QPointF b = layout.map(data.series[1].points[2]);
        QVERIFY(b.y() < a.y() && b.x() > a.x());
    }

    void hitTestFindsTheNearestPoint() {
        const GraphData data = BuildGraphData(CInpJyoken{}, twoDiameters(), 1);
        const GraphLayout layout = LayoutGraph(QRectF(0, 0, 800, 600), data);
        const QPointF target = layout.map(data.series[1].points[1]);
        const auto hit = HitTestGraph(layout, data, target + QPointF(2, -2), 6);
        QVERIFY(hit.has_value());
        QCOMPARE(hit->series, 1);
        QCOMPARE(hit->point, 1);
        QVERIFY(!HitTestGraph(layout, data, layout.plot.topLeft() + QPointF(1, 1), 6).has_value());
    }

    void emptyGraphHasNoLegendAndStillDraws() {
        const GraphData data = BuildGraphData(CInpJyoken{}, {}, 2);
        const GraphLayout layout = LayoutGraph(QRectF(0, 0, 600, 400), data);
        QVERIFY(layout.legend.isEmpty());
        const QImage image = RenderGraphImage(data, 1.0);
        QVERIFY(!image.isNull());
        // No series colour anywhere.
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                QVERIFY(image.pixelColor(x, y) != SeriesColor(0));
            }
        }
    }

    void tinyAndOddTargetsDoNotBreakTheDrawing() {
        auto tables = twoDiameters();
        tables[0].rows[1].Ra = std::numeric_limits<double>::quiet_NaN(); // skipped, not drawn
        const GraphData data = BuildGraphData(CInpJyoken{}, tables, 1);
        for (const QSize size : {QSize(1, 1), QSize(7, 5), QSize(3000, 40)}) {
            QImage image(size, QImage::Format_RGB32);
            QPainter painter(&image);
            DrawGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), data);
            painter.end();
            const GraphLayout layout = LayoutGraph(QRectF(QPointF(0, 0), QSizeF(size)), data);
            QVERIFY(layout.plot.width() >= 1 && layout.plot.height() >= 1);
        }
        const GraphLayout layout = LayoutGraph(QRectF(0, 0, 800, 600), data);
        QVERIFY(std::isfinite(layout.x.max) && layout.x.max >= 2250.2);
    }

    void imageShowsEverySeriesColour() {
        const GraphData data = BuildGraphData(CInpJyoken{}, twoDiameters(), 1);
        const QImage image = RenderGraphImage(data, 1.0);
        for (int s = 0; s < 2; ++s) {
            bool found = false;
            for (int y = 0; y < image.height() && !found; ++y) {
                for (int x = 0; x < image.width() && !found; ++x) {
                    found = image.pixelColor(x, y) == SeriesColor(s);
                }
            }
            QVERIFY2(found, qPrintable(QString::number(s)));
        }
        QVERIFY(SeriesColor(0) != SeriesColor(1));
        QCOMPARE(SeriesColor(10), SeriesColor(0));
    }

    void svgCarriesTheTexts() {
        CInpJyoken c;
        c.Title = "検討";
        const GraphData data = BuildGraphData(c, twoDiameters(), 4);
        const QString svg = QString::fromUtf8(RenderGraphSvg(data));
        QVERIFY(svg.contains(QStringLiteral("<svg")));
        // The generator writes a text one script run at a time: join the runs in order.
        QString texts;
        const QRegularExpression run(QStringLiteral(">([^<]*)</text>"));
        for (auto it = run.globalMatch(svg); it.hasNext();) {
            texts += it.next().captured(1);
        }
        for (const QString& text : {data.xTitle, data.yTitle, data.header, QStringLiteral("φ1200mm")}) {
            QVERIFY2(texts.contains(text.toHtmlEscaped()), qPrintable(text));
        }
    }

    // A study table of thousands of lengths: the curve and its markers are drawn no closer than
    // can be seen, so the metafile the report prints stays small; a short table keeps every marker.
    void longTablesDrawOnlyWhatCanBeSeen() {
        const auto graphOf = [](int rows) {
            GraphData data;
            data.header = QStringLiteral("H");
            GraphSeries series{QStringLiteral("φ800mm"), {}};
            for (int i = 0; i < rows; ++i) {
                const double length = 1.0 + 999.0 * i / (rows - 1);
                series.points.emplace_back(1000.0 + 500.0 * std::sin(length / 50.0), length);
            }
            data.series.push_back(series);
            return RenderGraphMetafile(data).size();
        };
        const auto shortTable = graphOf(20);
        const auto mediumTable = graphOf(40);
        const auto longTable = graphOf(10000);
        QVERIFY(mediumTable > shortTable); // every marker of a short table is drawn
        QVERIFY2(longTable < 20 * shortTable,
                 qPrintable(QStringLiteral("%1 %2").arg(longTable).arg(shortTable)));
    }
};

ZUL_QTEST_MAIN(GraphDrawingTest)
#include "GraphDrawingTest.moc"
