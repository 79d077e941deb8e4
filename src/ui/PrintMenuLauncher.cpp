#include "ui/ScreenLaunchers.h"

#include "ui/print/frmMenuPrint.h"

namespace zul {

// Shows the print menu modally on the last CalcRa of context.calc.
void ShowPrintMenu(AppContext& context, const QString& productName, QWidget* parent) {
    frmMenuPrint screen(PrintMenuContext{context.doc, context.calc, context.paths, productName, {}}, parent);
    screen.exec();
}

} // namespace zul
