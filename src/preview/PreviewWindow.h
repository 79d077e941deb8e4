#pragma once

#include "render/PrintPageRenderer.h"

#include <QMainWindow>
#include <QPrinter>

#include <memory>
#include <utility>

class QAction;
class QLabel;
class QPrintPreviewWidget;

namespace zul {

// The Preview program's window: the pages of one print file in Qt's print preview, with page
// navigation, zoom, one or two pages side by side, printing through the system's print dialog
// and saving as PDF.  The window placement is kept in Preview.ini of the settings folder.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    // settingsFile: Preview.ini with its folder; pdfName: the file name offered for a PDF.
    PreviewWindow(std::shared_ptr<const PrintPageRenderer> renderer, QString settingsFile, QString pdfName,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Page shown (1-based) and the page count, as in the toolbar's "n / N".
    int currentPage() const;
    int pageCount() const;
    QString pageText() const;
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

private:
    void buildToolBar();
    void updatePageText();
    QAction* addCommand(const QString& text, const QKeySequence& key, void (PreviewWindow::*slot)());

    std::shared_ptr<const PrintPageRenderer> renderer_;
    QString settingsFile_;
    QString pdfName_;
    QPrinter printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    bool placed_ = false;
};

// The pages (0-based, first and last) a print job asks for: all, the range chosen in the print
// dialog (clamped to the pages there are) or the page shown.
std::pair<int, int> PrintedPages(const QPrinter& printer, int currentPage, int pageCount);

// The caption of the window for a print file.
QString PreviewCaption(const QString& printFile);

} // namespace zul
