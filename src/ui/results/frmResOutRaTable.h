#pragma once

#include "render/GraphData.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QPrinter;
class QStatusBar;
class QTabBar;
class QToolBar;

namespace zul {

struct AppContext;
class GraphChartView;

// Sizes of the resize layout, in twips.
struct GraphScreenLayout {
    int tabWidth = 1;
    int tabHeight = 1;
    int frameWidth = 1;
    int frameHeight = 1;
};

// The tab strip takes the client width less 240 and the height between its top and the status
// bar; the frame on it 240 less wide and 480 less high; nothing gets below 1.
GraphScreenLayout ComputeGraphScreenLayout(int clientWidth, int clientHeight, int tabTop, int statusHeight);

// The bearing capacity study graph screen: allowable capacity against pile length for every
// used pile diameter of the last table calculation, on four tabs (normal push-in, normal
// pull-out, level-1 earthquake push-in and pull-out).  Prints and copies the current graph;
// when it closes it saves all four graphs as metafiles and marks them made in the document.
class frmResOutRaTable : public QDialog {
    Q_OBJECT
public:
    // The results come from context.calc; the metafiles go to context.paths.metafileFolder; the
    // placement is kept in context.paths.iniFile, section "ResOutRaTable".
    explicit frmResOutRaTable(AppContext& context, QWidget* parent = nullptr);
    ~frmResOutRaTable() override;

    QString UsrCaption() const { return usrCaption_; }
    void setUsrCaption(const QString& caption) { usrCaption_ = caption; }

    // The graph shown, 1..4, and the selection by tab key ("Tab1".."Tab4").
    int graphNumber() const { return graphNumber_; }
    void selectTab(const QString& key);
    const GraphData& currentGraph() const;
    GraphChartView* chart() const { return chart_; }

    // mnuPrinter: lets the user choose a printer (or a PDF file) and prints the current graph.
    void mnuPrinter_Click();
    // mnuCopy: puts the current graph on the clipboard as a picture and as SVG.
    void mnuCopy_Click();
    // Prints the current graph on printer; false when the printer cannot be opened.
    bool PrintGraph(QPrinter& printer) const;

    // How the printer is chosen; by default the system's print dialog.  Tests set their own.
    using PrinterChooser = std::function<bool(QPrinter&, QWidget*)>;
    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

    // The plausibility notes of the table, one line per diameter and note ("注意：杭径φ …"),
    // shown under the chart; empty when there are none.
    QStringList notes() const { return notes_; }

    // True when the last close saved all four metafiles.
    bool metafilesSaved() const { return saved_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void Open();
    void DrawGraph(int number);
    void ArrangeControls();
    bool SaveMetafiles(QString& failure);

    AppContext& context_;
    std::vector<GraphTable> tables_;
    QStringList notes_;
    QString usrCaption_;
    int graphNumber_ = 0;
    bool opened_ = false;
    bool closing_ = false;
    bool saved_ = false;
    PrinterChooser choosePrinter_;

    QMenuBar* menuBar_ = nullptr;
    QToolBar* tbrMenu_ = nullptr;
    QTabBar* tabDir_ = nullptr;
    QWidget* tabPage_ = nullptr;
    QFrame* frame1_ = nullptr;
    GraphChartView* chart_ = nullptr;
    QLabel* lblNotes_ = nullptr;
    QStatusBar* statusBar1_ = nullptr;
};

} // namespace zul
