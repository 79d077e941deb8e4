#pragma once

class QKeyEvent;
class QWidget;

namespace zul {

// Enter and the Down arrow move the focus to the next field, the Up arrow to the previous one.
// Returns true when the key was one of them and the focus move was asked for.
bool HandleFieldNavigationKey(QWidget* field, QKeyEvent* event);

} // namespace zul
