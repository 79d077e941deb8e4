#pragma once

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

namespace zul {

class InputGrid;

// The Edit menu (mnuEdit), the toolbar (Toolbar1) and the one-panel status line (StatusBar1)
// around an input grid.  Menu entries and toolbar buttons share one command each; Add and
// Insert follow the grid's row limit; the status line shows the grid's entry hint.
class GridEditBar : public QObject {
    Q_OBJECT
public:
    GridEditBar(InputGrid* grid, QWidget* window);

    QMenuBar* menuBar() const { return menuBar_; }
    QToolBar* toolBar() const { return toolBar_; }
    QStatusBar* statusBar() const { return statusBar_; }

    // The text of the status line's panel.
    QString hintText() const;

    QAction* mnuEditCut() const { return cut_; }
    QAction* mnuEditCopy() const { return copy_; }
    QAction* mnuEditPaste() const { return paste_; }
    QAction* mnuEditAdd() const { return add_; }
    QAction* mnuEditIns() const { return insert_; }
    QAction* mnuEditDel() const { return delete_; }

private:
    QMenuBar* menuBar_;
    QMenu* mnuEdit_;
    QToolBar* toolBar_;
    QStatusBar* statusBar_;
    QLabel* panel_ = nullptr;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* add_;
    QAction* insert_;
    QAction* delete_;
};

} // namespace zul
