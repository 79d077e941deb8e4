#pragma once

// The parts of the detailed push-in report and the figures of its tip-resistance derivation.
// basResOutRa (ReportSections.h) writes the conditions part and then calls the other two parts.

#include "report/ReportSections.h"

#include <string>

namespace zul {

// Derivation of the automatic tip resistance qd of a driven or inner-excavation pile (blocks
// "打込杭・中堀杭の場合_1" and "_2" with the three figures); appends to the print file.
bool basResOutRaQd(ReportRun& run, const ReportContext& ctx);
// Ultimate push-in capacity Ru and Ra for the normal and the earthquake case (block
// "杭の自重を無視する場合" or "杭の自重を考慮する場合"); appends to the print file.
bool basResOutRaRu(ReportRun& run, const ReportContext& ctx);

// True when the tip resistance part belongs in the report: an end-bearing pile of a driven or
// final-driving inner-excavation method whose tip resistance is computed automatically.  A
// friction pile has no tip resistance, so its derivation would show values never computed.
bool WritesTipResistancePart(const ReportContext& ctx);

// The figures of the tip resistance part.  Each builds its figure in the print state's figure
// tables, writes a figure data file and a figure index file for an area of areaWidth by
// areaHeight mm and returns the index file's path.
std::string basMakeIDXFileZu4DN(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                double areaHeight);
std::string basMakeIDXFileZuAveN(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                 double areaHeight);
std::string basMakeIDXFileZu001(ReportRun& run, const ReportContext& ctx, double areaWidth,
                                double areaHeight);

} // namespace zul
