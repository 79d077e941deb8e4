// Shared steps of the detailed report sections.
#include "report/SectionSupport.h"

#include "document/SoilKind.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zul {

std::int32_t RowsPerPage(std::int32_t linesLeft, std::int32_t linesPerRow) {
    // The default rounding mode rounds halves to even.
    return static_cast<std::int32_t>(
        std::nearbyint(static_cast<double>(linesLeft) / static_cast<double>(std::max(linesPerRow, 1))));
}

TemplateBlock ReadReportBlock(const ReportContext& ctx, std::string_view section, std::int32_t limit) {
    if (ctx.supplement) {
        if (auto wording = ReadFmtSectionIfPresent(
                ctx.paths.fmtFile, std::string(section).append(kSupplementBlockSuffix), limit)) {
            return std::move(*wording);
        }
    }
    return ReadFmtSection(ctx.paths.fmtFile, section, limit);
}

TemplateBlock OpenReportPart(PageWriter& ps, const ReportContext& ctx, std::string_view section,
                             std::int32_t limit) {
    TemplateBlock block = ReadReportBlock(ctx, section, limit);
    ps.StartPart();
    return block;
}

void PrintLines(PageWriter& ps, const TemplateBlock& block, std::int32_t first, std::int32_t last) {
    for (std::int32_t k = first; k <= last; ++k) {
        ps.PrintAsIs(block, k);
    }
}

void PrintSpacedLines(PageWriter& ps, const TemplateBlock& block, std::int32_t first, std::int32_t last) {
    for (std::int32_t k = first; k <= last; ++k) {
        ps.PrintBlank(1);
        ps.PrintAsIs(block, k);
    }
}

void WriteCapacityFormula(PageWriter& ps, const TemplateBlock& block, bool ownWeight) {
    ps.PrintAsIs(block, 1);
    ps.PrintBlank(1);
    ps.PrintAsIs(block, 2);
    ps.PrintBlank(1);
    const std::int32_t formula = ownWeight ? 3 : 6;
    PrintLines(ps, block, formula, formula + 2);
    ps.PrintBlank(1);
}

void WriteSafetyFactors(PageWriter& ps, const TemplateBlock& block, std::int32_t first, double normal,
                        double quake) {
    ps.PrintAsIs(block, first);
    ps.PrintBlank(1);
    ps.PrintAsIs(block, first + 1);
    ps.PrintBlank(1);
    ps.PrintFmtLine(block, first + 2, {normal, quake});
    ps.PrintBlank(1);
    ps.PrintAsIs(block, first + 3);
}

void WriteCaseHeadings(PageWriter& ps, const TemplateBlock& block) {
    ps.PrintAsIs(block, 2);
    ps.PrintBlank(1);
    ps.PrintAsIs(block, 3);
    ps.PrintBlank(1);
}

void WritePullOutResult(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block, const CZul& z) {
    WriteCaseHeadings(ps, block);
    if (ctx.normal.IsWpPa()) {
        ps.PrintAsIs(block, 4);
        ps.PrintFmtLine(block, 5, {z.Pu(), z.Wp(), z.Pa()});
        ps.PrintFmtLine(block, 6, {z.nPa()});
    } else {
        ps.PrintAsIs(block, 7);
        ps.PrintFmtLine(block, 8, {z.Pu(), z.Pa()});
        ps.PrintFmtLine(block, 9, {z.nPa()});
    }
    ps.PrintBlank(1);
    ps.PrintAsIs(block, 10);
    ps.PrintBlank(1);
}

void WriteFrictionTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                        std::int32_t first, const colZulLiFis& segments, bool withOverburden,
                        std::initializer_list<double> totalsAfterSum) {
    const TableLines lines{first, first + 4, first + 7, first + 10, 2};
    WritePagedTable(ps, block, lines, segments.Count(), [&](std::int32_t i) {
        const clsZulLiFi& seg = *segments.Item(i + 1);
        const std::string kind(SoilKindName(seg.Kind));
        const std::int32_t k = first + (seg.IsNonF ? 5 : 6);
        const double layer = static_cast<double>(seg.No);
        const double n = LayerNValue(ctx.doc, seg.No);
        if (withOverburden) {
            ps.PrintFmtLine(block, k, {layer, n, seg.Lii, seg.Gs, seg.Ws, seg.Fi, seg.LiFi}, {kind});
        } else {
            ps.PrintFmtLine(block, k, {layer, n, seg.Lii, seg.Fi, seg.LiFi}, {kind});
        }
    });
    ps.PrintAsIs(block, first + 8);
    std::vector<double> totals{SumLiFi(segments)};
    totals.insert(totals.end(), totalsAfterSum);
    ps.PrintFmtLine(block.Level(first + 9), block.Text(first + 9), totals);
    ps.PrintAsIs(block, first + 10);
}

void WritePagedTable(PageWriter& ps, const TemplateBlock& block, const TableLines& lines,
                     std::int32_t rowCount, const std::function<void(std::int32_t)>& writeRow) {
    const std::int32_t headLines = lines.headLast - lines.headFirst + 1;
    const auto writeHead = [&] { PrintLines(ps, block, lines.headFirst, lines.headLast); };
    // A head with no row under it would stand alone at the foot of the page: the table starts on
    // the next page (nothing of it stands above, so no page-end line).
    if (rowCount > 0 && RowsPerPage(ps.LinesLeft() - headLines, lines.linesPerRow) < 1) {
        ps.FormFeed();
    }
    writeHead();
    std::int32_t done = 0;
    while (done < rowCount) {
        const std::int32_t fit = std::max(RowsPerPage(ps.LinesLeft(), lines.linesPerRow), 1);
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

void WriteFigureRecord(ReportRun& run, const std::string& idxPath, std::int32_t linesCovered) {
    PageWriter& ps = run.Page();
    ps.PrintLineHead(0);
    ps.PrintRaw(PrintText(std::string(kFigureRecordLead) + std::string(kFigureRecordFields) +
                          run.Figure().RecordedPath(idxPath)));
    ps.CoverLines(linesCovered);
}

bool RunReportPart(ReportRun& run, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        run.NoteFailure(e);
        return false;
    }
}

} // namespace zul
