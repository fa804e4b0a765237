#pragma once
// One table of the statistics for a QTableView: sorted by a header click with
// the totals row always last, the numbers right-aligned.

#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "figures/FigureTables.h"

class FigureTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FigureTableModel(FigureTable table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Numbers by value, texts ignoring letter case as the part list sorts
    // them; equal rows keep their natural order. -1 restores that order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    const FigureTable& Table() const { return table_; }
    // The titles and then every row as shown, top to bottom, in cp1252.
    std::vector<std::vector<std::string>> ShownLines() const;

private:
    const FigureRow& RowAt(int shownRow) const;
    bool IsTotalsRow(int shownRow) const;

    FigureTable table_;
    std::vector<int> order_;  // shown row -> index into table_.rows
};
