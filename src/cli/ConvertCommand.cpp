// zul-cli convert: reads a study file of version 1.30 or 1.00 and writes it as version 1.30.
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "io/FileAccess.h"
#include "io/FileMessages.h"
#include "io/InputDataFile.h"

#include <memory>

namespace zul::cli {

namespace {

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

} // namespace

void AddConvertCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand(
        "convert", "Read a study file (.zul, version 1.30 or 1.00) and write it as version 1.30; the "
                   "borehole source after the study table goes with it (a damaged one is dropped with "
                   "a note on stderr)");
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("IN", *input, "Study file to read; its name must end in .zul")->required();
    command->add_option("OUT", *output, "File to write (replaced only when complete)")->required();
    command->callback([input, output, &exitCode] { exitCode = Convert(*input, *output); });
}

} // namespace zul::cli
