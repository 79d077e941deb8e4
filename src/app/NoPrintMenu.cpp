#include "app/ScreenLaunchers.h"

// Built while the print menu is not part of the program.
namespace zul {

bool HasPrintMenu() {
    return false;
}

void ShowPrintMenu(AppContext&, QWidget*) {}

} // namespace zul
