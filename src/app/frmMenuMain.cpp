#include "app/frmMenuMain.h"

#include "app/AppMessages.h"
#include "app/ProductInfo.h"
#include "app/frmAbout.h"
#include "calc/CalcFailureCauses.h"
#include "calc/PlausibilityNotes.h"
#include "ui/ScreenLaunchers.h"
#include "ui/UiServices.h"
#include "ui/WindowPlacement.h"
#include "ui/results/frmResOutRa.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

namespace zul {

namespace {

struct MenuButton {
    const char* tag;
    const char* caption;
};

// cmdMenu(0..7) in index order.
constexpr std::array<MenuButton, 8> kMenuButtons{{
    {"InpKui", "計算条件入力"},
    {"InpAnzen", "安全率の入力"},
    {"InpJiban", "地盤条件の入力"},
    {"InpJibanN", "Ｎ値の入力"},
    {"ResOutRa", "杭支持力の確認"},
    {"MenuPrint", "結果印刷"},
    {"InpRaTable", "支持力検討ｸﾞﾗﾌの作成"},
    {"InpRenban", "連番条件設定"},
}};

const char* const kTagProperty = "Tag";
const char* const kKeyProperty = "Key";

// While a command runs its screen modally, the main window takes no commands.
class CommandScope {
public:
    explicit CommandScope(std::function<void(bool)> setEnabled) : setEnabled_(std::move(setEnabled)) {
        setEnabled_(false);
    }
    ~CommandScope() { setEnabled_(true); }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    std::function<void(bool)> setEnabled_;
};

// The hourglass while a long calculation runs.
class BusyScope {
public:
    BusyScope() { UiServices::current().setBusy(true); }
    ~BusyScope() { UiServices::current().setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

QIcon ToolIcon(const QWidget* widget, const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), widget->style()->standardIcon(fallback));
}

// A path may hold "&", which a menu caption would take for an access key.
QString MenuText(const std::string& path) {
    return QString::fromStdString(path).replace('&', "&&");
}

} // namespace

frmMenuMain::frmMenuMain(ProgramPaths paths, QWidget* parent)
    : QMainWindow(parent), paths_(std::move(paths)), files_(doc_, *this, paths_) {
    setObjectName(QStringLiteral("frmMenuMain"));
    BuildButtons();
    BuildMenu();
    BuildToolbar();
    EnableCommandsForPresentScreens();
    StartUp();
}

frmMenuMain::~frmMenuMain() = default;

void frmMenuMain::BuildButtons() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(6);
    for (std::size_t i = 0; i < kMenuButtons.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(kMenuButtons[i].caption), central);
        button->setObjectName(QStringLiteral("cmdMenu%1").arg(i));
        button->setProperty(kTagProperty, QString::fromLatin1(kMenuButtons[i].tag));
        button->setMinimumSize(260, 34);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] { cmdMenu_Click(button); });
        layout->addWidget(button);
        cmdMenu_[i] = button;
    }
    layout->addSpacing(10);
    cmdExit_ = new QPushButton(QStringLiteral("  ﾌﾟﾛｸﾞﾗﾑ終了"), central);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setMinimumSize(260, 34);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(cmdExit_);
    setCentralWidget(central);
}

void frmMenuMain::BuildMenu() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto add = [&](const char* name, const QString& caption, void (FileCommands::*command)()) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, command] { (files_.*command)(); });
        return action;
    };
    add("mnuFileNew", QStringLiteral("新規作成(&N)"), &FileCommands::New);
    add("mnuFileOpen", QStringLiteral("ﾌｧｲﾙを開く(&O)..."), &FileCommands::Open);
    QAction* saveAs = mnuFile->addAction(QStringLiteral("ﾌｧｲﾙに名前を付けて保存(&A)..."));
    saveAs->setObjectName(QStringLiteral("mnuFileSaveAs"));
    connect(saveAs, &QAction::triggered, this, [this] { files_.SaveAs(); });
    QAction* save = mnuFile->addAction(QStringLiteral("ﾌｧｲﾙの上書き保存(&S)..."));
    save->setObjectName(QStringLiteral("mnuFileSave"));
    connect(save, &QAction::triggered, this, [this] { files_.Save(); });
    QAction* importBoring = mnuFile->addAction(QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み(&B)..."));
    importBoring->setObjectName(QStringLiteral("mnuFileImportBoring"));
    connect(importBoring, &QAction::triggered, this, [this] {
        AppContext context = Context();
        if (ImportBorehole(context, this)) {
            RefreshEnteredColours();
        }
    });
    QAction* siteStudy = mnuFile->addAction(QStringLiteral("複数ﾎﾞｰﾘﾝｸﾞの一括検討(&M)..."));
    siteStudy->setObjectName(QStringLiteral("mnuFileSiteStudy"));
    connect(siteStudy, &QAction::triggered, this, [this] {
        AppContext context = Context();
        ShowSiteStudy(
            context, [this](const std::string& path) { return files_.OpenStudy(path); }, this);
        RefreshEnteredColours();
    });
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar2"));
    for (int i = 0; i < 4; ++i) {
        QAction* recent = mnuFile->addAction(QStringLiteral("&%1").arg(i + 1));
        recent->setObjectName(QStringLiteral("mnuFileName%1").arg(i));
        recent->setEnabled(false);
        connect(recent, &QAction::triggered, this, [this, i] { files_.OpenRecent(i); });
        mnuFileName_[static_cast<std::size_t>(i)] = recent;
    }
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar3"));
    QAction* exit = mnuFile->addAction(QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ終了(&X)"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction* about = menuBar()->addAction(QStringLiteral("&?"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMenuMain::mnuAbout_Click);
}

void frmMenuMain::BuildToolbar() {
    tbrMenu_ = addToolBar(QStringLiteral("tbrMenu"));
    tbrMenu_->setObjectName(QStringLiteral("tbrMenu"));
    tbrMenu_->setMovable(false);
    tbrMenu_->setFloatable(false);
    tbrMenu_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto add = [&](const char* key, const QString& tip, const char* theme, QStyle::StandardPixmap fallback) {
        QAction* action = tbrMenu_->addAction(ToolIcon(this, theme, fallback), tip);
        action->setToolTip(tip);
        action->setProperty(kKeyProperty, QString::fromLatin1(key));
        action->setObjectName(QStringLiteral("tbrMenu_%1").arg(QString::fromLatin1(key)));
        return action;
    };
    connect(add("New", QStringLiteral("新規作成"), "document-new", QStyle::SP_FileIcon), &QAction::triggered,
            this, [this] { files_.New(); });
    connect(add("Open", QStringLiteral("ﾌｧｲﾙを開く..."), "document-open", QStyle::SP_DialogOpenButton),
            &QAction::triggered, this, [this] { files_.Open(); });
    connect(add("SaveAs", QStringLiteral("ﾌｧｲﾙに名前を付けて保存..."), "document-save-as",
                QStyle::SP_DriveFDIcon),
            &QAction::triggered, this, [this] { files_.SaveAs(); });
    connect(add("Save", QStringLiteral("ﾌｧｲﾙの上書き保存"), "document-save", QStyle::SP_DialogSaveButton),
            &QAction::triggered, this, [this] { files_.Save(); });
    tbrMenu_->addSeparator();
    // Page setup has no action of its own: the button is shown, but cannot be pressed.
    add("Printer", QStringLiteral("ﾍﾟｰｼﾞの設定"), "document-page-setup", QStyle::SP_ComputerIcon)
        ->setEnabled(false);
}

// A button whose screen is not part of this build stays disabled rather than doing nothing.
void frmMenuMain::EnableCommandsForPresentScreens() {
    for (QPushButton* button : cmdMenu_) {
        const QString tag = button->property(kTagProperty).toString();
        bool present = true;
        if (tag != QLatin1String("ResOutRa") && tag != QLatin1String("MenuPrint")) {
            present = IsInputScreenTag(tag);
        }
        button->setEnabled(present);
    }
}

void frmMenuMain::StartUp() {
    setWindowTitle(kProductName);
    doc_.IniFileName = paths_.iniFile;
    doc_.FmtFileName = paths_.fmtFile;
    doc_.DataFileName.clear();
    doc_.DataFolder = paths_.dataFolder;
    QDir().mkpath(QString::fromStdString(paths_.dataFolder)); // a failure is ignored

    adjustSize();
    setFixedSize(sizeHint());
    // The main window goes where it was, even where that is beyond this screen.
    RestoreWindowPlacement(this, paths_.iniFile, "MenuMain", false, OffScreenPosition::KeepAsStored);

    doc_.DataKind = 1;
    const RecentFileList recent = ReadRecentFiles(paths_.iniFile);
    showRecentFiles(recent);
    InitInputData(doc_);
    doc_.DataEdited = false;
    RefreshEnteredColours();
}

QPushButton* frmMenuMain::FindMenuButton(const QString& tag) const {
    for (QPushButton* button : cmdMenu_) {
        if (button->property(kTagProperty).toString() == tag) {
            return button;
        }
    }
    return nullptr;
}

QAction* frmMenuMain::RecentFileAction(int index) const {
    return mnuFileName_.at(static_cast<std::size_t>(index));
}

QAction* frmMenuMain::ToolbarAction(const QString& key) const {
    for (QAction* action : tbrMenu_->actions()) {
        if (action->property(kKeyProperty).toString() == key) {
            return action;
        }
    }
    return nullptr;
}

void frmMenuMain::RefreshEnteredColours() {
    const QPalette system = QApplication::palette();
    const auto paint = [&](const QString& tag, bool entered) {
        QPushButton* button = FindMenuButton(tag);
        QPalette palette = button->palette();
        const QColor colour = entered ? system.color(QPalette::Active, QPalette::Highlight)
                                      : system.color(QPalette::Active, QPalette::ButtonText);
        palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
        button->setPalette(palette);
    };
    paint(QStringLiteral("InpKui"), doc_.conditionsEntered());
    paint(QStringLiteral("InpAnzen"), doc_.safetyFactorsEntered());
    paint(QStringLiteral("InpJiban"), doc_.groundEntered());
    paint(QStringLiteral("InpJibanN"), doc_.nValuesEntered());
    paint(QStringLiteral("InpRaTable"), doc_.tableEntered());
}

void frmMenuMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        RefreshEnteredColours();
    }
}

void frmMenuMain::closeEvent(QCloseEvent* event) {
    if (!centralWidget()->isEnabled() || !files_.ConfirmExit()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement(this, paths_.iniFile, "MenuMain", false);
    event->accept();
}

void frmMenuMain::SetCommandsEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    tbrMenu_->setEnabled(enabled);
}

void frmMenuMain::cmdMenu_Click(QPushButton* button) {
    const CommandScope scope([this](bool enabled) { SetCommandsEnabled(enabled); });
    const QString tag = button->property(kTagProperty).toString();
    if (tag == QLatin1String("ResOutRa")) {
        RunCheckScreen();
    } else if (tag == QLatin1String("InpRaTable")) {
        RunRaTable();
    } else if (tag == QLatin1String("MenuPrint")) {
        RunPrintMenu();
    } else {
        RunInputScreen(tag);
    }
    RefreshEnteredColours();
}

AppContext frmMenuMain::Context() {
    return AppContext{doc_, calc_, paths_};
}

void frmMenuMain::RunInputScreen(const QString& tag) {
    AppContext context = Context();
    ShowInputScreen(tag, context, this);
}

void frmMenuMain::RunRaTable() {
    AppContext context = Context();
    if (ShowInputScreen(QStringLiteral("InpRaTable"), context, this) != QLatin1String("OK")) {
        return;
    }
    bool success = false;
    {
        const BusyScope busy;
        QApplication::processEvents();
        success = calc_.CalcRaTable(doc_);
    }
    if (!success) {
        Show(this, MessageCalculationError(FindCalcFailureCauses(doc_, CalcRun::Table)));
        return;
    }
    ShowGraphScreen(context, this);
}

void frmMenuMain::RunCheckScreen() {
    if (!calc_.CalcRa(doc_)) {
        Show(this, MessageCalculationError(FindCalcFailureCauses(doc_, CalcRun::Single)));
        return;
    }
    frmResOutRa screen(paths_.iniFile, this);
    screen.setUsrCaption(QString());
    screen.setUsrHelpFile(QString());
    screen.setUsrHelpContextID(0);
    connect(&screen, &frmResOutRa::LoadData, this, &frmMenuMain::objResOutRa_LoadData);
    objResOutRa_ = &screen;
    screen.exec();
    objResOutRa_ = nullptr;
}

void frmMenuMain::RunPrintMenu() {
    if (!calc_.CalcRa(doc_)) {
        Show(this, MessageCalculationError(FindCalcFailureCauses(doc_, CalcRun::Single)));
        return;
    }
    AppContext context = Context();
    ShowPrintMenu(context, kProductName, this);
}

// Ra and Pa of the normal case and of the level-1 earthquake case.
void frmMenuMain::objResOutRa_LoadData() {
    if (objResOutRa_ == nullptr) {
        return;
    }
    const CZul& normal = calc_.CalcPair(0);
    const CZul& earthquake = calc_.CalcPair(1);
    objResOutRa_->setNumEp(0, normal.Ra());
    objResOutRa_->setNumEp(1, earthquake.Ra());
    objResOutRa_->setNumEp(2, normal.Pa());
    objResOutRa_->setNumEp(3, earthquake.Pa());
    QStringList notes;
    for (const std::string& note : PlausibilityNotes(doc_, normal, earthquake)) {
        notes << QString::fromStdString(note);
    }
    objResOutRa_->setNotes(notes);
}

void frmMenuMain::mnuAbout_Click() {
    const CommandScope scope([this](bool enabled) { SetCommandsEnabled(enabled); });
    frmAbout about(this);
    about.exec();
}

void frmMenuMain::showFileTitle(const QString& fileTitle) {
    setWindowTitle(MainCaption(fileTitle));
}

void frmMenuMain::showRecentFiles(const RecentFileList& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].empty()) {
            mnuFileName_[i]->setEnabled(false);
        } else {
            mnuFileName_[i]->setText(QStringLiteral("&%1 ").arg(i + 1) + MenuText(files[i]));
            mnuFileName_[i]->setEnabled(true);
        }
    }
}

} // namespace zul

#include "moc_frmMenuMain.cpp"
