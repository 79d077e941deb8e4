#include "ui/site/SiteRunner.h"

#include <memory>
#include <system_error>

namespace zul {

SiteRunner::SiteRunner(QObject* parent) : QObject(parent) {}

SiteRunner::~SiteRunner() {
    Stop();
}

void SiteRunner::Stop() {
    cancel_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool SiteRunner::Start(ProjectDocument base, std::vector<std::string> files, site::SiteOptions options,
                       BoreholeCallback onBorehole, FinishedCallback onFinished) {
    if (running_) {
        return false;
    }
    // The thread of the run before has handed out everything and is ending.
    if (thread_.joinable()) {
        thread_.join();
    }
    cancel_ = false;
    running_ = true;
    onBorehole_ = std::move(onBorehole);
    onFinished_ = std::move(onFinished);
    try {
        thread_ = std::thread(
            [this, base = std::move(base), files = std::move(files), options = std::move(options)] {
                // Posted to this object: Qt drops what is still queued when the runner is destroyed.
                const auto post = [this](auto call) {
                    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
                };
                auto summary = std::make_shared<site::SiteSummary>();
                try {
                    *summary = site::RunSite(
                        base, files, options,
                        [&](const site::BoreholeResult& borehole) {
                            post([this, result = std::make_shared<const site::BoreholeResult>(borehole)] {
                                if (onBorehole_) {
                                    onBorehole_(*result);
                                }
                            });
                        },
                        &cancel_);
                } catch (const std::exception&) {
                    // Out of memory or threads: what was handed out stands, the run ends as cancelled.
                    summary->cancelled = true;
                }
                post([this, summary] {
                    running_ = false;
                    if (onFinished_) {
                        onFinished_(*summary);
                    }
                });
            });
    } catch (const std::system_error&) {
        // No thread for the run (the system's limit): nothing was started.
        running_ = false;
        return false;
    }
    return true;
}

} // namespace zul

#include "moc_SiteRunner.cpp"
