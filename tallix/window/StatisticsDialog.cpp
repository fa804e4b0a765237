#include "window/StatisticsDialog.h"

#include <QBuffer>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "WindowText.h"
#include "figures/FigureExport.h"
#include "figures/FigureTables.h"
#include "window/FigurePage.h"
#include "window/FigureTableModel.h"

namespace {

QString ChooseWithFileDialog(QWidget* parent, const QString& caption, const QString& suggestedPath,
                             const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + "." + suffix : path;
}

QLabel* MakeNote(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A number of a damaged record cannot wrap; it must not widen the dialog
    // beyond the screen.
    label->setMinimumWidth(1);
    return label;
}

QPushButton* MakeButton(const QString& objectName, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

StatisticsDialog::StatisticsDialog(const StockStatistics& statistics, std::string folder,
                                   QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), chooseFile_(ChooseWithFileDialog) {
    setObjectName("statisticsDialog");
    setWindowTitle(" Statistik");
    setModal(true);
    resize(1180, 680);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeNote("summary", ToWindowText(SummaryText(statistics)), this));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    const BarChart stockChart = StockChart(statistics);
    tabs_->addTab(new FigurePage("stock", StockTable(statistics), &stockChart, tabs_), "Bestand");
    tabs_->addTab(new FigurePage("shortage", ShortageTable(statistics), nullptr, tabs_),
                  "Nachbestellen");
    const BarChart orderChart = OrderChart(statistics);
    tabs_->addTab(new FigurePage("order", OrderTable(statistics), &orderChart, tabs_),
                  "Bestellungen");
    layout->addWidget(tabs_, 1);

    layout->addWidget(MakeNote("priceRule", ToWindowText(PriceRuleText()), this));
    exportStatus_ = MakeNote("exportStatus", QString(), this);
    layout->addWidget(exportStatus_);

    auto* buttons = new QHBoxLayout;
    csvButton_ = MakeButton("csvButton", "Als CSV speichern", this);
    imageButton_ = MakeButton("imageButton", "Als Bild speichern", this);
    auto* closeButton = MakeButton("closeButton", QString::fromUtf8("Schlie\u00DFen"), this);
    buttons->addWidget(csvButton_);
    buttons->addWidget(imageButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(csvButton_, &QPushButton::clicked, this, &StatisticsDialog::SaveTableAsCsv);
    connect(imageButton_, &QPushButton::clicked, this, &StatisticsDialog::SaveChartAsImage);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &StatisticsDialog::UpdateExportButtons);
    UpdateExportButtons();
    closeButton->setFocus();
}

FigurePage* StatisticsDialog::ShownPage() const {
    return qobject_cast<FigurePage*>(tabs_->currentWidget());
}

QString StatisticsDialog::ShownTabName() const { return tabs_->tabText(tabs_->currentIndex()); }

void StatisticsDialog::UpdateExportButtons() {
    const FigurePage* page = ShownPage();
    csvButton_->setEnabled(page && page->Model());
    imageButton_->setEnabled(page && page->Chart());
}

void StatisticsDialog::SaveTableAsCsv() {
    const FigurePage* page = ShownPage();
    if (!page || !page->Model()) {
        return;
    }
    const QString path =
        chooseFile_(this, "Als CSV speichern", QDir::home().filePath(ShownTabName() + ".csv"),
                    "CSV-Dateien (*.csv)");
    if (path.isEmpty()) {
        return;
    }
    SaveBytes(WithSuffix(path, "csv"), CsvOfLines(page->Model()->ShownLines()));
}

void StatisticsDialog::SaveChartAsImage() {
    const FigurePage* page = ShownPage();
    if (!page || !page->Chart()) {
        return;
    }
    const QString path =
        chooseFile_(this, "Als Bild speichern", QDir::home().filePath(ShownTabName() + ".png"),
                    "PNG-Bilder (*.png)");
    if (path.isEmpty()) {
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !page->Chart()->grab().toImage().save(&buffer, "PNG")) {
        png.clear();
    }
    SaveBytes(WithSuffix(path, "png"),
              std::string(png.constData(), static_cast<std::size_t>(png.size())));
}

void StatisticsDialog::SaveBytes(const QString& path, const std::string& bytes) {
    const ExportResult result =
        bytes.empty() ? ExportResult::Failed
                      : WriteExportFile(QFile::encodeName(path).toStdString(), bytes, folder_);
    const QString shownPath = QDir::toNativeSeparators(path);
    switch (result) {
    case ExportResult::Written: exportStatus_->setText("Gespeichert: " + shownPath); break;
    case ExportResult::Failed:
        exportStatus_->setText(
            QString::fromUtf8("Fehler: Die Datei konnte nicht gespeichert werden: ") + shownPath);
        break;
    case ExportResult::DatabaseFile:
        exportStatus_->setText(
            QString::fromUtf8("Fehler: Eine Datei der Datenbank wird nicht \u00FCberschrieben: ") +
            shownPath);
        break;
    }
}

std::unique_ptr<StatisticsDialog> OpenStatistics(const std::string& folder, QWidget* parent) {
    return std::make_unique<StatisticsDialog>(ComputeStockStatistics(folder), folder, parent);
}
