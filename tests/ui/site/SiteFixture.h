#pragma once

// A small site for the window tests: borehole files with positions in a folder of their own
// (the names "b00.xml" …), optionally one that the import refuses and one that is no borehole
// file, and the base study of the bundled friction pile example.

#include "../../io/BoreholeXml.h"
#include "io/InputDataFile.h"

#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace zul::test {

class SiteFixture {
public:
    explicit SiteFixture(int count, bool withBadOnes = true) {
        for (int k = 0; k < count; ++k) {
            BoreholeText b;
            b.name = "B" + std::to_string(k);
            for (int i = 1; i <= 4; ++i) {
                b.layers.push_back({std::to_string(i * (3 + k % 3)), i % 2 ? "砂" : "粘土"});
            }
            for (int m = 1; m < 4 * (3 + k % 3); ++m) {
                b.tests.push_back({std::to_string(m) + ".15", std::to_string(3 + (m * (k + 1)) % 30), "30"});
            }
            b.latitude[0] = "35", b.latitude[1] = "40", b.latitude[2] = std::to_string(k % 4 * 2) + ".5";
            b.longitude[0] = "139", b.longitude[1] = "45", b.longitude[2] = std::to_string(k * 3 % 11) + ".0";
            Write(Name(k), BoreholeXml(b, BoreholeLayout::V300));
        }
        if (withBadOnes) {
            BoreholeText refused;
            refused.name = "NOLAYER";
            Write("x-refused.xml", BoreholeXml(refused, BoreholeLayout::V300));
            Write("y-broken.xml", "これはﾎﾞｰﾘﾝｸﾞﾌｧｲﾙではありません");
        }
        OpenInputFile(base, ZUL_SOURCE_DIR "/examples/friction-pile-clay.zul");
    }

    static std::string Name(int k) { return (k < 10 ? "b0" : "b") + std::to_string(k) + ".xml"; }
    QString folder() const { return QDir(dir.path()).filePath(QStringLiteral("boreholes")); }
    QString outDir() const { return QDir(dir.path()).filePath(QStringLiteral("studies")); }
    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }

    ProjectDocument base;

private:
    void Write(const std::string& name, const std::string& bytes) {
        QDir().mkpath(folder());
        std::ofstream(folder().toStdString() + "/" + name, std::ios::binary) << bytes;
    }

    QTemporaryDir dir;
};

} // namespace zul::test
