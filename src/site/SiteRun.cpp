#include "site/SiteRun.h"

#include "io/FileAccess.h"
#include "site/SiteBorehole.h"
#include "site/SiteFiles.h"

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace zul::site {

namespace {

// Boreholes taken by the workers but not yet handed out, per worker.
constexpr std::size_t kAheadPerWorker = 4;

// The borehole indices given to the workers and the finished results waiting for their turn.
class OrderedResults {
public:
    OrderedResults(std::size_t count, std::size_t window, const std::atomic<bool>* cancel)
        : count_(count), window_(window), cancel_(cancel) {}

    // The next borehole to run, or none when all are taken or the run is cancelled.
    std::optional<std::size_t> Take() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return Stopping() || next_ < handedOut_ + window_; });
        if (Stopping()) {
            return std::nullopt;
        }
        return next_++;
    }

    void Finish(BoreholeResult result) {
        const std::lock_guard lock(mutex_);
        finished_.emplace(result.index, std::move(result));
        changed_.notify_all();
    }

    // The result of `index` once it is finished; none when it was never taken (cancelled).
    std::optional<BoreholeResult> Wait(std::size_t index) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return finished_.contains(index) || (Cancelled() && index >= next_); });
        const auto at = finished_.find(index);
        if (at == finished_.end()) {
            return std::nullopt;
        }
        BoreholeResult result = std::move(at->second);
        finished_.erase(at);
        ++handedOut_;
        changed_.notify_all();
        return result;
    }

    // No further borehole is started (the run ends, or its reader stopped).
    void Stop() {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

private:
    bool Cancelled() const { return cancel_ != nullptr && cancel_->load(); }
    bool Stopping() const { return stopped_ || next_ >= count_ || Cancelled(); }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::size_t, BoreholeResult> finished_;
    std::size_t next_ = 0;
    std::size_t handedOut_ = 0;
    bool stopped_ = false;
    const std::size_t count_;
    const std::size_t window_;
    const std::atomic<bool>* cancel_;
};

} // namespace

SiteSummary RunSite(const ProjectDocument& base, const std::vector<std::string>& files,
                    const SiteOptions& options, const BoreholeSink& sink, const std::atomic<bool>* cancel) {
    SiteSummary summary;
    summary.diameters = StudyTableDiameters(base);
    std::vector<std::string> reserved;
    if (!options.baseFile.empty()) {
        const std::string baseName = std::filesystem::path(options.baseFile).filename().string();
        if (SameFile((std::filesystem::path(options.outDir) / baseName).string(), options.baseFile)) {
            reserved.push_back(baseName);
        }
    }
    const std::vector<std::string> names = StudyFileNames(files, reserved);
    const auto jobs = static_cast<std::size_t>(std::max(1, options.jobs));
    OrderedResults results(files.size(), jobs * kAheadPerWorker, cancel);

    std::vector<std::jthread> workers;
    for (std::size_t w = 0; w < std::min(jobs, std::max<std::size_t>(files.size(), 1)); ++w) {
        workers.emplace_back([&] {
            while (const std::optional<std::size_t> index = results.Take()) {
                const std::string studyPath =
                    (std::filesystem::path(options.outDir) / names[*index]).string();
                BoreholeResult result =
                    RunBorehole(base, files[*index], studyPath, options, summary.diameters);
                result.index = *index;
                results.Finish(std::move(result));
            }
        });
    }
    // Declared after the workers, so that it stops them before they are joined, also when the
    // sink throws.
    const struct StopOnExit {
        OrderedResults& results;
        ~StopOnExit() { results.Stop(); }
    } stopOnExit{results};
    for (std::size_t index = 0; index < files.size(); ++index) {
        std::optional<BoreholeResult> result = results.Wait(index);
        if (!result) {
            summary.cancelled = true;
            break;
        }
        summary.refused += result->status == BoreholeStatus::Refused ? 1 : 0;
        summary.failed += result->status == BoreholeStatus::Failed ? 1 : 0;
        summary.envelope.Add(*result);
        ++summary.done;
        sink(*result);
    }
    return summary;
}

} // namespace zul::site
