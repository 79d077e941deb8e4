// Shared steps of the detailed report sections.
#include "report/SectionSupport.h"

#include <algorithm>
#include <cmath>

namespace zul {

std::int32_t RowsPerPage(std::int32_t linesLeft, std::int32_t linesPerRow) {
    const double exact = static_cast<double>(linesLeft) / static_cast<double>(std::max(linesPerRow, 1));
    const double whole = std::floor(exact);
    const double rest = exact - whole;
    double rows = whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        rows = whole + 1;
    }
    return static_cast<std::int32_t>(rows);
}

void WritePagedTable(PrintState& ps, const TemplateBlock& block, const TableLines& lines,
                     std::int32_t rowCount, const std::function<void(std::int32_t)>& writeRow) {
    const std::int32_t headLines = lines.headLast - lines.headFirst + 1;
    const auto writeHead = [&] {
        for (std::int32_t k = lines.headFirst; k <= lines.headLast; ++k) {
            ps.PrintAsIs(block, k);
        }
    };
    // A head with no row under it would stand alone at the foot of the page: the table starts on
    // the next page (nothing of it stands above, so no page-end line).
    if (rowCount > 0 && RowsPerPage(ps.LinesPerPage - (ps.LineCount + headLines), lines.linesPerRow) < 1) {
        ps.FormFeed();
    }
    writeHead();
    std::int32_t done = 0;
    while (done < rowCount) {
        const std::int32_t fit = std::max(RowsPerPage(ps.LinesPerPage - ps.LineCount, lines.linesPerRow), 1);
        const std::int32_t onPage = std::min(fit, rowCount - done);
        for (std::int32_t i = 0; i < onPage; ++i) {
            if (i > 0) {
                ps.PrintAsIs(block, lines.between);
            }
            writeRow(done + i);
        }
        done += onPage;
        if (done < rowCount) {
            ps.PrintAsIs(block, lines.pageEnd);
            ps.FormFeed();
            writeHead();
        }
    }
}

double LayerNValue(const ProjectDocument& doc, std::int32_t layerNo) {
    if (layerNo < 1 || layerNo > kMaxLayers) {
        return 0;
    }
    return doc.JibanLayer(5, static_cast<std::size_t>(layerNo)).toNumber().value_or(0);
}

std::string DesignCaseName(int caseIndex) {
    return caseIndex == 0 ? "［常時］" : "［レベル１地震時］";
}

double SumLiFi(const colZulLiFis& list) {
    double sum = 0;
    for (const clsZulLiFi& s : list) {
        sum += s.LiFi;
    }
    return sum;
}

void WriteFigureRecord(PrintState& ps, const std::string& idxPath, std::int32_t linesCovered) {
    ps.PrintLineHead(0);
    ps.PrintRaw(PrintText("   　　?FG;000;000;" + idxPath));
    ps.LineCount += linesCovered;
}

bool RunReportPart(PrintState& ps, const std::function<void()>& body) {
    try {
        body();
        ps.ClosePrnFile();
        return true;
    } catch (const std::exception&) {
        ps.AbandonPrnFile();
        return false;
    }
}

} // namespace zul
