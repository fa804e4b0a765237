#pragma once
// One tab of the statistics: a table of figures, with a bar chart of them
// beside it where the tab has one. Without rows the tab says so in words, and
// a chart without any value gives way to a sentence as well.

#include <QWidget>

#include <string>

#include "figures/FigureTables.h"

class FigureTableModel;
class QChartView;
class QTableView;

class FigurePage : public QWidget {
    Q_OBJECT

public:
    // Child objects are named `name` + "Table", "Chart", "ChartEmpty" and
    // "Empty". `chart` is null for a tab without a chart.
    FigurePage(const QString& name, FigureTable table, const BarChart* chart,
               QWidget* parent = nullptr);

    // Null when the tab shows its empty state.
    QTableView* Table() const { return table_; }
    FigureTableModel* Model() const { return model_; }
    // Null without a chart or when the chart has no value to show.
    QChartView* Chart() const { return chart_; }

private:
    QWidget* MakeTable(const QString& name, FigureTable table);
    // Each column as wide as its widest text and its title.
    void FitColumns();
    QWidget* MakeChartArea(const QString& name, const BarChart& chart);

    QTableView* table_ = nullptr;
    FigureTableModel* model_ = nullptr;
    QChartView* chart_ = nullptr;
};
