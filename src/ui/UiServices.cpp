#include "ui/UiServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace zul {

namespace {

// The answer of a finished box: the standard button it returned.  A box closed without one of
// its buttons (only possible where the window system allows it) answers the way that keeps the
// data: Cancel, else No, else the lone OK.
MessageAnswer AnswerOf(int result, MessageButtons buttons) {
    switch (result) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

class QtUiServices final : public UiServices {
public:
    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override {
        QMessageBox box(parent);
        box.setText(text);
        box.setWindowTitle(title);
        switch (icon) {
        case MessageIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        return AnswerOf(box.exec(), buttons);
    }

    QString chooseFile(QWidget* parent, const FileDialogRequest& request) override {
        QFileDialog dialog(parent, request.title);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultExtension);
        if (request.openMode) {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
        } else {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
        }
        if (!request.initialDir.isEmpty()) {
            dialog.setDirectory(request.initialDir);
        }
        if (!request.initialName.isEmpty()) {
            const QFileInfo info(request.initialName);
            if (info.isAbsolute()) {
                dialog.setDirectory(info.absolutePath());
            }
            dialog.selectFile(info.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().constFirst();
    }

    QStringList choosePaths(QWidget* parent, const FileDialogRequest& request, PathKind kind) override {
        QFileDialog dialog(parent, request.title);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (kind == PathKind::Folder) {
            dialog.setFileMode(QFileDialog::Directory);
            dialog.setOption(QFileDialog::ShowDirsOnly, true);
        } else {
            dialog.setFileMode(QFileDialog::ExistingFiles);
            dialog.setNameFilter(request.filter);
        }
        if (!request.initialDir.isEmpty()) {
            dialog.setDirectory(request.initialDir);
        }
        if (dialog.exec() != QDialog::Accepted) {
            return {};
        }
        return dialog.selectedFiles();
    }

    void beep() override { QApplication::beep(); }

    void setBusy(bool busy) override {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
};

QtUiServices& qtServices() {
    static QtUiServices services;
    return services;
}

UiServices* installed = nullptr;

} // namespace

UiServices& UiServices::current() {
    return installed ? *installed : qtServices();
}

void UiServices::install(UiServices* services) {
    installed = services;
}

} // namespace zul
