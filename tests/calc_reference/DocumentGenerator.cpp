#include "DocumentGenerator.h"

#include "util/NumberText.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace zul::reference {

namespace {

// A small deterministic random source (splitmix64), independent of the standard library's
// distributions so that a seed means the same document everywhere.
class Dice {
public:
    // The seed is scrambled first, so that neighbouring seeds give unrelated sequences.
    explicit Dice(std::uint64_t seed) : state_(seed) {
        state_ = Next() ^ 0x2545F4914F6CDD1DULL;
        state_ = Next();
    }

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    bool Chance(double p) { return Unit() < p; }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    // A value between lo and hi as typed with the given number of decimals.
    double Between(double lo, double hi, int decimals) { return Typed(lo + (hi - lo) * Unit(), decimals); }
    double OneOf(std::initializer_list<double> values) {
        return *(values.begin() + Below(static_cast<int>(values.size())));
    }

    static double Typed(double x, int decimals) {
        const double p = std::pow(10.0, decimals);
        return std::round(x * p) / p;
    }

private:
    std::uint64_t state_;
};

// A number cell, now and then stored as the text the user typed.
CellValue NumberCell(Dice& dice, double v) {
    return dice.Chance(0.08) ? CellValue::Text(GeneralNumberText(v)) : CellValue::Number(v);
}

// A cell a calculation cannot read, or one that reads as an odd number.
CellValue OddCell(Dice& dice) {
    switch (dice.Below(4)) {
    case 0:
        return CellValue::Text("abc");
    case 1:
        return CellValue::Truth(true);
    case 2:
        return CellValue();
    default:
        return CellValue::Text("1.5x");
    }
}

struct Ground {
    double top = 0.0;
    std::vector<double> boundaries; // bottoms of the layers, stacked as the driver stacks them
    double bottom() const { return boundaries.empty() ? top : boundaries.back(); }
};

void PileConditions(Dice& dice, CInpJyoken& c) {
    c.InpFlg = true;
    const double r = dice.Unit();
    if (r < 0.04) {
        c.D = 0.0;
    } else if (r < 0.07) {
        c.D = dice.Between(0.01, 0.09, 2);
    } else if (r < 0.25) {
        c.D = dice.OneOf({0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.2, 1.5, 2.0});
    } else {
        c.D = dice.Between(0.3, 2.0, dice.Chance(0.2) ? 3 : 2);
    }
    c.Dw = dice.Chance(0.6) ? Dice::Typed(1.5 * c.D, 3) : dice.Between(c.D, 3.0 * c.D + 0.1, 2);
    c.Dwi = dice.Chance(0.6) ? Dice::Typed(0.5 * c.D, 3) : dice.Between(0.0, c.D + 0.2, 2);

    const double rl = dice.Unit();
    c.L = rl < 0.03  ? 0.0
          : rl < 0.1 ? dice.Between(0.5, 2.5, 1)
                     : dice.Between(3.0, 45.0, dice.Chance(0.3) ? 2 : 1);

    const double rt = dice.Unit();
    if (rt < 0.55) {
        c.Theta = 0.0;
    } else if (rt < 0.83) {
        c.Theta = dice.Between(0.0, 30.0, 1);
    } else if (rt < 0.89) {
        c.Theta = dice.OneOf({5.0, 10.0, 15.0, 20.0, 25.0, 30.0});
    } else if (rt < 0.94) {
        c.Theta = dice.Between(30.0, 89.9, 1);
    } else {
        c.Theta = dice.OneOf({90.0, 91.5, 120.0, 180.0, 270.0, 360.0, -12.0, 89.999});
    }
    c.Sekou = dice.Chance(0.45) ? static_cast<std::int32_t>(dice.OneOf({0.0, 2.0, 7.0})) : dice.Below(8);
    c.Siji = dice.Chance(0.75) ? 0 : 1;
    c.IsWpRa = dice.Below(2);
    c.IsWpPa = dice.Below(2);
    c.Gp1 = dice.Between(0.0, 30.0, 1);
    c.Gp2 = dice.Chance(0.5) ? std::max(0.0, Dice::Typed(c.Gp1 - 10.0, 1)) : dice.Between(0.0, 20.0, 1);
    c.QdMethod = dice.Chance(0.8) ? 1 : 0;
    c.QdSiji = dice.Below(3);
    c.Bottom = dice.Below(2);
}

Ground Layers(Dice& dice, ProjectDocument& doc) {
    Ground g;
    g.top = dice.Between(-5.0, 10.0, 2);
    const double rc = dice.Unit();
    const int count = rc < 0.02 ? 0 : rc < 0.75 ? 1 + dice.Below(8) : 1 + dice.Below(kMaxLayers);
    doc.JibanCount = count;
    double top = g.top;
    for (int r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const double h = dice.Chance(0.03) ? 0.0 : dice.Between(0.3, 12.0, dice.Chance(0.5) ? 1 : 2);
        const double gs1 = dice.Between(15.0, 21.0, 1);
        double n = dice.Chance(0.05) ? 0.0 : dice.Between(0.0, 60.0, dice.Chance(0.8) ? 0 : 1);
        if (dice.Chance(0.05)) {
            n = dice.Between(3.0, 6.0, 1);
        }
        doc.JibanLayer(1, row) = NumberCell(dice, dice.Below(3));
        doc.JibanLayer(2, row) = NumberCell(dice, h);
        doc.JibanLayer(3, row) = NumberCell(dice, gs1);
        doc.JibanLayer(4, row) = NumberCell(dice, dice.Between(5.0, 11.0, 1));
        doc.JibanLayer(5, row) = NumberCell(dice, n);
        doc.JibanLayer(6, row) = NumberCell(dice, dice.Between(0.0, 200.0, dice.Chance(0.5) ? 0 : 1));
        doc.JibanLayer(7, row) =
            NumberCell(dice, dice.Chance(0.1) ? 0.0 : dice.Between(0.0, 1200.0, 0) * 10.0);
        doc.JibanLayer(8, row) = NumberCell(dice, dice.Chance(0.6) ? dice.OneOf({1.0, 0.67, 0.5, 0.33, 0.0})
                                                                   : dice.Between(0.0, 1.0, 2));
        top = top - h;
        g.boundaries.push_back(top);
    }
    return g;
}

// A layer boundary (or the ground top), now and then missed by a millimetre or less, where
// the calculation's millimetre tolerances decide.
double SomeBoundary(Dice& dice, const Ground& g) {
    double b = g.top;
    if (!g.boundaries.empty() && dice.Chance(0.9)) {
        b = g.boundaries[static_cast<std::size_t>(dice.Below(static_cast<int>(g.boundaries.size())))];
    }
    if (dice.Chance(0.3)) {
        b += dice.OneOf({-0.001, 0.001, -0.0005, 0.0005, -0.0011, 0.0011});
    }
    return Dice::Typed(b, 4);
}

void PilePosition(Dice& dice, const Ground& g, CInpJyoken& c) {
    const double r = dice.Unit();
    if (r < 0.5) {
        c.ELPU = Dice::Typed(g.top - dice.Between(0.0, 3.0, 2), 2);
    } else if (r < 0.7) {
        c.ELPU = Dice::Typed(g.top + dice.Between(0.0, 2.0, 2), 2);
    } else if (r < 0.76) {
        c.ELPU = g.top;
    } else if (r < 0.8) {
        c.ELPU = Dice::Typed(g.top + c.L + dice.Between(0.5, 5.0, 1), 2); // wholly above the ground
    } else {
        c.ELPU = dice.Between(g.top - 5.0, g.top + 3.0, 2);
    }
    // a short pile around elevation 0, where differences of elevations lose their last bits
    if (dice.Chance(0.08)) {
        c.ELPU = dice.Between(-0.5, 1.5, 2);
        c.L = dice.Between(0.3, 3.0, 2);
    }
    // a vertical pile whose tip lies exactly on a layer boundary
    if (c.Theta == 0.0 && dice.Chance(0.3)) {
        const double b = SomeBoundary(dice, g);
        if (b < c.ELPU) {
            c.L = Dice::Typed(c.ELPU - b, 4);
            if (dice.Chance(0.4)) { // where the bearing layer is looked up by the tip
                c.Sekou = 0;
                c.Siji = 0;
                c.QdMethod = 1;
                c.QdSiji = 1;
            }
        }
    }
}

void Levels(Dice& dice, const Ground& g, ProjectDocument& doc) {
    const CInpJyoken& c = doc.InpJyoken;
    const double tip = c.ELPU - c.L;
    doc.JibanLevel(1) = NumberCell(dice, g.top);
    const double rw = dice.Unit();
    double water = 0.0;
    if (rw < 0.3) {
        water = dice.Between(g.bottom(), g.top, 2);
    } else if (rw < 0.45) {
        water = Dice::Typed(g.top + dice.Between(0.0, 3.0, 2), 2);
    } else if (rw < 0.6) {
        water = Dice::Typed(std::min(g.bottom(), tip) - dice.Between(0.5, 10.0, 1), 2);
    } else if (rw < 0.7) {
        water = SomeBoundary(dice, g);
    } else if (rw < 0.8) {
        water = g.top;
    } else {
        water = dice.Between(tip, c.ELPU, 2);
    }
    doc.JibanLevel(2) = NumberCell(dice, water);
    for (std::size_t level : {3u, 4u}) {
        const double r = dice.Unit();
        double v = g.top;
        if (r < 0.4) {
            v = g.top;
        } else if (r < 0.55) {
            v = Dice::Typed(c.ELPU + dice.Between(0.0, 2.0, 2), 2);
        } else if (r < 0.8) {
            v = Dice::Typed(c.ELPU - dice.Between(0.0, 5.0, 2), 2);
        } else if (r < 0.84) {
            v = Dice::Typed(tip - 1.0, 2);
        } else if (r < 0.9) {
            v = SomeBoundary(dice, g);
        } else {
            v = c.ELPU;
        }
        doc.JibanLevel(level) = NumberCell(dice, v);
    }
}

void NValues(Dice& dice, ProjectDocument& doc) {
    const double rc = dice.Unit();
    const int count = rc < 0.06  ? 0
                      : rc < 0.1 ? 1
                      : rc < 0.3 ? 2 + dice.Below(9)
                                 : 2 + dice.Below(kMaxNPoints - 1);
    doc.NCount = count;
    const int profile = dice.Below(4); // rising, random, all high, falling
    double z = dice.Between(0.0, 2.0, 1);
    double n = profile == 3 ? dice.Between(30.0, 60.0, 0) : dice.Between(0.0, 15.0, 0);
    for (int r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        doc.NData(1, row) = NumberCell(dice, Dice::Typed(z, 4));
        doc.NData(2, row) = NumberCell(dice, n);
        const double ri = dice.Unit();
        const double dz = ri < 0.5    ? 1.0
                          : ri < 0.75 ? dice.Between(0.3, 2.0, 2)
                          : ri < 0.85 ? 0.0
                          : ri < 0.9  ? dice.OneOf({0.0005, 0.001, 0.0015})
                                      : dice.Between(0.5, 3.0, 1);
        z += dz;
        switch (profile) {
        case 0:
            n = std::clamp(n + dice.Between(-3.0, 8.0, 0), 0.0, 60.0);
            break;
        case 1:
            n = dice.Between(0.0, 60.0, dice.Chance(0.3) ? 1 : 0);
            break;
        case 2:
            n = dice.Between(45.0, 60.0, 0);
            break;
        default:
            n = std::clamp(n - dice.Between(-2.0, 6.0, 0), 0.0, 60.0);
            break;
        }
    }
}

void SafetyFactors(Dice& dice, ProjectDocument& doc) {
    if (dice.Chance(0.5)) {
        for (std::size_t i = 1; i <= 6; ++i) {
            doc.Anzen(i) = NumberCell(dice, dice.Between(1.0, 6.0, 1));
        }
    }
    const double r = dice.Unit();
    const std::size_t which = 1 + static_cast<std::size_t>(dice.Below(6));
    if (r < 0.05) {
        doc.Anzen(which) = CellValue::Number(0.0);
    } else if (r < 0.1) {
        doc.Anzen(which) = OddCell(dice);
    }
}

// The length table, kept to a modest number of rows over all diameters.
void LengthTable(Dice& dice, ProjectDocument& doc) {
    const double d = doc.InpJyoken.D;
    doc.RaTableInpFlg = true;
    const double start = dice.Chance(0.6) ? Dice::Typed(5.0 * d, 1) : dice.Between(1.0, 20.0, 1);
    const double end = dice.Chance(0.9) ? Dice::Typed(start + dice.Between(0.0, 20.0, 1), 2)
                                        : Dice::Typed(start - dice.Between(0.1, 3.0, 1), 2);
    double step = dice.Chance(0.5) ? dice.OneOf({0.5, 1.0, 2.5, 2.0})
                                   : dice.OneOf({0.33, 0.7, 1.25, 0.04, 0.05, 0.15, 3.0, -1.0, 0.0, 0.25});
    int used = 0;
    for (std::size_t i = 11; i <= 20; ++i) {
        const double r = dice.Unit();
        if (r < 0.45) {
            const double v = dice.Between(0.3, 2.0, dice.Chance(0.3) ? 3 : 2);
            doc.RaTable(i) = dice.Chance(0.85) ? CellValue::Text(GeneralNumberText(v)) : CellValue::Number(v);
            ++used;
        } else if (r < 0.55) {
            doc.RaTable(i) = CellValue::Text(GeneralNumberText(dice.OneOf({0.09, 0.1, 0.05, 0.091})));
        } else if (r < 0.85) {
            doc.RaTable(i) = CellValue::Number(0.0);
        } else if (r < 0.86) {
            doc.RaTable(i) = CellValue::Text("φ0.8");
        }
    }
    const double s = std::nearbyint(start * 10.0);
    const double e = std::nearbyint(end * 10.0);
    const double st = std::nearbyint(step * 10.0);
    if (st != 0.0) {
        const double rows = std::max(0.0, std::ceil((e - s) / st) + 1.0);
        if (rows * std::max(used, 1) > 40.0) {
            const double wanted = std::max(1.0, std::floor(40.0 / std::max(used, 1)) - 1.0);
            step = Dice::Typed((end - start) / wanted + 0.1, 1);
        }
    }
    doc.RaTable(1) = CellValue::Number(start);
    doc.RaTable(2) = CellValue::Number(end);
    doc.RaTable(3) = CellValue::Number(step);
}

// Now and then one cell that the calculation reads holds something that is not a number.
void SpoilOneCell(Dice& dice, ProjectDocument& doc) {
    if (!dice.Chance(0.03)) {
        return;
    }
    const int where = dice.Below(3);
    if (where == 0 && doc.JibanCount > 0) {
        const auto row = 1 + static_cast<std::size_t>(dice.Below(doc.JibanCount));
        doc.JibanLayer(1 + static_cast<std::size_t>(dice.Below(8)), row) = OddCell(dice);
    } else if (where == 1 && doc.NCount > 0) {
        const auto row = 1 + static_cast<std::size_t>(dice.Below(doc.NCount));
        doc.NData(1 + static_cast<std::size_t>(dice.Below(2)), row) = OddCell(dice);
    } else {
        doc.JibanLevel(1 + static_cast<std::size_t>(dice.Below(4))) = OddCell(dice);
    }
}

// Inputs no screen would produce but a hand-edited file can hold: N-value points out of
// order, a negative thickness, a soil kind between two codes.
void OddInputs(Dice& dice, ProjectDocument& doc) {
    if (doc.NCount >= 3 && dice.Chance(0.03)) {
        const auto a = 1 + static_cast<std::size_t>(dice.Below(doc.NCount));
        const auto b = 1 + static_cast<std::size_t>(dice.Below(doc.NCount));
        std::swap(doc.NData(1, a), doc.NData(1, b));
    }
    if (doc.JibanCount > 0 && dice.Chance(0.02)) {
        const auto row = 1 + static_cast<std::size_t>(dice.Below(doc.JibanCount));
        doc.JibanLayer(2, row) = CellValue::Number(-dice.Between(0.1, 3.0, 1));
    }
    if (doc.JibanCount > 0 && dice.Chance(0.02)) {
        const auto row = 1 + static_cast<std::size_t>(dice.Below(doc.JibanCount));
        doc.JibanLayer(1, row) = CellValue::Number(dice.OneOf({0.5, 1.5, 2.5, 1.4}));
    }
}

} // namespace

ProjectDocument GenerateDocument(std::uint64_t seed) {
    Dice dice(seed);
    ProjectDocument doc;
    PileConditions(dice, doc.InpJyoken);
    const Ground ground = Layers(dice, doc);
    PilePosition(dice, ground, doc.InpJyoken);
    Levels(dice, ground, doc);
    const double rs = dice.Unit();
    doc.InpJyoken.ELSL = rs < 0.5 ? SomeBoundary(dice, ground)
                                  : dice.Between(doc.InpJyoken.ELPU - doc.InpJyoken.L - 3.0, ground.top, 2);
    NValues(dice, doc);
    SafetyFactors(dice, doc);
    LengthTable(dice, doc);
    SpoilOneCell(dice, doc);
    OddInputs(dice, doc);
    return doc;
}

} // namespace zul::reference
