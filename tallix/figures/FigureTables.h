#pragma once
// What the three tabs show of the figures: the tables with their texts as
// the main window writes numbers (two decimals, decimal comma) and a sort key
// per cell, and the bars of the charts. Standard C++, texts in cp1252.

#include <optional>
#include <string>
#include <vector>

#include "figures/StockStatistics.h"

struct FigureColumn {
    std::string title;
    bool numeric = false;  // right-aligned, sorted by number
};

struct FigureCell {
    std::string text;
    double number = 0.0;  // the sort key of a numeric column
};
using FigureRow = std::vector<FigureCell>;

struct FigureTable {
    std::vector<FigureColumn> columns;
    std::vector<FigureRow> rows;      // in the order of the category tree
    std::optional<FigureRow> totals;  // stays below the rows however they are sorted
    std::string emptyText;            // shown instead of table and chart without rows
};

struct Bar {
    std::string label;  // category or supplier
    double value = 0.0;
};

struct BarChart {
    std::string title;
    std::vector<Bar> bars;
    // Shown instead of the chart when no bar has a value above zero.
    std::string emptyText;
    bool HasValues() const;
};

FigureTable StockTable(const StockStatistics& statistics);
BarChart StockChart(const StockStatistics& statistics);
FigureTable ShortageTable(const StockStatistics& statistics);
FigureTable OrderTable(const StockStatistics& statistics);
BarChart OrderChart(const StockStatistics& statistics);

// The figures over all in a few lines, for the top of the dialog.
std::string SummaryText(const StockStatistics& statistics);
// How the values are computed, stated in the dialog.
std::string PriceRuleText();
