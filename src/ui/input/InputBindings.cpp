#include "ui/input/InputBindings.h"

#include "document/StandardInputs.h"
#include "io/ReportSettings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "ui/input/TextField.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"
#include "util/NumberText.h"

#include <QCheckBox>
#include <QComboBox>

#include <cmath>

namespace zul {

namespace {

// A pile diameter of this or less counts as an empty row of the table.
constexpr double kEmptyDiameter = 0.01;

int tick(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// A field's value as a document cell: the number, or an empty cell for an empty field.
CellValue cellOf(const NumberField* field) {
    const auto value = field->value();
    return value ? CellValue::Number(*value) : CellValue();
}

// What a document cell puts into a grid cell: its display text read as a number; an empty
// cell stays empty, a text that is no number counts as 0.
std::optional<double> gridValueOf(const CellValue& cell) {
    const std::string text = cell.displayText();
    if (text.empty()) {
        return std::nullopt;
    }
    return NumberOfText(text);
}

// What a grid cell gives the document: the number of its value text (0 when empty).
CellValue documentValueOf(const GridModel& grid, int row, int column) {
    return CellValue::Number(NumberOfText(grid.valueText(row, column).toStdString()));
}

// A whole-number field ("#0") as a settings value.
std::int32_t wholeNumberOf(const NumberField* field) {
    return static_cast<std::int32_t>(std::lround(field->valueOrZero()));
}

} // namespace

void objInpJyoken_LoadData(frmInpJyoken& screen, const ProjectDocument& doc) {
    const CInpJyoken& c = doc.InpJyoken;
    screen.txtTitle()->setStoredText(QString::fromStdString(c.Title));
    screen.numDp()->setValue(c.D);
    screen.numDw()->setValue(c.Dw);
    screen.numDwi()->setValue(c.Dwi);
    screen.numL()->setValue(c.L);
    screen.numAlpha()->setValue(c.Theta);
    screen.numELPU()->setValue(c.ELPU);
    screen.setSekou(c.Sekou);
    screen.setSiji(c.Siji);
    screen.chkIsWpRa()->setChecked(c.IsWpRa != 0);
    screen.chkIsWpPa()->setChecked(c.IsWpPa != 0);
    screen.numGp1()->setValue(c.Gp1);
    screen.numGp2()->setValue(c.Gp2);
    screen.chkQd()->setChecked(c.QdMethod != 0);
    screen.setNeire(c.QdSiji);
    screen.numELSL()->setValue(c.ELSL);
    screen.chkST()->setChecked(c.Bottom != 0);
}

void objInpJyoken_SaveData(const frmInpJyoken& screen, ProjectDocument& doc, bool& /*cancel*/) {
    CInpJyoken& c = doc.InpJyoken;
    c.Title = screen.txtTitle()->text().toStdString();
    c.D = screen.numDp()->valueOrZero();
    c.Dw = screen.numDw()->valueOrZero();
    c.Dwi = screen.numDwi()->valueOrZero();
    c.L = screen.numL()->valueOrZero();
    c.Theta = screen.numAlpha()->valueOrZero();
    c.ELPU = screen.numELPU()->valueOrZero();
    c.Sekou = screen.sekou();
    c.Siji = screen.siji();
    c.IsWpRa = tick(screen.chkIsWpRa());
    c.IsWpPa = tick(screen.chkIsWpPa());
    c.Gp1 = screen.numGp1()->valueOrZero();
    c.Gp2 = screen.numGp2()->valueOrZero();
    c.QdMethod = tick(screen.chkQd());
    c.QdSiji = screen.neire();
    c.ELSL = screen.numELSL()->valueOrZero();
    c.Bottom = tick(screen.chkST());
    c.InpFlg = true;
    MarkInputEdited(doc);
}

void objInpAnzen_LoadData(frmInpAnzen& screen, const ProjectDocument& doc) {
    for (int i = 1; i <= 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        screen.numJyK(i)->setValue(kStandardSafetyFactors[index - 1]);
        screen.numJiK(i)->setValue(kStandardSafetyFactors[index + 2]);
    }
    if (!doc.AnzenInpFlg) {
        return;
    }
    for (int i = 1; i <= 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const CellValue& normal = doc.Anzen(index);
        const CellValue& quake = doc.Anzen(index + 3);
        screen.numJyK(i)->setValue(normal.isEmpty() ? std::nullopt : std::optional(normal.numberOrZero()));
        screen.numJiK(i)->setValue(quake.isEmpty() ? std::nullopt : std::optional(quake.numberOrZero()));
    }
}

void objInpAnzen_SaveData(const frmInpAnzen& screen, ProjectDocument& doc, bool& /*cancel*/) {
    for (int i = 1; i <= 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        doc.Anzen(index) = cellOf(screen.numJyK(i));
        doc.Anzen(index + 3) = cellOf(screen.numJiK(i));
    }
    doc.AnzenInpFlg = true;
    MarkInputEdited(doc);
}

void objInpJiban_LoadData(frmInpJiban& screen, const ProjectDocument& doc) {
    screen.setSekou(doc.InpJyoken.Sekou);
    NumberField* levels[] = {screen.numELGL(), screen.numELWL(), screen.numSJ1(), screen.numSJ2()};
    for (std::size_t i = 0; i < std::size(levels); ++i) {
        // The levels only count when the document has layers.
        levels[i]->setValue(doc.JibanCount > 0 ? gridValueOf(doc.JibanLevel(i + 1)).value_or(0.0) : 0.0);
    }
    const int count = std::clamp(doc.JibanCount, 0, kMaxLayers);
    GridModel* grid = screen.vaSpread1()->grid();
    grid->setRows(count);
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= frmInpJiban::kColumns; ++c) {
            const CellValue& cell = doc.JibanLayer(static_cast<std::size_t>(c), static_cast<std::size_t>(r));
            auto value = gridValueOf(cell);
            if (c == 1 && value) {
                // The stored index selects the kind entry.
                value = std::nearbyint(*value);
            }
            grid->setValue(r - 1, c - 1, value);
        }
    }
    screen.vaSpread1()->setActiveCell(0, 0);
}

void objInpJiban_SaveData(const frmInpJiban& screen, ProjectDocument& doc, bool& /*cancel*/) {
    const NumberField* levels[] = {screen.numELGL(), screen.numELWL(), screen.numSJ1(), screen.numSJ2()};
    for (std::size_t i = 0; i < std::size(levels); ++i) {
        doc.JibanLevel(i + 1) = cellOf(levels[i]);
    }
    const GridModel* grid = screen.vaSpread1()->grid();
    const int count = std::min(grid->rows(), kMaxLayers);
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= frmInpJiban::kColumns; ++c) {
            doc.JibanLayer(static_cast<std::size_t>(c), static_cast<std::size_t>(r)) =
                documentValueOf(*grid, r - 1, c - 1);
        }
    }
    doc.JibanCount = count;
    MarkInputEdited(doc);
}

void objInpJibanN_LoadData(frmInpJibanN& screen, const ProjectDocument& doc) {
    const int count = std::clamp(doc.NCount, 0, kMaxNPoints);
    GridModel* grid = screen.vaSpread1()->grid();
    grid->setRows(count);
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= 2; ++c) {
            grid->setValue(r - 1, c - 1,
                           gridValueOf(doc.NData(static_cast<std::size_t>(c), static_cast<std::size_t>(r))));
        }
    }
    screen.vaSpread1()->setActiveCell(0, 0);
}

void objInpJibanN_SaveData(const frmInpJibanN& screen, ProjectDocument& doc, bool& /*cancel*/) {
    const GridModel* grid = screen.vaSpread1()->grid();
    const int count = std::min(grid->rows(), kMaxNPoints);
    for (int r = 1; r <= count; ++r) {
        for (int c = 1; c <= 2; ++c) {
            doc.NData(static_cast<std::size_t>(c), static_cast<std::size_t>(r)) =
                documentValueOf(*grid, r - 1, c - 1);
        }
    }
    doc.NCount = count;
    MarkInputEdited(doc);
}

void objInpRaTable_LoadData(frmInpRaTable& screen, const ProjectDocument& doc) {
    // Never entered: lengths from 5 D to 20 D in steps of 0.5 m, no diameters.
    const double d = doc.InpJyoken.D;
    screen.numLmin()->setValue(kStudyTableStartPerDiameter * d);
    screen.numLmax()->setValue(kStudyTableEndPerDiameter * d);
    screen.numLStep()->setValue(kStudyTableStep);
    GridModel* grid = screen.vaSpread1()->grid();
    for (int r = 0; r < grid->rows(); ++r) {
        grid->setValue(r, 0, std::nullopt);
    }
    if (!doc.RaTableInpFlg) {
        return;
    }
    NumberField* lengths[] = {screen.numLmin(), screen.numLmax(), screen.numLStep()};
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        lengths[i]->setValue(gridValueOf(doc.RaTable(i + 1)));
    }
    const int rows = std::min(grid->rows(), kMaxTableDiameters);
    for (int r = 1; r <= rows; ++r) {
        const double diameter = doc.RaTable(static_cast<std::size_t>(10 + r)).numberOrZero();
        if (diameter > kEmptyDiameter) {
            grid->setValue(r - 1, 0, diameter);
        }
    }
}

void objInpRaTable_SaveData(const frmInpRaTable& screen, ProjectDocument& doc, bool& /*cancel*/) {
    const NumberField* lengths[] = {screen.numLmin(), screen.numLmax(), screen.numLStep()};
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
        doc.RaTable(i + 1) = cellOf(lengths[i]);
    }
    const GridModel* grid = screen.vaSpread1()->grid();
    const int rows = std::min(grid->rows(), kMaxTableDiameters);
    for (int r = 1; r <= rows; ++r) {
        const std::string text = grid->valueText(r - 1, 0).toStdString();
        doc.RaTable(static_cast<std::size_t>(10 + r)) =
            NumberOfText(text) > kEmptyDiameter ? CellValue::Text(text) : CellValue::Number(0);
    }
    doc.RaTableInpFlg = true;
    MarkInputEdited(doc);
}

void objInpRenban_LoadData(frmInpRenban& screen, const std::string& iniFile) {
    const NumberingSettings settings = ReadNumberingSettings(iniFile);
    screen.setMethod(settings.Method);
    screen.numInit()->setValue(settings.Init);
    for (int i = 0; i < 4; ++i) {
        const auto level = static_cast<std::size_t>(i);
        const int style = settings.Style[level];
        QComboBox* list = screen.cboStyle(i);
        // 0 stored (or a code the list does not hold) selects no entry.
        list->setCurrentIndex(style >= 1 && style <= list->count() ? style - 1 : -1);
        screen.numMargin(i)->setValue(settings.Margin[level]);
    }
}

void objInpRenban_SaveData(const frmInpRenban& screen, const std::string& iniFile, bool& /*cancel*/) {
    NumberingSettings settings;
    settings.Method = screen.method();
    settings.Init = wholeNumberOf(screen.numInit());
    for (int i = 0; i < 4; ++i) {
        const auto level = static_cast<std::size_t>(i);
        // No entry selected stores 0.
        settings.Style[level] = screen.cboStyle(i)->currentIndex() + 1;
        settings.Margin[level] = wholeNumberOf(screen.numMargin(i));
    }
    // Settings writes never report failure to the user.
    WriteNumberingSettings(iniFile, settings);
}

void BindInputScreen(frmInpJyoken& screen, ProjectDocument& doc) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, &doc] { objInpJyoken_LoadData(screen, doc); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, &doc](bool& cancel) { objInpJyoken_SaveData(screen, doc, cancel); });
}

void BindInputScreen(frmInpAnzen& screen, ProjectDocument& doc) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, &doc] { objInpAnzen_LoadData(screen, doc); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, &doc](bool& cancel) { objInpAnzen_SaveData(screen, doc, cancel); });
}

void BindInputScreen(frmInpJiban& screen, ProjectDocument& doc) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, &doc] { objInpJiban_LoadData(screen, doc); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, &doc](bool& cancel) { objInpJiban_SaveData(screen, doc, cancel); });
}

void BindInputScreen(frmInpJibanN& screen, ProjectDocument& doc) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, &doc] { objInpJibanN_LoadData(screen, doc); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, &doc](bool& cancel) { objInpJibanN_SaveData(screen, doc, cancel); });
}

void BindInputScreen(frmInpRaTable& screen, ProjectDocument& doc) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, &doc] { objInpRaTable_LoadData(screen, doc); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, &doc](bool& cancel) { objInpRaTable_SaveData(screen, doc, cancel); });
}

void BindInputScreen(frmInpRenban& screen, const std::string& iniFile) {
    QObject::connect(&screen, &InputScreen::LoadData, &screen,
                     [&screen, iniFile] { objInpRenban_LoadData(screen, iniFile); });
    QObject::connect(&screen, &InputScreen::SaveData, &screen,
                     [&screen, iniFile](bool& cancel) { objInpRenban_SaveData(screen, iniFile, cancel); });
}

} // namespace zul
