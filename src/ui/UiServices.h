#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zul {

// The answers a standard message box can give.
enum class MessageAnswer { Ok, Cancel, Yes, No };

enum class MessageIcon { Information, Critical, Warning, Question };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The small set of platform services the screens ask of the desktop: message boxes, file
// dialogs, the beep and the hourglass.  The program uses the Qt implementation; tests install
// their own to answer without a person.
class UiServices {
public:
    virtual ~UiServices() = default;

    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    struct FileDialogRequest {
        bool openMode = true; // true: open dialog, false: save dialog
        QString title;
        QString defaultExtension; // without the dot, e.g. "zul"
        QString filter;           // Qt filter text, e.g. "入力ﾃﾞｰﾀ(*.zul)"
        QString initialDir;
        QString initialName;
    };
    // The chosen full path, or an empty text when the user cancelled.
    virtual QString chooseFile(QWidget* parent, const FileDialogRequest& request) = 0;

    // Several existing files at once (request.filter), or one folder (the filter unused); the
    // chosen full paths, none when the user cancelled.
    enum class PathKind { Files, Folder };
    virtual QStringList choosePaths(QWidget* parent, const FileDialogRequest& request, PathKind kind) = 0;

    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;

    // The services in use; never null (the Qt implementation unless a test installed another).
    static UiServices& current();
    // Installs services for the running program or a test; nullptr restores the Qt services.
    static void install(UiServices* services);
};

} // namespace zul
