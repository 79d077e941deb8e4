// Shared steps of the detailed report sections.
#include "report/SectionSupport.h"

#include "document/SoilKind.h"
#include "printfile/PrintFileLines.h"

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
    const std::shared_ptr<const TemplateFile> fmt =
        ctx.templates ? ctx.templates : std::make_shared<const TemplateFile>(ctx.paths.fmtFile);
    if (ctx.supplement) {
        if (auto wording =
                ReadFmtSectionIfPresent(*fmt, std::string(section).append(kSupplementBlockSuffix), limit)) {
            return std::move(*wording);
        }
    }
    return ReadFmtSection(*fmt, section, limit);
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

namespace {

// The first lines every allowable capacity block shares: heading, formula heading, the formula
// with the pile's own weight (3 to 5) and without it (6 to 8).
constexpr std::int32_t kPartHeading = 1, kFormulaHeading = 2;
constexpr std::int32_t kOwnWeightFormula = 3, kPlainFormula = 6, kFormulaLines = 3;

// The lines every case block of a pull-out part shares.
constexpr std::int32_t kAllowableHeading = 2, kAllowableIntro = 3;
constexpr std::int32_t kOwnWeightNumerator = 4, kOwnWeightValues = 5, kOwnWeightSafetyFactor = 6;
constexpr std::int32_t kPlainNumerator = 7, kPlainValues = 8, kPlainSafetyFactor = 9;
constexpr std::int32_t kUltimateHeading = 10;

// A skin friction table by its lines after its first one (the table's caption).
namespace friction_table {
constexpr std::int32_t kHeadLast = 4, kNoFrictionRow = 5, kRow = 6, kBetween = 7;
constexpr std::int32_t kTotalRule = 8, kTotals = 9, kClose = 10;
} // namespace friction_table

} // namespace

void WriteCapacityFormula(PageWriter& ps, const TemplateBlock& block, bool ownWeight) {
    ps.PrintAsIs(block, kPartHeading);
    ps.PrintBlank(1);
    ps.PrintAsIs(block, kFormulaHeading);
    ps.PrintBlank(1);
    const std::int32_t formula = ownWeight ? kOwnWeightFormula : kPlainFormula;
    PrintLines(ps, block, formula, formula + kFormulaLines - 1);
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
    ps.PrintAsIs(block, kAllowableHeading);
    ps.PrintBlank(1);
    ps.PrintAsIs(block, kAllowableIntro);
    ps.PrintBlank(1);
}

void WritePullOutResult(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block, const CZul& z) {
    WriteCaseHeadings(ps, block);
    if (ctx.normal.IsWpPa()) {
        ps.PrintAsIs(block, kOwnWeightNumerator);
        ps.PrintFmtLine(block, kOwnWeightValues, {z.Pu(), z.Wp(), z.Pa()});
        ps.PrintFmtLine(block, kOwnWeightSafetyFactor, {z.nPa()});
    } else {
        ps.PrintAsIs(block, kPlainNumerator);
        ps.PrintFmtLine(block, kPlainValues, {z.Pu(), z.Pa()});
        ps.PrintFmtLine(block, kPlainSafetyFactor, {z.nPa()});
    }
    ps.PrintBlank(1);
    ps.PrintAsIs(block, kUltimateHeading);
    ps.PrintBlank(1);
}

void WritePagedTable(PageWriter& ps, const TemplateBlock& block, const TableLines& lines,
                     std::int32_t rowCount, const std::function<void(std::int32_t)>& writeRow) {
    const std::int32_t headLines = lines.headLast - lines.headFirst + 1;
    // The rows a page holds: rounded as the report always counted them, which may run one line
    // past the page; a writer that breaks full pages counts only whole rows, the page-end line
    // included, so that no line of the table runs over.
    const auto rowsFitting = [&](std::int32_t linesLeft) {
        return ps.BreaksWhenFull() ? linesLeft / std::max(lines.linesPerRow, 1)
                                   : RowsPerPage(linesLeft, lines.linesPerRow);
    };
    const auto writeHead = [&] { PrintLines(ps, block, lines.headFirst, lines.headLast); };
    // A head with no row under it would stand alone at the foot of the page: the table starts on
    // the next page (nothing of it stands above, so no page-end line).
    if (rowCount > 0 && rowsFitting(ps.LinesLeft() - headLines) < 1) {
        ps.FormFeed();
    }
    // A table that keeps its closing lines and fits a page as a whole is not split: when it
    // does not fit under what stands on this page, it starts on the next.
    if (lines.keepAfterLast > 0 && rowCount > 0 && ps.LineCount() > 0) {
        const std::int32_t whole = headLines + rowCount * lines.linesPerRow - 1 + lines.keepAfterLast;
        if (whole > ps.LinesLeft() && whole <= kLinesPerPage) {
            ps.FormFeed();
        }
    }
    writeHead();
    std::int32_t done = 0;
    while (done < rowCount) {
        const std::int32_t fit = std::max(rowsFitting(ps.LinesLeft()), 1);
        std::int32_t onPage = std::min(fit, rowCount - done);
        if (lines.keepAfterLast > 0 && onPage == rowCount - done && onPage > 1) {
            // The last rows leave room for the closing lines, or one row at least goes on
            // with them to the next page.
            const std::int32_t room = ps.LinesLeft() - lines.keepAfterLast + 1;
            const std::int32_t withClose = std::max(room / std::max(lines.linesPerRow, 1), 0);
            if (withClose < onPage) {
                onPage = std::clamp(withClose, 1, onPage - 1);
            }
        }
        for (std::int32_t i = 0; i < onPage; ++i) {
            if (i > 0 && lines.between > 0) {
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

namespace {

// The skin friction table with the given columns: the rows over pages, the total line, the
// totals and the closing line.
void WriteFrictionRows(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                       std::int32_t first, const CZul& z, const colZulLiFis& segments,
                       FrictionColumns columns, std::int32_t keepAfterLast,
                       const std::vector<double>& totals) {
    const TableLines lines{first,
                           first + friction_table::kHeadLast,
                           first + friction_table::kBetween,
                           first + friction_table::kClose,
                           2,
                           keepAfterLast};
    WritePagedTable(ps, block, lines, segments.Count(), [&](std::int32_t i) {
        const clsZulLiFi& seg = *segments.Item(i + 1);
        std::vector<double> values{static_cast<double>(seg.No), LayerNValue(ctx.doc, seg.No), seg.Lii};
        if (columns.weight != FrictionColumns::Weight::None) {
            values.push_back(seg.Gs);
            values.push_back(seg.Ws);
        }
        if (columns.reduction) {
            const clsZulJiban* layer = z.Jiban().Item(seg.No);
            values.push_back(layer != nullptr ? layer->f : 0);
            values.push_back(layer != nullptr ? layer->DE : 0);
        }
        values.push_back(seg.Fi);
        values.push_back(seg.LiFi);
        const std::string kind(SoilKindName(seg.Kind));
        const std::int32_t k = first + (seg.IsNonF ? friction_table::kNoFrictionRow : friction_table::kRow);
        ps.PrintFmtLine(block, k, values, std::span<const std::string>(&kind, 1));
    });
    ps.PrintAsIs(block, first + friction_table::kTotalRule);
    ps.PrintFmtLine(block, first + friction_table::kTotals, totals);
    ps.PrintAsIs(block, first + friction_table::kClose);
}

} // namespace

void WriteFrictionTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                        std::int32_t first, const colZulLiFis& segments, bool withOverburden,
                        std::initializer_list<double> totalsAfterSum) {
    std::vector<double> totals{SumLiFi(segments)};
    totals.insert(totals.end(), totalsAfterSum);
    const FrictionColumns columns{withOverburden ? FrictionColumns::Weight::Overburden
                                                 : FrictionColumns::Weight::None};
    WriteFrictionRows(ps, ctx, block, first, ctx.normal, segments, columns, 0, totals);
}

void WriteCheckedFrictionTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                               std::int32_t first, const CZul& z, const colZulLiFis& segments,
                               FrictionColumns columns, std::initializer_list<double> totals,
                               std::int32_t keepAfter) {
    WriteFrictionRows(ps, ctx, block, first, z, segments, columns, 3 + keepAfter, totals);
}

std::int32_t CheckedFrictionTableLines(const colZulLiFis& segments, std::int32_t keepAfter) {
    return 5 + 2 * segments.Count() - 1 + 3 + keepAfter;
}

bool HasNoFrictionZone(const colZulLiFis& segments) {
    return std::any_of(segments.begin(), segments.end(), [](const clsZulLiFi& s) { return s.IsNonF; });
}

void KeepTogether(PageWriter& ps, std::int32_t need) {
    if (ps.LineCount() > 0 && ps.LinesLeft() < need) {
        ps.FormFeed();
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
    ps.PrintRaw(FigureRecord(run.Figure().RecordedPath(idxPath)));
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
