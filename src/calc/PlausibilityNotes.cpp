#include "calc/PlausibilityNotes.h"

#include "calc/EnteredValueNotes.h"
#include "calc/LayerValueNotes.h"
#include "calc/PileWeightNote.h"
#include "document/ConstructionMethod.h"
#include "document/ImportEdits.h"
#include "util/NumberFormat.h"

#include <algorithm>

namespace zul {

namespace {

// Levels closer than half a millimetre count as the same, as the calculation compares depths
// in whole millimetres.
constexpr double kSameLevel = 0.0005;

bool Below(double a, double b) {
    return b - a > kSameLevel;
}

std::string Metres(double value) {
    return FormatNumber(value, "0.000") + " m";
}

std::string Depth(double value) {
    return "深度 " + Metres(value);
}

std::string Elevation(double value) {
    return "標高 " + Metres(value);
}

std::string DesignGroundText(const PlausibilityFinding& f) {
    if (f.aboveNormal && f.aboveQuake) {
        if (Below(f.groundNormal, f.groundQuake) || Below(f.groundQuake, f.groundNormal)) {
            return "常時・地震時の設計地盤面（" + Elevation(f.groundNormal) + "・" + Metres(f.groundQuake) +
                   "）";
        }
        return "常時・地震時の設計地盤面（" + Elevation(f.groundNormal) + "）";
    }
    if (f.aboveNormal) {
        return "常時の設計地盤面（" + Elevation(f.groundNormal) + "）";
    }
    return "地震時の設計地盤面（" + Elevation(f.groundQuake) + "）";
}

} // namespace

PlausibilityCheck::PlausibilityCheck(const ProjectDocument& doc, const CZul& normal) {
    const CInpJyoken& c = doc.InpJyoken;
    endBearing_ = c.Siji == static_cast<std::int32_t>(PileKind::EndBearing);
    // The automatic value is used only for an end-bearing pile of a method that allows it.
    automaticTip_ = endBearing_ && AllowsAutomaticTip(c.Sekou) && c.QdMethod != 0;

    nCount_ = normal.N().Count();
    if (nCount_ > 0) {
        deepestN_ = normal.N().Item(1)->Z;
        for (const clsZulN& p : normal.N()) {
            deepestN_ = std::max(deepestN_, p.Z);
        }
    }
    hasLayers_ = normal.Jiban().Count() > 0;
    if (hasLayers_) {
        groundTop_ = normal.Jiban().Item(1)->EU;
        layerBottom_ = normal.Jiban().Item(normal.Jiban().Count())->EL;
    }
}

void PlausibilityCheck::Find(const CZul& normal, const CZul& quake,
                             std::vector<PlausibilityFinding>& findings) const {
    findings.clear();
    PlausibilityFinding at;
    at.tipElevation = normal.ELPL();
    at.tipDepth = groundTop_ - normal.ELPL();

    // Whether a note already says why the tip resistance is 0.
    bool zeroTipExplained = false;
    if (automaticTip_ && hasLayers_) {
        if (nCount_ < 2) {
            PlausibilityFinding f = at;
            f.kind = NoteKind::TooFewNValues;
            f.nCount = nCount_;
            findings.push_back(f);
            zeroTipExplained = true;
        } else if (Below(normal.ELPL(), groundTop_ - deepestN_)) {
            // The tip is the deepest level the tip resistance reads: the N values over four
            // diameters above it and the embedment ranges all end there.
            PlausibilityFinding f = at;
            f.deepestNDepth = deepestN_;
            if (normal.N4D().Count() < 2) {
                f.kind = NoteKind::NoNValueAtTip;
                zeroTipExplained = true;
            } else {
                f.kind = NoteKind::TipBelowDeepestN;
            }
            findings.push_back(f);
        }
    }

    if (endBearing_ && !zeroTipExplained && (normal.qd() == 0 || quake.qd() == 0)) {
        const CZul& zero = normal.qd() == 0 ? normal : quake;
        PlausibilityFinding f = at;
        f.kind = NoteKind::NoTipResistance;
        f.automaticTip = automaticTip_;
        if (automaticTip_) {
            f.designN = zero.NN();
            f.ratioQdN = zero.RQdNN();
        } else if (const clsZulLiFi* tip = zero.RaLiFi().Item(zero.RaLiFi().Count())) {
            f.tipLayer = tip->No;
        }
        findings.push_back(f);
    }

    if (hasLayers_ && Below(normal.ELPL(), layerBottom_)) {
        PlausibilityFinding f = at;
        f.kind = NoteKind::TipBelowLayers;
        f.layerBottom = layerBottom_;
        findings.push_back(f);
    }

    const bool aboveNormal = !Below(normal.ELPL(), normal.ELGL());
    const bool aboveQuake = !Below(quake.ELPL(), quake.ELGL());
    if (aboveNormal || aboveQuake) {
        PlausibilityFinding f = at;
        f.kind = NoteKind::TipAboveGround;
        f.aboveNormal = aboveNormal;
        f.aboveQuake = aboveQuake;
        f.groundNormal = normal.ELGL();
        f.groundQuake = quake.ELGL();
        findings.push_back(f);
    }
}

std::string NoteText(const PlausibilityFinding& f) {
    switch (f.kind) {
    case NoteKind::TipBelowDeepestN:
        return "杭先端（" + Depth(f.tipDepth) + "）が入力された最深のN値（" + Depth(f.deepestNDepth) +
               "）より深く、先端支持力度の自動計算は" + Depth(f.deepestNDepth) +
               " までのN値で行われています。N値の入力範囲を確認して下さい。";
    case NoteKind::NoNValueAtTip:
        return "杭先端（" + Depth(f.tipDepth) + "）が入力された最深のN値（" + Depth(f.deepestNDepth) +
               "）より深く、先端支持力度の自動計算にN値がないため、先端支持力度 qd が 0 です。"
               "N値の入力範囲を確認して下さい。";
    case NoteKind::TooFewNValues:
        if (f.nCount <= 0) {
            return "先端支持力度の自動計算にN値が入力されていないため、先端支持力度 qd が 0 です。"
                   "N値を入力して下さい。";
        }
        return "先端支持力度の自動計算にはN値が 2 点以上必要ですが、入力は " + std::to_string(f.nCount) +
               " 点のため、先端支持力度 qd が 0 です。N値を確認して下さい。";
    case NoteKind::NoTipResistance:
        if (f.automaticTip) {
            return "支持杭ですが、先端支持力度の自動計算の結果 qd が 0 です（設計N値 NN = " +
                   FormatNumber(f.designN, "0.0") + "、qd/N = " + FormatNumber(f.ratioQdN, "0.0") +
                   "）。杭先端付近のN値と支持層への根入れを確認して下さい。";
        }
        if (f.tipLayer > 0) {
            return "支持杭ですが、杭先端（" + Elevation(f.tipElevation) + "）のある第 " +
                   std::to_string(f.tipLayer) +
                   " 層の先端支持力度 qd が 0 のため、先端支持力が見込まれていません。地層データの qd "
                   "を確認して下さい。";
        }
        return "支持杭ですが、先端支持力度 qd が 0 のため、先端支持力が見込まれていません。地層データを"
               "確認して下さい。";
    case NoteKind::TipBelowLayers:
        return "杭先端（" + Elevation(f.tipElevation) + "）が最下層の下端（" + Elevation(f.layerBottom) +
               "）より深く、その間の地盤は計算に含まれていません。地層の層厚と杭長を確認して下さい。";
    case NoteKind::TipAboveGround:
        return "杭先端（" + Elevation(f.tipElevation) + "）が" + DesignGroundText(f) +
               "以上の高さにあり、杭が地盤に根入れされていません。杭頭標高・杭長と設計地盤面標高を確認"
               "して下さい。";
    }
    return {};
}

std::vector<std::string> PlausibilityNotes(const ProjectDocument& doc, const CZul& normal,
                                           const CZul& quake) {
    std::vector<PlausibilityFinding> findings;
    PlausibilityCheck(doc, normal).Find(normal, quake, findings);
    std::vector<std::string> notes;
    notes.reserve(findings.size());
    for (const PlausibilityFinding& f : findings) {
        notes.push_back(NoteText(f));
    }
    if (auto weight = PileWeightNote(normal)) {
        notes.push_back(std::move(*weight));
    }
    for (std::string& note : EnteredValueNotes(doc, normal, quake)) {
        notes.push_back(std::move(note));
    }
    for (std::string& note : LayerValueNotes(doc, normal)) {
        notes.push_back(std::move(note));
    }
    if (std::string edits = ImportEditsNote(doc); !edits.empty()) {
        notes.push_back(std::move(edits));
    }
    return notes;
}

void TableNoteCollector::Begin() {
    seen_.clear();
    row_ = -1;
}

void TableNoteCollector::Row(double length, const CZul& normal, const CZul& quake) {
    ++row_;
    check_.Find(normal, quake, findings_);
    for (const PlausibilityFinding& f : findings_) {
        const auto known =
            std::find_if(seen_.begin(), seen_.end(), [&](const Seen& s) { return s.note.kind == f.kind; });
        if (known == seen_.end()) {
            // Only the first length of a note is worded: the table may have many thousands.
            Seen s;
            s.note.kind = f.kind;
            s.note.firstLength = length;
            s.note.lastLength = length;
            s.note.text = NoteText(f);
            s.lastRow = row_;
            seen_.push_back(std::move(s));
            continue;
        }
        if (known->lastRow != row_ - 1) {
            known->note.everyLengthBetween = false;
        }
        known->note.lastLength = length;
        known->lastRow = row_;
    }
}

std::vector<TableNote> TableNoteCollector::End() {
    std::vector<TableNote> notes;
    notes.reserve(seen_.size());
    for (Seen& s : seen_) {
        s.note.toTableEnd = s.lastRow == row_;
        notes.push_back(std::move(s.note));
    }
    seen_.clear();
    return notes;
}

std::string TableNoteLine(const std::vector<double>& diameters, const TableNote& note) {
    std::string diameterText;
    for (const double d : diameters) {
        diameterText += (diameterText.empty() ? "" : "・") + FormatNumber(d, "0.000");
    }
    const std::string first = FormatNumber(note.firstLength, "0.0");
    std::string lengths;
    if (note.lastLength == note.firstLength) {
        lengths = first + " m";
    } else if (note.toTableEnd && note.everyLengthBetween) {
        lengths = first + " m 以上";
    } else {
        lengths = first + "～" + FormatNumber(note.lastLength, "0.0") + " m" +
                  (note.everyLengthBetween ? "" : " の一部");
    }
    return "杭径φ " + diameterText + " m、杭長 " + lengths + "：" + note.text;
}

} // namespace zul
