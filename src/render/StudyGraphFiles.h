#pragma once

#include "document/CInpJyoken.h"

#include <QString>

namespace zul {

class basCalcMain;

// Saves the four study graphs of the last table calculation as the graph screen saves them
// when it closes (RA01.WMF, PA01.WMF, RA02.WMF, PA02.WMF in folder), with the same drawing.
// On failure returns false and, when error is given, the file and the reason.
bool SaveStudyGraphMetafiles(const CInpJyoken& conditions, const basCalcMain& calc, const QString& folder,
                             QString* error = nullptr);

} // namespace zul
