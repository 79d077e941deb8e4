#include "ui/site/SiteInputPanel.h"

#include "ui/UiServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zul {

QPushButton* SiteButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

namespace {

QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double low, double high, int decimals,
                          double value) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    box->setEnabled(false);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    return check;
}

// A check box that enables the boxes of its value.
void Enables(QCheckBox* check, std::initializer_list<QWidget*> boxes) {
    for (QWidget* box : boxes) {
        QObject::connect(check, &QCheckBox::toggled, box, &QWidget::setEnabled);
    }
}

} // namespace

SiteInputPanel::SiteInputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SiteInputPanel"));

    auto* files = new QGroupBox(QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙ（ﾌｫﾙﾀﾞはその中の *.xml）"), this);
    lstPaths_ = new QListWidget(files);
    lstPaths_->setObjectName(QStringLiteral("lstPaths"));
    lstPaths_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPaths_->setMinimumHeight(90);
    lstPaths_->setTextElideMode(Qt::ElideMiddle);
    lstPaths_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* addFiles = SiteButton(files, "cmdAddFiles", QStringLiteral("ﾌｧｲﾙ追加(&F)..."));
    auto* addFolder = SiteButton(files, "cmdAddFolder", QStringLiteral("ﾌｫﾙﾀﾞ追加(&D)..."));
    auto* remove = SiteButton(files, "cmdRemovePath", QStringLiteral("削除(&R)"));
    connect(addFiles, &QPushButton::clicked, this, &SiteInputPanel::AddFiles);
    connect(addFolder, &QPushButton::clicked, this, &SiteInputPanel::AddFolder);
    connect(remove, &QPushButton::clicked, this, &SiteInputPanel::RemoveChosenPaths);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(addFiles);
    fileButtons->addWidget(addFolder);
    fileButtons->addWidget(remove);
    auto* fileLayout = new QVBoxLayout(files);
    fileLayout->addWidget(lstPaths_);
    fileLayout->addLayout(fileButtons);

    auto* loads = new QGroupBox(QStringLiteral("設計荷重（kN/本，照査するものだけ）"), this);
    chkLoadRa_ = CheckBox(loads, "chkLoadRa", QStringLiteral("押込み力"));
    numLoadRa_ = NumberBox(loads, "numLoadRa", 0, 9999999, 1, 0);
    numLoadRae_ = NumberBox(loads, "numLoadRae", 0, 9999999, 1, 0);
    chkLoadPa_ = CheckBox(loads, "chkLoadPa", QStringLiteral("引抜き力"));
    numLoadPa_ = NumberBox(loads, "numLoadPa", 0, 9999999, 1, 0);
    numLoadPae_ = NumberBox(loads, "numLoadPae", 0, 9999999, 1, 0);
    Enables(chkLoadRa_, {numLoadRa_, numLoadRae_});
    Enables(chkLoadPa_, {numLoadPa_, numLoadPae_});
    auto* loadLayout = new QGridLayout(loads);
    loadLayout->addWidget(new QLabel(QStringLiteral("常時"), loads), 0, 1, Qt::AlignHCenter);
    loadLayout->addWidget(new QLabel(QStringLiteral("地震時"), loads), 0, 2, Qt::AlignHCenter);
    loadLayout->addWidget(chkLoadRa_, 1, 0);
    loadLayout->addWidget(numLoadRa_, 1, 1);
    loadLayout->addWidget(numLoadRae_, 1, 2);
    loadLayout->addWidget(chkLoadPa_, 2, 0);
    loadLayout->addWidget(numLoadPa_, 2, 1);
    loadLayout->addWidget(numLoadPae_, 2, 2);

    auto* choices = new QGroupBox(QStringLiteral("取込みの条件"), this);
    chkMaxDepth_ = CheckBox(choices, "chkMaxDepth", QStringLiteral("取込み深さ(m)"));
    numMaxDepth_ = NumberBox(choices, "numMaxDepth", 0.01, 999.99, 2, 20);
    cboNDepth_ = new QComboBox(choices);
    cboNDepth_->setObjectName(QStringLiteral("cboNDepth"));
    cboNDepth_->addItems({QStringLiteral("試験区間の中央"), QStringLiteral("試験の開始深度")});
    chkNCap_ = CheckBox(choices, "chkNCap", QStringLiteral("Ｎ値の上限"));
    numNCap_ = NumberBox(choices, "numNCap", 0, 100, 1, 50);
    Enables(chkMaxDepth_, {numMaxDepth_});
    Enables(chkNCap_, {numNCap_});
    chkKeepDesign_ = CheckBox(choices, "chkKeepDesign", QStringLiteral("設計地盤面標高は今の値のままにする"));
    chkKeepPileHead_ = CheckBox(choices, "chkKeepPileHead", QStringLiteral("杭頭標高を変えない"));
    auto* choiceLayout = new QGridLayout(choices);
    choiceLayout->addWidget(chkMaxDepth_, 0, 0);
    choiceLayout->addWidget(numMaxDepth_, 0, 1);
    choiceLayout->addWidget(new QLabel(QStringLiteral("Ｎ値の深度"), choices), 1, 0);
    choiceLayout->addWidget(cboNDepth_, 1, 1);
    choiceLayout->addWidget(chkNCap_, 2, 0);
    choiceLayout->addWidget(numNCap_, 2, 1);
    choiceLayout->addWidget(chkKeepDesign_, 3, 0, 1, 2);
    choiceLayout->addWidget(chkKeepPileHead_, 4, 0, 1, 2);

    auto* out = new QGroupBox(QStringLiteral("検討ﾌｧｲﾙ（*.zul）の出力先ﾌｫﾙﾀﾞ"), this);
    txtOutDir_ = new QLineEdit(out);
    txtOutDir_->setObjectName(QStringLiteral("txtOutDir"));
    auto* chooseOut = SiteButton(out, "cmdOutDir", QStringLiteral("参照(&O)..."));
    connect(chooseOut, &QPushButton::clicked, this, &SiteInputPanel::ChooseOutDir);
    auto* outLayout = new QHBoxLayout(out);
    outLayout->addWidget(txtOutDir_, 1);
    outLayout->addWidget(chooseOut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(files, 1);
    layout->addWidget(loads);
    layout->addWidget(choices);
    layout->addWidget(out);
}

std::vector<std::string> SiteInputPanel::Paths() const {
    std::vector<std::string> paths;
    for (int i = 0; i < lstPaths_->count(); ++i) {
        paths.push_back(QFile::encodeName(lstPaths_->item(i)->text()).toStdString());
    }
    return paths;
}

void SiteInputPanel::AddPaths(const QStringList& paths) {
    for (const QString& path : paths) {
        if (lstPaths_->findItems(path, Qt::MatchExactly).isEmpty()) {
            lstPaths_->addItem(path);
            lstPaths_->item(lstPaths_->count() - 1)->setToolTip(path);
        }
    }
}

site::SiteLoads SiteInputPanel::Loads() const {
    site::SiteLoads loads;
    if (chkLoadRa_->isChecked()) {
        loads.pushIn = site::DesignLoad{numLoadRa_->value(), numLoadRae_->value()};
    }
    if (chkLoadPa_->isChecked()) {
        loads.pullOut = site::DesignLoad{numLoadPa_->value(), numLoadPae_->value()};
    }
    return loads;
}

BoreholeImportOptions SiteInputPanel::ImportOptions() const {
    BoreholeImportOptions options;
    if (chkMaxDepth_->isChecked()) {
        options.maxDepth = numMaxDepth_->value();
    }
    options.nDepth = cboNDepth_->currentIndex() == 1 ? NDepthReference::Start : NDepthReference::Middle;
    if (chkNCap_->isChecked()) {
        options.nCap = numNCap_->value();
    }
    options.keepDesignLevels = chkKeepDesign_->isChecked();
    options.keepPileHead = chkKeepPileHead_->isChecked();
    return options;
}

QString SiteInputPanel::OutDir() const {
    return txtOutDir_->text().trimmed();
}

void SiteInputPanel::SetOutDir(const QString& folder) {
    txtOutDir_->setText(folder);
}

// The folder of the last path added, else the current folder.
QString SiteInputPanel::StartFolder() const {
    if (lstPaths_->count() == 0) {
        return QDir::currentPath();
    }
    const QFileInfo last(lstPaths_->item(lstPaths_->count() - 1)->text());
    return last.isDir() ? last.absoluteFilePath() : last.absolutePath();
}

void SiteInputPanel::AddFiles() {
    UiServices::FileDialogRequest request;
    request.title = QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙの追加");
    request.filter = QStringLiteral("ﾎﾞｰﾘﾝｸﾞ交換用ﾃﾞｰﾀ(*.xml *.XML)");
    request.initialDir = StartFolder();
    AddPaths(UiServices::current().choosePaths(this, request, UiServices::PathKind::Files));
}

void SiteInputPanel::AddFolder() {
    UiServices::FileDialogRequest request;
    request.title = QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾌｫﾙﾀﾞの追加");
    request.initialDir = StartFolder();
    AddPaths(UiServices::current().choosePaths(this, request, UiServices::PathKind::Folder));
}

void SiteInputPanel::RemoveChosenPaths() {
    qDeleteAll(lstPaths_->selectedItems());
}

void SiteInputPanel::ChooseOutDir() {
    UiServices::FileDialogRequest request;
    request.title = QStringLiteral("検討ﾌｧｲﾙの出力先ﾌｫﾙﾀﾞ");
    request.initialDir = OutDir().isEmpty() ? StartFolder() : OutDir();
    const QStringList chosen = UiServices::current().choosePaths(this, request, UiServices::PathKind::Folder);
    if (!chosen.isEmpty()) {
        txtOutDir_->setText(chosen.constFirst());
    }
}

} // namespace zul

#include "moc_SiteInputPanel.cpp"
