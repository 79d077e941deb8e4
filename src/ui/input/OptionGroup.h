#pragma once

class QButtonGroup;

namespace zul {

// An option group read as the index of its selected button (0 when none is selected) and
// set by selecting the button of an index (no button when the index is out of range).
int SelectedOption(const QButtonGroup* group);
void SelectOption(QButtonGroup* group, int index);

} // namespace zul
