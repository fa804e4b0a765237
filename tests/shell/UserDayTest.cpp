// A user's whole day with the real main window on a copy of the demo
// database: a new category, a part with a picture, its stock changed, copied,
// moved, ordered, booked in, found and deleted; then the data files read back
// through the store and the CSV export of the same folder.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "CategoryTreeView.h"
#include "ConsoleText.h"
#include "DataFiles.h"
#include "DatabaseExport.h"
#include "DialogFrame.h"
#include "DialogInput.h"
#include "IniStore.h"
#include "MainWindow.h"
#include "PartListModel.h"
#include "PartPicture.h"
#include "ShellTestSupport.h"
#include "lists/ListScan.h"

namespace {

constexpr int kNewCategory = 9;  // the demo uses 0-8
constexpr int kDiodes = 2;
constexpr int kMovedSlot = 6;  // the demo's "Dioden" fill slots 0-5
const QColor kPictureColour(200, 40, 30);

// The part as the editor saves it first, cp1252 as stored.
const std::string kName = "Feinsicherung 1A tr\xE4ge";
std::string PartRecordWith(const std::string& price1, int stock) {
    return kName + ";Glasrohr 5x20, 250V;250V / 1A;5x20 mm;k.A.;BH-F1AT;k.A.;k.A.;" + price1 +
           ";0,00;0,00;Schrank C / Fach 3;" + std::to_string(stock) + ";10";
}

class UserDayTest : public ShellTest {
protected:
    void SetUp() override {
        CopyDemo();
        // A picture in the program folder, its name beyond ASCII.
        std::filesystem::create_directories(folder.File("bilder"));
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(kPictureColour);
        ASSERT_TRUE(picture.save(QString::fromStdString(PicturePath()), "BMP"));
        Start();
    }

    std::string PicturePath() const { return folder.File("bilder/Sicherung-tr\xC3\xA4ge.bmp"); }
    template <typename T = QLineEdit>
    T* Find(const char* name) {
        T* widget = OpenDialog() ? OpenDialog()->findChild<T*>(name) : nullptr;
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    void Type(const char* name, const QString& text) { TypeInto(Find(name), text); }
    // The dialog that `open` starts, once it has the keyboard.
    void OpenBy(const std::function<void()>& open) {
        open();
        ASSERT_NE(OpenDialog(), nullptr);
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == OpenDialog(); }));
    }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return OpenDialog() == nullptr && Window().isEnabled() &&
               WaitFor([&] { return QApplication::activeWindow() == &Window(); });
    }
    int Column(const QString& title) {
        const QStringList titles = HeaderTitles().replaceInStrings("*", "");
        EXPECT_TRUE(titles.contains(title)) << title.toStdString();
        return static_cast<int>(titles.indexOf(title));
    }
    int SlotOfRow(int row) {
        return List()->model()->index(row, 0).data(PartListModel::kItemDataRole).toInt();
    }
    int SelectedSlot() { return SelectedRow() < 0 ? -1 : SlotOfRow(SelectedRow()); }
    int RowOfSlot(int slot) {
        for (int row = 0; row < List()->model()->rowCount(); ++row) {
            if (SlotOfRow(row) == slot) {
                return row;
            }
        }
        return -1;
    }
    QString Cell(int row, const QString& title) { return ColumnTexts(Column(title)).value(row); }
    void DoubleClickRow(int row, Qt::MouseButton button) {
        const QRect place = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), button, {}, place.center());
        QTest::mouseDClick(List()->viewport(), button, {}, place.center());
    }
    std::shared_ptr<const IniDocument> File(const std::string& name) {
        return ReadIniFile(folder.File(name));
    }
    std::string Record(int list, int slot) {
        return File(ListFileName(list))->Value(kListGroup, SlotKey(slot));
    }
    std::string Picture(int category, int slot) {
        return File(std::string(kPictureFile))
            ->Value("bild0", PartReference{category, slot}.Text());
    }
    // Every line of a CSV file the export wrote, without its CR LF.
    std::vector<std::string> CsvLines(const std::string& name) {
        const std::string bytes = Read("csv/" + name);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << name << " ends without CR LF";
            lines.push_back(bytes.substr(start, end - start));
            start = end == std::string::npos ? bytes.size() : end + 2;
        }
        return lines;
    }
};

TEST_F(UserDayTest, FromANewCategoryToTheExportedFiles) {
    const QString name = QString::fromUtf8("Feinsicherung 1A träge");
    const std::string storedPicture = "$lopf$bilder/Sicherung-tr\xE4ge.bmp";
    const std::string demoOrders = Read("k901.dat");

    // 1. A new category through the menu and the category dialog.
    ASSERT_NO_FATAL_FAILURE(OpenBy([&] { MenuItem(Command::NewCategory)->trigger(); }));
    Type("categoryNameField", "Sicherungen");
    Click("saveButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(kNewCategory));
    EXPECT_EQ(Tree()->currentItem()->text(0), "Sicherungen");
    EXPECT_EQ(Stored("kategorie", "k9"), "Sicherungen");
    EXPECT_EQ(CategoryCountText(), "10 Kategorie(n)");
    EXPECT_EQ(List()->model()->rowCount(), 0);

    // 2. A new part with its fields, its stock, its target and a picture.
    ASSERT_NO_FATAL_FAILURE(OpenBy([&] { MenuItem(Command::NewPart)->trigger(); }));
    EXPECT_EQ(OpenDialog()->windowTitle(), " Teil anlegen");
    Type("partNameField", name);
    Type("remarkField", "Glasrohr 5x20; 250V");
    TypeInto(Find<QComboBox>("rangeBox")->lineEdit(), "250V / 1A");
    TypeInto(Find<QComboBox>("packageBox")->lineEdit(), "5x20 mm");
    Type("orderNumberField1", "BH-F1AT");
    Type("priceField1", "0,25");
    Type("storagePlaceField", "Schrank C / Fach 3");
    Type("targetStockField", "10");
    Type("quantityField", "12");
    Click("addStockButton");
    EXPECT_EQ(Find("stockField")->text(), "12");
    QTabBar* tabs = Find<QTabWidget>("partTabs")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    FileDialogSeen seen;
    ChooseInFileDialog(seen, PicturePath());
    Click("pictureChooseButton1");
    EXPECT_EQ(seen.title, QString::fromUtf8("Bild auswählen"));
    const QImage preview = Find<QLabel>("picturePreview1")->pixmap().toImage();
    EXPECT_NE(preview, EmptyPartPicture());
    EXPECT_EQ(preview.pixelColor(preview.rect().center()), kPictureColour);
    Click("saveButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Record(kNewCategory, 0), PartRecordWith("0,25", 12));
    EXPECT_EQ(Picture(kNewCategory, 0), storedPicture);
    ASSERT_EQ(List()->model()->rowCount(), 1);
    EXPECT_EQ(SelectedSlot(), 0);
    EXPECT_EQ(Cell(0, "Bezeichnung"), name);
    EXPECT_EQ(Cell(0, "Menge"), "12");
    EXPECT_EQ(Cell(0, "Soll"), "10");

    // 3. Three pieces taken out of stock in the editor.
    DoubleClickRow(0, Qt::LeftButton);
    ASSERT_NE(OpenDialog(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == OpenDialog(); }));
    EXPECT_EQ(OpenDialog()->windowTitle(), " Teil bearbeiten");
    Type("quantityField", "3");
    Click("removeStockButton");
    EXPECT_EQ(Find("stockField")->text(), "9");
    Click("saveButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Record(kNewCategory, 0), PartRecordWith("0,25", 9));
    EXPECT_EQ(Cell(0, "Menge"), "9");

    // 4. Copy. Pasting into the part's own category writes nothing and
    // forgets the part, so the copy is made with "Neu aus Kopie", which asks
    // about the name and the storage place it shares with the original.
    const std::string beforePaste = Read("k9.dat") + Read("bilder.dat");
    MenuItem(Command::CopyPart)->trigger();
    EXPECT_TRUE(Enabled(Command::PastePart));
    MenuItem(Command::PastePart)->trigger();
    EXPECT_EQ(Read("k9.dat") + Read("bilder.dat"), beforePaste);
    EXPECT_FALSE(Enabled(Command::PastePart));
    EXPECT_EQ(List()->model()->rowCount(), 1);
    ASSERT_NO_FATAL_FAILURE(OpenBy([&] { MenuItem(Command::NewPartFromCopy)->trigger(); }));
    EXPECT_EQ(OpenDialog()->windowTitle(), " Teil anlegen (aus Kopie)");
    boxes.Answer("Ja");
    boxes.Answer("Ja");
    Click("saveButton");
    ASSERT_TRUE(Closed());
    EXPECT_TRUE(boxes.AllAnswered());
    EXPECT_EQ(Record(kNewCategory, 1), PartRecordWith("0,25", 9));
    EXPECT_EQ(Picture(kNewCategory, 1), storedPicture);
    ASSERT_EQ(List()->model()->rowCount(), 2);
    EXPECT_EQ(SelectedSlot(), 1);
    EXPECT_EQ(ColumnTexts(Column("Bezeichnung")), (QStringList{name, name}));
    EXPECT_EQ(ColumnTexts(Column("Menge")), (QStringList{"9", "9"}));
    EXPECT_EQ(ColumnTexts(Column("Soll")), (QStringList{"10", "10"}));

    // 5. The original cut and pasted into "Dioden".
    ClickRow(RowOfSlot(0));
    ASSERT_EQ(SelectedSlot(), 0);
    MenuItem(Command::CutPart)->trigger();
    ClickTreeEntry("Dioden");
    ASSERT_EQ(List()->model()->rowCount(), 6);
    QTest::mouseClick(ToolButton(Command::PastePart), Qt::LeftButton);
    ASSERT_EQ(List()->model()->rowCount(), 7);
    EXPECT_EQ(SelectedSlot(), kMovedSlot);
    EXPECT_EQ(Cell(SelectedRow(), "Bezeichnung"), name);
    EXPECT_EQ(Cell(SelectedRow(), "Menge"), "9");
    EXPECT_EQ(Record(kDiodes, kMovedSlot), PartRecordWith("0,25", 9));
    EXPECT_EQ(Picture(kDiodes, kMovedSlot), storedPicture);
    EXPECT_EQ(Record(kNewCategory, 0), "");
    EXPECT_EQ(Picture(kNewCategory, 0), "");

    // 6. Ordered from the first supplier; 9 in stock for 10 proposes 2.
    ASSERT_NO_FATAL_FAILURE(OpenBy([&] { MenuItem(Command::OrderPart)->trigger(); }));
    EXPECT_EQ(OpenDialog()->windowTitle(), " Teil bestellen");
    EXPECT_EQ(Find("orderQuantityField")->text(), "2");
    QTest::mouseClick(Find<QRadioButton>("supplierOption1"), Qt::LeftButton);
    Type("orderQuantityField", "25");
    boxes.Answer("OK");
    Click("orderButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Record(901, 5), "k2t6;25;0");

    // 7. Booked in from the order list at a new price.
    ClickTreeEntry("Bauteilhaus");
    ASSERT_EQ(List()->model()->rowCount(), 7);  // five positions of the demo, ours, the sum
    const int position = static_cast<int>(ColumnTexts(2).indexOf(name));
    ASSERT_GE(position, 0);
    EXPECT_EQ(Cell(position, "Menge"), "25");
    DoubleClickRow(position, Qt::RightButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->windowTitle(), " Bestellposition");
    EXPECT_EQ(Find("bookQuantityField")->text(), "25");
    EXPECT_EQ(Find("newPriceField")->text(), "0,25");
    Type("newPriceField", "0,22");
    Click("bookInButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Record(kDiodes, kMovedSlot), PartRecordWith("0,22", 34));
    EXPECT_EQ(Record(901, 5), "");
    EXPECT_EQ(List()->model()->rowCount(), 6);
    EXPECT_FALSE(ColumnTexts(2).contains(name));

    // 8. Found by a word of its name, starting from the category of the copy:
    // its only row counts as visited, so the walk goes on to "Dioden".
    ClickTreeEntry("Sicherungen");
    ASSERT_NO_FATAL_FAILURE(OpenBy([&] { MenuItem(Command::Search)->trigger(); }));
    Type("searchTextField", QString::fromUtf8("TRÄGE"));
    Click("searchButton");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(kDiodes));
    EXPECT_EQ(SelectedSlot(), kMovedSlot);
    Click("cancelButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Cell(SelectedRow(), "Menge"), "34");

    // 9. Deleted: refused while there is stock, so the stock goes first.
    EXPECT_FALSE(Enabled(Command::DeletePart));
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(Record(kDiodes, kMovedSlot), PartRecordWith("0,22", 34));
    QTest::keyClick(List(), Qt::Key_Return);
    ASSERT_NE(OpenDialog(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == OpenDialog(); }));
    Type("quantityField", "34");
    Click("removeStockButton");
    Click("saveButton");
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Record(kDiodes, kMovedSlot), PartRecordWith("0,22", 0));
    EXPECT_TRUE(Enabled(Command::DeletePart));
    boxes.Answer("Ja");
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_TRUE(boxes.AllAnswered());
    EXPECT_EQ(List()->model()->rowCount(), 6);
    EXPECT_FALSE(ColumnTexts(Column("Bezeichnung")).contains(name));

    // Every question and notice of the day, in order.
    QStringList texts;
    for (const MessageBoxes::Seen& box : boxes.seen) {
        texts.append(box.text);
    }
    EXPECT_EQ(texts,
              (QStringList{"Teil bereits vorhanden ! Trotzdem anlegen ?     ",
                           QString::fromUtf8(
                               "Dieser Lagerort ist bereits belegt. Trotzdem so übernehmen ?     "),
                           QString::fromUtf8("Teil wurde der Bestellung hinzugefügt !     "),
                           QString::fromUtf8("Teil aus der Liste löschen ?     ")}));

    // The files as the store reads them.
    ForgetIniSnapshots();
    EXPECT_EQ(File("teile.dat")->Value(kCategoryGroup, CategoryNameKey(kNewCategory)),
              "Sicherungen");
    const auto sicherungen = File("k9.dat");
    EXPECT_EQ(OccupiedSlots(*sicherungen), std::vector<int>{1});
    EXPECT_EQ(sicherungen->Value(kListGroup, SlotKey(1)), PartRecordWith("0,25", 9));
    EXPECT_EQ(Picture(kNewCategory, 1), storedPicture);
    EXPECT_EQ(Picture(kNewCategory, 0), "");
    const auto diodes = File("k2.dat");
    const auto demoDiodes = ReadIniFile(std::string(DEMO_DATA_DIR) + "k2.dat");
    EXPECT_EQ(OccupiedSlots(*diodes), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (int slot = 0; slot <= 5; ++slot) {
        EXPECT_EQ(diodes->Value(kListGroup, SlotKey(slot)),
                  demoDiodes->Value(kListGroup, SlotKey(slot)))
            << slot;
    }
    EXPECT_EQ(Picture(kDiodes, kMovedSlot), "");
    EXPECT_EQ(File("datenblaetter.dat")->Value("datenblatt", "k2t6"), "");
    // The order list is the demo's again: the booked position is gone.
    EXPECT_EQ(OccupiedSlots(*File("k901.dat")), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(PositionsNaming(*File("k901.dat"), {kDiodes, kMovedSlot}).empty());
    for (int slot = 0; slot <= 4; ++slot) {
        EXPECT_EQ(Record(901, slot),
                  IniDocument::Parse(demoOrders).Value(kListGroup, SlotKey(slot)))
            << slot;
    }

    // The CSV export of the same folder.
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    Console console(out, false, ConsoleEncoding::ForCodeset("UTF-8"));
    ExportDatabase(folder.Path(), console);
    std::rewind(out);
    std::string shown;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, out)) > 0;) {
        shown.append(buffer, read);
    }
    std::fclose(out);
    EXPECT_NE(shown.find("Bearbeite Kategorie: Sicherungen...Fertig!\n"), std::string::npos)
        << shown;
    EXPECT_NE(shown.find("Vorgang abgeschlossen!"), std::string::npos) << shown;

    const std::vector<std::string> fuses = CsvLines("SICHERUNGEN.csv");
    ASSERT_EQ(fuses.size(), 2u);
    EXPECT_EQ(fuses[0].substr(0, 15), "\"Bezeichnung\"\t\"");
    EXPECT_EQ(fuses[1], "\"" + kName +
                            "\"\t\"Glasrohr 5x20, 250V\"\t\"250V / 1A\"\t\"5x20 mm\"\t\"k.A.\"\t"
                            "\"BH-F1AT\"\t\"k.A.\"\t\"k.A.\"\t\"0,25\"\t\"0,00\"\t\"0,00\"\t"
                            "\"9\"\t\"10\"\t\"Schrank C / Fach 3\"\t\"k.A.\"\t\"k.A.\"\t\"" +
                            storedPicture + "\"\t\"\"");
    const std::vector<std::string> diodeLines = CsvLines("DIODEN.csv");
    EXPECT_EQ(diodeLines.size(), 7u);  // the header and the demo's six
    for (const std::string& line : diodeLines) {
        EXPECT_EQ(line.find("Feinsicherung"), std::string::npos) << line;
    }
}

}  // namespace
