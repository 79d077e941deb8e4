#pragma once

#include <QDialog>
#include <QString>

#include <functional>

namespace zul {

// The about box: product name, version line, OK and the system information button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Finds the system information tool; an empty text when there is none.
    using ToolFinder = std::function<QString()>;

    explicit frmAbout(QWidget* parent = nullptr, ToolFinder findTool = FindSystemInfoTool);

    // The first system information tool found on the search path.
    static QString FindSystemInfoTool();

private:
    void cmdSysInfo_Click();

    ToolFinder findTool_;
};

} // namespace zul
