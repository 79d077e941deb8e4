#pragma once

class QKeyEvent;
class QWidget;

namespace zul {

// Enter and the Down arrow move the focus to the next field, the Up arrow to the previous one.
// Returns true when the key was one of them and the focus move was asked for.
bool HandleFieldNavigationKey(QWidget* field, QKeyEvent* event);

// Shift+Insert and Shift+Delete are the row commands of the grid screens' Edit menu.  A field
// or cell editor must not claim them as its own paste and cut keys (a shortcut override), so
// that the window's command runs; where the window has no such command the key still reaches
// the field.
bool IsRowCommandKey(const QKeyEvent* event);

} // namespace zul
