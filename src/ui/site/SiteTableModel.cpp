#include "ui/site/SiteTableModel.h"

#include "util/NumberFormat.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>

#include <limits>

namespace zul {

namespace {

enum Column { kNumber, kFile, kName, kStatus };

const char* const kDiameterColumns[] = {"必要杭長(m)", "Ra常時", "Ra地震時", "Pa常時", "Pa地震時"};

QString Number(double value, const char* picture) {
    return QString::fromStdString(FormatNumber(value, picture));
}

// The required length of a diameter and its four capacities; none when no row carries the loads.
std::optional<double> DiameterValue(const site::BoreholeResult& b, std::size_t place, int part) {
    if (place >= b.required.size() || !b.required[place].row) {
        return std::nullopt;
    }
    const clsRaTable& row = *b.required[place].row;
    const double values[] = {row.L, row.Ra, row.Rae, row.Pa, row.Pae};
    return values[part];
}

// Whether the table of the borehole calculated, so that "no length" means no length carries
// the loads (and not that nothing was calculated).
bool Calculated(const site::BoreholeResult& b) {
    return b.status == site::BoreholeStatus::Ok;
}

QString NotesText(const site::BoreholeResult& b) {
    QStringList texts;
    if (!b.reason.empty()) {
        texts << QString::fromStdString(b.reason);
    }
    for (const std::string& note : b.notes) {
        texts << QString::fromStdString(note);
    }
    return texts.join(QStringLiteral("／"));
}

} // namespace

QString StatusText(site::BoreholeStatus status) {
    switch (status) {
    case site::BoreholeStatus::Refused:
        return QStringLiteral("取込不可");
    case site::BoreholeStatus::Failed:
        return QStringLiteral("失敗");
    default:
        return QStringLiteral("検討済");
    }
}

SiteTableModel::SiteTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void SiteTableModel::Reset(std::vector<double> diameters) {
    beginResetModel();
    diameters_ = std::move(diameters);
    boreholes_.clear();
    endResetModel();
}

void SiteTableModel::Add(const site::BoreholeResult& borehole) {
    const int row = static_cast<int>(boreholes_.size());
    beginInsertRows({}, row, row);
    boreholes_.push_back(borehole);
    endInsertRows();
}

int SiteTableModel::NotesColumn() const {
    return kFixedColumns + kColumnsPerDiameter * static_cast<int>(diameters_.size());
}

int SiteTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(boreholes_.size());
}

int SiteTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NotesColumn() + 1;
}

QVariant SiteTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case kNumber:
        return QStringLiteral("No.");
    case kFile:
        return QStringLiteral("ﾌｧｲﾙ");
    case kName:
        return QStringLiteral("ﾎﾞｰﾘﾝｸﾞ名");
    case kStatus:
        return QStringLiteral("状態");
    default:
        break;
    }
    if (section == NotesColumn()) {
        return QStringLiteral("理由･注意事項");
    }
    const int place = (section - kFixedColumns) / kColumnsPerDiameter;
    const int part = (section - kFixedColumns) % kColumnsPerDiameter;
    return QStringLiteral("φ") + Number(diameters_.at(static_cast<std::size_t>(place)), "0.000") +
           QStringLiteral("\n") + QString::fromUtf8(kDiameterColumns[part]);
}

QVariant SiteTableModel::Display(const site::BoreholeResult& b, int column) const {
    switch (column) {
    case kNumber:
        return QString::number(b.index + 1);
    case kFile:
        return QFileInfo(QString::fromStdString(b.file)).fileName();
    case kName:
        return QString::fromStdString(b.name);
    case kStatus:
        return StatusText(b.status);
    default:
        break;
    }
    if (column == NotesColumn()) {
        return NotesText(b);
    }
    const auto place = static_cast<std::size_t>((column - kFixedColumns) / kColumnsPerDiameter);
    const int part = (column - kFixedColumns) % kColumnsPerDiameter;
    const std::optional<double> value = DiameterValue(b, place, part);
    if (!value) {
        return part == 0 && Calculated(b) ? QStringLiteral("該当なし") : QString();
    }
    return part == 0 ? Number(*value, "##0.0") : Number(*value, "###,##0.0");
}

QVariant SiteTableModel::SortValue(const site::BoreholeResult& b, int column) const {
    constexpr double kMissing = std::numeric_limits<double>::max();
    if (column == kNumber) {
        return static_cast<qulonglong>(b.index);
    }
    if (column == kStatus) {
        return static_cast<int>(b.status);
    }
    if (column < kFixedColumns || column == NotesColumn()) {
        return Display(b, column);
    }
    const auto place = static_cast<std::size_t>((column - kFixedColumns) / kColumnsPerDiameter);
    return DiameterValue(b, place, (column - kFixedColumns) % kColumnsPerDiameter).value_or(kMissing);
}

QVariant SiteTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const site::BoreholeResult& b = boreholes_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return Display(b, column);
    case kSortRole:
        return SortValue(b, column);
    case Qt::ToolTipRole:
        if (column == kFile) {
            return QString::fromStdString(b.file);
        }
        if (column == kStatus || column == NotesColumn()) {
            const QString notes = NotesText(b);
            return notes.isEmpty() ? QVariant() : QVariant(notes);
        }
        return {};
    case Qt::TextAlignmentRole:
        return column >= kFixedColumns && column != NotesColumn()
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (b.status == site::BoreholeStatus::Refused) {
            return QBrush(QColor(255, 236, 200));
        }
        if (b.status == site::BoreholeStatus::Failed) {
            return QBrush(QColor(255, 210, 210));
        }
        return {};
    case Qt::ForegroundRole:
        // A length no row reaches stands out from the lengths found.
        if (column >= kFixedColumns && column != NotesColumn() && Calculated(b) &&
            (column - kFixedColumns) % kColumnsPerDiameter == 0 &&
            !DiameterValue(b, static_cast<std::size_t>((column - kFixedColumns) / kColumnsPerDiameter), 0)) {
            return QBrush(QColor(180, 0, 0));
        }
        return b.status == site::BoreholeStatus::Ok ? QVariant() : QVariant(QBrush(Qt::black));
    case Qt::DecorationRole:
        if (column == kStatus && b.status != site::BoreholeStatus::Ok) {
            return QApplication::style()->standardIcon(b.status == site::BoreholeStatus::Refused
                                                           ? QStyle::SP_MessageBoxWarning
                                                           : QStyle::SP_MessageBoxCritical);
        }
        return {};
    default:
        return {};
    }
}

} // namespace zul

#include "moc_SiteTableModel.cpp"
