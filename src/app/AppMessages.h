#pragma once

#include "ui/UiServices.h"

#include <QString>

#include <string>
#include <vector>

namespace zul {

// One message box of the main window and its file commands: text, title, icon and buttons.
struct AppMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

// Edited data before another file opens: save it first? (Yes / No)
AppMessage MessageSaveBeforeOpen(const QString& dataFileName);
// Edited data before the program ends: save it first? (Yes / No / Cancel)
AppMessage MessageSaveBeforeExit(const QString& dataFileName);
// File > New: discard the edited data and start a new study? (OK / Cancel)
AppMessage MessageNew();
// A file of a version this program does not read.
AppMessage MessageUnsupportedVersion(const QString& version);
// A study file that could not be read, with its error code.
AppMessage MessageReadError(int errorCode);
// A study that opened, but whose borehole source was damaged and dropped.
AppMessage MessageSourceDropped(const std::string& message);
// A study file that could not be written, with its error code.
AppMessage MessageWriteError(int errorCode);
// A calculation that failed: check the input data; under it, one line "原因：..." for each input
// known to make it fail.
AppMessage MessageCalculationError(const std::vector<std::string>& causes = {});

// Shows the message through the installed services and returns the answer.
MessageAnswer Show(QWidget* parent, const AppMessage& message);

} // namespace zul
