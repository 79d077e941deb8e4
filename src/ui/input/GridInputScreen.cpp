#include "ui/input/GridInputScreen.h"

#include "ui/WindowPlacement.h"
#include "ui/input/GridEditBar.h"
#include "ui/input/InputGrid.h"

#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace zul {

GridInputScreen::GridInputScreen(const QString& caption, const std::string& section, QWidget* parent)
    : InputScreen(caption, section, true, parent), grid_(new InputGrid(this)),
      bar_(new GridEditBar(grid_, this)) {
    grid_->setObjectName(QStringLiteral("vaSpread1"));
    setSizeGripEnabled(true);
    for (QPushButton* button : {cmdOk(), cmdCancel(), cmdHelp()}) {
        button->setFixedSize(std::max(100, button->sizeHint().width()), button->sizeHint().height());
    }
}

void GridInputScreen::prepareScreen() {
    grid_->setRecMax(UsrRecMax());
    QPalette colours = grid_->palette();
    colours.setColor(QPalette::AlternateBase, QColor(240, 248, 255));
    grid_->setPalette(colours);
    grid_->setAlternatingRowColors(true);
    grid_->setActiveCell(0, 0);
}

bool GridInputScreen::beforeSave() {
    return grid_->commitPendingEdit();
}

int GridInputScreen::twips(int value) const {
    return TwipsToPixels(this, value);
}

int GridInputScreen::menuHeight() const {
    return bar_->menuBar()->sizeHint().height();
}

int GridInputScreen::toolBarHeight() const {
    return bar_->toolBar()->sizeHint().height();
}

int GridInputScreen::statusHeight() const {
    return bar_->statusBar()->sizeHint().height();
}

int GridInputScreen::placeFrame(int top, std::initializer_list<QWidget*> buttons) {
    const int innerWidth = width();
    const int innerHeight = height();
    bar_->menuBar()->setGeometry(0, 0, innerWidth, menuHeight());
    bar_->toolBar()->setGeometry(0, menuHeight(), innerWidth, toolBarHeight());
    bar_->statusBar()->setGeometry(0, innerHeight - statusHeight(), innerWidth, statusHeight());
    const int w = cmdOk()->width() + twips(240);
    const int left = std::max(0, innerWidth - w);
    int y = top;
    for (QWidget* button : buttons) {
        button->move(left, y);
        y += button->height() + twips(90);
    }
    return left;
}

} // namespace zul

#include "moc_GridInputScreen.cpp"
