#pragma once

#include "ui/AppContext.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace zul {

// Input screens, by the tag of their main-window button: "InpKui", "InpAnzen", "InpJiban",
// "InpJibanN", "InpRaTable", "InpRenban".  IsInputScreenTag tells whether a tag names one.
// ShowInputScreen creates the screen with its binding to the document (or to the settings
// file for "InpRenban"), shows it modally and returns its outcome tag ("OK" or "ｷｬﾝｾﾙ"; empty
// for a tag that names no input screen).
bool IsInputScreenTag(const QString& tag);
QString ShowInputScreen(const QString& tag, AppContext& context, QWidget* parent);

// The study graph screen, shown after a successful table calculation.
void ShowGraphScreen(AppContext& context, QWidget* parent);

// The print menu, shown after a successful CalcRa; productName titles its generation error
// message.  The report takes context.paths whole: its templates, its definition files and the
// metafiles where the graph screen saved them.
void ShowPrintMenu(AppContext& context, const QString& productName, QWidget* parent);

// File > "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み": chooses a borehole exchange file, reads it and shows the import
// dialog; true when the dialog filled the document (the caller refreshes what shows it).
bool ImportBorehole(AppContext& context, QWidget* parent);

// File > "複数ﾎﾞｰﾘﾝｸﾞの一括検討": the site study window with the current study as the base
// study; openStudy opens a borehole's study as the current document (with the save question)
// and says whether it did.
void ShowSiteStudy(AppContext& context, const std::function<bool(const std::string&)>& openStudy,
                   QWidget* parent);

} // namespace zul
