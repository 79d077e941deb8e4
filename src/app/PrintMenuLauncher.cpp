#include "app/ProductInfo.h"
#include "app/ScreenLaunchers.h"
#include "calc/basCalcMain.h"
#include "ui/print/frmMenuPrint.h"

namespace zul {

bool HasPrintMenu() {
    return true;
}

// Shows the print menu modally on the last CalcRa; the graph report refers to the metafiles in
// context.metafileFolder, where the graph screen saved them.
void ShowPrintMenu(AppContext& context, QWidget* parent) {
    frmMenuPrint screen(PrintMenuContext{context.doc,
                                         context.calc,
                                         context.iniFile,
                                         context.programFolder,
                                         context.metafileFolder,
                                         kProductName,
                                         {}},
                        parent);
    screen.exec();
}

} // namespace zul
