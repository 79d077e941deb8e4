#pragma once

#include "document/ProjectDocument.h"

#include <string>

namespace zul {

class frmInpAnzen;
class frmInpJiban;
class frmInpJibanN;
class frmInpJyoken;
class frmInpRaTable;
class frmInpRenban;

// The main window's handlers of the input screens' LoadData / SaveData: they fill a screen's
// controls from the project document (or, for the numbering screen, the settings file) and
// store them back when the user confirms.  Every document screen marks the data edited (and
// the study graph made before as no longer current, MarkInputEdited) on
// confirmation; the numbering screen leaves it alone.  The owner never refuses.
void objInpJyoken_LoadData(frmInpJyoken& screen, const ProjectDocument& doc);
void objInpJyoken_SaveData(const frmInpJyoken& screen, ProjectDocument& doc, bool& cancel);
void objInpAnzen_LoadData(frmInpAnzen& screen, const ProjectDocument& doc);
void objInpAnzen_SaveData(const frmInpAnzen& screen, ProjectDocument& doc, bool& cancel);
void objInpJiban_LoadData(frmInpJiban& screen, const ProjectDocument& doc);
void objInpJiban_SaveData(const frmInpJiban& screen, ProjectDocument& doc, bool& cancel);
void objInpJibanN_LoadData(frmInpJibanN& screen, const ProjectDocument& doc);
void objInpJibanN_SaveData(const frmInpJibanN& screen, ProjectDocument& doc, bool& cancel);
void objInpRaTable_LoadData(frmInpRaTable& screen, const ProjectDocument& doc);
void objInpRaTable_SaveData(const frmInpRaTable& screen, ProjectDocument& doc, bool& cancel);
void objInpRenban_LoadData(frmInpRenban& screen, const std::string& iniFile);
void objInpRenban_SaveData(const frmInpRenban& screen, const std::string& iniFile, bool& cancel);

// Connects a screen's notifications to the handlers above.
void BindInputScreen(frmInpJyoken& screen, ProjectDocument& doc);
void BindInputScreen(frmInpAnzen& screen, ProjectDocument& doc);
void BindInputScreen(frmInpJiban& screen, ProjectDocument& doc);
void BindInputScreen(frmInpJibanN& screen, ProjectDocument& doc);
void BindInputScreen(frmInpRaTable& screen, ProjectDocument& doc);
void BindInputScreen(frmInpRenban& screen, const std::string& iniFile);

} // namespace zul
