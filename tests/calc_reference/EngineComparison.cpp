#include "EngineComparison.h"

#include <cstdio>
#include <type_traits>

namespace zul::reference {

namespace {

std::string Digits(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Compares two lists record by record with the given field comparison.
template <class Collection, class Record, class Fields>
void CompareList(const Collection& engine, const std::vector<Record>& reference, const std::string& name,
                 Differences& out, Fields fields) {
    out.Check(name + ".Count", static_cast<std::int64_t>(engine.Count()),
              static_cast<std::int64_t>(reference.size()));
    const std::size_t common = std::min(static_cast<std::size_t>(engine.Count()), reference.size());
    for (std::size_t i = 0; i < common; ++i) {
        fields(*engine.Item(static_cast<std::int32_t>(i + 1)), reference[i],
               name + "(" + std::to_string(i + 1) + ").");
    }
}

void ComparePoints(const colZulNs& engine, const std::vector<NPoint>& reference, const std::string& name,
                   Differences& out) {
    CompareList(engine, reference, name, out, [&](const clsZulN& e, const NPoint& r, const std::string& at) {
        out.Check(at + "Z", e.Z, r.Z);
        out.Check(at + "N", e.N, r.N);
    });
}

void CompareSegments(const colZulLiFis& engine, const std::vector<Segment>& reference,
                     const std::string& name, Differences& out) {
    CompareList(
        engine, reference, name, out, [&](const clsZulLiFi& e, const Segment& r, const std::string& at) {
            out.Check(at + "No", static_cast<std::int64_t>(e.No), static_cast<std::int64_t>(r.No));
            out.Check(at + "Kind", static_cast<std::int64_t>(e.Kind), static_cast<std::int64_t>(r.Kind));
            out.Check(at + "EU", e.EU, r.EU);
            out.Check(at + "EL", e.EL, r.EL);
            out.Check(at + "Li", e.Li, r.Li);
            out.Check(at + "Lii", e.Lii, r.Lii);
            out.Check(at + "Gs", e.Gs, r.Gs);
            out.Check(at + "Ws", e.Ws, r.Ws);
            out.Check(at + "Fi", e.Fi, r.Fi);
            out.Check(at + "LiFi", e.LiFi, r.LiFi);
            out.Check(at + "IsNonF", e.IsNonF, r.IsNonF);
        });
}

void CompareLayers(const colZulJiban& engine, const std::vector<Layer>& reference, const std::string& name,
                   Differences& out) {
    CompareList(
        engine, reference, name, out, [&](const clsZulJiban& e, const Layer& r, const std::string& at) {
            out.Check(at + "EU", e.EU, r.EU);
            out.Check(at + "EL", e.EL, r.EL);
            out.Check(at + "H", e.H, r.H);
            out.Check(at + "Kind", static_cast<std::int64_t>(e.Kind), static_cast<std::int64_t>(r.Kind));
            out.Check(at + "Gs1", e.Gs1, r.Gs1);
            out.Check(at + "Gs2", e.Gs2, r.Gs2);
            out.Check(at + "Fai", e.Fai, r.Fai);
            out.Check(at + "N", e.N, r.N);
            out.Check(at + "aEo", e.aEo, r.aEo);
            out.Check(at + "f", e.f, r.f);
            out.Check(at + "qd", e.qd, r.qd);
            out.Check(at + "DE", e.DE, r.DE);
        });
}

// The members of an interval between two N-value points; an embedment interval also has the
// excess of its N-values over the design N-value.
template <class EngineInterval, class ReferenceInterval>
void CompareInterval(const EngineInterval& a, const ReferenceInterval& b, const std::string& at,
                     Differences& out) {
    out.Check(at + "EU", a.EU, b.EU);
    out.Check(at + "EL", a.EL, b.EL);
    out.Check(at + "Li", a.Li, b.Li);
    out.Check(at + "Lii", a.Lii, b.Lii);
    out.Check(at + "NU", a.NU, b.NU);
    out.Check(at + "NL", a.NL, b.NL);
    if constexpr (std::is_same_v<ReferenceInterval, EmbedInterval>) {
        out.Check(at + "DNU", a.DNU, b.DNU);
        out.Check(at + "DNL", a.DNL, b.DNL);
    }
    out.Check(at + "Ni", a.Ni, b.Ni);
    out.Check(at + "LiNi", a.LiNi, b.LiNi);
}

} // namespace

void Differences::Check(const std::string& where, double engine, double reference) {
    if (!(engine == reference)) {
        lines_.push_back(where + ": engine " + Digits(engine) + ", reference " + Digits(reference));
    }
}

void Differences::Check(const std::string& where, std::int64_t engine, std::int64_t reference) {
    if (engine != reference) {
        lines_.push_back(where + ": engine " + std::to_string(engine) + ", reference " +
                         std::to_string(reference));
    }
}

void Differences::Check(const std::string& where, bool engine, bool reference) {
    Check(where, static_cast<std::int64_t>(engine), static_cast<std::int64_t>(reference));
}

#define ZUL_SAME(member) out.Check(prefix + #member, e.member(), r.member)
#define ZUL_SAME_CODE(member)                                                                                \
    out.Check(prefix + #member, static_cast<std::int64_t>(e.member()), static_cast<std::int64_t>(r.member))

void CompareCase(const CZul& e, const PileCase& r, const std::string& prefix, Differences& out) {
    // inputs as the driver set them
    CompareLayers(e.Jiban(), r.Jiban, prefix + "Jiban", out);
    ComparePoints(e.N(), r.N, prefix + "N", out);
    ZUL_SAME(IsEcoPile);
    ZUL_SAME_CODE(KuiType);
    ZUL_SAME(Dp);
    ZUL_SAME(Dw);
    ZUL_SAME(Dwi);
    ZUL_SAME(Up);
    ZUL_SAME(Ap);
    ZUL_SAME(Aw);
    ZUL_SAME(Alpha);
    ZUL_SAME(Gp1);
    ZUL_SAME(Gp2);
    ZUL_SAME(ELGL);
    ZUL_SAME(ELWL);
    ZUL_SAME(ELPU);
    ZUL_SAME(L);
    ZUL_SAME(nRa);
    ZUL_SAME(nPa);
    ZUL_SAME(IsWpRa);
    ZUL_SAME(IsWpPa);
    ZUL_SAME_CODE(QdMethod);
    ZUL_SAME_CODE(QdNeireType);
    ZUL_SAME(QdELNeire);
    ZUL_SAME_CODE(QdAp);
    // results
    ZUL_SAME_CODE(Error);
    ZUL_SAME(ELPL);
    ComparePoints(e.N4D(), r.N4D, prefix + "N4D", out);
    CompareList(e.N24D(), r.N24D, prefix + "N24D", out,
                [&](const clsZulN2& a, const NInterval& b, const std::string& at) {
                    CompareInterval(a, b, at, out);
                });
    ZUL_SAME(N1);
    ZUL_SAME(N2);
    ZUL_SAME(NN);
    ComparePoints(e.NNeire(), r.NNeire, prefix + "NNeire", out);
    CompareList(e.Neires(), r.Neires, prefix + "Neires", out,
                [&](const clsZulNeire& a, const EmbedInterval& b, const std::string& at) {
                    CompareInterval(a, b, at, out);
                });
    ZUL_SAME(Neire);
    ZUL_SAME(NeireA);
    ZUL_SAME(RNeireDp);
    ZUL_SAME(RQdNN);
    ZUL_SAME(L1);
    ZUL_SAME(L2);
    ZUL_SAME(Wp);
    CompareSegments(e.RaLiFi(), r.RaLiFi, prefix + "RaLiFi", out);
    CompareSegments(e.PaLiFi(), r.PaLiFi, prefix + "PaLiFi", out);
    ZUL_SAME(Ws);
    ZUL_SAME(qd);
    ZUL_SAME(QfRa);
    ZUL_SAME(QfPa);
    ZUL_SAME(Ru);
    ZUL_SAME(Pu);
    ZUL_SAME(Ra);
    ZUL_SAME(Pa);
    ZUL_SAME(Qw);
    ZUL_SAME(H);
    ZUL_SAME(Gave);
    ZUL_SAME(Beta);
    ZUL_SAME(Fai);
}

#undef ZUL_SAME
#undef ZUL_SAME_CODE

void CompareTable(const basCalcMain& engine, const TableResult& reference, Differences& out) {
    out.Check("ResultCount", static_cast<std::int64_t>(engine.ResultCount()),
              static_cast<std::int64_t>(reference.count));
    const int common = std::min(engine.ResultCount(), reference.count);
    for (int i = 0; i < common; ++i) {
        out.Check("ResultDiameters(" + std::to_string(i) + ")", engine.ResultDiameters(i),
                  reference.diameters[static_cast<std::size_t>(i)]);
        CompareList(engine.ResultTables(i), reference.rows[static_cast<std::size_t>(i)],
                    "ResultTables(" + std::to_string(i) + ")", out,
                    [&](const clsRaTable& a, const TableRow& b, const std::string& at) {
                        out.Check(at + "L", a.L, b.L);
                        out.Check(at + "Ra", a.Ra, b.Ra);
                        out.Check(at + "Pa", a.Pa, b.Pa);
                        out.Check(at + "Rae", a.Rae, b.Rae);
                        out.Check(at + "Pae", a.Pae, b.Pae);
                        out.Check(at + "Error", static_cast<std::int64_t>(a.Error),
                                  static_cast<std::int64_t>(b.Error));
                    });
    }
}

} // namespace zul::reference
