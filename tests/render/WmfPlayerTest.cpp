// Playing back the metafiles the graph screen writes.
#include "render/WmfPlayer.h"
#include "QtTestRunner.h"
#include "SampleGraph.h"
#include "render/GraphData.h"
#include "render/GraphExport.h"
#include "render/WmfRecorder.h"
#include "util/Cp932.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace zul;
using zul::test::sampleGraph;

namespace {

QImage played(const QByteArray& metafile, const QSize& size, bool* ok = nullptr) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool drawn = PlayMetafile(painter, metafile, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    if (ok) {
        *ok = drawn;
    }
    return image;
}

// How different two pictures are: the share of pixels that differ clearly after both are
// softened a little (a glyph or a line off by a fraction of a pixel is no difference).
double difference(const QImage& a, const QImage& b) {
    const QSize half = a.size() / 3;
    const QImage sa = a.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage sb = b.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < sa.height(); ++y) {
        for (int x = 0; x < sa.width(); ++x) {
            const QRgb p = sa.pixel(x, y);
            const QRgb q = sb.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            if (d > 64) {
                ++differing;
            }
        }
    }
    return static_cast<double>(differing) / (sa.width() * sa.height());
}

int countPixels(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool allWhite(const QImage& image) {
    return countPixels(image, image.rect(), [](QRgb p) { return p != qRgb(255, 255, 255); }) == 0;
}

} // namespace

class WmfPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void graphPlayedBackLooksLikeTheGraphDrawnDirectly() {
        for (int graph = 1; graph <= 4; ++graph) {
            const GraphData data = sampleGraph(graph);
            const QImage direct = RenderGraphImage(data, 2.0);
            const QImage back = played(RenderGraphMetafile(data), direct.size());
            const double same = difference(direct, back);
            qInfo("graph %d: %.3f %% of the picture differs", graph, same * 100);
            QVERIFY2(same < 0.005, qPrintable(QString::number(same)));
            // The measure tells graphs apart: another graph, or one moved point, is different.
            const QImage other = RenderGraphImage(sampleGraph(graph % 4 + 1), 2.0);
            QVERIFY(difference(direct, other) > same * 3 + 0.005);
        }
        const GraphData moved = sampleGraph(1, 1.3);
        const QImage direct = RenderGraphImage(sampleGraph(1), 2.0);
        QVERIFY(difference(direct, played(RenderGraphMetafile(moved), direct.size())) >
                difference(direct, played(RenderGraphMetafile(sampleGraph(1)), direct.size())) + 0.001);
    }

    void pictureSizeComesFromThePlaceableHeader() {
        const auto size = MetafileSizeMm(RenderGraphMetafile(sampleGraph(1)));
        QVERIFY(size);
        QVERIFY(std::fabs(size->width() - 160) < 0.5);
        QVERIFY(std::fabs(size->height() - 110) < 0.5);
    }

    void recordsDrawPensBrushesAndCodePage932Text() {
        // 100 x 50 mm at 1440 units per inch.
        WmfRecorder recorder(5669, 2835, 1440);
        recorder.setBkMode(1);
        const int red = recorder.createPen(0, 60, QColor(255, 0, 0));
        recorder.selectObject(red);
        const int blue = recorder.createBrush(0, QColor(0, 0, 255));
        recorder.selectObject(blue);
        recorder.rectangle(QRect(QPoint(300, 300), QPoint(1300, 1300)));
        recorder.polyline({QPoint(3000, 300), QPoint(5000, 300)});
        const int font = recorder.createFont(-600, 400, false, 128, "IPAGothic");
        recorder.selectObject(font);
        recorder.setTextColor(QColor(0, 128, 0));
        recorder.setTextAlign(0x18);
        recorder.textOut(QPoint(1500, 2000), *EncodeCp932("杭長Ｌ"));
        recorder.deleteObject(red);
        const QByteArray data = recorder.finish();

        bool ok = false;
        const QImage image = played(data, QSize(1000, 500), &ok); // 10 px per mm
        QVERIFY(ok);
        const double px = 1000.0 / 5669;
        const auto blueFill = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; };
        const auto redLine = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; };
        const auto green = [](QRgb p) { return qGreen(p) > 60 && qRed(p) < 100 && qBlue(p) < 100; };
        QVERIFY(countPixels(image, QRectF(400 * px, 400 * px, 800 * px, 800 * px).toRect(), blueFill) >
                10000);
        QVERIFY(countPixels(image, QRectF(3100 * px, 280 * px, 1800 * px, 40 * px).toRect(), redLine) > 300);
        // The text: three full-width characters of 600 units run right from its baseline start.
        const QRect text = QRectF(1500 * px, 1400 * px, 3 * 600 * px, 650 * px).toRect();
        QVERIFY(countPixels(image, text, green) > 500);
        QCOMPARE(countPixels(image, text.translated(text.width() + 20, 0), green), 0);
    }

    void anythingButAMetafileDrawsNothing() {
        const QByteArray notMetafiles[] = {QByteArray(), QByteArray("GIF89a......................."),
                                           QByteArray(40, '\0'), QByteArray::fromHex("d7cdc69a00000000")};
        for (const QByteArray& data : notMetafiles) {
            bool ok = true;
            QVERIFY(allWhite(played(data, QSize(200, 150), &ok)));
            QVERIFY(!ok);
            QVERIFY(!IsMetafile(data));
        }
    }

    void brokenMetafilesNeverCrash() {
        const QByteArray good = RenderGraphMetafile(sampleGraph(1));
        QVERIFY(IsMetafile(good));
        // Cut anywhere: what was complete is drawn.
        for (qsizetype length = 0; length < good.size(); length += 97) {
            played(good.left(length), QSize(160, 110));
        }
        // Random bytes changed: no crash, no hang.
        QRandomGenerator random(20261207);
        for (int round = 0; round < 300; ++round) {
            QByteArray broken = good;
            for (int k = 0; k < 8; ++k) {
                const auto at =
                    static_cast<qsizetype>(random.bounded(static_cast<int>(broken.size() - 40))) + 40;
                broken[at] = static_cast<char>(random.bounded(256));
            }
            played(broken, QSize(160, 110));
        }
        // A record claiming more words than the file holds ends the playback.
        QByteArray tooLong = good.left(22 + 18);
        tooLong.append(QByteArray::fromHex("ffffff7f2503"));
        bool ok = false;
        played(tooLong, QSize(160, 110), &ok);
        QVERIFY(ok);
    }

    // A metafile beyond the bounds is refused with its reason before it is drawn (a polygon of
    // 65,535 crossing points kept the preview busy for minutes), and the player draws nothing
    // of it.
    void metafilesBeyondTheBoundsAreRefused_data() {
        QTest::addColumn<QString>("polygon"); // "round" or "crossing"
        QTest::addColumn<int>("polygonPoints");
        QTest::addColumn<int>("polylines");
        QTest::addColumn<bool>("zigzag"); // polylines across the whole picture
        QTest::addColumn<int>("otherRecords");
        QTest::addColumn<QString>("reason");
        QTest::newRow("graph-sized") << "round" << 4096 << 20 << false << 1000 << QString();
        QTest::newRow("polygon of too many points")
            << "round" << 4097 << 0 << false << 0 << QStringLiteral("4096 点を超える図形があります");
        QTest::newRow("crossing polygon")
            << "crossing" << 1000 << 0 << false << 0 << QStringLiteral("塗りつぶす図形が複雑すぎます");
        QTest::newRow("too many points")
            << "round" << 3 << 26 << false << 0 << QStringLiteral("図形の点が合わせて 400000 を超えます");
        QTest::newRow("lines too long") << "round" << 3 << 1 << true << 0 << QStringLiteral("線が長すぎます");
        QTest::newRow("too many records")
            << "round" << 3 << 0 << false << 100000 << QStringLiteral("記録が 100000 を超えます");
    }

    void metafilesBeyondTheBoundsAreRefused() {
        QFETCH(QString, polygon);
        QFETCH(int, polygonPoints);
        QFETCH(int, polylines);
        QFETCH(bool, zigzag);
        QFETCH(int, otherRecords);
        QFETCH(QString, reason);
        WmfRecorder recorder(1000, 1000, 1440);
        recorder.selectObject(recorder.createBrush(0, Qt::black));
        std::vector<QPoint> corners;
        for (int i = 0; i < polygonPoints; ++i) {
            const double angle = 2 * M_PI * i / polygonPoints;
            corners.push_back(polygon == QLatin1String("round")
                                  ? QPoint(500 + static_cast<int>(400 * std::cos(angle)),
                                           500 + static_cast<int>(400 * std::sin(angle)))
                                  : QPoint((i * 7919) % 1000, (i * 104729) % 1000));
        }
        recorder.polygon(corners);
        std::vector<QPoint> line;
        for (int i = 0; i < 16000; ++i) {
            line.emplace_back(zigzag ? (i % 2) * 1000 : 10, 10);
        }
        for (int i = 0; i < polylines; ++i) {
            recorder.polyline(line);
        }
        for (int i = 0; i < otherRecords; ++i) {
            recorder.setBkMode(1);
        }
        const QByteArray data = recorder.finish();
        QCOMPARE(MetafileBeyondBounds(data).value_or(QString()), reason);
        bool drawn = false;
        const QImage image = played(data, QSize(100, 100), &drawn);
        QCOMPARE(drawn, reason.isEmpty());
        QCOMPARE(allWhite(image), !reason.isEmpty());
    }
};

ZUL_QTEST_MAIN(WmfPlayerTest)
#include "WmfPlayerTest.moc"
