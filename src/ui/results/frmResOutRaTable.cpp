#include "ui/results/frmResOutRaTable.h"

#include "calc/CalcFailureCauses.h"
#include "calc/PlausibilityNotes.h"
#include "calc/basCalcMain.h"
#include "render/GraphExport.h"
#include "render/GraphFromResults.h"
#include "ui/AppContext.h"
#include "ui/CommandIcon.h"
#include "ui/UiServices.h"
#include "ui/WindowPlacement.h"
#include "ui/results/GraphChartView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>
#include <exception>

namespace zul {

namespace {

const char* const kTableSection = "ResOutRaTable";
constexpr int kTabLeftTwips = 120;
constexpr int kFrameLeftTwips = 120;

bool chooseWithPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int graphNumberOfKey(const QString& key) {
    for (int number = 1; number <= kGraphCount; ++number) {
        if (key == QLatin1String(GraphKindOf(number).tabKey)) {
            return number;
        }
    }
    return 0;
}

} // namespace

GraphScreenLayout ComputeGraphScreenLayout(int clientWidth, int clientHeight, int tabTop, int statusHeight) {
    GraphScreenLayout layout;
    layout.tabWidth = std::max(1, clientWidth - 240);
    layout.tabHeight = std::max(1, clientHeight - tabTop - statusHeight);
    layout.frameWidth = std::max(1, layout.tabWidth - 240);
    layout.frameHeight = std::max(1, layout.tabHeight - 480);
    return layout;
}

frmResOutRaTable::frmResOutRaTable(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), choosePrinter_(chooseWithPrintDialog) {
    setWindowTitle(QStringLiteral("支持力検討ｸﾞﾗﾌ"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(false);
    resize(820, 620);

    menuBar_ = new QMenuBar(this);
    QMenu* mnuMenu = menuBar_->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
    mnuMenu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* mnuPrinter = mnuMenu->addAction(QStringLiteral("ﾌﾟﾘﾝﾀを選択して印刷(&P)"));
    mnuPrinter->setObjectName(QStringLiteral("mnuPrinter"));
    QAction* mnuCopy = mnuMenu->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ(&C)"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    connect(mnuPrinter, &QAction::triggered, this, &frmResOutRaTable::mnuPrinter_Click);
    connect(mnuCopy, &QAction::triggered, this, &frmResOutRaTable::mnuCopy_Click);

    tbrMenu_ = new QToolBar(this);
    tbrMenu_->setObjectName(QStringLiteral("tbrMenu"));
    tbrMenu_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbrMenu_->setMovable(false);
    QAction* print = tbrMenu_->addAction(CommandIcon(QStringLiteral("document-print"), QStringLiteral("印")),
                                         QStringLiteral("印刷"));
    print->setObjectName(QStringLiteral("Print"));
    print->setToolTip(QStringLiteral("ﾌﾟﾘﾝﾀを選択して印刷"));
    QAction* copy = tbrMenu_->addAction(CommandIcon(QStringLiteral("edit-copy"), QStringLiteral("写")),
                                        QStringLiteral("ｺﾋﾟｰ"));
    copy->setObjectName(QStringLiteral("Copy"));
    copy->setToolTip(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"));
    tbrMenu_->addSeparator();
    QAction* close = tbrMenu_->addAction(
        QIcon::fromTheme(QStringLiteral("window-close"), style()->standardIcon(QStyle::SP_DialogCloseButton)),
        QStringLiteral("閉じる"));
    close->setObjectName(QStringLiteral("Close"));
    connect(print, &QAction::triggered, this, &frmResOutRaTable::mnuPrinter_Click);
    connect(copy, &QAction::triggered, this, &frmResOutRaTable::mnuCopy_Click);
    connect(close, &QAction::triggered, this, &QDialog::close);

    tabPage_ = new QWidget(this);
    tabDir_ = new QTabBar(tabPage_);
    tabDir_->setObjectName(QStringLiteral("tabDir"));
    tabDir_->setDrawBase(false);
    for (int number = 1; number <= kGraphCount; ++number) {
        const GraphKind& kind = GraphKindOf(number);
        const int index = tabDir_->addTab(QString::fromUtf8(kind.tabCaption));
        tabDir_->setTabData(index, QString::fromLatin1(kind.tabKey));
    }
    frame1_ = new QFrame(tabPage_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    chart_ = new GraphChartView(frame1_);
    chart_->setObjectName(QStringLiteral("Chart2D1"));

    statusBar1_ = new QStatusBar(this);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(true);

    connect(tabDir_, &QTabBar::currentChanged, this, [this](int index) {
        const int number = graphNumberOfKey(tabDir_->tabData(index).toString());
        if (number != 0 && number != graphNumber_) {
            DrawGraph(number);
        }
    });
    connect(chart_, &GraphChartView::pointHovered, statusBar1_, [this](const QString& text) {
        statusBar1_->showMessage(QString(text).replace(QLatin1Char('\n'), QStringLiteral("　")));
    });

    // The results of the last table calculation, read once: the screen is modal, so they
    // cannot change while it is open.
    tables_ = GraphTablesOf(context_.calc);
    // A note that holds alike for several diameters takes one line.
    std::vector<std::pair<TableNote, std::vector<double>>> alike;
    for (int i = 0; i < context_.calc.ResultCount(); ++i) {
        for (const TableNote& note : context_.calc.ResultNotes(i)) {
            const auto same =
                std::find_if(alike.begin(), alike.end(), [&](const auto& a) { return a.first == note; });
            if (same != alike.end()) {
                same->second.push_back(context_.calc.ResultDiameters(i));
            } else {
                alike.emplace_back(note, std::vector<double>{context_.calc.ResultDiameters(i)});
            }
        }
    }
    for (const auto& [note, diameters] : alike) {
        notes_ << QStringLiteral("注意：") + QString::fromStdString(TableNoteLine(diameters, note));
    }
    // An empty chart is right for a table without diameters, but it must not look like a fault.
    if (context_.calc.ResultCount() == 0) {
        notes_ << QStringLiteral(
            "注意：杭長検討表に杭径がないため（0.09 m 以下の杭径は計算しません），グラフに線はありません。"
            "「支持力検討ｸﾞﾗﾌの作成」で杭径を入力して下さい。");
    }
    // A table whose lengths give no row (the first above the last) says so too.
    if (const std::string why = EmptyTableReason(context_.doc); !why.empty()) {
        notes_ << QStringLiteral("注意：") + QString::fromStdString(why);
    }
    // The notes sit under the chart, in the frame; they are no part of the graph, so printing,
    // copying and the metafiles stay as they are.
    lblNotes_ = new QLabel(frame1_);
    lblNotes_->setObjectName(QStringLiteral("lblNotes"));
    lblNotes_->setTextFormat(Qt::PlainText);
    lblNotes_->setWordWrap(true);
    lblNotes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNotes_->setMargin(4);
    lblNotes_->setText(notes_.join(QLatin1Char('\n')));
    lblNotes_->setToolTip(lblNotes_->text());
    lblNotes_->setVisible(!notes_.isEmpty());
    DrawGraph(1);
    ArrangeControls();
}

frmResOutRaTable::~frmResOutRaTable() = default;

const GraphData& frmResOutRaTable::currentGraph() const {
    return chart_->graph();
}

void frmResOutRaTable::selectTab(const QString& key) {
    for (int index = 0; index < tabDir_->count(); ++index) {
        if (tabDir_->tabData(index).toString() == key) {
            tabDir_->setCurrentIndex(index);
            return;
        }
    }
}

void frmResOutRaTable::Open() {
    if (!usrCaption_.isEmpty()) {
        setWindowTitle(usrCaption_);
    }
    RestoreWindowPlacement(this, context_.paths.iniFile, kTableSection, true);
}

void frmResOutRaTable::DrawGraph(int number) {
    // One batch: the chart repaints once, with the complete graph.
    chart_->setUpdatesEnabled(false);
    graphNumber_ = number;
    chart_->setGraph(BuildGraphData(context_.doc.InpJyoken, tables_, number));
    const QString key = QString::fromLatin1(GraphKindOf(number).tabKey);
    if (tabDir_->tabData(tabDir_->currentIndex()).toString() != key) {
        selectTab(key);
    }
    chart_->setUpdatesEnabled(true);
}

void frmResOutRaTable::showEvent(QShowEvent* event) {
    if (!opened_) {
        opened_ = true;
        Open();
    }
    QDialog::showEvent(event);
}

void frmResOutRaTable::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ArrangeControls();
}

void frmResOutRaTable::ArrangeControls() {
    const int width = this->width();
    const int height = this->height();
    const int menuHeight = menuBar_->sizeHint().height();
    const int toolHeight = tbrMenu_->sizeHint().height();
    const int statusHeight = statusBar1_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width, menuHeight);
    tbrMenu_->setGeometry(0, menuHeight, width, toolHeight);
    statusBar1_->setGeometry(0, std::max(0, height - statusHeight), width, statusHeight);

    const int tabTop = menuHeight + toolHeight + 2;
    const GraphScreenLayout layout =
        ComputeGraphScreenLayout(PixelsToTwips(this, width), PixelsToTwips(this, height),
                                 PixelsToTwips(this, tabTop), PixelsToTwips(this, statusHeight));
    const int tabWidth = std::max(1, TwipsToPixels(this, layout.tabWidth));
    const int tabHeight = std::max(1, TwipsToPixels(this, layout.tabHeight));
    tabPage_->setGeometry(TwipsToPixels(this, kTabLeftTwips), tabTop, tabWidth, tabHeight);

    const int tabBarHeight = tabDir_->sizeHint().height();
    tabDir_->setGeometry(0, 0, tabWidth, tabBarHeight);
    // The frame sits under the tab captions; on a style with tall tabs it gives up height
    // rather than reach past the tab strip.
    const int frameTop = tabBarHeight;
    const int frameWidth = std::max(1, TwipsToPixels(this, layout.frameWidth));
    const int frameHeight = std::max(
        1, std::min(TwipsToPixels(this, layout.frameHeight), tabHeight - frameTop - TwipsToPixels(this, 60)));
    frame1_->setGeometry(TwipsToPixels(this, kFrameLeftTwips), frameTop, frameWidth, frameHeight);
    const QRect inside = frame1_->contentsRect();
    int notesHeight = 0;
    if (!notes_.isEmpty()) {
        // The notes take what they need, up to a third of the frame; the tooltip shows them
        // all when they are cut.
        notesHeight = std::min(lblNotes_->heightForWidth(std::max(1, inside.width())), inside.height() / 3);
        lblNotes_->setGeometry(inside.x(), inside.bottom() + 1 - notesHeight, std::max(1, inside.width()),
                               notesHeight);
    }
    chart_->setGeometry(inside.x(), inside.y(), std::max(1, inside.width()),
                        std::max(1, inside.height() - notesHeight));
}

bool frmResOutRaTable::PrintGraph(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    PaintGraphFitted(painter, QRectF(0, 0, printer.width(), printer.height()), currentGraph());
    return painter.end();
}

void frmResOutRaTable::mnuPrinter_Click() {
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setDocName(windowTitle());
        if (!choosePrinter_ || !choosePrinter_(printer, this)) {
            return;
        }
        if (!PrintGraph(printer)) {
            UiServices::current().showMessage(this,
                                              QStringLiteral("印刷できませんでした。ﾌﾟﾘﾝﾀを確認して下さい。"),
                                              windowTitle(), MessageIcon::Critical, MessageButtons::Ok);
        }
    } catch (const std::exception&) {
        // An error ends the command; the screen stays open.
    }
}

void frmResOutRaTable::mnuCopy_Click() {
    try {
        auto mime = std::make_unique<QMimeData>();
        const GraphData& data = currentGraph();
        mime->setImageData(RenderGraphImage(data));
        mime->setData(QStringLiteral("image/svg+xml"), RenderGraphSvg(data));
        mime->setData(QStringLiteral("image/x-wmf"), RenderGraphMetafile(data));
        QApplication::clipboard()->setMimeData(mime.release()); // the clipboard owns it now
    } catch (const std::exception&) {
        // An error ends the command; the screen stays open.
    }
}

bool frmResOutRaTable::SaveMetafiles(QString& failure) {
    const QString folder = QString::fromStdString(context_.paths.metafileFolder);
    if (folder.isEmpty()) {
        failure = QStringLiteral("保存先のﾌｫﾙﾀﾞがありません。");
        return false;
    }
    QDir().mkpath(folder);
    for (const int number : GraphSaveOrder()) {
        const GraphKind& kind = GraphKindOf(number);
        selectTab(QString::fromLatin1(kind.tabKey));
        const QString path = QDir(folder).filePath(QString::fromLatin1(kind.fileName));
        QString error;
        if (!SaveGraphMetafile(path, currentGraph(), &error)) {
            failure = QDir::toNativeSeparators(path) + QLatin1Char('\n') + error;
            return false;
        }
    }
    return true;
}

void frmResOutRaTable::done(int result) {
    if (closing_) {
        QDialog::done(result);
        return;
    }
    closing_ = true;
    QString failure;
    try {
        saved_ = SaveMetafiles(failure);
    } catch (const std::exception& e) {
        saved_ = false;
        failure = QString::fromLocal8Bit(e.what());
    }
    // The graph report prints these files: it is offered only when all four are current.
    context_.doc.RaTableDone = saved_;
    if (!saved_) {
        UiServices::current().showMessage(this,
                                          QStringLiteral("ｸﾞﾗﾌﾌｧｲﾙを保存できませんでした。\n") + failure,
                                          windowTitle(), MessageIcon::Critical, MessageButtons::Ok);
    }
    SaveWindowPlacement(this, context_.paths.iniFile, kTableSection, true);
    QDialog::done(result);
    closing_ = false;
}

} // namespace zul

#include "moc_frmResOutRaTable.cpp"
