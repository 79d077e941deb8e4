#pragma once

// The Qt start of the programs' PDF and graph output without a display.

#include <array>
#include <memory>

class QGuiApplication;

namespace zul {

// Makes Qt's drawing available without a display for its lifetime: when no Qt application
// runs yet it starts one on the offscreen platform, whatever QT_QPA_PLATFORM says (a display
// platform without a display would abort the program), and keeps Qt's notes about its own
// set-up off standard error (errors still go there).  With an application already running it
// does nothing.
class HeadlessQt {
public:
    HeadlessQt();
    ~HeadlessQt();
    HeadlessQt(const HeadlessQt&) = delete;
    HeadlessQt& operator=(const HeadlessQt&) = delete;

private:
    int argc_ = 1;
    char programName_[4] = "zul";
    std::array<char*, 2> argv_{programName_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace zul
