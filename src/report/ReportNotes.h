#pragma once

// The notes of the plausibility check in the report (a supplement): the notes on the study's
// pile for the results list, and per diameter of the study table the lengths from which each
// note holds for the graph report.  The texts are those of the check screen and zul-cli.

#include "report/PageWriter.h"
#include "report/ReportRun.h"
#include "report/ReportSections.h"

#include <string>
#include <string_view>
#include <vector>

namespace zul {

// Template block of the notes.
inline constexpr std::string_view kNotesBlock = "注意事項";

// Print columns a note line may take after its line head, so that a note never widens the
// report (the preview fits the widest line to the page).
inline constexpr std::size_t kNoteColumns = 76;

// Lines of at most width bytes of a code page 932 text, broken between characters; a closing
// mark ("、", "。", "）" ...) never starts a line, it stays with the line before; an opening mark
// ("（", "「" ...) never ends one, it goes to the line after.
std::vector<std::string> WrapPrintText(std::string_view cp932, std::size_t width);

// Words before each note of a borehole import among the report's notes.
inline constexpr std::string_view kImportNotePrefix = "ボーリングデータの取込み：";

// The notes block on the study's pile (normal and level-1 earthquake case) and, for a study
// imported from a borehole, the notes of the import, as lines of the print text that follow the
// results list or open the detailed report; empty when no note holds or the supplements are off.  Written
// with run's heading numbering and the body indent of its current level; no heading number is taken.
std::string StudyNotesText(ReportRun& run, const ReportContext& ctx);

// The lines of the study table's notes (UTF-8, without "注意："), per diameter, as zul-cli table
// prints them; empty without a study table or when it cannot be calculated.
std::vector<std::string> StudyTableNotes(const ProjectDocument& doc);

// The study table's notes under their heading at the end of the graph report, on a page of
// their own; nothing when there is none or the supplements are off.
void WriteStudyTableNotes(PageWriter& ps, const ReportContext& ctx);

} // namespace zul
