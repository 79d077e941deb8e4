#pragma once

// Shared steps of the detailed report sections: the paged tables, the values they read from the
// study, the figure record and the error boundary of a section.

#include "calc/colZulLiFis.h"
#include "document/ProjectDocument.h"
#include "report/basResOutPrn.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace zul {

// Rows of a table that fit in linesLeft lines at linesPerRow lines each, rounded to the nearest
// whole number with halves to even (42 lines at 4 a row give 10, 57 lines at 2 give 28).
std::int32_t RowsPerPage(std::int32_t linesLeft, std::int32_t linesPerRow);

// The template lines of a table: the head (headFirst..headLast, written as they stand), the line
// between two rows of one page, the line that ends a page when rows remain, and the lines one
// row takes on the page counting the line between rows.
struct TableLines {
    std::int32_t headFirst = 0;
    std::int32_t headLast = 0;
    std::int32_t between = 0;
    std::int32_t pageEnd = 0;
    std::int32_t linesPerRow = 1;
};

// Writes the head and rowCount rows (writeRow(i), i from 0) split over pages: as many rows as fit
// under the head, then the page-end line, a form feed and the head again for the rest.  A table
// whose head would have no row under it on the current page starts on a new page instead; a
// table without rows is its head alone.  The closing lines after the last row are the caller's.
void WritePagedTable(PrintState& ps, const TemplateBlock& block, const TableLines& lines,
                     std::int32_t rowCount, const std::function<void(std::int32_t)>& writeRow);

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
void WriteFigureRecord(PrintState& ps, const std::string& idxPath, std::int32_t linesCovered);

// Lines a figure record leaves covered below it: the 100 by 90 N-value figures and the 80 by 55
// tip resistance chart.
inline constexpr std::int32_t kLinesUnderNValueFigure = 26;
inline constexpr std::int32_t kLinesUnderTipChart = 17;

// Runs body, which writes one part of a report into the open print file.  Any failure inside it
// abandons the print file and gives false; otherwise the file is closed and the result is true.
bool RunReportPart(PrintState& ps, const std::function<void()>& body);

} // namespace zul
