#pragma once

#include "ui/input/InputScreen.h"

#include <initializer_list>

namespace zul {

class GridEditBar;
class InputGrid;

// An input screen built around an editing grid: the Edit menu, the toolbar and the status
// line, the grid `vaSpread1` with the owner's row limit, and the resize layout that keeps the
// buttons in a column at the right edge.
class GridInputScreen : public InputScreen {
    Q_OBJECT
public:
    InputGrid* vaSpread1() const { return grid_; }
    GridEditBar* editBar() const { return bar_; }

protected:
    GridInputScreen(const QString& caption, const std::string& section, QWidget* parent);

    // Grid colours, the row limit and the cursor on the first cell, before LoadData.
    void prepareScreen() override;
    bool beforeSave() override;

    // Geometry helpers of the resize layout: twips as pixels, the area below the menu bar.
    int twips(int value) const;
    int menuHeight() const;
    int toolBarHeight() const;
    int statusHeight() const;
    // Places the menu bar, toolbar and status line, and the buttons in a column whose left
    // edge is innerWidth - (cmdOk width + 240 twips), starting at top.  Returns that left edge.
    int placeFrame(int top, std::initializer_list<QWidget*> buttons);

private:
    InputGrid* grid_;
    GridEditBar* bar_;
};

} // namespace zul
