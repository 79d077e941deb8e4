#pragma once

// Shared steps of the detailed report sections: the paged tables, the values they read from the
// study, the figure record and the error boundary of a section.

#include "calc/colZulLiFis.h"
#include "document/ProjectDocument.h"
#include "report/ReportRun.h"
#include "report/ReportSections.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zul {

// The name ending of a template block's supplement wording.
inline constexpr std::string_view kSupplementBlockSuffix = "_補足";

// Rows of a table that fit in linesLeft lines at linesPerRow lines each, rounded to the nearest
// whole number with halves to even (42 lines at 4 a row give 10, 57 lines at 2 give 28).
std::int32_t RowsPerPage(std::int32_t linesLeft, std::int32_t linesPerRow);

// Template block section of the report's template file (numbers up to limit).  With the
// supplements on, the block "<section>_補足" stands in for it when the file holds one: the
// supplement wording of the same lines.  With them off, always the block itself.
TemplateBlock ReadReportBlock(const ReportContext& ctx, std::string_view section, std::int32_t limit = 50);

// The start of a report part: the template block section as ReadReportBlock reads it and a new
// page count.  Gives the block.
TemplateBlock OpenReportPart(PageWriter& ps, const ReportContext& ctx, std::string_view section,
                             std::int32_t limit = 50);

// Template lines first..last of block as they stand.
void PrintLines(PageWriter& ps, const TemplateBlock& block, std::int32_t first, std::int32_t last);

// Template lines first..last of block as they stand, each after one blank line.
void PrintSpacedLines(PageWriter& ps, const TemplateBlock& block, std::int32_t first, std::int32_t last);

// The opening of a capacity calculation: the heading (line 1) and the formula heading (line 2),
// each followed by a blank line, and the three formula lines with or without the pile's own
// weight (3 to 5 with it, 6 to 8 without) and a blank line.
void WriteCapacityFormula(PageWriter& ps, const TemplateBlock& block, bool ownWeight);

// The safety factors of a capacity: two lines as they stand (first, first + 1), the factors of the
// normal and the earthquake case (first + 2) and one more line (first + 3), a blank line between
// each two.
void WriteSafetyFactors(PageWriter& ps, const TemplateBlock& block, std::int32_t first, double normal,
                        double quake);

// The two headings under a design case's title (lines 2 and 3), each followed by a blank line.
void WriteCaseHeadings(PageWriter& ps, const TemplateBlock& block);

// The pull-out capacity of design case z, template lines 2 to 10: the case headings, Pa from Pu
// with the pile's own weight (lines 4 to 6) or without it (7 to 9) as the normal case counts it,
// and the heading of Pu (line 10) between blank lines.
void WritePullOutResult(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block, const CZul& z);

// The skin friction table of one design case, template lines first..first+10: the head
// (first..first+4), one row per segment (first+5 for a segment without friction, first+6 with
// it) holding the layer, its N-value, length, with overburden its unit weight and overburden
// weight, friction and LiFi, the line between rows (first+7), the total line (first+8), the sum
// of LiFi followed by totalsAfterSum (first+9) and the closing line (first+10).
void WriteFrictionTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                        std::int32_t first, const colZulLiFis& segments, bool withOverburden,
                        std::initializer_list<double> totalsAfterSum);

// The template lines of a table: the head (headFirst..headLast, written as they stand), the line
// between two rows of one page (none for 0), the line that ends a page when rows remain, and the lines one
// row takes on the page counting the line between rows.
struct TableLines {
    std::int32_t headFirst = 0;
    std::int32_t headLast = 0;
    std::int32_t between = 0;
    std::int32_t pageEnd = 0;
    std::int32_t linesPerRow = 1;
    // Lines after the last row that must stand on its page (the totals and what they close);
    // 0 lets them run on to the next page.
    std::int32_t keepAfterLast = 0;
};

// Writes the head and rowCount rows (writeRow(i), i from 0) split over pages: as many rows as fit
// under the head, then the page-end line, a form feed and the head again for the rest.  A table
// whose head would have no row under it on the current page starts on a new page instead; a
// table without rows is its head alone.  The closing lines after the last row are the caller's;
// with keepAfterLast they find room under the last row: rows move to the next page with it.
void WritePagedTable(PageWriter& ps, const TemplateBlock& block, const TableLines& lines,
                     std::int32_t rowCount, const std::function<void(std::int32_t)>& writeRow);

// The columns of a skin friction table for a checker: besides layer, N-value, length, fi and
// Li・fi, the unit weight γi with the segment's share Ws of the displaced soil (push-in with the
// pile's own weight) or with the overburden γi・Li (pull-out of a rotary press-in pile), and the
// friction f with the reduction DE behind fi ＝ f・DE (level-1 earthquake case).
struct FrictionColumns {
    enum class Weight { None, DisplacedSoil, Overburden };
    Weight weight = Weight::None;
    bool reduction = false;
};

// The skin friction table of design case z with the columns asked for, template lines
// first..first+10 laid out as for WriteFrictionTable; the total line (first+9) holds totals.  The
// total line, the closing rule and keepAfter more lines stay on the page of the last row.
void WriteCheckedFrictionTable(PageWriter& ps, const ReportContext& ctx, const TemplateBlock& block,
                               std::int32_t first, const CZul& z, const colZulLiFis& segments,
                               FrictionColumns columns, std::initializer_list<double> totals,
                               std::int32_t keepAfter = 0);

// Lines WriteCheckedFrictionTable writes for segments with keepAfter lines after it, when the
// table stands on one page.
std::int32_t CheckedFrictionTableLines(const colZulLiFis& segments, std::int32_t keepAfter);

// True when a segment of the list lies in the no-friction zone above the blades.
bool HasNoFrictionZone(const colZulLiFis& segments);

// Starts a new page unless need more lines fit on this one: a heading with what it heads, a
// formula with its fraction.  A page still empty is never broken.
void KeepTogether(PageWriter& ps, std::int32_t need);

// The N-value entered for ground layer layerNo (1-based) in the study's layer table; 0 for a
// layer number outside the table or a cell without a number.
double LayerNValue(const ProjectDocument& doc, std::int32_t layerNo);

// The design case a calculation object stands for, as the report names it: 0 normal, 1 level-1
// earthquake.
std::string DesignCaseName(int caseIndex);

// Sum of LiFi over every segment of a friction list.
double SumLiFi(const colZulLiFis& list);

// A figure record for the figure index file idxPath: a body-line head, the marker and the path;
// the figure then covers linesCovered further lines of the page.
void WriteFigureRecord(ReportRun& run, const std::string& idxPath, std::int32_t linesCovered);

// Lines a figure record leaves covered below it: the 100 by 90 N-value figures and the 80 by 55
// tip resistance chart.
inline constexpr std::int32_t kLinesUnderNValueFigure = 26;
inline constexpr std::int32_t kLinesUnderTipChart = 17;

// Runs body, which writes one part of a report: the boundary of its failures.  Any failure
// inside it is kept with the run (FailureReason, WriteError) and gives false; what the part
// wrote before the failure stays in the item's print text.
bool RunReportPart(ReportRun& run, const std::function<void()>& body);

} // namespace zul
