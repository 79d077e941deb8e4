#include "ui/input/frmInpJyoken.h"

#include "document/ConstructionMethod.h"
#include "ui/input/FieldFactory.h"
#include "ui/input/NumberField.h"
#include "ui/input/OptionGroup.h"
#include "ui/input/TextField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zul {

namespace {

constexpr int kTitleLength = 40;
const char* const kSignedPattern = "+##0.000;-##0.000";

QCheckBox* makeCheck(QWidget* parent, const QString& name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

} // namespace

frmInpJyoken::frmInpJyoken(QWidget* parent)
    : InputScreen(QStringLiteral("計算条件の入力"), "InpJyoken", false, parent),
      txtTitle_(new TextField(this)),
      numDp_(
          MakeNumberField(this, QStringLiteral("numDp"), QStringLiteral("杭径　Ｄ(m)"), 0, 99.999, "#0.000")),
      numDw_(MakeNumberField(this, QStringLiteral("numDw"), QStringLiteral("羽根外径　Ｄw(m)"), 0, 99.999,
                             "#0.000")),
      numDwi_(MakeNumberField(this, QStringLiteral("numDwi"), QStringLiteral("羽根内径　Ｄwi(m)"), 0, 99.999,
                              "#0.000")),
      numL_(MakeNumberField(this, QStringLiteral("numL"), QStringLiteral("設計杭長　Ｌ(m)"), 0, 999.999,
                            "##0.000")),
      numAlpha_(MakeNumberField(this, QStringLiteral("numAlpha"), QStringLiteral("打込み角 θ(°)"), 0, 99.9,
                                "#0.0")),
      numELPU_(MakeNumberField(this, QStringLiteral("numELPU"), QStringLiteral("杭頭標高　  (m)"), -999.999,
                               999.999, kSignedPattern)),
      numGp1_(MakeNumberField(this, QStringLiteral("numGp1"),
                              QStringLiteral("水位面より上の杭の有効単位体積重量　γp1(kN/m3)"), 0, 99.999,
                              "#0.000")),
      numGp2_(MakeNumberField(this, QStringLiteral("numGp2"),
                              QStringLiteral("水位面より下の杭の有効単位体積重量　γp2(kN/m3)"), 0, 99.999,
                              "#0.000")),
      numELSL_(MakeNumberField(this, QStringLiteral("numELSL"), QStringLiteral("支持層面上面の標高(m)"),
                               -999.999, 999.999, kSignedPattern)),
      sekouGroup_(new QButtonGroup(this)), sijiGroup_(new QButtonGroup(this)),
      neireGroup_(new QButtonGroup(this)),
      chkIsWpRa_(makeCheck(this, QStringLiteral("chkIsWpRa"),
                           QStringLiteral("許容押込み支持力算定時に杭の自重を考慮する"))),
      chkIsWpPa_(makeCheck(this, QStringLiteral("chkIsWpPa"),
                           QStringLiteral("杭の許容引抜き力算定時に杭の自重を考慮する"))),
      chkQd_(makeCheck(this, QStringLiteral("chkQd"), QStringLiteral("打込み杭のｑd値を自動計算する"))),
      chkST_(makeCheck(this, QStringLiteral("chkST"), QStringLiteral("開端鋼管杭として算定する"))),
      fraDw_(new QGroupBox(QStringLiteral("羽根径"), this)), fraNeire_(new QGroupBox(this)) {
    txtTitle_->setObjectName(QStringLiteral("txtTitle"));
    txtTitle_->setMaxLength(kTitleLength);
    // A double quote would end the text field of the input data file.
    txtTitle_->setRefusedCharacters(QStringLiteral("\""));
    fraDw_->setObjectName(QStringLiteral("fraDw"));
    fraNeire_->setObjectName(QStringLiteral("fraNeire"));

    // Case name across the top.
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(MakeCaptionLabel(this, QStringLiteral("検討ｹｰｽ名称"), txtTitle_));
    titleRow->addWidget(txtTitle_, 1);

    // Construction method and pile kind.
    auto* methodFrame = new QGroupBox(QStringLiteral("施工法"), this);
    auto* methodLayout = new QVBoxLayout(methodFrame);
    for (int i = 0; i < kConstructionMethodCount; ++i) {
        const std::string_view caption = MethodScreenName(i);
        auto* option = new QRadioButton(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), methodFrame);
        option->setObjectName(QStringLiteral("optSekou%1").arg(i));
        optSekou_.at(static_cast<std::size_t>(i)) = option;
        sekouGroup_->addButton(option, i);
        methodLayout->addWidget(option);
    }
    auto* kindFrame = new QGroupBox(QStringLiteral("支持機構"), this);
    auto* kindLayout = new QHBoxLayout(kindFrame);
    for (int i = 0; i < kPileKindCount; ++i) {
        const std::string_view caption = PileKindName(i);
        auto* option = new QRadioButton(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), kindFrame);
        option->setObjectName(QStringLiteral("optSiji%1").arg(i));
        optSiji_.at(static_cast<std::size_t>(i)) = option;
        sijiGroup_->addButton(option, i);
        kindLayout->addWidget(option);
    }
    kindLayout->addStretch(1);

    // Tip resistance and embedment of driven piles.
    auto* neireLayout = new QGridLayout(fraNeire_);
    neireLayout->addWidget(chkQd_, 0, 0, 1, 3);
    const QStringList embedments = {QStringLiteral("支持層が明確と見なせる場合(支持層面を指定する)"),
                                    QStringLiteral("支持層が明確と見なせる場合(最下層への根入れ長とする)"),
                                    QStringLiteral("中間層と支持層が明確と見なせない場合")};
    int neireRow = 1;
    for (int i = 0; i < embedments.size(); ++i) {
        auto* option = new QRadioButton(embedments.at(i), fraNeire_);
        option->setObjectName(QStringLiteral("optNeire%1").arg(i));
        optNeire_.at(static_cast<std::size_t>(i)) = option;
        neireGroup_->addButton(option, i);
        neireLayout->addWidget(option, neireRow++, 0, 1, 3);
        if (i == 0) {
            // The bearing layer level belongs to the option that asks for it.
            auto* levelRow = new QHBoxLayout;
            levelRow->addSpacing(24);
            levelRow->addWidget(MakeCaptionLabel(fraNeire_, numELSL_->caption(), numELSL_));
            levelRow->addWidget(numELSL_);
            levelRow->addStretch(1);
            neireLayout->addLayout(levelRow, neireRow++, 0, 1, 3);
        }
    }
    neireLayout->addWidget(chkST_, 5, 0, 1, 3);

    auto* left = new QVBoxLayout;
    left->addWidget(methodFrame);
    left->addWidget(kindFrame);
    left->addWidget(fraNeire_);
    left->addStretch(1);

    // Dimensions and levels.
    auto* dimensions = new QGridLayout;
    AddFieldRows(dimensions, this, {numDp_, numL_, numAlpha_, numELPU_});
    dimensions->setColumnStretch(2, 1);

    auto* bladeLayout = new QGridLayout(fraDw_);
    AddFieldRows(bladeLayout, fraDw_, {numDw_, numDwi_});
    bladeLayout->addWidget(new QLabel(QStringLiteral("参考）羽根径の標準値"), fraDw_), 2, 0, 1, 2);
    bladeLayout->addWidget(new QLabel(QStringLiteral("Ｄw=1.5･Ｄ， Ｄwi=0.5･Ｄ"), fraDw_), 3, 0, 1, 2);
    bladeLayout->setColumnStretch(2, 1);

    auto* weightFrame = new QGroupBox(QStringLiteral("杭の自重について"), this);
    auto* weightLayout = new QGridLayout(weightFrame);
    weightLayout->addWidget(chkIsWpRa_, 0, 0, 1, 2);
    weightLayout->addWidget(chkIsWpPa_, 1, 0, 1, 2);
    AddFieldRows(weightLayout, weightFrame, {numGp1_, numGp2_}, 2);

    auto* right = new QVBoxLayout;
    right->addLayout(dimensions);
    right->addWidget(fraDw_);
    right->addWidget(weightFrame);
    right->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right);
    body->addLayout(makeButtonColumn());

    auto* main = new QVBoxLayout(this);
    main->addLayout(titleRow);
    main->addLayout(body);
    main->setSizeConstraint(QLayout::SetFixedSize);

    // Focus order of the fields, as Enter and the arrows walk it.
    QWidget* order[] = {txtTitle_, numDp_,  numL_,   numAlpha_, numELPU_,
                        numDw_,    numDwi_, numGp1_, numGp2_,   numELSL_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    const auto rule = [this] { applyEnabling(); };
    connect(sekouGroup_, &QButtonGroup::idToggled, this, rule);
    connect(neireGroup_, &QButtonGroup::idToggled, this, rule);
    connect(chkQd_, &QCheckBox::toggled, this, rule);
    connect(chkIsWpRa_, &QCheckBox::toggled, this, rule);
    connect(chkIsWpPa_, &QCheckBox::toggled, this, rule);
    applyEnabling();
}

int frmInpJyoken::sekou() const {
    return SelectedOption(sekouGroup_);
}
void frmInpJyoken::setSekou(int index) {
    SelectOption(sekouGroup_, index);
}
int frmInpJyoken::siji() const {
    return SelectedOption(sijiGroup_);
}
void frmInpJyoken::setSiji(int index) {
    SelectOption(sijiGroup_, index);
}
int frmInpJyoken::neire() const {
    return SelectedOption(neireGroup_);
}
void frmInpJyoken::setNeire(int index) {
    SelectOption(neireGroup_, index);
}

void frmInpJyoken::applyEnabling() {
    // Method: driven piles (0, 2) open the embedment frame, the rotary press-in pile (7) the
    // blade diameters, the other methods neither.  Within the embedment frame the automatic
    // tip resistance opens the embedment options, and option 0 the bearing layer level.
    // Disabled fields keep their values.
    const int method = sekouGroup_->checkedId();
    const bool driven = AllowsAutomaticTip(method);
    const bool rotary = IsRotaryPressIn(method);
    const bool automatic = driven && chkQd_->isChecked();
    const bool levelGiven = automatic && neireGroup_->checkedId() == 0;

    for (QWidget* widget :
         {static_cast<QWidget*>(fraDw_), static_cast<QWidget*>(numDw_), static_cast<QWidget*>(numDwi_)}) {
        widget->setEnabled(rotary);
    }
    fraNeire_->setEnabled(driven);
    chkQd_->setEnabled(driven);
    for (QRadioButton* option : optNeire_) {
        option->setEnabled(automatic);
    }
    chkST_->setEnabled(automatic);
    numELSL_->setEnabled(levelGiven);

    // Self-weight: the unit weights matter when either capacity counts the pile's weight.
    const bool weight = chkIsWpRa_->isChecked() || chkIsWpPa_->isChecked();
    numGp1_->setEnabled(weight);
    numGp2_->setEnabled(weight);
}

} // namespace zul

#include "moc_frmInpJyoken.cpp"
