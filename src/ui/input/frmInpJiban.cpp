#include "ui/input/frmInpJiban.h"

#include "document/SoilKind.h"
#include "ui/input/FieldFactory.h"
#include "ui/input/GroundSketch.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "document/LayerStandardValues.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zul {

namespace {

const char* const kLevelPattern = "+##0.000;-##0.000";

const QStringList& layerKinds() {
    static const QStringList kinds = [] {
        QStringList names;
        for (std::int32_t code = 0; code < kSoilKindCount; ++code) {
            const std::string_view name = SoilKindName(code);
            names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        }
        return names;
    }();
    return kinds;
}

// Column settings: what rows present when the screen opens carry.
std::vector<GridCellType> columnSettings() {
    return {GridCellType::List(layerKinds()),        GridCellType::Decimal(0.001, 999.999, 3),
            GridCellType::Decimal(0.01, 99.99, 2),   GridCellType::Decimal(0.01, 99.99, 2),
            GridCellType::Decimal(0, 100, 1),        GridCellType::Decimal(0.0, 99999.9, 1),
            GridCellType::Decimal(-99999, 99999, 0), GridCellType::Decimal(0.001, 1.000, 3)};
}

// A row made by Add or Insert: narrower ranges for f, qd and DE, and its start values.
std::vector<GridCellType> newLayerSettings() {
    return {GridCellType::List(layerKinds()),      GridCellType::Decimal(0.001, 999.999, 3),
            GridCellType::Decimal(0.01, 99.99, 2), GridCellType::Decimal(0.01, 99.99, 2),
            GridCellType::Decimal(0, 100, 1),      GridCellType::Decimal(0.0, 999.9, 1),
            GridCellType::Decimal(0, 99999, 0),    GridCellType::Decimal(0.000, 1.000, 3)};
}

constexpr double kNewLayerStart[frmInpJiban::kColumns] = {0, 0, 0, 0, 0, 0, 0, 1};

} // namespace

frmInpJiban::frmInpJiban(QWidget* parent)
    : GridInputScreen(QStringLiteral("地盤条件の入力"), "InpJiban", parent),
      numELGL_(MakeNumberField(this, QStringLiteral("numELGL"), QStringLiteral("現地盤面標高(m)"), -999.999,
                               999.999, kLevelPattern)),
      numELWL_(MakeNumberField(this, QStringLiteral("numELWL"), QStringLiteral("地下水位面標高(m)"), -999.999,
                               999.999, kLevelPattern)),
      numSJ1_(MakeNumberField(this, QStringLiteral("numSJ1"), QStringLiteral("常時"), -999.999, 999.999,
                              kLevelPattern)),
      numSJ2_(MakeNumberField(this, QStringLiteral("numSJ2"), QStringLiteral("ﾚﾍﾞﾙ1地震時"), -999.999,
                              999.999, kLevelPattern)),
      levels_(new QWidget(this)), picture_(new GroundSketch(this)),
      cmdDefault_(new QPushButton(QStringLiteral("ﾃﾞﾌｫﾙﾄ値"), this)) {
    cmdDefault_->setObjectName(QStringLiteral("cmdDefault"));
    cmdDefault_->setFocusPolicy(Qt::TabFocus);
    cmdDefault_->setAutoDefault(false);
    cmdDefault_->setFixedSize(cmdOk()->size());
    for (NumberField* field : {numELGL_, numELWL_, numSJ1_, numSJ2_}) {
        field->setParent(levels_);
    }

    auto* levelLayout = new QGridLayout(levels_);
    levelLayout->setContentsMargins(0, 0, 0, 0);
    levelLayout->addWidget(MakeCaptionLabel(levels_, numELGL_->caption(), numELGL_), 0, 0, 1, 2);
    levelLayout->addWidget(numELGL_, 0, 2);
    levelLayout->addWidget(MakeCaptionLabel(levels_, numELWL_->caption(), numELWL_), 1, 0, 1, 2);
    levelLayout->addWidget(numELWL_, 1, 2);
    levelLayout->addWidget(new QLabel(QStringLiteral("設計地盤面標高(m)"), levels_), 2, 0, 1, 3);
    levelLayout->addWidget(MakeCaptionLabel(levels_, numSJ1_->caption(), numSJ1_), 3, 1);
    levelLayout->addWidget(numSJ1_, 3, 2);
    levelLayout->addWidget(MakeCaptionLabel(levels_, numSJ2_->caption(), numSJ2_), 4, 1);
    levelLayout->addWidget(numSJ2_, 4, 2);
    levelLayout->setColumnMinimumWidth(0, 16);
    levelLayout->setRowStretch(5, 1);
    levels_->resize(levels_->sizeHint());

    InputGrid* grid = vaSpread1();
    grid->grid()->setColumns({QStringLiteral("層種"), QStringLiteral("層厚ｈ(m)"),
                              QStringLiteral("γs(kN/m3)"), QStringLiteral("γs'(kN/m3)"),
                              QStringLiteral("Ｎ値"), QStringLiteral("ｆ (kN/m2)"),
                              QStringLiteral("ｑｄ(kN/m2)"), QStringLiteral("係数ＤE")},
                             columnSettings());
    grid->setRowInitializer([this](int row) { InitLayerRow(row); });
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->horizontalHeader()->setMinimumSectionSize(84);

    connect(cmdDefault_, &QPushButton::clicked, this, &frmInpJiban::fillStandardValues);

    setTabOrder(grid, numELGL_);
    setTabOrder(numELGL_, numELWL_);
    setTabOrder(numELWL_, numSJ1_);
    setTabOrder(numSJ1_, numSJ2_);

    const int minimumWidth =
        8 + picture_->width() + 16 + levels_->width() + 16 + cmdOk()->width() + twips(240);
    setMinimumSize(minimumWidth, 520);
    resize(std::max(minimumWidth, 860), 600);
}

void frmInpJiban::InitLayerRow(int row) {
    GridModel* model = vaSpread1()->grid();
    const std::vector<GridCellType> settings = newLayerSettings();
    for (int c = 0; c < kColumns; ++c) {
        model->setCellType(row, c, settings.at(static_cast<std::size_t>(c)));
        model->setValue(row, c, kNewLayerStart[c]);
    }
}

void frmInpJiban::CalcStandardValues() {
    gammaBelow_.fill(0.0);
    friction_.fill(0.0);
    tip_.fill(0.0);
    const GridModel* model = vaSpread1()->grid();
    const int rows = std::min(model->rows(), static_cast<int>(gammaBelow_.size()) - 1);
    for (int r = 1; r <= rows; ++r) {
        // Empty or non-numeric cells count as 0.
        const double kind = model->value(r - 1, 0).value_or(0.0);
        const double gammaAbove = model->value(r - 1, 2).value_or(0.0);
        const double n = model->value(r - 1, 4).value_or(0.0);
        const LayerStandardValues values = StandardLayerValues(sekou_, kind, gammaAbove, n);
        const auto i = static_cast<std::size_t>(r);
        gammaBelow_[i] = values.gammaBelow;
        friction_[i] = values.f;
        tip_[i] = values.qd;
    }
}

void frmInpJiban::fillStandardValues() {
    if (!vaSpread1()->commitPendingEdit()) {
        return;
    }
    CalcStandardValues();
    GridModel* model = vaSpread1()->grid();
    const int rows = std::min(model->rows(), static_cast<int>(gammaBelow_.size()) - 1);
    for (int r = 1; r <= rows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        model->setValue(r - 1, 3, gammaBelow_[i]);
        model->setValue(r - 1, 5, friction_[i]);
        model->setValue(r - 1, 6, tip_[i]);
    }
}

void frmInpJiban::resizeEvent(QResizeEvent* event) {
    GridInputScreen::resizeEvent(event);
    const int innerHeight = height() - menuHeight();
    const int gridTop = menuHeight() + toolBarHeight() + twips(120);
    const int buttonsLeft =
        placeFrame(gridTop, {static_cast<QWidget*>(cmdOk()), cmdCancel(), cmdHelp(), cmdDefault_});
    const int w = width() - buttonsLeft;
    const int gridWidth = std::max(0, width() - w - twips(240));
    const int gridHeight = std::max(0, innerHeight - (toolBarHeight() + statusHeight() + twips(120)) -
                                           (picture_->height() + twips(480)));
    vaSpread1()->setGeometry(twips(120), gridTop, std::max(0, gridWidth - twips(120)), gridHeight);
    const int pictureTop = gridTop + gridHeight + twips(240);
    picture_->move(twips(120), pictureTop);
    levels_->move(twips(120) + picture_->width() + twips(240), pictureTop);
}

} // namespace zul

#include "moc_frmInpJiban.cpp"
