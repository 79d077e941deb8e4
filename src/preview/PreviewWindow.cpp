#include "preview/PreviewWindow.h"

#include "io/CPrivateProfile.h"
#include "preview/PagePairs.h"
#include "preview/PreviewCommandLine.h"
#include "preview/PreviewPlacement.h"
#include "ui/UiServices.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <algorithm>

namespace zul {

namespace {

constexpr const char* kSection = "Preview";
constexpr const char* kPageHeadKey = "PageHead"; // "0": no head and page number; else shown

} // namespace

QString PreviewCaption(const QString& title) {
    return title.isEmpty() ? QStringLiteral("印刷プレビュー")
                           : QStringLiteral("印刷プレビュー - %1").arg(title);
}

std::pair<int, int> PrintedPages(const QPrinter& printer, int currentPage, int pageCount) {
    const int lastPage = std::max(0, pageCount - 1);
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        if (printer.fromPage() > 0) {
            const int first = std::clamp(printer.fromPage() - 1, 0, lastPage);
            const int last =
                std::clamp(printer.toPage() > 0 ? printer.toPage() - 1 : lastPage, first, lastPage);
            return {first, last};
        }
        break;
    case QPrinter::CurrentPage: {
        const int page = std::clamp(currentPage - 1, 0, lastPage);
        return {page, page};
    }
    default:
        break;
    }
    return {0, lastPage};
}

PreviewWindow::PreviewWindow(std::shared_ptr<PrintPageRenderer> renderer, QString settingsFile,
                             QString pdfName, QWidget* parent)
    : QMainWindow(parent), renderer_(std::move(renderer)), settingsFile_(std::move(settingsFile)),
      pdfName_(std::move(pdfName)), printer_(QPrinter::HighResolution) {
    PreviewCommandLine source;
    source.printFile = renderer_->document().sourcePath;
    setDocumentTitle(DocumentTitle(source));
    setMinimumSize(kPreviewMinimumSize);
    PageHead head = renderer_->pageHead();
    head.shown = settingsFile_.isEmpty() ||
                 CPrivateProfile::GetValueString(settingsFile_.toStdString(), kSection, kPageHeadKey) != "0";
    renderer_->setPageHead(head);
    printer_.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer_.setFullPage(true);
    printer_.setDocName(QFileInfo(pdfName_).completeBaseName());

    preview_ = new QPrintPreviewWidget(&printer_, this);
    setCentralWidget(preview_);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        if (pairs_) {
            PaintPagePairs(*renderer_, *printer);
        } else {
            renderer_->paintPages(*printer, 0, renderer_->pageCount() - 1);
        }
    });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::updatePageText);
    buildToolBar();
    const std::vector<QString> problems = DocumentProblems(renderer_->document());
    if (!problems.empty()) {
        auto* note = new QLabel(
            QStringLiteral("読めないファイルや省いた部分があります（%1 件）").arg(problems.size()), this);
        QStringList lines;
        for (const QString& problem : problems) {
            lines << problem;
        }
        note->setToolTip(lines.join(QLatin1Char('\n')));
        statusBar()->addWidget(note);
    }
    // Wide enough for every toolbar command, the close command included.
    const int toolbarWidth = findChild<QToolBar*>()->sizeHint().width();
    resize(std::max(900, toolbarWidth + 16), 1000);
    preview_->fitToWidth();
    preview_->updatePreview();
    updatePageText();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::setDocumentTitle(const QString& title) {
    documentTitle_ = title;
    setWindowTitle(PreviewCaption(title));
}

void PreviewWindow::setPageHead(const PageHead& head) {
    PageHead shown = head;
    shown.shown = renderer_->pageHead().shown;
    renderer_->setPageHead(shown);
    preview_->updatePreview();
}

void PreviewWindow::showPageHead(bool shown) {
    PageHead head = renderer_->pageHead();
    head.shown = shown;
    renderer_->setPageHead(head);
    {
        const QSignalBlocker quiet(pageHeadAction_);
        pageHeadAction_->setChecked(shown);
    }
    preview_->updatePreview();
    if (!settingsFile_.isEmpty()) {
        QDir().mkpath(QFileInfo(settingsFile_).absolutePath());
        CPrivateProfile::SetValueString(settingsFile_.toStdString(), kSection, kPageHeadKey,
                                        shown ? "1" : "0");
    }
}

QAction* PreviewWindow::addCommand(const QString& text, const QKeySequence& key,
                                   void (PreviewWindow::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    action->setToolTip(
        key.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

void PreviewWindow::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("操作"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    bar->addAction(addCommand(QStringLiteral("印刷(&P)..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                              &PreviewWindow::printPages));
    bar->addAction(addCommand(QStringLiteral("PDF保存(&S)..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                              &PreviewWindow::savePdf));
    bar->addSeparator();
    bar->addAction(addCommand(QStringLiteral("先頭"), QKeySequence(Qt::Key_Home), &PreviewWindow::firstPage));
    bar->addAction(
        addCommand(QStringLiteral("前頁"), QKeySequence(Qt::Key_PageUp), &PreviewWindow::previousPage));
    pageLabel_ = new QLabel(this);
    pageLabel_->setMinimumWidth(80);
    pageLabel_->setAlignment(Qt::AlignCenter);
    bar->addWidget(pageLabel_);
    bar->addAction(
        addCommand(QStringLiteral("次頁"), QKeySequence(Qt::Key_PageDown), &PreviewWindow::nextPage));
    bar->addAction(addCommand(QStringLiteral("最終"), QKeySequence(Qt::Key_End), &PreviewWindow::lastPage));
    bar->addSeparator();

    auto* zoomIn = new QAction(QStringLiteral("拡大"), this);
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn, &QAction::triggered, preview_, [this] { preview_->zoomIn(); });
    auto* zoomOut = new QAction(QStringLiteral("縮小"), this);
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOut, &QAction::triggered, preview_, [this] { preview_->zoomOut(); });
    auto* fitWidth = new QAction(QStringLiteral("幅に合わせる"), this);
    connect(fitWidth, &QAction::triggered, preview_, [this] { preview_->fitToWidth(); });
    auto* fitPage = new QAction(QStringLiteral("ページ全体"), this);
    connect(fitPage, &QAction::triggered, preview_, [this] { preview_->fitInView(); });
    for (QAction* action : {zoomIn, zoomOut, fitWidth, fitPage}) {
        addAction(action);
        bar->addAction(action);
    }
    bar->addSeparator();

    auto* single = new QAction(QStringLiteral("1ページ"), this);
    auto* facing = new QAction(QStringLiteral("2ページ"), this);
    auto* group = new QActionGroup(this);
    for (QAction* action : {single, facing}) {
        action->setCheckable(true);
        group->addAction(action);
        bar->addAction(action);
    }
    single->setChecked(true);
    connect(single, &QAction::triggered, this, [this] { showPagePairs(false); });
    connect(facing, &QAction::triggered, this, [this] { showPagePairs(true); });
    bar->addSeparator();
    pageHeadAction_ = new QAction(QStringLiteral("ヘッダー・ページ番号を印刷"), this);
    pageHeadAction_->setCheckable(true);
    pageHeadAction_->setChecked(renderer_->pageHead().shown);
    pageHeadAction_->setToolTip(
        QStringLiteral("各ページの上端に検討ケース名称とファイル名を，下端にページ番号を印刷します"));
    connect(pageHeadAction_, &QAction::toggled, this, &PreviewWindow::showPageHead);
    bar->addAction(pageHeadAction_);
    bar->addSeparator();
    auto* close = new QAction(QStringLiteral("閉じる(&C)"), this);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    bar->addAction(close);
}

// Qt's own two-page view opens like a book, page 1 alone on the right; a report is read with
// pages 1 and 2 side by side.  So each pair is one sheet of the preview, shown as a single page.
void PreviewWindow::showPagePairs(bool pairs) {
    if (pairs == pairs_) {
        return;
    }
    const int page = currentPage();
    pairs_ = pairs;
    printer_.setPageLayout(
        pairs ? PagePairLayout()
              : QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    preview_->setSinglePageViewMode();
    preview_->updatePreview();
    preview_->setCurrentPage(pairs ? (page + 1) / 2 : page);
    if (pairs) {
        preview_->fitInView();
    } else {
        preview_->fitToWidth();
    }
    updatePageText();
}

int PreviewWindow::currentPage() const {
    return pairs_ ? 2 * preview_->currentPage() - 1 : preview_->currentPage();
}

int PreviewWindow::pageCount() const {
    return renderer_->pageCount();
}

QString PreviewWindow::pageText() const {
    return pageLabel_->text();
}

void PreviewWindow::updatePageText() {
    const int page = currentPage();
    if (pairs_ && page < pageCount()) {
        pageLabel_->setText(QStringLiteral("%1-%2 / %3").arg(page).arg(page + 1).arg(pageCount()));
    } else {
        pageLabel_->setText(QStringLiteral("%1 / %2").arg(page).arg(pageCount()));
    }
}

void PreviewWindow::firstPage() {
    preview_->setCurrentPage(1);
    updatePageText();
}

void PreviewWindow::previousPage() {
    preview_->setCurrentPage(std::max(1, preview_->currentPage() - 1));
    updatePageText();
}

void PreviewWindow::nextPage() {
    preview_->setCurrentPage(std::min(preview_->pageCount(), preview_->currentPage() + 1));
    updatePageText();
}

void PreviewWindow::lastPage() {
    preview_->setCurrentPage(preview_->pageCount());
    updatePageText();
}

void PreviewWindow::printPages() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(QFileInfo(pdfName_).completeBaseName());
    printer.setFromTo(1, renderer_->pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    dialog.setMinMax(1, renderer_->pageCount());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const auto [first, last] = PrintedPages(printer, currentPage(), renderer_->pageCount());
    UiServices::current().setBusy(true);
    const bool printed = renderer_->paintPages(printer, first, last);
    UiServices::current().setBusy(false);
    if (!printed) {
        UiServices::current().showMessage(this, QStringLiteral("印刷できませんでした。"), windowTitle(),
                                          MessageIcon::Critical, MessageButtons::Ok);
    }
}

void PreviewWindow::savePdf() {
    UiServices::FileDialogRequest request;
    request.openMode = false;
    request.title = QStringLiteral("PDFファイルに保存");
    request.defaultExtension = QStringLiteral("pdf");
    request.filter = QStringLiteral("PDFファイル(*.pdf)");
    const QFileInfo name(pdfName_);
    request.initialDir = name.isAbsolute()
                             ? name.absolutePath()
                             : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.initialName = name.fileName();
    const QString path = UiServices::current().chooseFile(this, request);
    if (path.isEmpty()) {
        return;
    }
    UiServices::current().setBusy(true);
    QString error;
    const QString title = documentTitle_.isEmpty() ? QFileInfo(path).completeBaseName() : documentTitle_;
    const bool written = WritePrintPdf(*renderer_, path, &error, title);
    UiServices::current().setBusy(false);
    if (!written) {
        UiServices::current().showMessage(this, error, windowTitle(), MessageIcon::Critical,
                                          MessageButtons::Ok);
    }
}

void PreviewWindow::setVisible(bool visible) {
    // Placed before the native window is made, so that the window system puts the frame (not
    // the client area) where the placement says.
    if (visible && !placed_) {
        placed_ = true;
        placeWindow();
    }
    QMainWindow::setVisible(visible);
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Before the first show the window system does not know the frame; once it is shown the
    // frame is checked again with its real size.
    if (!frameChecked_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
    }
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && !frameChecked_ &&
        windowHandle()->isExposed()) {
        frameChecked_ = true;
        windowHandle()->removeEventFilter(this);
        fitFrame(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

// The placement kept in Preview.ini, or the first time beside the print menu (else centred);
// then kept whole on the screen and off the print menu.
void PreviewWindow::placeWindow() {
    const std::string ini = settingsFile_.toStdString();
    const bool stored = !ini.empty() && (CPrivateProfile::GetValueLong(ini, kSection, "Top") >= 1 ||
                                         CPrivateProfile::GetValueLong(ini, kSection, "Left") >= 1);
    if (!ini.empty()) {
        RestoreWindowPlacement(this, ini, kSection, true);
    }
    fitFrame(!stored && beside_.isValid());
}

void PreviewWindow::fitFrame(bool besideMenu) {
    const QScreen* screen = beside_.isValid() ? QGuiApplication::screenAt(beside_.center()) : nullptr;
    if (!screen) {
        screen = this->screen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The frame's margins as the window system knows them (none before the first show); the
    // position is that of the frame.
    const QMargins margins(
        geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
        frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    const int minimumFrameWidth = minimumWidth() + margins.left() + margins.right();
    const QSize frame = size().grownBy(margins);
    const QRect placed = besideMenu
                             ? PreviewFrameBeside(frame, beside_, area, minimumFrameWidth)
                             : PreviewFrameOnArea(QRect(pos(), frame), beside_, area, minimumFrameWidth);
    if (placed.size() != frame) {
        resize(placed.size().shrunkBy(margins).expandedTo(minimumSize()));
    }
    if (placed.topLeft() != pos()) {
        move(placed.topLeft());
    }
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
    if (!settingsFile_.isEmpty()) {
        QDir().mkpath(QFileInfo(settingsFile_).absolutePath());
        SaveWindowPlacement(this, settingsFile_.toStdString(), kSection, true);
    }
    QMainWindow::closeEvent(event);
}

} // namespace zul

#include "moc_PreviewWindow.cpp"
