#include "ui/site/SiteStudyDialog.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "report/SiteReport.h"
#include "site/SiteBorehole.h"
#include "site/SiteCsv.h"
#include "site/SiteFiles.h"
#include "ui/WindowPlacement.h"
#include "ui/print/PreviewLaunch.h"
#include "ui/site/SiteEnvelopeChart.h"
#include "ui/site/SiteInputPanel.h"
#include "ui/site/SitePlanView.h"
#include "ui/site/SiteRunner.h"
#include "ui/site/SiteTableModel.h"
#include "util/NumberFormat.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <thread>

namespace zul {

namespace {

const QString kTitle = QStringLiteral("複数ﾎﾞｰﾘﾝｸﾞの一括検討");
const std::string kPlacementSection = "SiteStudy";

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The study file names the run gives, as the run reserves them.
std::vector<std::string> ReservedNames(const std::string& baseFile, const std::string& outDir) {
    if (baseFile.empty()) {
        return {};
    }
    const std::string name = std::filesystem::path(baseFile).filename().string();
    return SameFile((std::filesystem::path(outDir) / name).string(), baseFile) ? std::vector{name}
                                                                               : std::vector<std::string>{};
}

} // namespace

SiteStudyDialog::SiteStudyDialog(const ProjectDocument& base, const ProgramPaths& paths,
                                 StudyOpener openStudy, QWidget* parent)
    : QDialog(parent), base_(base), paths_(paths), openStudy_(std::move(openStudy)),
      startProgram_(StartDetachedProgram) {
    setObjectName(QStringLiteral("frmSiteStudy"));
    setWindowTitle(kTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    inputs_ = new SiteInputPanel(this);
    cmdRun_ = SiteButton(this, "cmdRun", QStringLiteral("実行(&E)"));
    cmdCancel_ = SiteButton(this, "cmdCancel", QStringLiteral("中止(&S)"));
    cmdCancel_->setEnabled(false);
    connect(cmdRun_, &QPushButton::clicked, this, &SiteStudyDialog::Run);
    connect(cmdCancel_, &QPushButton::clicked, this, &SiteStudyDialog::Cancel);
    prgRun_ = new QProgressBar(this);
    prgRun_->setObjectName(QStringLiteral("prgRun"));
    prgRun_->setRange(0, 1);
    prgRun_->setValue(0);
    prgRun_->setFormat(QStringLiteral("%v / %m"));
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(cmdRun_);
    runRow->addWidget(cmdCancel_);
    runRow->addWidget(prgRun_, 1);
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(inputs_, 1);
    leftLayout->addLayout(runRow);
    leftLayout->addWidget(lblStatus_);

    model_ = new SiteTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SiteTableModel::kSortRole);
    tblBoreholes_ = new QTableView(this);
    tblBoreholes_->setObjectName(QStringLiteral("tblBoreholes"));
    tblBoreholes_->setModel(sorted_);
    tblBoreholes_->setSortingEnabled(true);
    tblBoreholes_->sortByColumn(0, Qt::AscendingOrder);
    tblBoreholes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblBoreholes_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblBoreholes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblBoreholes_->setWordWrap(false);
    tblBoreholes_->verticalHeader()->setVisible(false);
    tblBoreholes_->verticalHeader()->setDefaultSectionSize(tblBoreholes_->fontMetrics().height() + 6);
    tblBoreholes_->horizontalHeader()->setStretchLastSection(true);
    connect(tblBoreholes_, &QTableView::doubleClicked, this, &SiteStudyDialog::OpenStudy);
    connect(tblBoreholes_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SiteStudyDialog::UpdateResultCommands);

    chart_ = new SiteEnvelopeChart(this);
    plan_ = new SitePlanView(this);
    cboPlanDiameter_ = new QComboBox(this);
    cboPlanDiameter_->setObjectName(QStringLiteral("cboPlanDiameter"));
    connect(cboPlanDiameter_, &QComboBox::currentIndexChanged, this, &SiteStudyDialog::ShowPlan);
    connect(plan_, &SitePlanView::boreholeClicked, this, &SiteStudyDialog::ChooseBorehole);
    auto* planPage = new QWidget(this);
    auto* planLayout = new QVBoxLayout(planPage);
    auto* planChoice = new QHBoxLayout;
    planChoice->addWidget(new QLabel(QStringLiteral("色分けする杭径"), planPage));
    planChoice->addWidget(cboPlanDiameter_);
    planChoice->addSpacing(24);
    lblPlanChoice_ = new QLabel(QStringLiteral("点をｸﾘｯｸするとそのﾎﾞｰﾘﾝｸﾞを選びます。"), planPage);
    lblPlanChoice_->setObjectName(QStringLiteral("lblPlanChoice"));
    planChoice->addWidget(lblPlanChoice_, 1);
    planLayout->addLayout(planChoice);
    planLayout->addWidget(plan_, 1);

    tabResults_ = new QTabWidget(this);
    tabResults_->setObjectName(QStringLiteral("tabResults"));
    tabResults_->addTab(tblBoreholes_, QStringLiteral("ﾎﾞｰﾘﾝｸﾞ一覧"));
    tabResults_->addTab(chart_, QStringLiteral("包絡値ｸﾞﾗﾌ"));
    tabResults_->addTab(planPage, QStringLiteral("位置図"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(tabResults_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    cmdOpenStudy_ = SiteButton(this, "cmdOpenStudy", QStringLiteral("この孔で検討(&K)"));
    cmdCsv_ = SiteButton(this, "cmdCsv", QStringLiteral("CSV出力(&V)..."));
    cmdPrint_ = SiteButton(this, "cmdPrint", QStringLiteral("印刷(&P)"));
    auto* close = SiteButton(this, "cmdClose", QStringLiteral("閉じる(&C)"));
    connect(cmdOpenStudy_, &QPushButton::clicked, this, &SiteStudyDialog::OpenStudy);
    connect(cmdCsv_, &QPushButton::clicked, this, &SiteStudyDialog::ExportCsv);
    connect(cmdPrint_, &QPushButton::clicked, this, &SiteStudyDialog::PrintReport);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdOpenStudy_);
    commands->addWidget(cmdCsv_);
    commands->addWidget(cmdPrint_);
    commands->addStretch(1);
    commands->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(commands);

    runner_ = new SiteRunner(this);
    model_->Reset(site::StudyTableDiameters(base_));
    UpdateResultCommands();
    // As large as the results want, within the screen the dialog opens on.
    QSize size(1180, 720);
    if (const QScreen* screen = parent ? parent->screen() : this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.92);
    }
    resize(size);
    if (!paths_.iniFile.empty()) {
        RestoreWindowPlacement(this, paths_.iniFile, kPlacementSection, true);
    }
}

// The runner, a child, cancels and waits for its thread when it is destroyed.
SiteStudyDialog::~SiteStudyDialog() = default;

bool SiteStudyDialog::Running() const {
    return runner_->Running();
}

void SiteStudyDialog::Tell(const QString& text, MessageIcon icon) {
    UiServices::current().showMessage(this, text, kTitle, icon, MessageButtons::Ok);
}

// Whether the studies the run writes may replace files of the same name in the folder.
bool SiteStudyDialog::ConfirmOverwrite(const std::vector<std::string>& files, const std::string& outDir) {
    std::size_t existing = 0;
    std::error_code error;
    for (const std::string& name : site::StudyFileNames(files, ReservedNames(base_.DataFileName, outDir))) {
        existing += std::filesystem::exists(std::filesystem::path(outDir) / name, error) ? 1 : 0;
    }
    if (existing == 0) {
        return true;
    }
    return UiServices::current().showMessage(
               this,
               QStringLiteral("出力先ﾌｫﾙﾀﾞにある同じ名前の検討ﾌｧｲﾙ %1 個を上書きします。よろしいですか？\n\n"
                              "出力先ﾌｫﾙﾀﾞ：")
                       .arg(existing) +
                   FromPath(outDir),
               kTitle, MessageIcon::Question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

void SiteStudyDialog::Run() {
    if (Running()) {
        return;
    }
    const std::vector<double> diameters = site::StudyTableDiameters(base_);
    if (diameters.empty()) {
        Tell(QStringLiteral("今の入力ﾃﾞｰﾀ（基本ｹｰｽ）に支持力検討表の杭径がありません。\n"
                            "「支持力検討ｸﾞﾗﾌの作成」で杭径と杭長を入力してから実行して下さい。"),
             MessageIcon::Information);
        return;
    }
    const std::vector<std::string> paths = inputs_->Paths();
    if (paths.empty()) {
        Tell(QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾌｧｲﾙまたはﾌｫﾙﾀﾞを追加して下さい。"), MessageIcon::Information);
        return;
    }
    const site::BoreholeFiles files = site::CollectBoreholeFiles(paths);
    if (!files.error.empty()) {
        Tell(QString::fromStdString(files.error), MessageIcon::Critical);
        return;
    }
    if (files.files.empty()) {
        Tell(QStringLiteral("指定のﾌｧｲﾙとﾌｫﾙﾀﾞにﾎﾞｰﾘﾝｸﾞﾌｧｲﾙ（*.xml）がありません。"),
             MessageIcon::Information);
        return;
    }
    const QString outText = inputs_->OutDir();
    const std::string outDir = outText.isEmpty()
                                   ? std::string()
                                   : QFile::encodeName(QFileInfo(outText).absoluteFilePath()).toStdString();
    if (outDir.empty()) {
        Tell(QStringLiteral("検討ﾌｧｲﾙの出力先ﾌｫﾙﾀﾞを指定して下さい。"), MessageIcon::Information);
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (!std::filesystem::is_directory(outDir, error)) {
        Tell(FromPath(outDir) + QStringLiteral("\n出力先のﾌｫﾙﾀﾞを作れません。"), MessageIcon::Critical);
        return;
    }
    if (!ConfirmOverwrite(files.files, outDir)) {
        return;
    }

    site::SiteOptions options;
    options.import = inputs_->ImportOptions();
    options.loads = inputs_->Loads();
    options.outDir = outDir;
    options.baseFile = base_.DataFileName;
    options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    runLoads_ = options.loads;
    runOutDir_ = outDir;
    runFiles_ = files.files.size();
    envelope_ = site::SiteEnvelope();
    model_->Reset(diameters);
    chart_->SetEnvelope(envelope_, runLoads_);
    cboPlanDiameter_->blockSignals(true);
    cboPlanDiameter_->clear();
    for (const double d : diameters) {
        cboPlanDiameter_->addItem(QStringLiteral("φ") + QString::fromStdString(FormatNumber(d, "0.000")) +
                                  QStringLiteral(" m"));
    }
    cboPlanDiameter_->blockSignals(false);
    ShowPlan();
    prgRun_->setRange(0, static_cast<int>(std::min<std::size_t>(runFiles_, INT_MAX)));
    prgRun_->setValue(0);
    lblStatus_->setText(QStringLiteral("検討中です…"));
    SetRunning(true);
    if (!runner_->Start(
            base_, files.files, options, [this](const site::BoreholeResult& b) { BoreholeDone(b); },
            [this](const site::SiteSummary& summary) { RunFinished(summary); })) {
        SetRunning(false);
        lblStatus_->clear();
        Tell(QStringLiteral("検討を始められませんでした（ｽﾚｯﾄﾞを作れません）。"), MessageIcon::Critical);
    }
}

void SiteStudyDialog::Cancel() {
    if (Running()) {
        runner_->Cancel();
        cmdCancel_->setEnabled(false);
        lblStatus_->setText(QStringLiteral("中止しています（検討中のﾎﾞｰﾘﾝｸﾞを終えてから止まります）…"));
    }
}

void SiteStudyDialog::BoreholeDone(const site::BoreholeResult& borehole) {
    model_->Add(borehole);
    envelope_.Add(borehole);
    prgRun_->setValue(model_->rowCount());
}

void SiteStudyDialog::RunFinished(const site::SiteSummary& summary) {
    SetRunning(false);
    std::size_t refused = 0, failed = 0;
    for (const site::BoreholeResult& b : model_->Boreholes()) {
        refused += b.status == site::BoreholeStatus::Refused ? 1 : 0;
        failed += b.status == site::BoreholeStatus::Failed ? 1 : 0;
    }
    const std::size_t done = model_->Boreholes().size();
    QString text = QStringLiteral("ﾎﾞｰﾘﾝｸﾞ %1 本：検討済 %2，取込不可 %3，失敗 %4")
                       .arg(done)
                       .arg(done - refused - failed)
                       .arg(refused)
                       .arg(failed);
    if (summary.cancelled) {
        text =
            QStringLiteral("中止しました。残りの %1 本は検討していません。\n").arg(runFiles_ - done) + text;
    }
    lblStatus_->setText(text);
    chart_->SetEnvelope(envelope_, runLoads_);
    ShowPlan();
    tblBoreholes_->resizeColumnsToContents();
    UpdateResultCommands();
}

void SiteStudyDialog::SetRunning(bool running) {
    inputs_->setEnabled(!running);
    cmdRun_->setEnabled(!running);
    cmdCancel_->setEnabled(running);
    UpdateResultCommands();
}

void SiteStudyDialog::UpdateResultCommands() {
    const bool results = !Running() && model_->rowCount() > 0;
    const site::BoreholeResult* chosen = ChosenBorehole();
    cmdOpenStudy_->setEnabled(!Running() && chosen != nullptr && !chosen->study.empty());
    cmdCsv_->setEnabled(results);
    cmdPrint_->setEnabled(results);
}

void SiteStudyDialog::ShowPlan() {
    plan_->SetBoreholes(model_->Boreholes(),
                        static_cast<std::size_t>(std::max(0, cboPlanDiameter_->currentIndex())));
}

// A borehole chosen on the plan is chosen in the table too, ready for 「この孔で検討」.
void SiteStudyDialog::ChooseBorehole(int row) {
    const QModelIndex shown = sorted_->mapFromSource(model_->index(row, 0));
    if (shown.isValid()) {
        tblBoreholes_->selectRow(shown.row());
        tblBoreholes_->scrollTo(shown);
        lblPlanChoice_->setText(QStringLiteral("選んだﾎﾞｰﾘﾝｸﾞ：") +
                                shown.siblingAtColumn(2).data().toString() + QStringLiteral("（") +
                                shown.siblingAtColumn(1).data().toString() + QStringLiteral("）"));
    }
}

const site::BoreholeResult* SiteStudyDialog::ChosenBorehole() const {
    const QModelIndexList rows = tblBoreholes_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    const int row = sorted_->mapToSource(rows.constFirst()).row();
    return row >= 0 && row < model_->rowCount() ? &model_->Boreholes()[static_cast<std::size_t>(row)]
                                                : nullptr;
}

void SiteStudyDialog::OpenStudy() {
    const site::BoreholeResult* chosen = Running() ? nullptr : ChosenBorehole();
    if (!chosen) {
        return;
    }
    if (chosen->study.empty()) {
        Tell(QStringLiteral("このﾎﾞｰﾘﾝｸﾞは%1のため，検討ﾌｧｲﾙがありません。\n")
                     .arg(StatusText(chosen->status)) +
                 QString::fromStdString(chosen->reason),
             MessageIcon::Information);
        return;
    }
    if (openStudy_ && openStudy_(chosen->study)) {
        accept();
    }
}

void SiteStudyDialog::ExportCsv() {
    UiServices::FileDialogRequest request;
    request.openMode = false;
    request.title = QStringLiteral("CSV出力");
    request.defaultExtension = QStringLiteral("csv");
    request.filter = QStringLiteral("CSV(*.csv)");
    request.initialName = FromPath((std::filesystem::path(runOutDir_) / "site.csv").string());
    const QString chosen = UiServices::current().chooseFile(this, request);
    if (chosen.isEmpty()) {
        return;
    }
    site::SiteCsv csv(model_->Diameters());
    for (const site::BoreholeResult& b : model_->Boreholes()) {
        csv.Add(b);
    }
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (const int code = ReplaceFileContents(path, csv.Text()); code != FileError::None) {
        Tell(chosen + QStringLiteral("\n") + QString::fromStdString(WriteErrorMessage(code)),
             MessageIcon::Critical);
        return;
    }
    lblStatus_->setText(QStringLiteral("CSV を書き出しました：") + chosen);
}

// The report goes to a folder of its own that stays until the dialog closes: the preview reads
// the print file and its figures when it starts.
void SiteStudyDialog::PrintReport() {
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/~PSsite-XXXXXX"));
    if (!folder->isValid()) {
        Tell(QStringLiteral("印刷用の一時ﾌｫﾙﾀﾞを作れませんでした。\n") + folder->errorString(),
             MessageIcon::Critical);
        return;
    }
    const std::string work = QFile::encodeName(folder->path()).toStdString();
    const std::string printFile = work + "/SITE.PRN";
    const std::size_t place = static_cast<std::size_t>(std::max(0, cboPlanDiameter_->currentIndex()));
    try {
        SiteReport report(base_, base_.DataFileName, runLoads_, model_->Diameters(), place);
        for (const site::BoreholeResult& b : model_->Boreholes()) {
            report.Add(b);
        }
        report.Write(envelope_, printFile, work, paths_.definitionFolder);
    } catch (const std::exception& e) { // ReportError, or no memory
        Tell(QStringLiteral("ｻｲﾄ報告書を作れませんでした。\n") + QString::fromStdString(e.what()),
             MessageIcon::Critical);
        return;
    }
    const std::string title = (kTitle + QStringLiteral("　")).toStdString() + base_.InpJyoken.Title;
    const PreviewLaunch launch = MakePreviewLaunch(paths_, printFile, kTitle.toStdString(), frameGeometry(),
                                                   title, base_.DataFileName);
    reportFolders_.push_back(std::move(folder));
    lastReport_ = printFile;
    lastArguments_ = launch.arguments;
    if (!startProgram_(launch.program, launch.arguments)) {
        Tell(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰを起動できませんでした。\n") + launch.program, MessageIcon::Critical);
    }
}

// Closing while a run goes on cancels it; the runner waits for the boreholes in hand.
void SiteStudyDialog::done(int result) {
    runner_->Cancel();
    if (!paths_.iniFile.empty() && isVisible()) {
        SaveWindowPlacement(this, paths_.iniFile, kPlacementSection, true);
    }
    QDialog::done(result);
}

} // namespace zul

#include "moc_SiteStudyDialog.cpp"
