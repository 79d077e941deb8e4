#include "ui/input/GridModel.h"

#include "util/NumberText.h"
#include "util/RoundHalfUp.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zul {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setColumns(const QStringList& headers, const std::vector<GridCellType>& columnTypes) {
    beginResetModel();
    headers_ = headers;
    columnTypes_ = columnTypes;
    cells_.clear();
    endResetModel();
}

std::vector<GridModel::Cell> GridModel::newRow() const {
    std::vector<Cell> row;
    row.reserve(columnTypes_.size());
    for (const GridCellType& cellType : columnTypes_) {
        row.push_back(Cell{cellType, std::nullopt});
    }
    return row;
}

void GridModel::setRows(int count) {
    count = std::max(0, count);
    if (count > rows()) {
        beginInsertRows(QModelIndex(), rows(), count - 1);
        while (rows() < count) {
            cells_.push_back(newRow());
        }
        endInsertRows();
    } else if (count < rows()) {
        beginRemoveRows(QModelIndex(), count, rows() - 1);
        cells_.resize(static_cast<std::size_t>(count));
        endRemoveRows();
    }
}

void GridModel::insertRowAt(int row) {
    row = std::clamp(row, 0, rows());
    beginInsertRows(QModelIndex(), row, row);
    cells_.insert(cells_.begin() + row, newRow());
    endInsertRows();
}

void GridModel::removeRowAt(int row) {
    if (row < 0 || row >= rows()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    cells_.erase(cells_.begin() + row);
    endRemoveRows();
}

void GridModel::sortRowsBy(int column) {
    if (column < 0 || column >= columns()) {
        return;
    }
    beginResetModel();
    std::stable_sort(cells_.begin(), cells_.end(), [column](const auto& a, const auto& b) {
        const auto index = static_cast<std::size_t>(column);
        return a[index].value.value_or(0.0) < b[index].value.value_or(0.0);
    });
    endResetModel();
}

const GridCellType& GridModel::cellType(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).cellType;
}

void GridModel::setCellType(int row, int column, const GridCellType& cellType) {
    cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).cellType = cellType;
    changedRow(row);
}

std::optional<double> GridModel::value(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).value;
}

void GridModel::setValue(int row, int column, std::optional<double> value) {
    cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).value = value;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
}

QString GridModel::valueText(int row, int column) const {
    const auto cellValue = value(row, column);
    return cellValue ? QString::fromStdString(GeneralNumberText(*cellValue)) : QString();
}

QString GridModel::displayText(int row, int column) const {
    const auto cellValue = value(row, column);
    if (!cellValue) {
        return {};
    }
    const GridCellType& cellDefinition = cellType(row, column);
    if (cellDefinition.kind == GridCellType::Kind::List) {
        const double index = *cellValue;
        return index >= 0 && index < cellDefinition.entries.size()
                   ? cellDefinition.entries.at(static_cast<int>(index))
                   : QString();
    }
    return FormatCellNumber(cellDefinition, *cellValue);
}

QString GridModel::clipboardText(int row, int column) const {
    return cellType(row, column).kind == GridCellType::Kind::List ? displayText(row, column)
                                                                  : valueText(row, column);
}

bool GridModel::enterText(int row, int column, const QString& text) {
    if (row < 0 || row >= rows() || column < 0 || column >= columns()) {
        return false;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        setValue(row, column, std::nullopt);
        return true;
    }
    const GridCellType& cellDefinition = cellType(row, column);
    if (cellDefinition.kind == GridCellType::Kind::List) {
        int entry = static_cast<int>(cellDefinition.entries.indexOf(trimmed));
        if (entry < 0) {
            const auto number = ParseNumber(trimmed.toStdString());
            if (number && *number == std::floor(*number) && *number >= 0 &&
                *number < cellDefinition.entries.size()) {
                entry = static_cast<int>(*number);
            }
        }
        if (entry < 0) {
            return false;
        }
        setValue(row, column, entry);
        return true;
    }
    QString plain = trimmed;
    plain.remove(QLatin1Char(','));
    if (plain.startsWith(QLatin1Char('+'))) {
        plain.remove(0, 1);
    }
    const auto number = ParseNumber(plain.toStdString());
    if (!number) {
        return false;
    }
    const double rounded = RoundHalfUp(*number, cellDefinition.decimals);
    if (rounded < cellDefinition.min || rounded > cellDefinition.max) {
        return false;
    }
    setValue(row, column, rounded);
    return true;
}

GridModel::Snapshot GridModel::snapshot() const {
    return Snapshot{cells_};
}

void GridModel::restore(const Snapshot& saved) {
    beginResetModel();
    cells_ = saved.cells;
    endResetModel();
}

void GridModel::changedRow(int row) {
    emit dataChanged(index(row, 0), index(row, columns() - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        return cellType(index.row(), index.column()).kind == GridCellType::Kind::List
                   ? displayText(index.row(), index.column())
                   : valueText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return cellType(index.row(), index.column()).kind == GridCellType::Kind::List
                   ? QVariant(Qt::AlignCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    return enterText(index.row(), index.column(), value.toString());
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < headers_.size() ? headers_.at(section) : QString();
    }
    return section + 1;
}

} // namespace zul

#include "moc_GridModel.cpp"
