#include "ui/input/GridCellSpec.h"

#include "util/NumberText.h"

namespace zul {

namespace {

QString general(double value) {
    return QString::fromStdString(GeneralNumberText(value));
}

} // namespace

QString CellHintText(const GridCellSpec& spec) {
    const QString head = QStringLiteral("入力範囲：");
    switch (spec.kind) {
    case GridCellSpec::Kind::Date:
        return head + QStringLiteral("[M|T|S|H]YY/MM/DD（f3:本日，f4:ｶﾚﾝﾀﾞｰ表示）");
    case GridCellSpec::Kind::Text:
        return head + general(spec.maxLength) + QStringLiteral("ﾊﾞｲﾄ以内の文字列");
    case GridCellSpec::Kind::Decimal:
    case GridCellSpec::Kind::WholeNumber:
        return head + general(spec.min) + QStringLiteral("～") + general(spec.max);
    case GridCellSpec::Kind::List:
        return head + QStringLiteral("(選択ﾘｽﾄ一覧より選択)");
    case GridCellSpec::Kind::Other:
        break;
    }
    return {};
}

} // namespace zul
