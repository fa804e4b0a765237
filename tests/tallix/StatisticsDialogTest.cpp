// The dialog " Statistik" offscreen: its three tabs over the demo database,
// sorting, the empty states, the exports and their failures, and the one
// function of the real libtallix.so. Nothing it does may change a data file.

#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <dlfcn.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "IniStore.h"
#include "LargestDatabase.h"
#include "PlainFigures.h"
#include "PluginInterface.h"
#include "TempFolder.h"
#include "TestApplication.h"
#include "TextRules.h"
#include "window/StatisticsDialog.h"

namespace {

namespace fs = std::filesystem;

QStringList Column(const QTableView* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        texts << table->model()->index(row, column).data().toString();
    }
    return texts;
}

double NumberOf(const QString& text) { return PriceOfText(text.toStdString()); }

class StatisticsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }
    void TearDown() override {
        dialog.reset();
        ForgetIniSnapshots();
    }

    void CopyDemo() { fs::copy(DEMO_DATA_DIR, folder.Path(), fs::copy_options::recursive); }
    // The dialog shown over `from`; the file dialog answers `answer`.
    void Open(const std::string& from) {
        dialog = OpenStatistics(from, nullptr);
        dialog->SetSaveFileChooser(
            [this](QWidget*, const QString& caption, const QString&, const QString&) {
                captions << caption;
                return answer;
            });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <typename T>
    T* Find(const QString& name) {
        return dialog->findChild<T*>(name);
    }
    void ShowTab(int index) { Find<QTabWidget>("tabs")->setCurrentIndex(index); }
    void Click(const QString& button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    QString Status() { return Find<QLabel>("exportStatus")->text(); }
    static void ClickHeader(QTableView* table, int column) {
        QHeaderView* header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    TempFolder folder;
    TempFolder exports;
    QString answer;
    QStringList captions;
    std::unique_ptr<StatisticsDialog> dialog;
};

// Each chart shows exactly the values of the table beside it, in its order.
TEST_F(StatisticsDialogTest, ThreeTabsShowTablesWithTheirChartsBeside) {
    CopyDemo();
    Open(folder.Path());
    EXPECT_EQ(dialog->windowTitle(), " Statistik");
    EXPECT_TRUE(Find<QLabel>("summary")->text().startsWith("62 Teil(e) in 9 Kategorie(n)"));
    EXPECT_TRUE(Find<QLabel>("priceRule")->text().contains("niedrigster Preis"));
    struct Tab {
        QString title;
        QString name;
        int valueColumn;  // -1: no chart
        QStringList firstColumn;
    };
    const Tab tabCases[] = {
        {"Bestand",
         "stock",
         3,
         {"Dioden", "ICs / Logik", "Kondensatoren", "Optoelektronik", "Relais & Schalter",
          "Spannungsregler", "Steckverbinder", "Transistoren", QString::fromUtf8("Widerstände"),
          "Gesamt"}},
        {"Nachbestellen", "shortage", -1, {}},
        {"Bestellungen",
         "order",
         3,
         {"Bauteilhaus", "Elektronik-Kontor", QString::fromUtf8("Lötpunkt"), "Gesamt"}},
    };
    for (int index = 0; index < 3; ++index) {
        const Tab& tab = tabCases[index];
        SCOPED_TRACE(tab.title.toStdString());
        EXPECT_EQ(Find<QTabWidget>("tabs")->tabText(index), tab.title);
        ShowTab(index);
        auto* table = Find<QTableView>(tab.name + "Table");
        ASSERT_TRUE(table && table->isVisible());
        EXPECT_TRUE(Find<QPushButton>("csvButton")->isEnabled());
        EXPECT_EQ(Find<QPushButton>("imageButton")->isEnabled(), tab.valueColumn >= 0);
        if (tab.valueColumn < 0) {
            EXPECT_EQ(table->model()->rowCount(), 14);
            continue;
        }
        EXPECT_EQ(Column(table, 0), tab.firstColumn);
        auto* chart = Find<QChartView>(tab.name + "Chart");
        ASSERT_TRUE(chart && chart->isVisible());
        const QBarSet* bars =
            qobject_cast<QAbstractBarSeries*>(chart->chart()->series().at(0))->barSets().at(0);
        const QStringList values = Column(table, tab.valueColumn);
        ASSERT_EQ(bars->count(), values.size() - 1);  // all rows but "Gesamt"
        for (int row = 0; row < bars->count(); ++row) {
            // The chart draws its first bar at the bottom.
            EXPECT_EQ(PriceText(bars->at(bars->count() - 1 - row)), values[row].toStdString());
        }
    }
}

TEST_F(StatisticsDialogTest, HeaderClicksSortAndTheTotalsRowStaysLast) {
    CopyDemo();
    const auto before = FilesOf(folder.Path());
    Open(folder.Path());
    struct Case {
        int tab;
        QString table;
        int column;
    };
    const Case cases[] = {
        {0, "stockTable", 3},     // Bestandswert
        {0, "stockTable", 0},     // Kategorie, as text
        {1, "shortageTable", 4},  // Fehlmenge
    };
    for (const Case& sorted : cases) {
        SCOPED_TRACE(sorted.table.toStdString() + " " + std::to_string(sorted.column));
        ShowTab(sorted.tab);
        auto* table = Find<QTableView>(sorted.table);
        const bool totals = sorted.tab != 1;
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            if (table->horizontalHeader()->sortIndicatorSection() != sorted.column ||
                table->horizontalHeader()->sortIndicatorOrder() != order) {
                ClickHeader(table, sorted.column);
            }
            ASSERT_EQ(table->horizontalHeader()->sortIndicatorOrder(), order);
            QStringList texts = Column(table, sorted.column);
            if (totals) {
                EXPECT_EQ(Column(table, 0).takeLast(), "Gesamt");
                texts.removeLast();
            }
            QStringList expected = texts;
            std::stable_sort(
                expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
                    const bool less = sorted.column == 0 ? a.compare(b, Qt::CaseInsensitive) < 0
                                                         : NumberOf(a) < NumberOf(b);
                    const bool greater = sorted.column == 0 ? b.compare(a, Qt::CaseInsensitive) < 0
                                                            : NumberOf(b) < NumberOf(a);
                    return order == Qt::AscendingOrder ? less : greater;
                });
            EXPECT_EQ(texts, expected);
        }
    }
    // A double click on a part to reorder opens nothing and changes nothing.
    auto* shortage = Find<QTableView>("shortageTable");
    const QStringList names = Column(shortage, 1);
    QTest::mouseDClick(shortage->viewport(), Qt::LeftButton, {},
                       shortage->visualRect(shortage->model()->index(0, 1)).center());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.get());
    EXPECT_EQ(Column(shortage, 1), names);
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

// Without parts, shortages or positions each tab says so in words; a stock
// without any price has its table but no chart.
TEST_F(StatisticsDialogTest, EmptyFiguresAreSaidInWords) {
    Open(folder.Path());
    EXPECT_EQ(Find<QLabel>("stockEmpty")->text(), "Es sind noch keine Kategorien angelegt.");
    EXPECT_EQ(Find<QLabel>("shortageEmpty")->text(),
              "Kein Teil liegt auf oder unter seinem Soll-Bestand.");
    EXPECT_EQ(Find<QLabel>("orderEmpty")->text(), "In den Bestellungen stehen keine Positionen.");
    for (int tab = 0; tab < 3; ++tab) {
        ShowTab(tab);
        EXPECT_FALSE(Find<QPushButton>("csvButton")->isEnabled()) << tab;
        EXPECT_FALSE(Find<QPushButton>("imageButton")->isEnabled()) << tab;
    }
    EXPECT_TRUE(dialog->findChildren<QChartView*>().isEmpty());
    EXPECT_TRUE(fs::is_empty(folder.Path()));

    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    folder.Write("k0.dat", "[teil]\r\nt0=1N4148;;;;;;;;0,00;;;A1;50;0\r\n");
    Open(folder.Path());
    EXPECT_NE(Find<QTableView>("stockTable"), nullptr);
    EXPECT_TRUE(Find<QLabel>("stockChartEmpty")->text().startsWith("Der Bestand hat keinen Wert"));
    EXPECT_TRUE(dialog->findChildren<QChartView*>().isEmpty());
}

// The shown table goes out as sorted, the shown chart as a picture; a write
// that fails or would replace a data file is reported in the dialog, and no
// file anywhere changes. Cancelling the file dialog does nothing.
TEST_F(StatisticsDialogTest, ExportsWriteWhatIsShownAndReportFailures) {
    CopyDemo();
    exports.Write("alt.csv", "alter Inhalt");
    const auto before = FilesOf(folder.Path());
    Open(folder.Path());
    auto* stock = Find<QTableView>("stockTable");
    ClickHeader(stock, 3);
    ClickHeader(stock, 3);                                     // Bestandswert, largest first
    answer = QString::fromStdString(exports.File("bestand"));  // ".csv" is added
    Click("csvButton");
    EXPECT_EQ(Status(), "Gespeichert: " + answer + ".csv");
    const std::string csv = exports.Read("bestand.csv");
    const std::string head =
        "\"Kategorie\";\"Teile\";\"St\374ck\";\"Bestandswert\";\"ohne Preis\";"
        "\"auf/unter Soll\";\"Kosten bis Soll\"\r\n"
        "\"Widerst\344nde\";\"9\";\"469\";\"33,57\";\"0\";\"2\";\"0,90\"\r\n"
        "\"Kondensatoren\";\"8\";\"406\";\"27,98\";\"0\";\"2\";\"0,55\"\r\n";
    EXPECT_EQ(csv.substr(0, head.size()), head);
    EXPECT_TRUE(csv.ends_with("\"Gesamt\";\"62\";\"1662\";\"158,87\";\"0\";\"14\";\"2,67\"\r\n"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 11);

    ShowTab(2);
    answer = QString::fromStdString(exports.File("bestellungen.png"));
    Click("imageButton");
    EXPECT_EQ(captions, QStringList({"Als CSV speichern", "Als Bild speichern"}));
    EXPECT_EQ(Status(), "Gespeichert: " + answer);
    QImage image;
    ASSERT_TRUE(image.load(answer, "PNG"));
    const QChartView* chart = Find<QChartView>("orderChart");
    EXPECT_EQ(image.size(), chart->size() * chart->devicePixelRatio());
    const auto exported = FilesOf(exports.Path());

    const QString refused = QString::fromUtf8(
        "Fehler: Eine Datei der Datenbank wird nicht "
        "\u00FCberschrieben: ");
    const std::pair<std::string, QString> failures[] = {
        {exports.File("fehlt/bestand.csv"), "Fehler: Die Datei konnte nicht gespeichert werden: "},
        {folder.File("teile.dat"), refused},
        {folder.File("k901.dat"), refused},
    };
    for (const auto& [path, status] : failures) {
        answer = QString::fromStdString(path);
        Click("csvButton");
        EXPECT_EQ(Status(), status + answer);
    }
    answer.clear();
    Click("imageButton");
    EXPECT_TRUE(Status().startsWith(refused));
    EXPECT_EQ(FilesOf(folder.Path()), before);
    EXPECT_EQ(FilesOf(exports.Path()), exported);
}

// The largest database opens whole; numbers at the ends of what a file can
// hold open too, and neither table nor chart shows anything infinite.
TEST_F(StatisticsDialogTest, DatabasesAtTheLimitsOpen) {
    const TemporaryDatabase database;
    Open(database.Folder());
    EXPECT_EQ(Find<QTableView>("stockTable")->model()->rowCount(), 51);
    EXPECT_EQ(Find<QTableView>("shortageTable")->model()->rowCount(), 5000);
    EXPECT_EQ(Find<QTableView>("orderTable")->model()->rowCount(), 4);

    folder.Write("teile.dat", "[kategorie]\r\nk0=Riesen\r\n");
    folder.Write("k0.dat",
                 "[teil]\r\nt0=Riese;;;;;;;;1e300;;;;99999999999;0\r\n"
                 "t1=Zwilling;;;;;;;;1,7e308;;;;2147483647;0\r\n");
    Open(folder.Path());
    const QStringList values = Column(Find<QTableView>("stockTable"), 3);
    EXPECT_TRUE(values.filter("inf").isEmpty() && values.filter("nan").isEmpty());
    const QChart* chart = Find<QChartView>("stockChart")->chart();
    const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).at(0));
    EXPECT_TRUE(std::isfinite(axis->max()) && axis->max() < 1e16) << axis->max();
}

// The real library, loaded as teile loads it but without a window: it reads
// the data beside itself, shows its modal dialog without a parent and returns
// once the dialog is closed. (tests/shell has teile's own call.)
TEST_F(StatisticsDialogTest, TheLibraryWithoutAWindowShowsTheDataBesideIt) {
    CopyDemo();
    fs::copy_file(std::string(SUITE_PROGRAM_DIR) + kStatisticsLibrary,
                  folder.File(kStatisticsLibrary));
    const auto before = FilesOf(folder.Path());
    void* library = dlopen(folder.File(kStatisticsLibrary).c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto show = reinterpret_cast<StatisticsFunction>(dlsym(library, kStatisticsFunction));
    ASSERT_NE(show, nullptr);
    QString title;
    QString summary;
    QWidget notSeen;
    QWidget* parent = &notSeen;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            look.stop();
            title = shown->windowTitle();
            parent = shown->parentWidget();
            summary = shown->findChild<QLabel*>("summary")->text();
            shown->close();
        }
    });
    look.start(5);
    EXPECT_EQ(show(nullptr), 0);
    EXPECT_EQ(title, " Statistik");
    EXPECT_EQ(parent, nullptr);
    EXPECT_TRUE(summary.startsWith("62 Teil(e) in 9 Kategorie(n)")) << summary.toStdString();
    dlclose(library);
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

}  // namespace
