#include "app/ScreenLaunchers.h"

// Built while the study graph screen is not part of the program.
namespace zul {

bool HasGraphScreen() {
    return false;
}

void ShowGraphScreen(AppContext&, QWidget*) {}

} // namespace zul
