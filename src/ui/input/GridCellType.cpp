#include "ui/input/GridCellType.h"

#include "util/NumberFormat.h"
#include "util/NumberText.h"

namespace zul {

namespace {

QString general(double value) {
    return QString::fromStdString(GeneralNumberText(value));
}

} // namespace

QString FormatCellNumber(const GridCellType& cellType, double value) {
    std::string picture = "#,##0";
    if (cellType.decimals > 0) {
        picture += '.';
        picture.append(static_cast<std::size_t>(cellType.decimals), '0');
    }
    return QString::fromStdString(FormatNumber(value, picture));
}

QString CellRangeMessage(const GridCellType& cellType) {
    const QString head = QStringLiteral("入力範囲：");
    if (cellType.kind == GridCellType::Kind::List) {
        return head + cellType.entries.join(QStringLiteral("，"));
    }
    return head + FormatCellNumber(cellType, cellType.min) + QStringLiteral(" ～ ") +
           FormatCellNumber(cellType, cellType.max);
}

QString CellHintText(const GridCellType& cellType) {
    const QString head = QStringLiteral("入力範囲：");
    switch (cellType.kind) {
    case GridCellType::Kind::Date:
        return head + QStringLiteral("[M|T|S|H]YY/MM/DD（f3:本日，f4:ｶﾚﾝﾀﾞｰ表示）");
    case GridCellType::Kind::Text:
        return head + general(cellType.maxLength) + QStringLiteral("ﾊﾞｲﾄ以内の文字列");
    case GridCellType::Kind::Decimal:
    case GridCellType::Kind::WholeNumber:
        return head + general(cellType.min) + QStringLiteral("～") + general(cellType.max);
    case GridCellType::Kind::List:
        return head + QStringLiteral("(選択ﾘｽﾄ一覧より選択)");
    case GridCellType::Kind::Other:
        break;
    }
    return {};
}

} // namespace zul
