#include "ui/input/frmInpRaTable.h"

#include "ui/input/FieldFactory.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zul {

frmInpRaTable::frmInpRaTable(QWidget* parent)
    : InputScreen(QStringLiteral("支持力検討ｸﾞﾗﾌの作成"), "InpKui", false, parent),
      grid_(new InputGrid(this)),
      numLmin_(MakeNumberField(this, QStringLiteral("numLmin"), QStringLiteral("最小杭長　Ｌmin(m)"), 0.0,
                               999.9, "##0.0")),
      numLmax_(MakeNumberField(this, QStringLiteral("numLmax"), QStringLiteral("最大杭長　Ｌmax(m)"), 0.0,
                               999.9, "##0.0")),
      numLStep_(MakeNumberField(this, QStringLiteral("numLStep"), QStringLiteral("杭長の増分ﾋﾟｯﾁ　ΔＬ(m)"),
                                0.1, 9.9, "0.0")) {
    grid_->setObjectName(QStringLiteral("vaSpread1"));
    grid_->grid()->setColumns({QStringLiteral("杭径φ(m)")}, {GridCellType::Decimal(0, 9.999, 3)});
    grid_->grid()->setRows(kDiameterRows);
    grid_->setRecMax(kDiameterRows);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowsHeight = grid_->verticalHeader()->defaultSectionSize() * kDiameterRows;
    grid_->setFixedSize(200, rowsHeight + grid_->horizontalHeader()->sizeHint().height() +
                                 2 * grid_->frameWidth());

    auto* diameters = new QVBoxLayout;
    diameters->addWidget(new QLabel(QStringLiteral("■杭径の範囲 (入力範囲；0.100m～9.999ｍ)"), this));
    diameters->addWidget(grid_);
    diameters->addStretch(1);

    auto* lengthFields = new QGridLayout;
    AddFieldRows(lengthFields, this, {numLmin_, numLmax_, numLStep_});
    auto* lengths = new QVBoxLayout;
    lengths->addWidget(new QLabel(QStringLiteral("■杭長の範囲"), this));
    lengths->addLayout(lengthFields);
    lengths->addStretch(1);

    auto* main = new QHBoxLayout(this);
    main->addLayout(diameters);
    main->addSpacing(12);
    main->addLayout(lengths);
    main->addSpacing(12);
    main->addLayout(makeButtonColumn());
    main->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(grid_, numLmin_);
    setTabOrder(numLmin_, numLmax_);
    setTabOrder(numLmax_, numLStep_);
}

bool frmInpRaTable::beforeSave() {
    return grid_->commitPendingEdit();
}

} // namespace zul

#include "moc_frmInpRaTable.cpp"
