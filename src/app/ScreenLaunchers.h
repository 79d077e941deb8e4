#pragma once

#include "document/ProjectDocument.h"

#include <QString>

#include <string>

class QWidget;

namespace zul {

class basCalcMain;

// What the main window hands to the screens it opens.
struct AppContext {
    ProjectDocument& doc;
    basCalcMain& calc;
    std::string iniFile;       // settings file
    std::string programFolder; // folder of the running program
    std::string metafileFolder; // where the graph screen saves its metafiles
};

// Input screens, by the tag of their main-window button: "InpKui", "InpAnzen", "InpJiban",
// "InpJibanN", "InpRaTable", "InpRenban".  HasInputScreen tells whether the screen exists.
// ShowInputScreen creates the screen with its binding to the document (or to the settings
// file for "InpRenban"), shows it modally and returns its outcome tag ("OK" or "ｷｬﾝｾﾙ").
bool HasInputScreen(const QString& tag);
QString ShowInputScreen(const QString& tag, AppContext& context, QWidget* parent);

// The study graph screen, shown after a successful table calculation.
bool HasGraphScreen();
void ShowGraphScreen(AppContext& context, QWidget* parent);

// The print menu, shown after a successful CalcRa.
bool HasPrintMenu();
void ShowPrintMenu(AppContext& context, QWidget* parent);

} // namespace zul
