#include "ui/ScreenLaunchers.h"

#include "io/BoreholeReader.h"
#include "ui/UiServices.h"
#include "ui/input/BoreholeImportDialog.h"

#include <QFile>
#include <QFileInfo>

namespace zul {

bool ImportBorehole(AppContext& context, QWidget* parent) {
    UiServices& services = UiServices::current();
    UiServices::FileDialogRequest request;
    request.openMode = true;
    request.title = QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み");
    request.defaultExtension = QStringLiteral("xml");
    request.filter = QStringLiteral("ﾎﾞｰﾘﾝｸﾞ交換用ﾃﾞｰﾀ(*.xml *.XML)");
    const QString path = services.chooseFile(parent, request);
    if (path.isEmpty()) {
        return false;
    }
    BoreholeReadResult read;
    {
        services.setBusy(true);
        read = ReadBoreholeFile(QFile::encodeName(path).toStdString());
        services.setBusy(false);
    }
    if (!read.record) {
        services.showMessage(parent, QString::fromStdString(read.message), request.title,
                             MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    BoreholeImportDialog dialog(std::move(*read.record), QFileInfo(path).fileName(), context.doc, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zul
