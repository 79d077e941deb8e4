#pragma once

#include "util/ProgramIdentity.h"

#include <QString>

namespace zul {

// The product name shown in every window caption and as the title of the program's own messages.
inline const QString kProductName =
    QString::fromUtf8(kProgramName.data(), static_cast<qsizetype>(kProgramName.size()));

// "Version 1.3.000(2012/03/11)": major, minor, the revision with three digits, then the date of
// the release.
QString VersionLine();

// Caption of the main window: the product name, or "<file title> - <product name>" while a file
// is open.
QString MainCaption(const QString& fileTitle);

} // namespace zul
