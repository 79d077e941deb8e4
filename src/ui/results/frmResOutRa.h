#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <string>

class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zul {

// The bearing capacity check screen: the allowable push-in bearing capacity Ra and the
// allowable pull-out capacity Pa of one pile, each for the normal and the level-1 earthquake
// case, in kN per pile.  The owner fills the four values when the screen raises LoadData.
class frmResOutRa : public QDialog {
    Q_OBJECT
public:
    // iniFile: settings file that keeps the screen's position in section "ResOutRa".
    explicit frmResOutRa(std::string iniFile, QWidget* parent = nullptr);

    QString UsrCaption() const { return usrCaption_; }
    void setUsrCaption(const QString& caption) { usrCaption_ = caption; }
    QString UsrHelpFile() const { return usrHelpFile_; }
    void setUsrHelpFile(const QString& helpFile) { usrHelpFile_ = helpFile; }
    int UsrHelpContextID() const { return usrHelpContextId_; }
    void setUsrHelpContextID(int id) { usrHelpContextId_ = id; }

    // Value field 0 normal-case Ra, 1 earthquake-case Ra, 2 normal-case Pa, 3 earthquake-case Pa.
    void setNumEp(int index, double value);
    double numEp(int index) const;
    // The text a field shows ("###,##0.0").
    QString numEpText(int index) const;

    // Plausibility notes shown below the values, each on its own line after "注意：".  With no
    // notes the area is hidden and the screen keeps its size.
    void setNotes(const QStringList& notes);
    QStringList notes() const { return notes_; }

signals:
    // Raised once at the end of opening: the owner sets the four values.
    void LoadData();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void Open();

    std::string iniFile_;
    QString usrCaption_;
    QString usrHelpFile_;
    int usrHelpContextId_ = 0;
    std::array<double, 4> values_{};
    std::array<QLineEdit*, 4> numEp_{};
    QStringList notes_;
    QGridLayout* grid_ = nullptr;
    QFrame* notesFrame_ = nullptr;
    QLabel* notesText_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    bool opened_ = false;
};

} // namespace zul
