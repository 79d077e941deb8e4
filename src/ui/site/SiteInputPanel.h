#pragma once

#include "document/BoreholeImport.h"
#include "site/SiteTypes.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zul {

// What a site run takes from the user: the borehole files and folders, the design loads (each
// optional), the import choices as the borehole import offers them, and the folder for the
// studies of the boreholes.  Files and folders are chosen through the UiServices dialogs.
class SiteInputPanel : public QWidget {
    Q_OBJECT
public:
    explicit SiteInputPanel(QWidget* parent = nullptr);

    std::vector<std::string> Paths() const;
    void AddPaths(const QStringList& paths); // each once
    site::SiteLoads Loads() const;
    BoreholeImportOptions ImportOptions() const;
    QString OutDir() const;
    void SetOutDir(const QString& folder);

    QListWidget* lstPaths() const { return lstPaths_; }

private:
    void AddFiles();
    void AddFolder();
    void RemoveChosenPaths();
    void ChooseOutDir();
    QString StartFolder() const;

    QListWidget* lstPaths_ = nullptr;
    QCheckBox* chkLoadRa_ = nullptr;
    QDoubleSpinBox* numLoadRa_ = nullptr;
    QDoubleSpinBox* numLoadRae_ = nullptr;
    QCheckBox* chkLoadPa_ = nullptr;
    QDoubleSpinBox* numLoadPa_ = nullptr;
    QDoubleSpinBox* numLoadPae_ = nullptr;
    QCheckBox* chkMaxDepth_ = nullptr;
    QDoubleSpinBox* numMaxDepth_ = nullptr;
    QComboBox* cboNDepth_ = nullptr;
    QCheckBox* chkNCap_ = nullptr;
    QDoubleSpinBox* numNCap_ = nullptr;
    QCheckBox* chkKeepDesign_ = nullptr;
    QCheckBox* chkKeepPileHead_ = nullptr;
    QLineEdit* txtOutDir_ = nullptr;
};

// A push button of the site window, named for tests, that Enter in a field does not press.
QPushButton* SiteButton(QWidget* parent, const char* name, const QString& caption);

} // namespace zul
