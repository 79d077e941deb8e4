// zul-cli convert: reads a study file of version 1.30 or 1.00 and writes it as version 1.30.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"

#include <memory>

namespace zul::cli {

namespace {} // namespace

int Convert(const std::string& input, const std::string& output) {
    // A file that cannot be opened at all is named by its own error, not as an unknown version.
    if (const int openError = CheckReadableFile(input); openError != FileError::None) {
        PrintMessage(ReadErrorMessage(openError));
        PrintMessage(StudyFileCause(input, openError));
        return kFileFailure;
    }
    ProjectDocument doc;
    const OpenResult opened = OpenInputFile(doc, input);
    if (!opened.success) {
        // As File > Open: an unsupported version is named first, then the read error follows.
        if (opened.unsupportedVersion) {
            PrintMessage(UnsupportedVersionMessage(EscapeControls(opened.versionText)));
        }
        PrintMessage(ReadErrorMessage(opened.errorCode));
        if (!opened.unsupportedVersion) {
            PrintMessage(StudyFileCause(input, opened.errorCode));
        }
        return kFileFailure;
    }
    if (!opened.sourceMessage.empty()) {
        PrintMessage("注意：" + EscapeControls(opened.sourceMessage));
    }
    int code = 0;
    if (!SaveInputData(doc, output, code)) {
        PrintMessage(WriteErrorMessage(code));
        PrintMessage(StudyFileCause(output, code));
        return kFileFailure;
    }
    return kSuccess;
}

} // namespace zul::cli
