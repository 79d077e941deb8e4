#pragma once

#include "report/PrintFileGenerator.h"
#include "util/ProgramPaths.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QPushButton;

namespace zul {

class basCalcMain;
struct ProjectDocument;

// What the print menu reports on and where its files are.  The paths go whole to the report
// (templates, definition files, the graph metafiles) and to the start of Preview (the program
// folder, the data folder); the settings file keeps the check states "Print", the numbering
// "Chapter" and the placement "MenuPrint".
struct PrintMenuContext {
    const ProjectDocument& doc; // the study, RaTableDone
    const basCalcMain& calc;    // after a successful CalcRa
    const ProgramPaths& paths;
    QString productName;    // title of the generation error message
    std::string tempFolder; // the print files; the system's temporary folder when empty
};

// The print menu: the user chooses the report items to print and whether the supplements are
// printed.  Opening it writes the print text of every item (the generation run); "印刷(&P)"
// writes them again when the supplement choice changed since, joins the chosen items into one
// print file and starts the preview program on it without waiting; closing it keeps the
// choices and the position in the settings file and deletes every temporary file.
class frmMenuPrint : public QDialog {
    Q_OBJECT
public:
    static constexpr int kItemCount = static_cast<int>(PrintFileGenerator::kItemCount);

    explicit frmMenuPrint(PrintMenuContext context, QWidget* parent = nullptr);
    ~frmMenuPrint() override;

    // Starts a program with its arguments without waiting and says whether it started;
    // StartDetachedProgram unless a test sets its own.
    using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }

    QCheckBox* chkPrintItem(int index) const;
    QCheckBox* chkSupplement() const { return chkSupplement_; }
    QPushButton* cmdCheck(int index) const;
    QPushButton* cmdPreview() const { return cmdPreview_; }
    QPushButton* cmdClose() const { return cmdClose_; }

    const PrintFileGenerator& generator() const { return generator_; }
    // The program and the arguments of the last start of the preview program; empty before.
    const QString& lastPreviewProgram() const { return lastProgram_; }
    const QStringList& lastPreviewArguments() const { return lastArguments_; }

    // A press of the print button this soon after the last start of the preview (a double
    // click, an impatient second press) starts no second preview.
    static constexpr int kRepeatPressMs = 1000;

    // cmdCheck(0): every enabled item chosen; (1): every item cleared; (2): inverted.
    void cmdCheck_Click(int index);
    // Joins the chosen items and starts the preview program on the joined print file, once per
    // press: a press while a start is under way or within kRepeatPressMs after it is ignored.
    void cmdPreview_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void Open();
    // The generation run; true when every item was written (failures are shown together).
    bool GeneratePrintFiles();
    std::array<bool, PrintFileGenerator::kItemCount> ChosenItems() const;

    PrintMenuContext context_;
    PrintFileGenerator generator_;
    ProgramStarter startProgram_;
    QString lastProgram_;
    QStringList lastArguments_;
    bool starting_ = false;
    QElapsedTimer sinceStart_;
    bool opened_ = false;
    bool closed_ = false;
    // The supplement choice the print files were last written with.
    bool generatedSupplement_ = false;

    std::array<QCheckBox*, PrintFileGenerator::kItemCount> chkPrintItem_{};
    std::array<QPushButton*, 3> cmdCheck_{};
    QCheckBox* chkSupplement_ = nullptr;
    QPushButton* cmdPreview_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

} // namespace zul
