// Edits after a borehole import: the study's layers and N values against those imported.
#include "document/ImportEdits.h"
#include "../support/StudyBuilders.h"

#include <gtest/gtest.h>

#include <functional>

namespace zul {
namespace {

// A study as the import left it: two layers and three N values, with their source.
ProjectDocument Imported() {
    ProjectDocument doc;
    testdocs::SetGround(doc, 5.0, 3.0, 5.0, 5.0, {{0, 2.5, 18, 9, 5, 0, 0, 1}, {2, 4.0, 17, 8, 12, 0, 0, 1}});
    testdocs::SetNValues(doc, {{1.15, 5}, {2.15, 5}, {3.3, 12}});
    BoreholeSource source;
    source.layers = {{{"盛土"}, 0, false, 2.5, 5}, {{"粘土"}, 2, false, 4.0, 12}};
    source.points = {{1.15, 5, 3.0, 30.0, NPointFlag::None},
                     {2.15, 5, 3.0, 30.0, NPointFlag::None},
                     {3.3, 12, 12.0, 30.0, NPointFlag::None}};
    doc.boreholeSource = source;
    return doc;
}

TEST(ImportEdits, NamesWhatChangedSinceTheImport) {
    struct Case {
        const char* name;
        std::function<void(ProjectDocument&)> edit;
        std::string text;
    };
    const auto layerCell = [](ProjectDocument& d, std::size_t c, std::size_t r, double v) {
        d.JibanLayer(c, r) = CellValue::Number(v);
    };
    const Case cases[] = {
        {"as imported", [](ProjectDocument&) {}, ""},
        {"below the screens' precision", [&](ProjectDocument& d) { layerCell(d, 2, 1, 2.5004); }, ""},
        {"kind of layer 2", [&](ProjectDocument& d) { layerCell(d, 1, 2, 0); }, "地層 2 の層種"},
        {"thickness and N of layer 1",
         [&](ProjectDocument& d) {
             layerCell(d, 2, 1, 2.6);
             layerCell(d, 5, 1, 5.1);
         },
         "地層 1 の層厚・N 値"},
        {"a layer added", [&](ProjectDocument& d) { d.JibanCount = 3; }, "地層 3 の追加"},
        {"both layers deleted", [&](ProjectDocument& d) { d.JibanCount = 0; }, "取込み時の地層 1～2 の削除"},
        {"an N value changed, one added, one removed",
         [](ProjectDocument& d) {
             testdocs::SetNValues(d, {{1.15, 7}, {2.15, 5}, {4.0, 20}});
         },
         "N 値 3 点（変更 1・追加 1・削除 1）"},
        {"two points at one depth keep their partners",
         [](ProjectDocument& d) {
             d.boreholeSource->points[1].depth = 1.15;
             testdocs::SetNValues(d, {{1.15, 5}, {1.15, 5}, {3.3, 12}});
         },
         ""},
        {"layer and points together",
         [&](ProjectDocument& d) {
             layerCell(d, 1, 1, 1);
             d.NCount = 2;
         },
         "地層 1 の層種，N 値 1 点（削除 1）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectDocument doc = Imported();
        c.edit(doc);
        EXPECT_EQ(ImportEditsText(FindImportEdits(doc)), c.text);
        EXPECT_EQ(ImportEditsNote(doc).empty(), c.text.empty());
    }
}

TEST(ImportEdits, NothingWithoutASource) {
    ProjectDocument doc = Imported();
    doc.boreholeSource.reset();
    EXPECT_TRUE(FindImportEdits(doc).empty());
    EXPECT_EQ(ImportEditsNote(doc), "");
}

} // namespace
} // namespace zul
