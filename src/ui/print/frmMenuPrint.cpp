#include "ui/print/frmMenuPrint.h"

#include "calc/basCalcMain.h"
#include "document/ProjectDocument.h"
#include "io/ReportSettings.h"
#include "report/ReportItems.h"
#include "ui/UiServices.h"
#include "ui/WindowPlacement.h"
#include "ui/print/PreviewLaunch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <exception>

namespace zul {

namespace {

const std::string kSection = "MenuPrint";

// cmdCheck(0..2).
constexpr std::array<const char*, 3> kCheckCaptions = {"全項目選択", "全項目選択解除", "全項目選択反転"};

// The graph report's item: it can be printed only when the graph screen has saved its graphs.
constexpr int kGraphReportItem = static_cast<int>(kGraphItem);

// Why the graph item cannot be ticked, and how it can be.
const char* const kGraphItemDisabledTip =
    "支持力検討グラフは，「支持力検討ｸﾞﾗﾌの作成」で今の入力データの検討グラフを作成し，"
    "そのグラフ画面を閉じた後に印刷できます。\n"
    "入力データを変更したり，ファイルを開いたりした後は，もう一度グラフを作成して下さい。";

// Clears a flag when the scope ends, however it ends.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

frmMenuPrint::frmMenuPrint(PrintMenuContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)), generator_(context_.tempFolder),
      startProgram_(StartDetachedProgram) {
    setObjectName(QStringLiteral("frmMenuPrint"));
    setWindowTitle(QStringLiteral("計算結果の印刷"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* frame = new QGroupBox(QStringLiteral("印刷項目指定"), this);
    frame->setObjectName(QStringLiteral("fraPrintItem"));
    auto* items = new QVBoxLayout(frame);
    for (int i = 0; i < kItemCount; ++i) {
        auto* check =
            new QCheckBox(QString::fromUtf8(kReportItems[static_cast<std::size_t>(i)].caption), frame);
        check->setObjectName(QStringLiteral("chkPrintItem%1").arg(i));
        items->addWidget(check);
        chkPrintItem_[static_cast<std::size_t>(i)] = check;
    }

    auto* selection = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kCheckCaptions[static_cast<std::size_t>(i)]), this);
        button->setObjectName(QStringLiteral("cmdCheck%1").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdCheck_Click(i); });
        selection->addWidget(button);
        cmdCheck_[static_cast<std::size_t>(i)] = button;
    }

    chkSupplement_ = new QCheckBox(QStringLiteral("補足情報を印刷する"), this);
    chkSupplement_->setObjectName(QStringLiteral("chkSupplement"));
    chkSupplement_->setToolTip(QStringLiteral("Ｎ値表と土質柱状図、計算上の注意事項を計算書に加えます。"));

    cmdPreview_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
    cmdPreview_->setObjectName(QStringLiteral("cmdPreview"));
    cmdPreview_->setDefault(true);
    connect(cmdPreview_, &QPushButton::clicked, this, &frmMenuPrint::cmdPreview_Click);
    cmdClose_ = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(false);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cmdPreview_);
    commands->addWidget(cmdClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(selection);
    layout->addWidget(chkSupplement_);
    layout->addSpacing(6);
    layout->addLayout(commands);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    RestoreWindowPlacement(this, context_.paths.iniFile, kSection, false);
}

// A menu that was never closed (its owner ended first) still leaves no print files behind:
// the generator deletes them.
frmMenuPrint::~frmMenuPrint() = default;

QCheckBox* frmMenuPrint::chkPrintItem(int index) const {
    return chkPrintItem_.at(static_cast<std::size_t>(index));
}

QPushButton* frmMenuPrint::cmdCheck(int index) const {
    return cmdCheck_.at(static_cast<std::size_t>(index));
}

void frmMenuPrint::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        Open();
    }
}

void frmMenuPrint::Open() {
    const PrintItemChoices choices = ReadPrintItemChoices(context_.paths.iniFile);
    for (int i = 0; i < kItemCount; ++i) {
        chkPrintItem(i)->setChecked(choices.Chosen[static_cast<std::size_t>(i)]);
    }
    if (!context_.doc.RaTableDone) {
        chkPrintItem(kGraphReportItem)->setChecked(false);
        chkPrintItem(kGraphReportItem)->setEnabled(false);
        chkPrintItem(kGraphReportItem)->setToolTip(QString::fromUtf8(kGraphItemDisabledTip));
    }
    chkSupplement_->setChecked(ReadSupplementSetting(context_.paths.iniFile));
    GeneratePrintFiles();
}

// Writes the print text of every item, with or without the supplements as the check box says.
// Items that failed are named together in one message; the menu stays usable whatever failed.
bool frmMenuPrint::GeneratePrintFiles() {
    ReportContext report{context_.doc, context_.calc.CalcPair(0), context_.calc.CalcPair(1), context_.paths};
    report.supplement = chkSupplement_->isChecked();
    generatedSupplement_ = report.supplement;
    UiServices& ui = UiServices::current();
    ui.setBusy(true);
    // The generator catches every failure of an item at its own boundary and names it.
    const bool allWritten =
        generator_.GeneratePrintFiles(report, ReadNumberingSettings(context_.paths.iniFile));
    ui.setBusy(false);
    QString errors = QString::fromStdString(generator_.ErrorText());
    if (generator_.JoinedFile().empty()) {
        // Without the file for the joined print file nothing can be printed: say so too.
        errors += QStringLiteral("\n") + QString::fromUtf8(PrintFileGenerator::kJoinFailedMessage);
    }
    if (!errors.isEmpty()) {
        // Every item fails when the template file is missing: name it.
        if (const std::string cause = TemplateFileProblem(context_.paths.fmtFile); !cause.empty()) {
            errors += QStringLiteral("\n\n") + QString::fromStdString(cause);
        }
        ui.showMessage(this, errors, context_.productName, MessageIcon::Critical, MessageButtons::Ok);
    }
    return allWritten;
}

std::array<bool, PrintFileGenerator::kItemCount> frmMenuPrint::ChosenItems() const {
    std::array<bool, PrintFileGenerator::kItemCount> chosen{};
    for (int i = 0; i < kItemCount; ++i) {
        chosen[static_cast<std::size_t>(i)] = chkPrintItem(i)->isChecked();
    }
    return chosen;
}

void frmMenuPrint::cmdCheck_Click(int index) {
    for (QCheckBox* item : chkPrintItem_) {
        switch (index) {
        case 0:
            if (item->isEnabled()) {
                item->setChecked(true);
            }
            break;
        case 1:
            item->setChecked(false);
            break;
        case 2:
            item->setChecked(!item->isChecked() && item->isEnabled());
            break;
        default:
            break;
        }
    }
}

void frmMenuPrint::cmdPreview_Click() {
    // The second click of a double click arrives when the first start has returned: only the
    // time since that start tells the two apart from a wanted second preview.
    if (starting_ || (sinceStart_.isValid() && sinceStart_.elapsed() < kRepeatPressMs)) {
        return;
    }
    const FlagScope starting(starting_);
    UiServices& ui = UiServices::current();
    const auto chosen = ChosenItems();
    if (!PrintFileGenerator::AnyItemChosen(chosen)) {
        ui.beep();
        ui.showMessage(this, QString::fromUtf8(PrintFileGenerator::kNoItemMessage), windowTitle(),
                       MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    // The print files were written when the menu opened: again when the supplement choice
    // changed since.
    if (chkSupplement_->isChecked() != generatedSupplement_) {
        GeneratePrintFiles();
    }
    if (!generator_.JoinPrintFiles(chosen)) {
        ui.showMessage(this, QString::fromStdString(generator_.JoinError()), windowTitle(),
                       MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    const PreviewLaunch launch =
        MakePreviewLaunch(context_.paths, generator_.JoinedFile(),
                          StudyNameForPdf(context_.doc.DataFileName, context_.doc.InpJyoken.Title),
                          frameGeometry(), context_.doc.InpJyoken.Title, context_.doc.DataFileName);
    lastProgram_ = launch.program;
    lastArguments_ = launch.arguments;
    const bool started = startProgram_(launch.program, launch.arguments);
    sinceStart_.start();
    if (!started) {
        // Nothing would happen on the screen otherwise.
        ui.showMessage(this, QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰを起動できませんでした。\n") + launch.program,
                       windowTitle(), MessageIcon::Critical, MessageButtons::Ok);
    }
}

// Closing (the close button, the window's close box or Esc) keeps the choices and the position
// and deletes the print files, the joined one and its figure files included.
void frmMenuPrint::done(int result) {
    if (!closed_) {
        closed_ = true;
        PrintItemChoices choices;
        choices.Chosen = ChosenItems();
        WritePrintItemChoices(context_.paths.iniFile, choices);
        WriteSupplementSetting(context_.paths.iniFile, chkSupplement_->isChecked());
        SaveWindowPlacement(this, context_.paths.iniFile, kSection, false);
        generator_.Run().TempFiles().DeleteAll();
    }
    QDialog::done(result);
}

} // namespace zul

#include "moc_frmMenuPrint.cpp"
