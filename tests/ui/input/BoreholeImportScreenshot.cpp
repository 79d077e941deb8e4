// Renders the borehole import dialog into a PNG picture for the documentation:
//   borehole_import_screenshot OUT.png [BOREHOLE.xml | --refused]
// Without a file it shows a borehole of its own (layout 4.00, code page 932) with an
// unclassified fill layer, a water level and N values from 2 to 62; --refused one of 26
// alternating layers that the import refuses.
#include "../../io/BoreholeXml.h"
#include "io/BoreholeReader.h"
#include "ui/input/BoreholeImportDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPixmap>

#include <cstdio>
#include <string>

using namespace zul;

namespace {

test::BoreholeText SampleBorehole() {
    test::BoreholeText b;
    b.name = "No.3（橋脚P1）";
    b.elevation = "4.85";
    b.totalDepth = "25.45";
    b.layers = {{"1.60", "埋土"},      {"4.30", "シルト質砂"},  {"7.80", "砂質シルト"},
                {"10.20", "有機質土"}, {"13.50", "細砂"},       {"17.40", "粘土質砂礫"},
                {"21.00", "砂礫"},     {"23.10", "強風化泥岩"}, {"25.45", "砂岩"}};
    const char* const blows[] = {"4",  "6",  "9",  "3",  "2",  "2",  "14", "18", "22", "26",
                                 "35", "41", "50", "50", "50", "50", "50", "50", "50", "50"};
    const char* const penetration[] = {"30", "30", "30", "38", "45", "40", "30", "30", "30", "30",
                                       "30", "30", "28", "26", "25", "27", "24", "26", "25", "24"};
    for (int i = 0; i < 20; ++i) {
        char start[16];
        std::snprintf(start, sizeof start, "%d.15", i + 1);
        b.tests.push_back({start, blows[i], penetration[i]});
    }
    b.water = {"-99.99", "2.40", "2.15"};
    return b;
}

// 26 layers of 1.7 m, sand and clay in turn: more than 20 that cannot be merged.
test::BoreholeText RefusedBorehole() {
    test::BoreholeText b = SampleBorehole();
    b.layers.clear();
    for (int i = 1; i <= 26; ++i) {
        char bottom[16];
        std::snprintf(bottom, sizeof bottom, "%.2f", i * 1.7);
        b.layers.push_back({bottom, i % 2 ? "細砂" : "シルト"});
    }
    b.totalDepth = "44.20";
    return b;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9));
    if (argc < 2) {
        std::fprintf(stderr, "usage: borehole_import_screenshot OUT.png [BOREHOLE.xml]\n");
        return 2;
    }
    const bool refused = argc > 2 && std::string(argv[2]) == "--refused";
    BoreholeReadResult read =
        argc > 2 && !refused
            ? ReadBoreholeFile(argv[2])
            : ParseBoreholeFile(test::BoreholeFileBytes(refused ? RefusedBorehole() : SampleBorehole(),
                                                        BoreholeLayout::V400, true));
    if (!read.record) {
        std::fprintf(stderr, "%s\n", read.message.c_str());
        return 1;
    }
    ProjectDocument doc;
    doc.InpJyoken.Sekou = 1;
    const QString name = argc > 2 && !refused ? QFileInfo(QString::fromLocal8Bit(argv[2])).fileName()
                                              : QStringLiteral("BED0001.XML");
    BoreholeImportDialog dialog(std::move(*read.record), name, doc);
    dialog.show();
    QApplication::processEvents();
    const bool ok = dialog.grab().save(QString::fromLocal8Bit(argv[1]));
    return ok ? 0 : 1;
}
