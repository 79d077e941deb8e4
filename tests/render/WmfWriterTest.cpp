#include "QtTestRunner.h"
#include "SampleGraph.h"
#include "WmfRecords.h"

#include "render/GraphExport.h"
#include "render/GraphPainter.h"
#include "render/MetafileText.h"
#include "render/WmfPaintDevice.h"
#include "render/WmfRecorder.h"
#include "util/Cp932.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>

using namespace zul;
using namespace zul::test;

namespace {

constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kCreatePen = 0x02FA;
constexpr std::uint16_t kCreateBrush = 0x02FC;
constexpr std::uint16_t kCreateFont = 0x02FB;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;

QByteArray cp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const auto encoded =
        EncodeCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    return encoded ? QByteArray::fromStdString(*encoded) : QByteArray();
}

std::vector<QByteArray> textsOf(const WmfFile& file) {
    std::vector<QByteArray> texts;
    for (const WmfRecord& r : file.records) {
        if (r.function == kTextOut) {
            texts.push_back(r.params.mid(2, r.word(0)));
        }
    }
    return texts;
}

std::vector<std::vector<QPoint>> polylinesOf(const WmfFile& file) {
    std::vector<std::vector<QPoint>> lines;
    for (const WmfRecord& r : file.records) {
        if (r.function == kPolyline) {
            std::vector<QPoint> points;
            for (int i = 0; i < r.word(0); ++i) {
                points.emplace_back(r.word(1 + 2 * i), r.word(2 + 2 * i));
            }
            lines.push_back(points);
        }
    }
    return lines;
}

} // namespace

class WmfWriterTest : public QObject {
    Q_OBJECT
private slots:
    void placeableHeaderAndConsistentSizes() {
        const WmfFile file = ReadWmf(RenderGraphMetafile(sampleGraph(1)));
        QCOMPARE(file.key, 0x9AC6CDD7u);
        QCOMPARE(file.checksum, file.computedChecksum);
        QCOMPARE(file.inch, std::uint16_t{1440});
        const QSizeF canvas = GraphCanvasSize();
        QCOMPARE(file.box[0], std::int16_t{0});
        QCOMPARE(file.box[1], std::int16_t{0});
        QCOMPARE(file.box[2], static_cast<std::int16_t>(std::lround(canvas.width()) * 15));
        QCOMPARE(file.box[3], static_cast<std::int16_t>(std::lround(canvas.height()) * 15));
        // 160 mm by 110 mm within a millimetre, as the report places the picture.
        QVERIFY(std::fabs(file.box[2] / 1440.0 * 25.4 - 160) < 1);
        QVERIFY(std::fabs(file.box[3] / 1440.0 * 25.4 - 110) < 1);
        QVERIFY(file.wellFormed);
        QCOMPARE(file.maxRecord, file.largestRecord);
    }

    void objectsAreCreatedSelectedAndDeletedByTheSlotRule() {
        const WmfFile file = ReadWmf(RenderGraphMetafile(sampleGraph(2)));
        std::vector<bool> live;
        std::size_t peak = 0;
        int created = 0;
        for (const WmfRecord& r : file.records) {
            if (r.function == kCreatePen || r.function == kCreateBrush || r.function == kCreateFont) {
                auto slot = std::find(live.begin(), live.end(), false);
                if (slot == live.end()) {
                    live.push_back(true);
                } else {
                    *slot = true;
                }
                peak = std::max<std::size_t>(
                    peak, static_cast<std::size_t>(std::count(live.begin(), live.end(), true)));
                ++created;
            } else if (r.function == kSelectObject) {
                const auto slot = static_cast<std::size_t>(r.word(0));
                QVERIFY2(slot < live.size() && live[slot], "select of an object that does not exist");
            } else if (r.function == kDeleteObject) {
                const auto slot = static_cast<std::size_t>(r.word(0));
                QVERIFY2(slot < live.size() && live[slot], "delete of an object that does not exist");
                live[slot] = false;
            }
        }
        QVERIFY(created >= 3);
        QCOMPARE(std::count(live.begin(), live.end(), true), 0);
        QVERIFY(file.objects >= peak);
    }

    void fontsAreShiftJisAndTextsCodePage932() {
        const GraphData data = sampleGraph(3);
        const WmfFile file = ReadWmf(RenderGraphMetafile(data));
        int fonts = 0;
        for (const WmfRecord& r : file.records) {
            if (r.function == kCreateFont) {
                ++fonts;
                QCOMPARE(static_cast<unsigned char>(r.params.at(13)), static_cast<unsigned char>(128));
                QVERIFY(r.word(0) < 0); // character height
            }
        }
        QVERIFY(fonts >= 2);
        const auto texts = textsOf(file);
        for (const QString& expected :
             {data.header, data.xTitle, data.yTitle, data.series[0].label, data.series[1].label}) {
            QVERIFY2(std::find(texts.begin(), texts.end(), cp932(expected)) != texts.end(),
                     qPrintable(expected));
        }
    }

    void curvesAreTheScreenCurves() {
        const GraphData data = sampleGraph(1);
        const WmfFile file = ReadWmf(RenderGraphMetafile(data));
        const QSizeF canvas = GraphCanvasSize();
        const GraphLayout layout =
            LayoutGraph(QRectF(0, 0, std::lround(canvas.width()), std::lround(canvas.height())), data);
        const auto lines = polylinesOf(file);
        for (const GraphSeries& series : data.series) {
            const auto match = std::find_if(lines.begin(), lines.end(), [&](const std::vector<QPoint>& line) {
                if (line.size() != series.points.size()) {
                    return false;
                }
                for (std::size_t i = 0; i < line.size(); ++i) {
                    const QPointF expected = layout.map(series.points[i]) * 15;
                    if (std::fabs(line[i].x() - expected.x()) > 1 ||
                        std::fabs(line[i].y() - expected.y()) > 1) {
                        return false;
                    }
                }
                return true;
            });
            QVERIFY2(match != lines.end(), qPrintable(series.label));
        }
    }

    void emptyGraphIsAValidPictureWithItsTitles() {
        const GraphData data = BuildGraphData(CInpJyoken{}, {}, 4);
        const WmfFile file = ReadWmf(RenderGraphMetafile(data));
        QVERIFY(file.wellFormed);
        const auto texts = textsOf(file);
        QVERIFY(std::find(texts.begin(), texts.end(), cp932(data.xTitle)) != texts.end());
        for (const auto& line : polylinesOf(file)) {
            QCOMPARE(line.size(), std::size_t{2}); // grid and ticks only, no curve
        }
    }

    void unrepresentableCharactersBecomeQuestionMarks() {
        QCOMPARE(MetafileText(QStringLiteral("φ")), std::string("\x83\xD3"));
        QCOMPARE(MetafileText(QStringLiteral("ﾚﾍﾞﾙ")), std::string("\xDA\xCD\xDE\xD9"));
        QCOMPARE(MetafileText(QStringLiteral("a☃b😀c")), std::string("a?b?c"));
    }

    void recorderKeepsRecordsWithinTheFormat() {
        WmfRecorder recorder(100, 100, 1440);
        std::vector<QPoint> many;
        for (int i = 0; i < 40000; ++i) {
            many.emplace_back(i, i % 7);
        }
        recorder.polyline(many);
        recorder.polyline({QPoint(-100000, 100000), QPoint(5, 5)});
        recorder.textOut(QPoint(0, 0), std::string("ab\0cd", 5));
        recorder.textOut(QPoint(0, 0), std::string());
        const WmfFile file = ReadWmf(recorder.finish());
        QVERIFY(file.wellFormed);
        const auto lines = polylinesOf(file);
        QVERIFY(lines.size() >= 4);
        std::size_t total = 0;
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            total += lines[i].size();
            if (i + 2 < lines.size()) {
                QCOMPARE(lines[i].back(), lines[i + 1].front()); // the pieces join
            }
        }
        QCOMPARE(total, many.size() + (lines.size() - 2));
        QCOMPARE(lines.back().front(), QPoint(-32768, 32767));
        const auto texts = textsOf(file);
        QCOMPARE(texts.size(), std::size_t{1});
        QCOMPARE(texts[0], QByteArray("ab"));
    }

    void paintDeviceRecordsRectanglesPolygonsAndPaths() {
        WmfPaintDevice device(QSize(200, 100));
        QPainter painter(&device);
        painter.setBrush(Qt::red);
        painter.drawRect(QRectF(10, 10, 20, 10));
        painter.drawEllipse(QRectF(50, 50, 10, 10));
        painter.translate(100, 0);
        painter.scale(2, 2);
        painter.drawLine(QPointF(0, 0), QPointF(10, 10));
        painter.end();
        const WmfFile file = ReadWmf(device.data());
        QVERIFY(file.wellFormed);
        std::map<std::uint16_t, int> counts;
        for (const WmfRecord& r : file.records) {
            ++counts[r.function];
        }
        QCOMPARE(counts[0x041B], 1); // rectangle
        QCOMPARE(counts[0x0324], 1); // the ellipse as a polygon
        const auto lines = polylinesOf(file);
        QCOMPARE(lines.back(), (std::vector<QPoint>{QPoint(1500, 0), QPoint(1800, 300)}));
        for (const WmfRecord& r : file.records) {
            if (r.function == 0x041B) { // bottom, right, top, left
                QCOMPARE((std::vector<int>{r.word(3), r.word(2), r.word(1), r.word(0)}),
                         (std::vector<int>{150, 150, 450, 300}));
            }
        }
    }

    void independentReaderConvertsTheFiles() {
        const QString wmf2svg = QStandardPaths::findExecutable(QStringLiteral("wmf2svg"));
        if (wmf2svg.isEmpty()) {
            QSKIP("wmf2svg (libwmf-bin) is not installed");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (int graph = 1; graph <= 4; ++graph) {
            const GraphData data = sampleGraph(graph);
            const QString wmf = dir.filePath(QStringLiteral("g%1.wmf").arg(graph));
            const QString svg = dir.filePath(QStringLiteral("g%1.svg").arg(graph));
            QVERIFY(SaveGraphMetafile(wmf, data));
            QProcess process;
            process.start(wmf2svg, {QStringLiteral("-o"), svg, wmf});
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 0);
            QFile out(svg);
            QVERIFY(out.open(QIODevice::ReadOnly));
            const QByteArray bytes = out.readAll();
            QVERIFY(bytes.contains("<svg"));
            // The reader passes the code page 932 bytes of the texts through unchanged.
            for (const QString& text : {data.xTitle, data.yTitle, data.series[1].label}) {
                QVERIFY2(bytes.contains(">" + cp932(text) + "</text>"), qPrintable(text));
            }
            QVERIFY(bytes.count("<polyline") >= 2 * 2); // at least both curves and the grid
        }
    }
};

ZUL_QTEST_MAIN(WmfWriterTest)
#include "WmfWriterTest.moc"
