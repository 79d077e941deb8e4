#pragma once

#include "document/BoreholeImport.h"
#include "document/BoreholeRecord.h"
#include "document/ProjectDocument.h"

#include <QDialog>

#include <map>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace zul {

class BoreholeLogView;

// "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み": the borehole read from its exchange file, its log with the pile as it
// will stand, the layers and N values as they will be imported (the kind of each layer can be
// changed), the pile-head move and the water record taken, and the choices of the import.  OK asks before
// replacing entered ground data and then fills the document; Cancel changes nothing.
class BoreholeImportDialog : public QDialog {
    Q_OBJECT
public:
    BoreholeImportDialog(BoreholeRecord record, const QString& fileName, ProjectDocument& doc,
                         QWidget* parent = nullptr);

    const BoreholeImportPlan& plan() const { return plan_; }
    const BoreholeImportOptions& options() const { return options_; }

    void accept() override;

private:
    void buildWidgets(const QString& fileName);
    void optionsChanged();
    void replan();
    void showPlan();
    void fillLayerTable();
    void keepLayerColumnsWhole();
    void fillPointTable();
    void fillNotes();

    BoreholeRecord record_;
    ProjectDocument& doc_;
    BoreholeImportOptions options_;
    BoreholeImportPlan plan_;
    std::map<double, std::int32_t> chosenKinds_; // by the top depth of the layer

    BoreholeLogView* picLog_ = nullptr;
    QCheckBox* chkMaxDepth_ = nullptr;
    QDoubleSpinBox* numMaxDepth_ = nullptr;
    QComboBox* cboNDepth_ = nullptr;
    QCheckBox* chkNCap_ = nullptr;
    QDoubleSpinBox* numNCap_ = nullptr;
    QComboBox* cboWater_ = nullptr;
    QCheckBox* chkKeepDesign_ = nullptr;
    QCheckBox* chkKeepPileHead_ = nullptr;
    QTableWidget* tblLayers_ = nullptr;
    QTableWidget* tblPoints_ = nullptr;
    QListWidget* lstNotes_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QLabel* lblPile_ = nullptr;  // the pile head moved with the ground, or kept
    QLabel* lblWater_ = nullptr; // the water record taken
    QPushButton* cmdOk_ = nullptr;
};

// The question before imported data replaces entered ground data (layers or N values).
QString ReplaceGroundQuestion(const ProjectDocument& doc);

} // namespace zul
