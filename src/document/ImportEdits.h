#pragma once

// What the engineer changed in an imported study's ground after the import: the layers (kind,
// thickness, N value, layers added or removed) and the N values (changed, added, removed),
// compared with the borehole source kept with the study.

#include "document/ProjectDocument.h"

#include <string>
#include <vector>

namespace zul {

struct ImportEdits {
    // A layer present in both whose values differ.
    struct Layer {
        int number = 0; // 1-based
        bool kind = false;
        bool thickness = false;
        bool n = false;
        bool operator==(const Layer&) const = default;
    };
    std::vector<Layer> layers;
    int firstAddedLayer = 0; // layers firstAddedLayer..lastAddedLayer were added (0: none)
    int lastAddedLayer = 0;
    int firstRemovedLayer = 0; // layers of the import no longer in the study (0: none)
    int lastRemovedLayer = 0;
    int pointsChanged = 0; // same depth, other N value
    int pointsAdded = 0;
    int pointsRemoved = 0;

    bool empty() const {
        return layers.empty() && firstAddedLayer == 0 && firstRemovedLayer == 0 && pointsChanged == 0 &&
               pointsAdded == 0 && pointsRemoved == 0;
    }
    bool operator==(const ImportEdits&) const = default;
};

// The edits since the import; empty without a borehole source.  Thicknesses and depths count
// to the millimetre and N values to one decimal, as the screens hold them.
ImportEdits FindImportEdits(const ProjectDocument& doc);

// "地層 3 の層種，地層 5 の層厚・N 値，N 値 5 点（変更 3・追加 1・削除 1）"; empty when nothing
// was changed.
std::string ImportEditsText(const ImportEdits& edits);

// The note of the check screen and the report: "取込み後に変更：" and the edits, with what to
// check; empty when nothing was changed.
std::string ImportEditsNote(const ProjectDocument& doc);

} // namespace zul
