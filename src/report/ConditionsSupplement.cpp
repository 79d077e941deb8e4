// The supplements of the conditions report: the N-value table and the ground figure.
#include "report/ConditionsSupplement.h"

#include "report/BoreholeSupplement.h"
#include "report/SectionSupport.h"

#include <algorithm>

namespace zul {

namespace {

// Template lines of the block.
constexpr std::int32_t kNHeading = 1;
constexpr std::int32_t kNHeadFirst = 2;
constexpr std::int32_t kNHeadLast = 5;
constexpr std::int32_t kNRow = 6;
constexpr std::int32_t kNClose = 7; // closes the table and each page of it
constexpr std::int32_t kNNote = 8;
constexpr std::int32_t kFigureHeading = 9;
constexpr std::int32_t kFigureNote = 10;
constexpr std::int32_t kNoNValues = 11;

// The rows kept with the head and with the closing lines, so that neither stands alone at a
// page end.
constexpr std::int32_t kRowsKeptTogether = 3;
// A table of no more rows than this is never split: it starts on a new page when it does not
// fit.
constexpr std::int32_t kRowsNeverSplit = 12;
constexpr std::int32_t kCloseLines = 2;

// The N values as the calculation reads them: No., depth, elevation, N.
void WriteNValueTable(PageWriter& ps, const TemplateBlock& b, const ReportContext& ctx, double groundTop) {
    const colZulNs& points = ctx.normal.N();
    WriteNTable(ps, b, {b, kNHeadFirst, kNHeadLast, kNClose, kNNote, kNNote}, points.Count(),
                [&](std::int32_t i) {
                    const clsZulN& p = *points.Item(i + 1);
                    ps.PrintFmtLine(b, kNRow, {static_cast<double>(i + 1), p.Z, groundTop - p.Z, p.N});
                });
}

// The ground figure under its heading, with its note below it, all on one page.
void WriteSoilProfile(ReportRun& run, const TemplateBlock& b, const ReportContext& ctx) {
    PageWriter& ps = run.Page();
    const std::string figure = basMakeIDXFileSoilProfile(run, ctx, kSoilProfileWidth, kSoilProfileHeight);
    // Two blank lines, the heading, a blank line, the figure record with the lines it covers and
    // the note.
    ps.PageCheck(2 + 1 + 1 + 1 + kLinesUnderSoilProfile + 1, 2);
    ps.PrintAsIs(b, kFigureHeading);
    ps.PrintBlank(1);
    WriteFigureRecord(run, figure, kLinesUnderSoilProfile);
    ps.PrintAsIs(b, kFigureNote);
}

} // namespace

// The rows of an N-value table, one line each, split over pages under the heading: each page
// ends with the closing line and the next repeats the head; the last rows never leave the
// closing lines alone on a page.  The notes follow the table.
void WriteNTable(PageWriter& ps, const TemplateBlock& headingBlock, const NTableLines& t, std::int32_t count,
                 const std::function<void(std::int32_t)>& writeRow) {
    const std::int32_t headLines = t.headLast - t.headFirst + 1;
    // Under the head: every row and the closing lines of a short table, else the first rows and
    // the line that closes the page.
    const std::int32_t first = count <= kRowsNeverSplit ? count + kCloseLines : kRowsKeptTogether + 1;
    // A blank line, the heading, a blank line and the head before them.
    ps.PageCheck(3 + headLines + first, 1);
    ps.PrintAsIs(headingBlock, kNHeading);
    ps.PrintBlank(1);
    if (count == 0) {
        ps.PrintAsIs(headingBlock, kNoNValues);
        return;
    }
    PrintLines(ps, t.block, t.headFirst, t.headLast);
    std::int32_t done = 0;
    while (true) {
        const std::int32_t remaining = count - done;
        const std::int32_t left = ps.LinesLeft();
        std::int32_t onPage = remaining;
        if (remaining + kCloseLines > left) {
            onPage = left - 1; // and the closing line
            if (remaining - onPage < kRowsKeptTogether) {
                onPage = remaining - std::min(remaining - 1, kRowsKeptTogether);
            }
            onPage = std::max(onPage, 1);
        }
        for (std::int32_t i = done; i < done + onPage; ++i) {
            writeRow(i);
        }
        done += onPage;
        ps.PrintAsIs(t.block, t.close);
        if (done >= count) {
            break;
        }
        ps.FormFeed();
        PrintLines(ps, t.block, t.headFirst, t.headLast);
    }
    PrintLines(ps, t.block, t.noteFirst, t.noteLast);
}

void WriteConditionsSupplement(ReportRun& run, const ReportContext& ctx) {
    if (!ctx.supplement) {
        return;
    }
    const colZulJiban& layers = ctx.normal.Jiban();
    const double groundTop = layers.Count() > 0 ? layers.Item(1)->EU : ctx.doc.JibanLevel(1).numberOrZero();
    const TemplateBlock b = ReadReportBlock(ctx, kConditionsSupplementBlock);
    if (ctx.doc.boreholeSource) {
        WriteBoreholeSource(run.Page(), ctx);
        WriteBoreholeNValueTable(run.Page(), b, ctx, groundTop);
    } else {
        WriteNValueTable(run.Page(), b, ctx, groundTop);
    }
    WriteSoilProfile(run, b, ctx);
}

} // namespace zul
