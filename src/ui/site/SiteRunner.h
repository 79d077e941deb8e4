#pragma once

#include "document/ProjectDocument.h"
#include "site/SiteRun.h"
#include "site/SiteTypes.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace zul {

// Runs a site study on a thread of its own, so that the window stays responsive, and hands the
// boreholes (in file order) and at last the summary to the callbacks on the window's thread.
// Cancel starts no further borehole: those already taken are finished, written and handed out,
// then the summary comes with `cancelled` set.  Destroying the runner cancels and waits for the
// thread; nothing is handed out after that.
class SiteRunner : public QObject {
    Q_OBJECT
public:
    using BoreholeCallback = std::function<void(const site::BoreholeResult&)>;
    using FinishedCallback = std::function<void(const site::SiteSummary&)>;

    explicit SiteRunner(QObject* parent = nullptr);
    ~SiteRunner() override;

    // Starts a run unless one is running; false when one is or no thread could be started.
    bool Start(ProjectDocument base, std::vector<std::string> files, site::SiteOptions options,
               BoreholeCallback onBorehole, FinishedCallback onFinished);
    void Cancel() { cancel_ = true; }
    bool Running() const { return running_; }

private:
    void Stop();

    std::atomic<bool> cancel_ = false;
    bool running_ = false;
    BoreholeCallback onBorehole_;
    FinishedCallback onFinished_;
    std::thread thread_;
};

} // namespace zul
