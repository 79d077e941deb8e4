// Any byte sequence given to the .zul readers must neither crash, hang nor leak; a failed read
// leaves a fresh document, and a document that was read is written and read again unchanged.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "io/InputDataFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void CheckReader(bool (*reader)(zul::ProjectDocument&, const std::string&, int&), const std::string& path) {
    zul::ProjectDocument doc;
    int code = -1;
    if (!reader(doc, path, code)) {
        Check(code != zul::FileError::None);
        Check(zul::SameStudy(doc, zul::ProjectDocument()));
        return;
    }
    Check(code == zul::FileError::None);
    const std::string first = FuzzFolder() + "/first.zul";
    Check(zul::SaveInputData(doc, first, code));
    zul::ProjectDocument again;
    Check(zul::LoadInputData(again, first, code));
    const std::string second = FuzzFolder() + "/second.zul";
    Check(zul::SaveInputData(again, second, code));
    Check(ReadFuzzFile(first) == ReadFuzzFile(second));
    Check(zul::GetInputFileVersion(first) == "1.30");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFolder() + "/input.zul";
    WriteFuzzFile(path, reinterpret_cast<const char*>(data), size);
    zul::GetInputFileVersion(path);
    CheckReader(zul::LoadInputData, path);
    CheckReader(zul::LoadInputData100, path);
    zul::ProjectDocument doc;
    zul::OpenInputFile(doc, path);
    return 0;
}
