#include "ui/input/frmInpRenban.h"

#include "ui/FixedPitchFont.h"
#include "ui/input/FieldFactory.h"
#include "ui/input/NumberField.h"
#include "ui/input/OptionGroup.h"
#include "ui/input/RenbanPreview.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace zul {

namespace {

const QStringList kLevels = {QStringLiteral("（章）"), QStringLiteral("（節）"), QStringLiteral("（項）"),
                             QStringLiteral("（№）")};

// A preview box: read-only, in a fixed-pitch font so that the margins line up.
QPlainTextEdit* makePreview(QWidget* parent, const QString& name) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(FixedPitchJapaneseFont(box->font()));
    box->setMinimumSize(300, 150);
    return box;
}

} // namespace

frmInpRenban::frmInpRenban(QWidget* parent)
    : InputScreen(QStringLiteral("連番条件設定"), "InpRenban", false, parent), tabs_(new QTabWidget(this)),
      methodGroup_(new QButtonGroup(this)),
      numInit_(MakeNumberField(this, QStringLiteral("numInit"), QStringLiteral("（章）に対する初期値"), 0, 99,
                               "#0")),
      txtMethod_(makePreview(this, QStringLiteral("txtMethod"))),
      txtMargin_(makePreview(this, QStringLiteral("txtMargin"))) {
    tabs_->setObjectName(QStringLiteral("TabStrip1"));

    // Tab 1: first chapter number and numbering method.
    auto* panel1 = new QWidget;
    auto* initRow = new QHBoxLayout;
    initRow->addWidget(MakeCaptionLabel(panel1, numInit_->caption(), numInit_));
    numInit_->setParent(panel1);
    initRow->addWidget(numInit_);
    initRow->addStretch(1);
    auto* methodFrame = new QGroupBox(QStringLiteral("表現方法"), panel1);
    auto* methodLayout = new QHBoxLayout(methodFrame);
    auto* options = new QVBoxLayout;
    const QStringList methods = {QStringLiteral("なし"), QStringLiteral("(章)／(節)…"),
                                 QStringLiteral("(章)－(節)…"), QStringLiteral("(章)．(節)…")};
    for (int i = 0; i < methods.size(); ++i) {
        auto* option = new QRadioButton(methods.at(i), methodFrame);
        option->setObjectName(QStringLiteral("optMethod%1").arg(i));
        optMethod_.at(static_cast<std::size_t>(i)) = option;
        methodGroup_->addButton(option, i);
        options->addWidget(option);
    }
    options->addStretch(1);
    txtMethod_->setParent(methodFrame);
    methodLayout->addLayout(options);
    methodLayout->addWidget(txtMethod_, 1);
    auto* layout1 = new QVBoxLayout(panel1);
    layout1->addLayout(initRow);
    layout1->addWidget(methodFrame, 1);

    // Tab 2: number style of each level.
    auto* panel2 = new QWidget;
    auto* layout2 = new QGridLayout(panel2);
    const QStringList styles = {QStringLiteral("1,2,3,..99"),        QStringLiteral("(1),(2),(3) ...(99)"),
                                QStringLiteral("1),2),3),.(99)"),    QStringLiteral("(a),(b),(c),...(z)"),
                                QStringLiteral("a),b),c),...z)"),    QStringLiteral("(i),(ii),(iii),...(x)"),
                                QStringLiteral("i),ii),iii),...x)"), QStringLiteral("①,②,③,...⑳"),
                                QStringLiteral("・,・,・,...・")};
    for (int i = 0; i < 4; ++i) {
        auto* list = new QComboBox(panel2);
        list->setObjectName(QStringLiteral("cboStyle%1").arg(i));
        list->addItems(styles);
        list->setCurrentIndex(-1);
        list->setMinimumWidth(200);
        cboStyle_.at(static_cast<std::size_t>(i)) = list;
        connect(list, &QComboBox::currentIndexChanged, this, &frmInpRenban::showStyleHint);
        layout2->addWidget(MakeCaptionLabel(panel2, kLevels.at(i) + QStringLiteral("に対して"), list), i, 0);
        layout2->addWidget(list, i, 1);
    }
    layout2->setColumnStretch(2, 1);
    layout2->setRowStretch(4, 1);

    // Tab 3: left margin of each level.
    auto* panel3 = new QWidget;
    auto* layout3 = new QGridLayout(panel3);
    for (int i = 0; i < 4; ++i) {
        const QString caption = kLevels.at(i) + QStringLiteral("レベルに対して");
        auto* field = MakeNumberField(panel3, QStringLiteral("numMargin%1").arg(i), caption, 0, 10, "#0");
        numMargin_.at(static_cast<std::size_t>(i)) = field;
        layout3->addWidget(MakeCaptionLabel(panel3, caption, field), i, 0);
        layout3->addWidget(field, i, 1);
        connect(field, &NumberField::valueChanged, this, &frmInpRenban::buildMarginPreview);
    }
    layout3->addWidget(new QLabel(QStringLiteral("※ 半角１文字幅を１単位とします"), panel3), 4, 0, 1, 2);
    txtMargin_->setParent(panel3);
    layout3->addWidget(txtMargin_, 0, 2, 6, 1);
    layout3->setColumnStretch(2, 1);
    layout3->setRowStretch(5, 1);

    panels_ = {panel1, panel2, panel3};
    tabs_->addTab(panel1, QStringLiteral("表現方法"));
    tabs_->addTab(panel2, QStringLiteral("連番種類"));
    tabs_->addTab(panel3, QStringLiteral("左余白"));
    for (int i = 0; i < 3; ++i) {
        tabs_->tabBar()->setTabData(i, QStringLiteral("Tab%1").arg(i + 1));
    }

    lblStyleHint_ = new QLabel(this);
    lblStyleHint_->setObjectName(QStringLiteral("lblStyleHint"));
    lblStyleHint_->setWordWrap(true);
    lblStyleHint_->setStyleSheet(QStringLiteral("color:#b00000"));
    // The line keeps its room when empty, so that the fixed-size screen does not jump.
    lblStyleHint_->setMinimumHeight(lblStyleHint_->fontMetrics().height() * 2 + 4);
    auto* tabsAndHint = new QVBoxLayout;
    tabsAndHint->addWidget(tabs_);
    tabsAndHint->addWidget(lblStyleHint_);
    auto* main = new QHBoxLayout(this);
    main->addLayout(tabsAndHint);
    main->addSpacing(8);
    main->addLayout(makeButtonColumn());
    main->setSizeConstraint(QLayout::SetFixedSize);

    connect(methodGroup_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            buildMethodPreview();
            showStyleHint();
        }
    });
    connect(tabs_, &QTabWidget::currentChanged, this, &frmInpRenban::showPanel);
}

int frmInpRenban::method() const {
    return SelectedOption(methodGroup_);
}

void frmInpRenban::setMethod(int index) {
    SelectOption(methodGroup_, index);
}

void frmInpRenban::afterLoad() {
    buildMethodPreview();
    buildMarginPreview();
    showStyleHint();
    tabs_->setCurrentIndex(0);
    showPanel(0);
}

void frmInpRenban::buildMethodPreview() {
    txtMethod_->setPlainText(MethodPreviewText(method()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmInpRenban::buildMarginPreview() {
    std::array<int, 4> margins{};
    for (std::size_t i = 0; i < margins.size(); ++i) {
        margins[i] = static_cast<int>(std::nearbyint(numMargin_[i]->valueOrZero()));
    }
    marginPreview_ = MarginPreviewText(method(), margins);
    txtMargin_->setPlainText(QString(marginPreview_).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmInpRenban::showStyleHint() {
    QStringList unstyled;
    for (std::size_t i = 0; i < cboStyle_.size(); ++i) {
        if (cboStyle_[i]->currentIndex() < 0) {
            unstyled << kLevels.at(static_cast<int>(i));
        }
    }
    lblStyleHint_->setText(
        method() != 0 && !unstyled.isEmpty()
            ? QStringLiteral("※ 連番種類を選んでいないレベル（%1）の見出しには番号が付きません。"
                             "「連番種類」のタブで選んで下さい。")
                  .arg(unstyled.join(QStringLiteral("・")))
            : QString());
}

void frmInpRenban::showPanel(int index) {
    for (QWidget* panel : panels_) {
        panel->setEnabled(false);
    }
    if (index >= 0 && index < static_cast<int>(panels_.size())) {
        panels_.at(static_cast<std::size_t>(index))->setEnabled(true);
    }
    // The margin preview follows a method chosen on the first tab.
    if (index == 2) {
        buildMarginPreview();
    }
}

} // namespace zul

#include "moc_frmInpRenban.cpp"
