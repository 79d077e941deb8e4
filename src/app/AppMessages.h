#pragma once

#include "ui/UiServices.h"

#include <QString>

namespace zul {

// One message box of the main window and its file commands: text, title, icon and buttons.
struct AppMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

AppMessage MessageSaveBeforeOpen(const QString& dataFileName); // M1
AppMessage MessageSaveBeforeExit(const QString& dataFileName); // M2
AppMessage MessageNew();                                       // M3
AppMessage MessageUnsupportedVersion(const QString& version);  // M4
AppMessage MessageReadError(int errorCode);                    // M5
AppMessage MessageWriteError(int errorCode);                   // M6
AppMessage MessageCalculationError();                          // M7

// Shows the message through the installed services and returns the answer.
MessageAnswer Show(QWidget* parent, const AppMessage& message);

} // namespace zul
