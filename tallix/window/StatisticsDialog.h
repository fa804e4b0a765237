#pragma once
// The dialog " Statistik": a few lines over all, the tabs "Bestand",
// "Nachbestellen" and "Bestellungen", the price rule, and the exports of what
// the shown tab holds. It only reads: nothing it does touches a data file.

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

#include "figures/StockStatistics.h"

class FigurePage;
class QLabel;
class QPushButton;
class QTabWidget;

// Asks where to save: the caption, a suggested path and the file filter; an
// empty result when the user cancelled. Tests answer in place of the user.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggestedPath, const QString& filter)>;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // `folder` is the program folder the figures were read from; exports
    // never replace a data file there.
    StatisticsDialog(const StockStatistics& statistics, std::string folder,
                     QWidget* parent = nullptr);

    void SetSaveFileChooser(SaveFileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The shown tab's table as CSV, and its chart as PNG, through the chooser.
    void SaveTableAsCsv();
    void SaveChartAsImage();

private:
    FigurePage* ShownPage() const;
    QString ShownTabName() const;
    void UpdateExportButtons();
    // Writes `bytes` to the chosen file and says in the dialog how it went.
    void SaveBytes(const QString& path, const std::string& bytes);

    std::string folder_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* csvButton_ = nullptr;
    QPushButton* imageButton_ = nullptr;
    QLabel* exportStatus_ = nullptr;
    SaveFileChooser chooseFile_;
};

// Reads the figures of `folder` and builds the dialog over `parent` (none
// when null), not yet shown.
std::unique_ptr<StatisticsDialog> OpenStatistics(const std::string& folder, QWidget* parent);
