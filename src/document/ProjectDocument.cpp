#include "document/ProjectDocument.h"

#include "document/StandardInputs.h"

namespace zul {

ProjectDocument::ProjectDocument() {
    InitInputData(*this);
}

void InitInputData(ProjectDocument& doc) {
    doc.Anzen = {};
    doc.JibanLevel = {};
    doc.JibanLayer = {};
    doc.NData = {};
    doc.RaTable = {};
    doc.InpJyoken = CInpJyoken{};
    doc.AnzenInpFlg = true;
    for (std::size_t i = 1; i <= kStandardSafetyFactors.size(); ++i) {
        doc.Anzen(i) = CellValue::Number(kStandardSafetyFactors[i - 1]);
    }
    doc.JibanCount = 0;
    doc.NCount = 0;
    doc.RaTableInpFlg = false;
    doc.boreholeSource.reset();
    doc.RaTableDone = false;
}

void MarkInputEdited(ProjectDocument& doc) {
    doc.DataEdited = true;
    doc.RaTableDone = false;
}

bool SameStudy(const ProjectDocument& a, const ProjectDocument& b) {
    return a.InpJyoken == b.InpJyoken && a.AnzenInpFlg == b.AnzenInpFlg && a.Anzen == b.Anzen &&
           a.JibanInpFlg == b.JibanInpFlg && a.JibanLevel == b.JibanLevel && a.JibanCount == b.JibanCount &&
           a.JibanLayer == b.JibanLayer && a.NCount == b.NCount && a.NData == b.NData &&
           a.RaTableInpFlg == b.RaTableInpFlg && a.RaTable == b.RaTable &&
           a.boreholeSource == b.boreholeSource;
}

} // namespace zul
