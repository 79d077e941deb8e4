#pragma once

#include "document/ProjectDocument.h"
#include "site/SiteEnvelope.h"
#include "site/SiteTypes.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zul::site {

// What a whole run gives besides the boreholes handed out one by one.
struct SiteSummary {
    std::vector<double> diameters; // of the base study's table
    SiteEnvelope envelope;
    std::size_t done = 0; // boreholes handed out (fewer than the files when cancelled)
    std::size_t refused = 0;
    std::size_t failed = 0;
    bool cancelled = false;
};

// Called on the calling thread for each borehole, in file order.
using BoreholeSink = std::function<void(const BoreholeResult&)>;

// Runs every borehole file against the base study on options.jobs worker threads (at least
// one) and hands each result to sink in file order, as soon as those before it are handed out;
// the studies are written to options.outDir under StudyFileNames.  Results never wait in
// numbers larger than a few per worker, so memory does not grow with the number of files.
// When `cancel` becomes true no further borehole is started and the run ends after handing out
// those finished in order.
SiteSummary RunSite(const ProjectDocument& base, const std::vector<std::string>& files,
                    const SiteOptions& options, const BoreholeSink& sink,
                    const std::atomic<bool>* cancel = nullptr);

} // namespace zul::site
