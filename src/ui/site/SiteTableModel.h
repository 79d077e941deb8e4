#pragma once

#include "site/SiteTypes.h"

#include <QAbstractTableModel>

#include <vector>

namespace zul {

// The table of boreholes of a site run: number, file, name and status, per diameter the
// required length and its Ra, Rae, Pa, Pae, and the reason or the notes.  Refused and failed
// rows are marked by colour and icon.  kSortRole gives the values to sort by: numbers for the
// numeric columns, where a missing value sorts after every number.
class SiteTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kFixedColumns = 4;       // No., file, name, status
    static constexpr int kColumnsPerDiameter = 5; // L, Ra, Rae, Pa, Pae

    explicit SiteTableModel(QObject* parent = nullptr);

    // Empties the table for a run on these diameters.
    void Reset(std::vector<double> diameters);
    void Add(const site::BoreholeResult& borehole);

    const std::vector<site::BoreholeResult>& Boreholes() const { return boreholes_; }
    const std::vector<double>& Diameters() const { return diameters_; }
    int NotesColumn() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant Display(const site::BoreholeResult& b, int column) const;
    QVariant SortValue(const site::BoreholeResult& b, int column) const;

    std::vector<double> diameters_;
    std::vector<site::BoreholeResult> boreholes_;
};

// "検討済", "取込不可", "失敗".
QString StatusText(site::BoreholeStatus status);

} // namespace zul
