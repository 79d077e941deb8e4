#pragma once

#include "ui/UiServices.h"

#include <QList>
#include <QString>

#include <deque>

namespace zul::test {

// Answers message boxes and file dialogs from queues and records what was asked, so the tests
// drive the window without a person.  Installs itself for its lifetime.
class FakeUiServices final : public UiServices {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    FakeUiServices() { UiServices::install(this); }
    ~FakeUiServices() override { UiServices::install(nullptr); }
    FakeUiServices(const FakeUiServices&) = delete;
    FakeUiServices& operator=(const FakeUiServices&) = delete;

    MessageAnswer showMessage(QWidget*, const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.append({text, title, icon, buttons});
        if (answers.empty()) {
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString chooseFile(QWidget*, const FileDialogRequest& request) override {
        dialogs.append(request);
        if (files.empty()) {
            return {};
        }
        const QString file = files.front();
        files.pop_front();
        return file;
    }

    QStringList choosePaths(QWidget*, const FileDialogRequest& request, PathKind kind) override {
        dialogs.append(request);
        pathKinds.append(kind);
        if (pathLists.empty()) {
            return {};
        }
        QStringList chosen = pathLists.front();
        pathLists.pop_front();
        return chosen;
    }

    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyCalls.append(busy); }

    std::deque<MessageAnswer> answers; // next answers to message boxes
    std::deque<QString> files;         // next chosen files; an empty text cancels
    std::deque<QStringList> pathLists; // next answers of choosePaths; an empty list cancels
    QList<PathKind> pathKinds;
    QList<Message> messages;
    QList<FileDialogRequest> dialogs;
    QList<bool> busyCalls;
    int beeps = 0;
};

} // namespace zul::test
