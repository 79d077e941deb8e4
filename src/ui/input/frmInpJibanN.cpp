#include "ui/input/frmInpJibanN.h"

#include "ui/input/InputGrid.h"

#include <QHeaderView>
#include <QPushButton>

#include <algorithm>

namespace zul {

namespace {

std::vector<GridCellType> nColumns() {
    return {GridCellType::Decimal(0, 99.999, 3), GridCellType::Decimal(0, 100, 1)};
}

} // namespace

frmInpJibanN::frmInpJibanN(QWidget* parent)
    : GridInputScreen(QStringLiteral("Ｎ値の入力"), "InpJibanN", parent) {
    InputGrid* grid = vaSpread1();
    grid->grid()->setColumns({QStringLiteral("深度"), QStringLiteral("Ｎ値")}, nColumns());
    grid->setRowInitializer([this](int row) { InitNRow(row); });
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setMinimumSize(340, 320);
    resize(420, 520);
}

void frmInpJibanN::InitNRow(int row) {
    GridModel* model = vaSpread1()->grid();
    const std::vector<GridCellType> settings = nColumns();
    for (int c = 0; c < 2; ++c) {
        model->setCellType(row, c, settings.at(static_cast<std::size_t>(c)));
        model->setValue(row, c, 0.0);
    }
}

bool frmInpJibanN::beforeSave() {
    if (!GridInputScreen::beforeSave()) {
        return false;
    }
    // Ascending depth, whole rows moved; equal depths keep the order they were typed in.
    vaSpread1()->grid()->sortRowsBy(0);
    return true;
}

void frmInpJibanN::resizeEvent(QResizeEvent* event) {
    GridInputScreen::resizeEvent(event);
    const int innerHeight = height() - menuHeight();
    const int gridTop = menuHeight() + toolBarHeight();
    const int buttonsLeft =
        placeFrame(gridTop + twips(120), {static_cast<QWidget*>(cmdOk()), cmdCancel(), cmdHelp()});
    const int w = width() - buttonsLeft;
    const int gridWidth = std::max(0, width() - w - twips(360));
    const int gridHeight = std::max(0, innerHeight - (statusHeight() + toolBarHeight()));
    vaSpread1()->setGeometry(0, gridTop, gridWidth, gridHeight);
}

} // namespace zul

#include "moc_frmInpJibanN.cpp"
