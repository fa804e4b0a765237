// The dialog " Statistik" offscreen: its three tabs over the demo database,
// sorting, the empty states, both exports and their failures, and the one
// function of the real libtallix.so. Nothing it does may change a data file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
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

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "IniStore.h"
#include "LargestDatabase.h"
#include "PluginInterface.h"
#include "TempFolder.h"
#include "TextRules.h"
#include "window/StatisticsDialog.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> FilesOf(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

class StatisticsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "tallix_dialog_tests";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }
    void TearDown() override {
        dialog.reset();
        ForgetIniSnapshots();
    }

    void CopyDemo() { fs::copy(DEMO_DATA_DIR, folder.Path(), fs::copy_options::recursive); }

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
    void Open() { Open(folder.Path()); }

    template <typename T>
    T* Find(const QString& name) {
        return dialog->findChild<T*>(name);
    }
    void ShowTab(int index) { Find<QTabWidget>("tabs")->setCurrentIndex(index); }
    void Click(const QString& button) {
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    QString Status() { return Find<QLabel>("exportStatus")->text(); }

    static QStringList Column(const QTableView* table, int column) {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            texts << table->model()->index(row, column).data().toString();
        }
        return texts;
    }
    static void ClickHeader(QTableView* table, int column) {
        QHeaderView* header = table->horizontalHeader();
        const QPoint centre(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    TempFolder folder;
    TempFolder exports;
    QString answer;
    QStringList captions;
    std::unique_ptr<StatisticsDialog> dialog;
};

double NumberOf(const QString& text) { return PriceOfText(text.toStdString()); }

TEST_F(StatisticsDialogTest, ThreeTabsShowTablesWithTheirChartsBeside) {
    CopyDemo();
    Open();
    EXPECT_EQ(dialog->windowTitle(), " Statistik");
    auto* tabs = Find<QTabWidget>("tabs");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Bestand");
    EXPECT_EQ(tabs->tabText(1), "Nachbestellen");
    EXPECT_EQ(tabs->tabText(2), "Bestellungen");
    EXPECT_TRUE(Find<QLabel>("summary")->text().startsWith("62 Teil(e) in 9 Kategorie(n)"));
    EXPECT_TRUE(Find<QLabel>("priceRule")->text().contains("niedrigster Preis"));

    // Each chart shows exactly the values of the table beside it, in its order.
    struct Tab {
        int index;
        QString table;
        QString chart;  // empty: the tab has none
        int valueColumn;
        QStringList firstColumn;
    };
    const Tab tabCases[] = {
        {0,
         "stockTable",
         "stockChart",
         3,
         {"Dioden", "ICs / Logik", "Kondensatoren", "Optoelektronik", "Relais & Schalter",
          "Spannungsregler", "Steckverbinder", "Transistoren", QString::fromUtf8("Widerstände"),
          "Gesamt"}},
        {1, "shortageTable", "", 4, {}},
        {2,
         "orderTable",
         "orderChart",
         3,
         {"Bauteilhaus", "Elektronik-Kontor", QString::fromUtf8("Lötpunkt"), "Gesamt"}},
    };
    for (const Tab& tab : tabCases) {
        SCOPED_TRACE(tab.table.toStdString());
        ShowTab(tab.index);
        auto* table = Find<QTableView>(tab.table);
        ASSERT_NE(table, nullptr);
        EXPECT_TRUE(table->isVisible());
        if (!tab.firstColumn.isEmpty()) {
            EXPECT_EQ(Column(table, 0), tab.firstColumn);
        }
        EXPECT_EQ(Find<QPushButton>("imageButton")->isEnabled(), !tab.chart.isEmpty());
        EXPECT_TRUE(Find<QPushButton>("csvButton")->isEnabled());
        if (tab.chart.isEmpty()) {
            EXPECT_EQ(table->model()->rowCount(), 14);
            continue;
        }
        auto* chart = Find<QChartView>(tab.chart);
        ASSERT_NE(chart, nullptr);
        EXPECT_TRUE(chart->isVisible());
        const auto* series = qobject_cast<QAbstractBarSeries*>(chart->chart()->series().at(0));
        const QBarSet* bars = series->barSets().at(0);
        const QStringList values = Column(table, tab.valueColumn);
        ASSERT_EQ(bars->count(), values.size() - 1);  // all rows but "Gesamt"
        for (int row = 0; row < bars->count(); ++row) {
            // The chart draws its first bar at the bottom.
            EXPECT_EQ(PriceText(bars->at(bars->count() - 1 - row)), values[row].toStdString())
                << row;
        }
    }
}

TEST_F(StatisticsDialogTest, HeaderClicksSortAndTheTotalsRowStaysLast) {
    CopyDemo();
    Open();
    struct Case {
        int tab;
        QString table;
        int column;
        bool totals;
    };
    const Case cases[] = {
        {0, "stockTable", 3, true},      // Bestandswert
        {0, "stockTable", 0, true},      // Kategorie, as text
        {1, "shortageTable", 4, false},  // Fehlmenge
        {2, "orderTable", 1, true},      // offene Positionen
    };
    for (const Case& sorted : cases) {
        SCOPED_TRACE(sorted.table.toStdString() + " " + std::to_string(sorted.column));
        ShowTab(sorted.tab);
        auto* table = Find<QTableView>(sorted.table);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            if (table->horizontalHeader()->sortIndicatorSection() != sorted.column ||
                table->horizontalHeader()->sortIndicatorOrder() != order) {
                ClickHeader(table, sorted.column);
            }
            ASSERT_EQ(table->horizontalHeader()->sortIndicatorSection(), sorted.column);
            ASSERT_EQ(table->horizontalHeader()->sortIndicatorOrder(), order);
            QStringList texts = Column(table, sorted.column);
            if (sorted.totals) {
                EXPECT_EQ(Column(table, 0).last(), "Gesamt");
                texts.removeLast();
            }
            for (int row = 1; row < texts.size(); ++row) {
                const int compared =
                    sorted.column == 0
                        ? QString::compare(texts[row - 1], texts[row], Qt::CaseInsensitive)
                        : (NumberOf(texts[row - 1]) < NumberOf(texts[row])
                               ? -1
                               : (NumberOf(texts[row - 1]) > NumberOf(texts[row]) ? 1 : 0));
                EXPECT_TRUE(order == Qt::AscendingOrder ? compared <= 0 : compared >= 0)
                    << texts[row - 1].toStdString() << " / " << texts[row].toStdString();
            }
        }
    }
}

TEST_F(StatisticsDialogTest, DoubleClickOnAShortageRowChangesNothing) {
    CopyDemo();
    const auto before = FilesOf(folder.Path());
    Open();
    ShowTab(1);
    auto* table = Find<QTableView>("shortageTable");
    const QStringList names = Column(table, 1);
    const QRect row = table->visualRect(table->model()->index(0, 1));
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
    QApplication::processEvents();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.get());
    EXPECT_EQ(Column(table, 1), names);
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

// Without parts, without shortages, without positions each tab says so; a
// stock without any price has a table but no chart.
TEST_F(StatisticsDialogTest, EmptyFiguresAreSaidInWords) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;
        QString stock;  // the words on "Bestand"; empty: a table is shown
        bool stockChart;
    };
    const Case cases[] = {
        {"no files", {}, "Es sind noch keine Kategorien angelegt.", false},
        {"no parts",
         {{"teile.dat", "[kategorie]\r\nk0=Dioden\r\n"}, {"k0.dat", "[teil]\r\nmax=-1\r\n"}},
         "In den Kategorien sind noch keine Teile erfasst.",
         false},
        {"no prices",
         {{"teile.dat", "[kategorie]\r\nk0=Dioden\r\n"},
          {"k0.dat", "[teil]\r\nt0=1N4148;;;;;;;;0,00;;;A1;50;0\r\n"}},
         "",
         false},
    };
    for (const Case& empty : cases) {
        SCOPED_TRACE(empty.what);
        TempFolder data;
        for (const auto& [name, bytes] : empty.files) {
            data.Write(name, bytes);
        }
        const auto before = FilesOf(data.Path());
        Open(data.Path());
        if (empty.stock.isEmpty()) {
            EXPECT_NE(Find<QTableView>("stockTable"), nullptr);
            ASSERT_NE(Find<QLabel>("stockChartEmpty"), nullptr);
            EXPECT_TRUE(
                Find<QLabel>("stockChartEmpty")->text().startsWith("Der Bestand hat keinen Wert"));
        } else {
            ASSERT_NE(Find<QLabel>("stockEmpty"), nullptr);
            EXPECT_EQ(Find<QLabel>("stockEmpty")->text(), empty.stock);
        }
        EXPECT_EQ(Find<QLabel>("shortageEmpty")->text(),
                  "Kein Teil liegt auf oder unter seinem Soll-Bestand.");
        EXPECT_EQ(Find<QLabel>("orderEmpty")->text(),
                  "In den Bestellungen stehen keine Positionen.");
        EXPECT_TRUE(dialog->findChildren<QChartView*>().isEmpty());
        for (int tab = 0; tab < 3; ++tab) {
            ShowTab(tab);
            EXPECT_FALSE(Find<QPushButton>("imageButton")->isEnabled()) << tab;
            EXPECT_EQ(Find<QPushButton>("csvButton")->isEnabled(),
                      tab == 0 && empty.stock.isEmpty())
                << tab;
        }
        dialog.reset();
        EXPECT_EQ(FilesOf(data.Path()), before);
    }
}

TEST_F(StatisticsDialogTest, ExportsWriteTheShownTableAndChart) {
    CopyDemo();
    const auto before = FilesOf(folder.Path());
    Open();
    auto* stock = Find<QTableView>("stockTable");
    ClickHeader(stock, 3);
    ClickHeader(stock, 3);  // Bestandswert, largest first

    answer = QString::fromStdString(exports.File("bestand"));  // ".csv" is added
    Click("csvButton");
    EXPECT_EQ(captions, QStringList{"Als CSV speichern"});
    EXPECT_EQ(Status(), "Gespeichert: " + answer + ".csv");
    const std::string csv = exports.Read("bestand.csv");
    const std::string head =
        "\"Kategorie\";\"Teile\";\"St\xFC"
        "ck\";\"Bestandswert\";\"ohne Preis\";"
        "\"auf/unter Soll\";\"Kosten bis Soll\"\r\n"
        "\"Widerst\xE4nde\";\"9\";\"469\";\"33,57\";\"0\";\"2\";\"0,90\"\r\n"
        "\"Kondensatoren\";\"8\";\"406\";\"27,98\";\"0\";\"2\";\"0,55\"\r\n";
    EXPECT_EQ(csv.substr(0, head.size()), head);
    EXPECT_TRUE(csv.ends_with("\"Gesamt\";\"62\";\"1662\";\"158,87\";\"0\";\"14\";\"2,67\"\r\n"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 11);

    ShowTab(2);
    answer = QString::fromStdString(exports.File("bestellungen.png"));
    Click("imageButton");
    EXPECT_EQ(captions.last(), "Als Bild speichern");
    EXPECT_EQ(Status(), "Gespeichert: " + answer);
    EXPECT_TRUE(exports.Read("bestellungen.png").starts_with("\x89PNG\r\n"));
    QImage image;
    ASSERT_TRUE(image.load(answer, "PNG"));
    EXPECT_EQ(image.size(), Find<QChartView>("orderChart")->size() *
                                Find<QChartView>("orderChart")->devicePixelRatio());
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

// A write that fails or would replace a data file is reported in the dialog;
// no file anywhere changes, and cancelling the file dialog does nothing.
TEST_F(StatisticsDialogTest, AFailedExportIsReportedAndChangesNothing) {
    CopyDemo();
    exports.Write("alt.csv", "alter Inhalt");
    const auto before = FilesOf(folder.Path());
    const auto exportsBefore = FilesOf(exports.Path());
    Open();
    struct Case {
        std::string path;
        QString status;  // the beginning of the report
    };
    const Case cases[] = {
        {exports.File("fehlt/bestand.csv"), "Fehler: Die Datei konnte nicht gespeichert werden: "},
        {folder.File("teile.dat"),
         QString::fromUtf8("Fehler: Eine Datei der Datenbank wird nicht überschrieben: ")},
        {folder.File("k901.dat"),
         QString::fromUtf8("Fehler: Eine Datei der Datenbank wird nicht überschrieben: ")},
    };
    for (const Case& failed : cases) {
        SCOPED_TRACE(failed.path);
        answer = QString::fromStdString(failed.path);
        Click("csvButton");
        EXPECT_EQ(Status(), failed.status + answer);
    }
    answer.clear();
    Click("csvButton");
    EXPECT_EQ(Status(), cases[2].status + QString::fromStdString(cases[2].path));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(FilesOf(folder.Path()), before);
    EXPECT_EQ(FilesOf(exports.Path()), exportsBefore);
}

TEST_F(StatisticsDialogTest, TheLargestDatabaseOpens) {
    const TemporaryDatabase database;
    Open(database.Folder());
    EXPECT_EQ(Find<QTableView>("stockTable")->model()->rowCount(), 51);
    EXPECT_EQ(Find<QTableView>("shortageTable")->model()->rowCount(), 5000);
    EXPECT_EQ(Find<QTableView>("orderTable")->model()->rowCount(), 4);
}

// The real library, loaded as teile loads it: it reads the data beside itself,
// shows a modal dialog over the window it is given (or none) and returns once
// the dialog is closed.
TEST_F(StatisticsDialogTest, TheLibraryShowsTheDataBesideItOverTheGivenWindow) {
    CopyDemo();
    fs::copy_file(std::string(SUITE_PROGRAM_DIR) + kStatisticsLibrary,
                  folder.File(kStatisticsLibrary));
    const auto before = FilesOf(folder.Path());
    void* library = dlopen(folder.File(kStatisticsLibrary).c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto show = reinterpret_cast<StatisticsFunction>(dlsym(library, kStatisticsFunction));
    ASSERT_NE(show, nullptr);

    QWidget window;
    window.show();
    for (QWidget* parent : {&window, static_cast<QWidget*>(nullptr)}) {
        QString title;
        QWidget* shownParent = &window;
        bool modal = false;
        QString summary;
        QTimer::singleShot(0, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            title = shown->windowTitle();
            shownParent = shown->parentWidget();
            modal = shown->isModal();
            summary = shown->findChild<QLabel*>("summary")->text();
            shown->close();
        });
        EXPECT_EQ(show(parent), 0);
        EXPECT_EQ(title, " Statistik");
        EXPECT_EQ(shownParent, parent);
        EXPECT_TRUE(modal);
        EXPECT_TRUE(summary.startsWith("62 Teil(e) in 9 Kategorie(n)")) << summary.toStdString();
    }
    dlclose(library);
    EXPECT_EQ(FilesOf(folder.Path()), before);
}

}  // namespace
