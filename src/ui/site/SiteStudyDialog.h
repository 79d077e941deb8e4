#pragma once

#include "document/ProjectDocument.h"
#include "site/SiteEnvelope.h"
#include "site/SiteRun.h"
#include "ui/UiServices.h"
#include "util/ProgramPaths.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTemporaryDir;

namespace zul {

class SiteEnvelopeChart;
class SiteInputPanel;
class SitePlanView;
class SiteRunner;
class SiteTableModel;

// "複数ﾎﾞｰﾘﾝｸﾞの一括検討": the current study is the base study; the user chooses borehole files
// or folders, the design loads, the import choices and the folder for the studies, and runs
// the site study off the window's thread with a progress bar that can be cancelled (the
// boreholes finished by then stay listed and written; the rest are not studied).  The results:
// a sortable table of the boreholes (refused and failed rows marked, with the reason), the
// envelope chart and the position plan coloured by the required length of a chosen diameter.
// 「この孔で検討」 opens a borehole's study as the current document, CSV writes the table and
// 印刷 shows the site report in the preview program.
class SiteStudyDialog : public QDialog {
    Q_OBJECT
public:
    // Opens a study file as the current document (asking about unsaved changes first); true
    // when it was opened.
    using StudyOpener = std::function<bool(const std::string& path)>;
    using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

    SiteStudyDialog(const ProjectDocument& base, const ProgramPaths& paths, StudyOpener openStudy,
                    QWidget* parent = nullptr);
    ~SiteStudyDialog() override;

    // StartDetachedProgram unless a test sets its own.
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }

    SiteInputPanel* inputs() const { return inputs_; }
    SiteTableModel* model() const { return model_; }
    QTableView* table() const { return tblBoreholes_; }
    SiteEnvelopeChart* chart() const { return chart_; }
    SitePlanView* plan() const { return plan_; }
    QComboBox* planDiameter() const { return cboPlanDiameter_; }
    QTabWidget* tabs() const { return tabResults_; }
    QProgressBar* progress() const { return prgRun_; }
    QLabel* status() const { return lblStatus_; }
    QPushButton* cmdRun() const { return cmdRun_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdOpenStudy() const { return cmdOpenStudy_; }
    QPushButton* cmdCsv() const { return cmdCsv_; }
    QPushButton* cmdPrint() const { return cmdPrint_; }
    bool Running() const;
    // The print file of the last report and the program and arguments of the last start.
    const std::string& lastReport() const { return lastReport_; }
    const QStringList& lastArguments() const { return lastArguments_; }

    void done(int result) override;

private:
    void Run();
    void Cancel();
    void BoreholeDone(const site::BoreholeResult& borehole);
    void RunFinished(const site::SiteSummary& summary);
    void SetRunning(bool running);
    void UpdateResultCommands();
    void ShowPlan();
    void OpenStudy();
    void ChooseBorehole(int row);
    void ExportCsv();
    void PrintReport();
    bool ConfirmOverwrite(const std::vector<std::string>& files, const std::string& outDir);
    void Tell(const QString& text, MessageIcon icon);
    const site::BoreholeResult* ChosenBorehole() const;

    ProjectDocument base_;
    const ProgramPaths& paths_;
    StudyOpener openStudy_;
    ProgramStarter startProgram_;

    SiteInputPanel* inputs_ = nullptr;
    SiteTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* tblBoreholes_ = nullptr;
    SiteEnvelopeChart* chart_ = nullptr;
    SitePlanView* plan_ = nullptr;
    QComboBox* cboPlanDiameter_ = nullptr;
    QLabel* lblPlanChoice_ = nullptr;
    QTabWidget* tabResults_ = nullptr;
    QProgressBar* prgRun_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdOpenStudy_ = nullptr;
    QPushButton* cmdCsv_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    SiteRunner* runner_ = nullptr;

    // What the shown results were run with.
    site::SiteLoads runLoads_;
    std::string runOutDir_;
    std::size_t runFiles_ = 0;
    site::SiteEnvelope envelope_;
    // The folders of the printed reports, removed with the dialog (the preview has read them).
    std::vector<std::unique_ptr<QTemporaryDir>> reportFolders_;
    std::string lastReport_;
    QStringList lastArguments_;
};

} // namespace zul
