#pragma once
// A horizontal bar chart of the figures: one bar per category or supplier,
// each labelled with its name and value, drawn in the light or the dark
// chart theme as the window colours are, so it stays readable on both.

#include <QChartView>

#include "figures/FigureTables.h"

QChartView* MakeBarChartView(const BarChart& chart, QWidget* parent);
