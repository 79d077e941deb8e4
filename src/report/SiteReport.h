#pragma once

// The site report: the print file of a site study with its figures.  The base study's pile and
// loads, the table of boreholes with the required length per diameter (refused ones with their
// reason), per diameter the envelope table and its graph of capacity against length, the plan
// of the borehole positions for one diameter, and the notes per borehole.  Boreholes are added
// one by one as the run hands them out; only the lines of the report are kept, not the studies.

#include "document/ProjectDocument.h"
#include "site/SiteEnvelope.h"
#include "site/SiteTypes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zul {

class SiteReport {
public:
    // planDiameter: the place in diameters whose required lengths the plan shows.
    SiteReport(const ProjectDocument& base, std::string baseFile, const site::SiteLoads& loads,
               std::vector<double> diameters, std::size_t planDiameter = 0);

    void Add(const site::BoreholeResult& borehole);

    // Writes the print file (code page 932, CR LF, 62 lines a page) and, in figureFolder, the
    // figure files it names (by their path as written); the line and text kinds of the figures
    // from definitionFolder.  ReportError when a file cannot be written or read.
    void Write(const site::SiteEnvelope& envelope, const std::string& printFile,
               const std::string& figureFolder, const std::string& definitionFolder) const;

    // A borehole position on the plan (metres east and north of the first one) and its label.
    struct PlanPoint {
        double latitude = 0;
        double longitude = 0;
        std::string label;
    };

private:
    std::string conditions_; // UTF-8 lines of the first section
    std::vector<double> diameters_;
    std::size_t planDiameter_ = 0;
    std::vector<std::string> tableLines_; // UTF-8
    std::vector<std::string> noteLines_;
    std::vector<PlanPoint> plan_;
    std::size_t unplaced_ = 0; // boreholes without position
};

// The plan's scale denominator: the smallest of 1:100, 200, 250, 500 ... (1, 2, 2.5, 5 times a
// power of ten) at which an extent of widthM x heightM metres fits in widthMm x heightMm.
double PlanScale(double widthM, double heightM, double widthMm, double heightMm);

} // namespace zul
