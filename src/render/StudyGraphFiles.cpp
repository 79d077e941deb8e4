#include "render/StudyGraphFiles.h"

#include "render/GraphData.h"
#include "render/GraphExport.h"
#include "render/GraphFromResults.h"

#include <QDir>

namespace zul {

bool SaveStudyGraphMetafiles(const CInpJyoken& conditions, const basCalcMain& calc, const QString& folder,
                             QString* error) {
    const std::vector<GraphTable> tables = GraphTablesOf(calc);
    for (const int number : GraphSaveOrder()) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(GraphKindOf(number).fileName));
        QString reason;
        if (!SaveGraphMetafile(path, BuildGraphData(conditions, tables, number), &reason)) {
            if (error) {
                *error = QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
            }
            return false;
        }
    }
    return true;
}

} // namespace zul
