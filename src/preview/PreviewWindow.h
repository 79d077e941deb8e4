#pragma once

#include "render/PrintPageRenderer.h"

#include <QMainWindow>
#include <QPrinter>
#include <QRect>

#include <memory>
#include <utility>

class QAction;
class QLabel;
class QPrintPreviewWidget;

namespace zul {

// The Preview program's window: the pages of one print file in Qt's print preview, with page
// navigation, zoom, one page or two pages side by side (1-2, 3-4, ...), printing through the
// system's print dialog and saving as PDF.  The pages carry the running head and the page number
// unless the user turns them off ("ヘッダー・ページ番号を印刷"); that choice and the window
// placement are kept in Preview.ini of the settings folder.  The first time, the window opens
// beside the print menu; its frame stays whole on the screen and never covers the menu.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    void setVisible(bool visible) override;

    // settingsFile: Preview.ini with its folder; pdfName: the file name offered for a PDF.
    PreviewWindow(std::shared_ptr<PrintPageRenderer> renderer, QString settingsFile, QString pdfName,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The study's name in the caption and in a saved PDF's title; empty: no name.  The
    // window starts with the print file's name (none for a temporary print file).
    void setDocumentTitle(const QString& title);
    const QString& documentTitle() const { return documentTitle_; }
    // The study title and file name at the head of the pages; whether the head is shown stays
    // the window's own setting.
    void setPageHead(const PageHead& head);
    // Shows or hides the head and the page number on every page (screen, printer, PDF) and keeps
    // the choice in Preview.ini.
    void showPageHead(bool shown);
    bool pageHeadShown() const { return renderer_->pageHead().shown; }

    // The print menu's frame (screen coordinates): the window opens beside it while Preview.ini
    // holds no placement of its own, and never covers it; an invalid rectangle: none (centred).
    void setFirstPlacementBeside(const QRect& frame) { beside_ = frame; }

    // Page shown (1-based; the left page of a pair) and the page count, as in the toolbar's
    // "n / N" ("n-m / N" for a pair).
    int currentPage() const;
    int pageCount() const;
    QString pageText() const;
    bool showsPagePairs() const { return pairs_; }
    QPrintPreviewWidget* previewWidget() const { return preview_; }

public slots:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void printPages();
    void savePdf();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void updatePageText();
    void showPagePairs(bool pairs);
    void placeWindow();
    // Keeps the frame whole on the screen and off the print menu; besideMenu: first goes beside it.
    void fitFrame(bool besideMenu);
    QAction* addCommand(const QString& text, const QKeySequence& key, void (PreviewWindow::*slot)());

    std::shared_ptr<PrintPageRenderer> renderer_;
    QString settingsFile_;
    QString pdfName_;
    QPrinter printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QAction* pageHeadAction_ = nullptr;
    QString documentTitle_;
    QRect beside_;
    bool pairs_ = false;
    bool placed_ = false;
    bool frameChecked_ = false;
};

// The pages (0-based, first and last) a print job asks for: all, the range chosen in the print
// dialog (clamped to the pages there are) or the page shown.
std::pair<int, int> PrintedPages(const QPrinter& printer, int currentPage, int pageCount);

// The caption of the window for a document title (empty: none).
QString PreviewCaption(const QString& title);

} // namespace zul
