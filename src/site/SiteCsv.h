#pragma once

#include "site/SiteTypes.h"

#include <string>
#include <vector>

namespace zul::site {

// The site's table of boreholes as CSV for spreadsheet programs: UTF-8 with a byte order mark
// (so that the Japanese reads right), one row per borehole, CR LF line ends.
class SiteCsv {
public:
    // The header row, with the columns of each diameter.
    explicit SiteCsv(const std::vector<double>& diameters);

    void Add(const BoreholeResult& borehole);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

} // namespace zul::site
