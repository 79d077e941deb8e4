#include "render/GraphData.h"

#include "printfile/PrintFileFormat.h"

#include "document/ConstructionMethod.h"
#include "util/NumberFormat.h"

namespace zul {

namespace {

const std::array<GraphKind, kGraphCount> kKinds{{
    {1, "Tab1", "Ｒa(常時)", "常時許容押込み支持力Ｒa(kN/本)", kGraphMetafileNames[0].data()},
    {2, "Tab2", "Ｐa(常時)", "常時許容引抜き力Ｐa(kN/本)", kGraphMetafileNames[1].data()},
    {3, "Tab3", "Ｒa(ﾚﾍﾞﾙ1地震時)", "ﾚﾍﾞﾙ1地震時許容押込み支持力Ｒa(kN/本)", kGraphMetafileNames[2].data()},
    {4, "Tab4", "Ｐa(ﾚﾍﾞﾙ1地震時)", "ﾚﾍﾞﾙ1地震時許容引抜き力Ｐa(kN/本)", kGraphMetafileNames[3].data()},
}};

} // namespace

const GraphKind& GraphKindOf(int graphNumber) {
    if (graphNumber < 1 || graphNumber > kGraphCount) {
        return kKinds[0];
    }
    return kKinds[static_cast<std::size_t>(graphNumber - 1)];
}

const std::array<int, kGraphCount>& GraphSaveOrder() {
    static const std::array<int, kGraphCount> order{1, 3, 2, 4};
    return order;
}

QString GraphHeaderText(const CInpJyoken& conditions) {
    QString text;
    if (!conditions.Title.empty()) {
        text = QString::fromStdString(conditions.Title) + QStringLiteral("　");
    }
    // A broken file may carry a method code outside the list: the header then names no method.
    const std::string_view method = MethodGraphName(conditions.Sekou);
    text += QString::fromUtf8(method.data(), static_cast<qsizetype>(method.size()));
    const std::string_view kind = PileKindName(conditions.Siji);
    text += QStringLiteral("(") + QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())) +
            QStringLiteral(")");
    return text;
}

QString DiameterLabel(double diameter) {
    return QStringLiteral("φ") + QString::fromStdString(FormatNumber(diameter * 1000.0, "###0mm"));
}

double GraphValue(const GraphRow& row, int graphNumber) {
    static constexpr std::array<double GraphRow::*, kGraphCount> values{&GraphRow::Ra, &GraphRow::Pa,
                                                                        &GraphRow::Rae, &GraphRow::Pae};
    return row.*values[static_cast<std::size_t>(GraphKindOf(graphNumber).number - 1)];
}

GraphData BuildGraphData(const CInpJyoken& conditions, const std::vector<GraphTable>& tables,
                         int graphNumber) {
    GraphData data;
    data.header = GraphHeaderText(conditions);
    data.xTitle = QString::fromUtf8(GraphKindOf(graphNumber).valueTitle);
    data.yTitle = QStringLiteral("杭長Ｌ(m)");
    data.series.reserve(tables.size());
    for (const GraphTable& table : tables) {
        GraphSeries series;
        series.label = DiameterLabel(table.diameter);
        series.points.reserve(table.rows.size());
        for (const GraphRow& row : table.rows) {
            series.points.emplace_back(GraphValue(row, graphNumber), row.L);
        }
        data.series.push_back(std::move(series));
    }
    return data;
}

} // namespace zul
