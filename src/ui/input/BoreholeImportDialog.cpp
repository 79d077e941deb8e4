#include "ui/input/BoreholeImportDialog.h"

#include "document/SoilKind.h"
#include "ui/UiServices.h"
#include "ui/input/BoreholeLogView.h"
#include "util/NumberText.h"
#include "util/RoundHalfUp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace zul {

namespace {

const QString kTitle = QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み");
const QColor kUnclassifiedColour(255, 214, 200);

QString Text(double value) {
    return QString::fromStdString(GeneralNumberText(value));
}

QString OptionalText(const std::optional<double>& value, const QString& unit) {
    return value ? Text(*value) + unit : QStringLiteral("（なし）");
}

QTableWidgetItem* NumberItem(double value, int decimals) {
    auto* item = new QTableWidgetItem(QString::number(value, 'f', decimals));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Elevation(double value) {
    return QString::number(value, 'f', 3) + QStringLiteral(" m");
}

// The pile as it will stand after the import, in m below the ground surface of the log (the
// hole top, or the study's ground surface when the borehole gives no elevation).
LogPile PileOnLog(const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    const double ground = plan.groundLevel.value_or(doc.JibanLevel(1).numberOrZero());
    const double head = PileHeadAfterImport(plan, doc).value_or(doc.InpJyoken.ELPU);
    const double vertical = doc.InpJyoken.L * std::cos(doc.InpJyoken.Theta * 3.141592654 / 180);
    return {ground - head, ground - head + vertical};
}

// The depth, date and drilling state of a water record.
QString WaterRecordDetails(const WaterRecord& w) {
    QString text = w.depth
                       ? (IsUsableWaterDepth(w.depth) ? Text(*w.depth) + QStringLiteral(" m")
                                                      : QStringLiteral("水位なし（") + Text(*w.depth) + ")")
                       : QStringLiteral("値なし");
    if (!w.date.empty()) {
        text += QStringLiteral("　") + QString::fromStdString(w.date);
    }
    if (!w.state.empty()) {
        text += QStringLiteral("　状況 ") + QString::fromStdString(w.state);
    }
    return text;
}

QString WaterRecordText(std::size_t index, const WaterRecord& w) {
    return QStringLiteral("%1：").arg(index + 1) + WaterRecordDetails(w);
}

// The pile head before and after the import, and the tip below the ground surface.
QString PileHeadText(const BoreholeImportPlan& plan, const ProjectDocument& doc) {
    const double before = doc.InpJyoken.ELPU;
    QString text = QStringLiteral("杭頭標高：");
    if (const auto after = PileHeadAfterImport(plan, doc)) {
        text += Elevation(before) + QStringLiteral(" → ") + Elevation(*after) +
                QStringLiteral("（現地盤面標高 ") + Elevation(doc.JibanLevel(1).numberOrZero()) +
                QStringLiteral(" → ") + Elevation(*plan.groundLevel) +
                QStringLiteral(" に合わせ，地盤からの深さを保ちます）");
    } else if (plan.groundLevel && plan.keepPileHead) {
        text += Elevation(before) + QStringLiteral(" のまま（変えない）");
    } else {
        text += Elevation(before) + QStringLiteral(" のまま（現地盤面標高が変わらないため）");
    }
    const LogPile pile = PileOnLog(plan, doc);
    return text + QStringLiteral("　杭先端：現地盤面から %1 m").arg(QString::number(pile.tipDepth, 'f', 3));
}

// The water record the import takes and the water level it gives.
QString WaterText(const BoreholeImportPlan& plan, const BoreholeRecord& record) {
    if (plan.waterRecord < 1 || static_cast<std::size_t>(plan.waterRecord) > record.water.size()) {
        return QStringLiteral("孔内水位：使える記録がないため，地下水位面標高は変えません");
    }
    QString text = QStringLiteral("孔内水位：%1 番目の記録（").arg(plan.waterRecord) +
                   WaterRecordDetails(record.water[static_cast<std::size_t>(plan.waterRecord - 1)]) +
                   QStringLiteral("）");
    if (plan.waterDepth && plan.elevation) {
        text += QStringLiteral(" → 地下水位面標高 ") +
                Elevation(RoundHalfUp(*plan.elevation - *plan.waterDepth, 3));
    }
    return text;
}

} // namespace

QString ReplaceGroundQuestion(const ProjectDocument& doc) {
    return QStringLiteral("入力済みの地盤条件（地層 %1 層）とＮ値（%2 点）を，ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀで置き換えます。"
                          "よろしいですか？")
        .arg(doc.JibanCount)
        .arg(doc.NCount);
}

BoreholeImportDialog::BoreholeImportDialog(BoreholeRecord record, const QString& fileName,
                                           ProjectDocument& doc, QWidget* parent)
    : QDialog(parent), record_(std::move(record)), doc_(doc) {
    setObjectName(QStringLiteral("frmImportBoring"));
    setWindowTitle(kTitle);
    buildWidgets(fileName);
    replan();
    // As large as it lays out well, but within the screen (with room for the frame).
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1180, 780);
    resize(QSize(1180, 780).boundedTo(area.size() - QSize(16, 40)).expandedTo(minimumSizeHint()));
}

void BoreholeImportDialog::buildWidgets(const QString& fileName) {
    auto* info = new QGroupBox(QStringLiteral("ﾎﾞｰﾘﾝｸﾞ"), this);
    auto* infoLayout = new QFormLayout(info);
    const auto addInfo = [&](const char* name, const QString& caption, const QString& value) {
        auto* label = new QLabel(value, info);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true); // a long file or borehole name does not widen the dialog
        infoLayout->addRow(caption, label);
    };
    addInfo("lblFile", QStringLiteral("ﾌｧｲﾙ"), fileName);
    addInfo("lblName", QStringLiteral("ﾎﾞｰﾘﾝｸﾞ名"), QString::fromStdString(record_.name));
    addInfo("lblVersion", QStringLiteral("書式（DTD）"),
            QString::fromStdString(record_.dtdVersion.empty() ? std::string("（記載なし）")
                                                              : record_.dtdVersion) +
                QStringLiteral("　要素から判定：") + QString::fromUtf8(BoreholeLayoutName(record_.layout)));
    addInfo("lblElevation", QStringLiteral("孔口標高"),
            OptionalText(record_.elevation, QStringLiteral(" m")));
    addInfo("lblTotalDepth", QStringLiteral("総掘進長"),
            OptionalText(record_.totalDepth, QStringLiteral(" m")));
    addInfo("lblCounts", QStringLiteral("記録"),
            QStringLiteral("地層 %1 件，標準貫入試験 %2 件，孔内水位 %3 件")
                .arg(record_.layers.size())
                .arg(record_.tests.size())
                .arg(record_.water.size()));

    auto* choices = new QGroupBox(QStringLiteral("取込みの条件"), this);
    auto* choiceLayout = new QGridLayout(choices);
    chkMaxDepth_ = new QCheckBox(QStringLiteral("取込み深さ(m)"), choices);
    chkMaxDepth_->setObjectName(QStringLiteral("chkMaxDepth"));
    numMaxDepth_ = new QDoubleSpinBox(choices);
    numMaxDepth_->setObjectName(QStringLiteral("numMaxDepth"));
    numMaxDepth_->setRange(0.01, 999.99);
    numMaxDepth_->setDecimals(2);
    numMaxDepth_->setValue(
        record_.totalDepth.value_or(20.0) > 0 ? std::min(record_.totalDepth.value_or(20.0), 999.99) : 20.0);
    numMaxDepth_->setEnabled(false);
    cboNDepth_ = new QComboBox(choices);
    cboNDepth_->setObjectName(QStringLiteral("cboNDepth"));
    cboNDepth_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboNDepth_->setMinimumContentsLength(12);
    cboNDepth_->addItems(
        {QStringLiteral("試験区間の中央（開始深度＋貫入量の半分）"), QStringLiteral("試験の開始深度")});
    chkNCap_ = new QCheckBox(QStringLiteral("Ｎ値の上限"), choices);
    chkNCap_->setObjectName(QStringLiteral("chkNCap"));
    numNCap_ = new QDoubleSpinBox(choices);
    numNCap_->setObjectName(QStringLiteral("numNCap"));
    numNCap_->setRange(0, 100);
    numNCap_->setDecimals(1);
    numNCap_->setValue(50);
    numNCap_->setEnabled(false);
    cboWater_ = new QComboBox(choices);
    cboWater_->setObjectName(QStringLiteral("cboWater"));
    cboWater_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboWater_->setMinimumContentsLength(12);
    cboWater_->addItem(QStringLiteral("自動で選ぶ"));
    for (std::size_t i = 0; i < record_.water.size(); ++i) {
        cboWater_->addItem(WaterRecordText(i, record_.water[i]));
    }
    chkKeepDesign_ = new QCheckBox(QStringLiteral("設計地盤面標高は今の値のままにする"), choices);
    chkKeepDesign_->setObjectName(QStringLiteral("chkKeepDesign"));
    chkKeepPileHead_ = new QCheckBox(QStringLiteral("杭頭標高を変えない"), choices);
    chkKeepPileHead_->setObjectName(QStringLiteral("chkKeepPileHead"));
    choiceLayout->addWidget(chkMaxDepth_, 0, 0);
    choiceLayout->addWidget(numMaxDepth_, 0, 1);
    choiceLayout->addWidget(new QLabel(QStringLiteral("Ｎ値の深度"), choices), 1, 0);
    choiceLayout->addWidget(cboNDepth_, 1, 1);
    choiceLayout->addWidget(chkNCap_, 2, 0);
    choiceLayout->addWidget(numNCap_, 2, 1);
    choiceLayout->addWidget(new QLabel(QStringLiteral("孔内水位"), choices), 3, 0);
    choiceLayout->addWidget(cboWater_, 3, 1);
    choiceLayout->addWidget(chkKeepDesign_, 4, 0, 1, 2);
    choiceLayout->addWidget(chkKeepPileHead_, 5, 0, 1, 2);

    tblLayers_ = new QTableWidget(0, 10, this);
    tblLayers_->setObjectName(QStringLiteral("tblLayers"));
    tblLayers_->setHorizontalHeaderLabels(
        {QStringLiteral("上端(m)"), QStringLiteral("下端(m)"), QStringLiteral("層厚ｈ(m)"),
         QStringLiteral("土質名"), QStringLiteral("層種"), QStringLiteral("Ｎ値"), QStringLiteral("γs"),
         QStringLiteral("γs'"), QStringLiteral("ｆ"), QStringLiteral("ｑｄ")});
    tblLayers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblLayers_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    tblLayers_->verticalHeader()->setDefaultSectionSize(tblLayers_->fontMetrics().height() + 10);

    tblPoints_ = new QTableWidget(0, 2, this);
    tblPoints_->setObjectName(QStringLiteral("tblPoints"));
    tblPoints_->setHorizontalHeaderLabels({QStringLiteral("深度(m)"), QStringLiteral("Ｎ値")});
    tblPoints_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPoints_->verticalHeader()->setDefaultSectionSize(tblPoints_->fontMetrics().height() + 6);

    lstNotes_ = new QListWidget(this);
    lstNotes_->setObjectName(QStringLiteral("lstNotes"));
    lstNotes_->setWordWrap(true);

    lblSummary_ = new QLabel(this);
    lblSummary_->setObjectName(QStringLiteral("lblSummary"));
    lblSummary_->setWordWrap(true);
    lblPile_ = new QLabel(this);
    lblPile_->setObjectName(QStringLiteral("lblPile"));
    lblPile_->setWordWrap(true);
    lblWater_ = new QLabel(this);
    lblWater_->setObjectName(QStringLiteral("lblWater"));
    lblWater_->setWordWrap(true);

    picLog_ = new BoreholeLogView(this);
    picLog_->setObjectName(QStringLiteral("picLog"));

    auto* buttons = new QDialogButtonBox(this);
    cmdOk_ = buttons->addButton(QStringLiteral("OK(&O)"), QDialogButtonBox::AcceptRole);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &BoreholeImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BoreholeImportDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(info, 1);
    top->addWidget(choices, 1);
    auto* lower = new QHBoxLayout;
    auto* pointsAndNotes = new QVBoxLayout;
    pointsAndNotes->addWidget(new QLabel(QStringLiteral("取り込むＮ値"), this));
    pointsAndNotes->addWidget(tblPoints_, 3);
    lower->addLayout(pointsAndNotes, 1);
    auto* notesBox = new QVBoxLayout;
    notesBox->addWidget(new QLabel(QStringLiteral("注意"), this));
    notesBox->addWidget(lstNotes_);
    lower->addLayout(notesBox, 3);
    auto* right = new QVBoxLayout;
    right->addLayout(top);
    auto* layerCaption = new QLabel(
        QStringLiteral(
            "取り込む地層（層種は変えられます。赤い行は土質名から層種を判定できなかった地層です）"),
        this);
    layerCaption->setWordWrap(true);
    right->addWidget(layerCaption);
    right->addWidget(tblLayers_, 3);
    right->addLayout(lower, 2);
    right->addWidget(lblSummary_);
    right->addWidget(lblPile_);
    right->addWidget(lblWater_);
    right->addWidget(buttons);
    auto* main = new QHBoxLayout(this);
    main->addWidget(picLog_, 2);
    main->addLayout(right, 5);

    connect(chkMaxDepth_, &QCheckBox::toggled, this, [this](bool on) {
        numMaxDepth_->setEnabled(on);
        optionsChanged();
    });
    connect(numMaxDepth_, &QDoubleSpinBox::valueChanged, this, [this] { optionsChanged(); });
    connect(cboNDepth_, &QComboBox::currentIndexChanged, this, [this] { optionsChanged(); });
    connect(chkNCap_, &QCheckBox::toggled, this, [this](bool on) {
        numNCap_->setEnabled(on);
        optionsChanged();
    });
    connect(numNCap_, &QDoubleSpinBox::valueChanged, this, [this] { optionsChanged(); });
    connect(cboWater_, &QComboBox::currentIndexChanged, this, [this] { optionsChanged(); });
    connect(chkKeepDesign_, &QCheckBox::toggled, this, [this] { optionsChanged(); });
    connect(chkKeepPileHead_, &QCheckBox::toggled, this, [this] { optionsChanged(); });
}

void BoreholeImportDialog::optionsChanged() {
    options_.maxDepth =
        chkMaxDepth_->isChecked() ? std::optional<double>(numMaxDepth_->value()) : std::nullopt;
    options_.nDepth = cboNDepth_->currentIndex() == 1 ? NDepthReference::Start : NDepthReference::Middle;
    options_.nCap = chkNCap_->isChecked() ? std::optional<double>(numNCap_->value()) : std::nullopt;
    options_.waterRecord =
        cboWater_->currentIndex() > 0 ? std::optional<int>(cboWater_->currentIndex()) : std::nullopt;
    options_.keepDesignLevels = chkKeepDesign_->isChecked();
    options_.keepPileHead = chkKeepPileHead_->isChecked();
    replan();
}

void BoreholeImportDialog::replan() {
    // The kinds the engineer chose belong to layers by their top depth, so that they stay with
    // their layers when a depth limit changes the rows.
    options_.kindChoices.clear();
    if (!chosenKinds_.empty()) {
        const BoreholeImportPlan rows = PlanBoreholeImport(record_, options_, doc_);
        for (std::size_t row = 0; row < rows.layers.size(); ++row) {
            if (const auto chosen = chosenKinds_.find(rows.layers[row].top); chosen != chosenKinds_.end()) {
                options_.kindChoices.resize(rows.layers.size());
                options_.kindChoices[row] = chosen->second;
            }
        }
    }
    plan_ = PlanBoreholeImport(record_, options_, doc_);
    showPlan();
}

void BoreholeImportDialog::showPlan() {
    fillLayerTable();
    fillPointTable();
    fillNotes();
    cmdOk_->setEnabled(plan_.ok());
    if (!plan_.ok()) {
        // A borehole refused for its many layers still shows its log, and the depth limit offers
        // the depth under which they fit.
        picLog_->showLog(plan_.refusedLayers, {}, std::nullopt, std::nullopt);
        if (plan_.fittingDepth && !chkMaxDepth_->isChecked()) {
            const QSignalBlocker blocker(numMaxDepth_);
            numMaxDepth_->setValue(*plan_.fittingDepth);
        }
        lblSummary_->setText(QStringLiteral("<span style='color:#b00000'>") +
                             QString::fromStdString(plan_.message).toHtmlEscaped() +
                             QStringLiteral("</span>"));
        lblPile_->clear();
        lblWater_->clear();
        return;
    }
    picLog_->showLog(plan_.layers, plan_.points, plan_.waterDepth, PileOnLog(plan_, doc_));
    QString levels =
        QStringLiteral("取込み後：地層 %1 層，Ｎ値 %2 点").arg(plan_.layers.size()).arg(plan_.points.size());
    if (plan_.groundLevel) {
        levels += QStringLiteral("，現地盤面標高 ") + Text(*plan_.groundLevel) + QStringLiteral(" m");
    }
    lblSummary_->setText(levels);
    lblPile_->setText(PileHeadText(plan_, doc_));
    lblWater_->setText(WaterText(plan_, record_));
}

void BoreholeImportDialog::fillLayerTable() {
    tblLayers_->clearContents();
    tblLayers_->setRowCount(static_cast<int>(plan_.layers.size()));
    for (int row = 0; row < tblLayers_->rowCount(); ++row) {
        const ImportedLayer& layer = plan_.layers[static_cast<std::size_t>(row)];
        QString names;
        for (const std::string& name : layer.names) {
            names += (names.isEmpty() ? QString() : QStringLiteral("・")) + QString::fromStdString(name);
        }
        const bool marked = layer.unclassified && !layer.kindChosen;
        auto* nameItem = new QTableWidgetItem((marked ? QStringLiteral("※ ") : QString()) + names);
        nameItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (layer.unclassified) {
            nameItem->setToolTip(QStringLiteral("土質名から層種を判定できません。層種を確かめて下さい。"));
        }
        tblLayers_->setItem(row, 0, NumberItem(layer.top, 2));
        tblLayers_->setItem(row, 1, NumberItem(layer.bottom, 2));
        tblLayers_->setItem(row, 2, NumberItem(layer.thickness, 3));
        tblLayers_->setItem(row, 3, nameItem);
        auto* kind = new QComboBox(tblLayers_);
        kind->setObjectName(QStringLiteral("cboKind%1").arg(row));
        for (std::int32_t k = 0; k < kSoilKindCount; ++k) {
            kind->addItem(
                QString::fromUtf8(SoilKindName(k).data(), static_cast<int>(SoilKindName(k).size())));
        }
        kind->setCurrentIndex(layer.kind);
        const double layerTop = layer.top;
        connect(kind, &QComboBox::currentIndexChanged, this, [this, layerTop](int index) {
            chosenKinds_[layerTop] = index;
            // The table is rebuilt after this signal has been delivered.
            QMetaObject::invokeMethod(
                this, [this] { replan(); }, Qt::QueuedConnection);
        });
        tblLayers_->setItem(row, 4, new QTableWidgetItem);
        tblLayers_->setCellWidget(row, 4, kind);
        tblLayers_->setItem(row, 5, NumberItem(layer.n, 1));
        tblLayers_->setItem(row, 6, NumberItem(layer.gammaAbove, 2));
        tblLayers_->setItem(row, 7, NumberItem(layer.gammaBelow, 2));
        tblLayers_->setItem(row, 8, NumberItem(layer.f, 1));
        tblLayers_->setItem(row, 9, NumberItem(layer.qd, 0));
        for (int c = 0; c < tblLayers_->columnCount(); ++c) {
            if (QTableWidgetItem* item = tblLayers_->item(row, c)) {
                item->setBackground(marked ? QBrush(kUnclassifiedColour)
                                           : QBrush(SoilKindColour(layer.kind).lighter(115)));
            }
        }
    }
    keepLayerColumnsWhole();
}

// The table is never made narrower than its columns other than the names (and a little of
// those) need, so that the last columns (f, qd) are never cut off or scrolled away.
void BoreholeImportDialog::keepLayerColumnsWhole() {
    constexpr int kNameColumn = 3;
    int width = tblLayers_->verticalHeader()->sizeHint().width() + 2 * tblLayers_->frameWidth() +
                tblLayers_->verticalScrollBar()->sizeHint().width() +
                tblLayers_->fontMetrics().horizontalAdvance(QStringLiteral("※ 土質名土質")) + 8;
    QHeaderView* header = tblLayers_->horizontalHeader();
    header->resizeSections(QHeaderView::ResizeToContents); // the names column stretches again on layout
    for (int column = 0; column < tblLayers_->columnCount(); ++column) {
        if (column != kNameColumn) {
            width += header->sectionSize(column);
        }
    }
    tblLayers_->setMinimumWidth(width);
}

void BoreholeImportDialog::fillPointTable() {
    tblPoints_->clearContents();
    tblPoints_->setRowCount(static_cast<int>(plan_.points.size()));
    for (int row = 0; row < tblPoints_->rowCount(); ++row) {
        const ImportedPoint& point = plan_.points[static_cast<std::size_t>(row)];
        tblPoints_->setItem(row, 0, NumberItem(point.depth, 3));
        tblPoints_->setItem(row, 1, NumberItem(point.n, 1));
    }
}

void BoreholeImportDialog::fillNotes() {
    lstNotes_->clear();
    for (const std::string& note : plan_.notes) {
        lstNotes_->addItem(QString::fromStdString(note));
    }
}

void BoreholeImportDialog::accept() {
    if (!plan_.ok()) {
        return;
    }
    if (doc_.groundEntered() || doc_.nValuesEntered()) {
        const MessageAnswer answer = UiServices::current().showMessage(
            this, ReplaceGroundQuestion(doc_), kTitle, MessageIcon::Question, MessageButtons::OkCancel);
        if (answer != MessageAnswer::Ok) {
            return;
        }
    }
    ApplyBoreholeImport(plan_, doc_);
    QDialog::accept();
}

} // namespace zul

#include "moc_BoreholeImportDialog.cpp"
