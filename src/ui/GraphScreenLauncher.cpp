#include "ui/ScreenLaunchers.h"

#include "ui/results/frmResOutRaTable.h"

namespace zul {

// Shows the study graph of the last table calculation modally.  Closing the screen saves the
// four graph metafiles into context.paths.metafileFolder and sets RaTableDone of the document.
void ShowGraphScreen(AppContext& context, QWidget* parent) {
    frmResOutRaTable screen(context, parent);
    screen.setUsrCaption(QString());
    screen.exec();
}

} // namespace zul
