#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

class QPushButton;
class QVBoxLayout;

namespace zul {

// The frame every input screen shares: the owner's members (caption override, help file and
// topic, outcome tag, row limit), the LoadData / SaveData notifications, the OK, Cancel and
// Help buttons, and the window placement kept in the settings file.
//
// Opening (the first show): the caption override, the placement, the help set-up, the
// screen's own set-up, LoadData, the screen's own follow-up.  OK raises SaveData(cancel) and
// closes unless the owner refused; Cancel closes without it; every close stores the placement.
// Escape and the window's close box close like Cancel, but ask first when anything on the
// screen was changed (the close box keeps UsrTag as it was).
class InputScreen : public QDialog {
    Q_OBJECT
public:
    // The outcome tags written to UsrTag.
    static const QString TagOk;
    static const QString TagCancel;

    QString UsrCaption() const { return usrCaption_; }
    void setUsrCaption(const QString& caption) { usrCaption_ = caption; }
    QString UsrHelpFile() const { return usrHelpFile_; }
    void setUsrHelpFile(const QString& file) { usrHelpFile_ = file; }
    std::int32_t UsrHelpContextID() const { return usrHelpContextId_; }
    void setUsrHelpContextID(std::int32_t id) { usrHelpContextId_ = id; }
    QString UsrTag() const { return usrTag_; }
    std::int32_t UsrRecMax() const { return usrRecMax_; }
    void setUsrRecMax(std::int32_t rows) { usrRecMax_ = rows; }

    // The settings file that keeps the placement; empty keeps none.
    void setIniFile(const std::string& iniFile) { iniFile_ = iniFile; }

    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }

    // The help file an owner set on any screen; the program ships none.
    static QString ApplicationHelpFile();

    void setVisible(bool visible) override;
    void done(int result) override;

signals:
    void LoadData();
    void SaveData(bool& cancel);

protected:
    // section: the settings-file section of the screen; withSize: Width and Height are kept.
    InputScreen(const QString& caption, const std::string& section, bool withSize, QWidget* parent);

    // The OK, Cancel and Help buttons stacked at the top of a column of their own.
    QVBoxLayout* makeButtonColumn() const;

    // Screen set-up before LoadData and follow-up after it.
    virtual void prepareScreen() {}
    virtual void afterLoad() {}
    // Work of the OK button before SaveData: finish a cell edit still open, and (N value
    // screen) sort the rows.  False keeps the screen open without SaveData (a refused entry).
    virtual bool beforeSave() { return true; }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void runOpening();
    void onOk();
    void onCancel();
    void onHelp();
    // The field holding the focus must pass its range check before OK goes on.
    bool focusedFieldAccepts();
    // What the user can change on the screen, as texts: fields, check boxes, options, lists and
    // grid cells.  Compared with the state after LoadData to tell whether anything changed.
    QStringList enteredState() const;
    void onEscape();
    // True when nothing was changed or the user agrees to drop the changes.
    bool mayDiscardChanges();

    QString usrCaption_;
    QString usrHelpFile_;
    std::int32_t usrHelpContextId_ = 0;
    QString usrTag_;
    std::int32_t usrRecMax_ = 0;
    std::string iniFile_;
    std::string section_;
    bool withSize_;
    bool opened_ = false;
    QStringList loadedState_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    QPushButton* cmdHelp_;
};

} // namespace zul
