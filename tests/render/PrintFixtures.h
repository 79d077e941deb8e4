#pragma once

#include "util/Cp932.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>

namespace zul::test {

// A temporary folder of print files, figure files and definition files written as the report
// writer writes them: code page 932 with CR LF.
class PrintFolder {
public:
    PrintFolder() {
        if (!dir_.isValid()) {
            throw std::runtime_error("no temporary folder");
        }
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }

    // The text (UTF-8, lines separated by "\n") in code page 932 with CR LF line ends.
    static std::string cp932(const std::string& utf8) {
        std::string crlf;
        for (const char c : utf8) {
            if (c == '\n') {
                crlf += '\r';
            }
            crlf += c;
        }
        const auto encoded = EncodeCp932(crlf);
        if (!encoded) {
            throw std::runtime_error("text without code page 932 form");
        }
        return *encoded;
    }

    QString write(const QString& name, const std::string& utf8) const {
        return writeBytes(name, cp932(utf8));
    }

    QString writeBytes(const QString& name, const std::string& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                    static_cast<qint64>(bytes.size())) {
            throw std::runtime_error("cannot write test file");
        }
        return file.fileName();
    }

    // The two definition files as they ship beside the programs.
    void writeDefinitions() const {
        write("LINE_PRN.DEF", "線種定義,線種,線幅(1/100mm)\n実線(細),0,18\n実線(太),0,35\n破線,1,18\n"
                              "一点鎖線,3,18\n点線,2,13\nEND\n");
        write("STR_PRN.DEF", "文字種定義,太さ,書体,文字高(twip),字間(twip),色,予備\n"
                             "標準,400,IPAGothic,170,0,0,0\n小,400,IPAGothic,140,0,0,0\nEND\n");
    }

    // A figure data file of a 60 x 40 mm frame with a diagonal, a circle, an arc, an arrow and
    // a horizontal and a vertical text, and its index file for an area of width x height.
    QString writeFigure(const QString& baseName, int width = 100, int height = 90) const {
        const std::string data =
            "ｺﾝｸﾘｰﾄの応力～ひずみ関係図\n図の副題\n"
            "  60.00,   40.00,    0.00,       0.00,   60.00,   40.00\n"
            "座標情報\n"
            "   1,    0.000000,    0.000000\n"
            "   2,   60.000000,    0.000000\n"
            "   3,   60.000000,   40.000000\n"
            "   4,    0.000000,   40.000000\n"
            "   5,   30.000000,   20.000000\n"
            "END\n"
            "線分情報\n"
            "   1,    1,    2,    2\n"
            "   2,    2,    3,    2\n"
            "   3,    3,    4,    2\n"
            "   4,    4,    1,    2\n"
            "   5,    1,    3,    3\n"
            "END\n"
            "円情報\n"
            "   1,    5,    8.000000,    1\n"
            "END\n"
            "円弧情報\n"
            "   1,   30.000000,   20.000000,   12.000000,    0.000000,   90.000000,    5\n"
            "END\n"
            "矢印(1)\n"
            "   1,    4,    5,    1\n"
            "END\n"
            "文字情報\n"
            "Ｎ値\n"
            "    2.000000,    2.000000,  1,  3\n"
            "杭長\n"
            "   -1.000000,   10.000000,  2,  1\n"
            "END\n";
        const QString dataPath = write(baseName + ".fig", data);
        const double offsetX = (width - 60) / 2.0;
        const double offsetY = (height - 40) / 2.0;
        return write(baseName + ".idx", "ｺﾝｸﾘｰﾄの応力～ひずみ関係図\n " + std::to_string(width) + "  " +
                                            std::to_string(height) + "\n" + dataPath.toStdString() + "\n " +
                                            std::to_string(offsetX) + "  " + std::to_string(offsetY) +
                                            "\nEND\n");
    }

private:
    QTemporaryDir dir_;
};

// The figure and picture records of a print file line.
inline std::string FigureRecord(const QString& indexPath) {
    return "  " + std::string("   　　?FG;000;000;") + indexPath.toStdString();
}

inline std::string PictureRecord(const QString& metafilePath) {
    return "  ?BM;000;000;160;110;" + metafilePath.toStdString();
}

} // namespace zul::test
