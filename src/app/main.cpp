#include "app/ApplicationSetup.h"
#include "app/frmMenuMain.h"
#include "util/ProgramPaths.h"

#include <QApplication>
#include <QFileInfo>

// zul [FILE.zul]: the desktop program; a file named on the command line opens at start as
// File > Open would, without the dialog.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zul::SetUpJapaneseApplication(app);

    zul::frmMenuMain window(zul::PathsOfThisProgram());
    window.show();

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.fileCommands().OpenFile(QFileInfo(arguments.at(1)).absoluteFilePath().toStdString());
    }
    return QApplication::exec();
}
