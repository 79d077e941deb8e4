#pragma once

#include "document/ProjectDocument.h"
#include "io/FileError.h"

#include <string>

namespace zul {

// Writes the document as an input data file of version 1.30.  The file is written beside the
// target first and renamed over it only when complete, so a failed save leaves an existing
// file as it was.  On failure errorCode holds the code and false is returned.
bool SaveInputData(const ProjectDocument& doc, const std::string& path, int& errorCode);

// Reads a version 1.30 file into doc.  On failure doc is reset (InitInputData), errorCode holds
// the code and false is returned.  The borehole source after the study table is read too; a
// damaged one is dropped without failing the read.
bool LoadInputData(ProjectDocument& doc, const std::string& path, int& errorCode);
// The same; sourceMessage tells (UTF-8) when a damaged borehole source was dropped, else empty.
bool LoadInputData(ProjectDocument& doc, const std::string& path, int& errorCode, std::string& sourceMessage);

// Reads a version 1.00 file; Dw = 1.5 D, Dwi = 0.5 D and IsWpPa = IsWpRa are derived.
bool LoadInputData100(ProjectDocument& doc, const std::string& path, int& errorCode);

// The version text of line 3 (from its 33rd character on, without the last character), or
// "error" when it cannot be read.
std::string GetInputFileVersion(const std::string& path);

// What reading a chosen file as File > Open does it yields.
struct OpenResult {
    bool success = false;
    int errorCode = 0;               // the reader's code; 0 when no reader ran
    bool unsupportedVersion = false; // the version was neither 1.30 nor 1.00 (show it first)
    std::string versionText;         // the version text read from line 3
    bool readerRan = false;          // false for a wrong extension or an unsupported version
    std::string sourceMessage;       // a damaged borehole source was dropped (show it; UTF-8)
};

// Chooses the reader as File > Open does: only paths ending in "zul" (any case) are read; the
// version of line 3 picks the 1.30 or the 1.00 reader.  When no reader runs doc is unchanged.
OpenResult OpenInputFile(ProjectDocument& doc, const std::string& path);

} // namespace zul
