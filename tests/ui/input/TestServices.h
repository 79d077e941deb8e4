#pragma once

#include "FakeUiServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/InputBindings.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>

namespace zul::test {

// Shows a screen and makes it the active window, so that focus moves as for a user.
void ShowActive(QWidget* window);

// A settings file in a fresh temporary folder.
std::string TemporaryIniFile();

// An input screen bound to a study and shown as the active window, with services that answer
// its message boxes.  prepare fills the study before the screen is bound; recMax, when above 0,
// is the row limit of a grid screen.  Take the parts apart with
// `auto& [services, doc, screen] = shown;`.
template <class Screen> struct ShownScreen {
    explicit ShownScreen(const std::function<void(ProjectDocument&)>& prepare = {}, std::int32_t recMax = 0) {
        if (prepare) {
            prepare(doc);
        }
        if (recMax > 0) {
            screen.setUsrRecMax(recMax);
        }
        BindInputScreen(screen, doc);
        ShowActive(&screen);
    }

    FakeUiServices services;
    ProjectDocument doc;
    Screen screen;
};

} // namespace zul::test
