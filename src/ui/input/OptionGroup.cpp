#include "ui/input/OptionGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace zul {

int SelectedOption(const QButtonGroup* group) {
    const int id = group->checkedId();
    return id < 0 ? 0 : id;
}

void SelectOption(QButtonGroup* group, int index) {
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // No button of that index: clear the group.
    group->setExclusive(false);
    for (QAbstractButton* each : group->buttons()) {
        each->setChecked(false);
    }
    group->setExclusive(true);
}

} // namespace zul
