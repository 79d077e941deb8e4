#pragma once

#include "ui/UiServices.h"

#include <QString>
#include <QStringList>

#include <string>

namespace zul::test {

// Records every message box and beep the screens ask for and answers OK.
class RecordingServices final : public UiServices {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    RecordingServices() { UiServices::install(this); }
    ~RecordingServices() override { UiServices::install(nullptr); }

    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;
    QString chooseFile(QWidget*, const FileDialogRequest&) override { return {}; }
    void beep() override { ++beeps; }
    void setBusy(bool) override {}

    QList<Message> messages;
    int beeps = 0;
};

// Shows a screen and makes it the active window, so that focus moves as for a user.
void ShowActive(QWidget* window);

// A settings file in a fresh temporary folder.
std::string TemporaryIniFile();

} // namespace zul::test
