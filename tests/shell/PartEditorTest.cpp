// The part editor as a user drives it from the main window: opened by the
// commands "Neu", "Neu aus Kopie" and "Bearbeiten", filled from real data
// files, saved through SavePart with its questions, and the pictures and
// datasheets of its tab "Dokumente".

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "DesktopLauncher.h"
#include "DialogInput.h"
#include "IniStore.h"
#include "MainWindow.h"
#include "PartEditorDialog.h"
#include "PartPicture.h"
#include "ShellTestSupport.h"

namespace {

const QColor kBlue(20, 60, 200);
const QColor kOrange(255, 204, 119);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

bool IsBlue(QColor c) {
    return std::abs(c.red() - kBlue.red()) <= 12 && std::abs(c.green() - kBlue.green()) <= 12 &&
           std::abs(c.blue() - kBlue.blue()) <= 12;
}

void WriteJpeg(const std::string& path, int width, int height) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kBlue);
    QImageWriter writer(QString::fromStdString(path), "jpg");
    writer.setQuality(100);
    ASSERT_TRUE(writer.write(picture)) << path;
}

class PartEditor : public ShellTest {
protected:
    void SetUp() override {
        Write("teile.dat",
              "[kategorie]\r\nk0=Transistoren\r\nk1=Relais\r\nk901=Reichelt\r\nk902=Conrad\r\n"
              "[spalte]\r\ns1=1;110;0\r\n");
        Write("k0.dat",
              "[teil]\r\nmax=2\r\n"
              "t0=BC547;NPN;frei;TO-92;5%;R-BC547;;k.A.;0,05;;0,07;B-2;5;5\r\n"
              "t1=BC557;PNP;45V;TO-92;k.A.;;;;0,06;0,06;0,06;A10;0;0\r\n"
              "t2=BD139;NPN Leistung;80V;TO-126;k.A.;;;;0,30;0,30;0,30;A11;12;0\r\n");
        Write("k1.dat", "[teil]\r\nt0=Reed;;;;;;;;;;;A-1;1;0\r\n");
        Write("bilder.dat",
              "[bild0]\r\nk0t0=$LOPF$bilder\\bc547.jpg\r\n[bild1]\r\nk0t0=$lopf$fehlt.jpg\r\n");
        Write("datenblaetter.dat", "[datenblatt]\r\nk0t0=$LOPF$daten\\bc547.pdf\r\n");
        WriteJpeg(folder.File("bilder/bc547.jpg"), 100, 50);
        saved = Desktop();
        Desktop().open = [this](const QUrl& url) {
            opened.append(url);
            return openSucceeds;
        };
        Desktop().beep = [this] { ++beeps; };
        Start();
        ClickTreeEntry("Transistoren");
    }
    void TearDown() override {
        Desktop() = saved;
        ShellTest::TearDown();
    }

    PartEditorDialog* Editor() { return qobject_cast<PartEditorDialog*>(OpenDialog()); }
    // A command that opens the editor, which then takes the keyboard.
    void Run(Command command) {
        program->Dispatcher().Dispatch(command);
        ASSERT_NE(Editor(), nullptr);
        ASSERT_TRUE(Active(Editor()));
    }
    // The main window has the keyboard again.
    void WaitForMainWindow() { ASSERT_TRUE(Active(&Window())); }
    // The widgets' own idea of the active window, which keys and shortcuts
    // follow; the platform window is active a little earlier.
    static bool Active(QWidget* window) {
        return WaitFor([window] { return QApplication::activeWindow() == window; });
    }
    template <typename T = QLineEdit>
    T* Get(const char* name) {
        T* widget = OpenDialog()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString Text(const char* name) { return Get(name)->text(); }
    QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    void Click(const char* name) { QTest::mouseClick(Get<QPushButton>(name), Qt::LeftButton); }
    // Replaces the field's text key by key, as typed.
    void Retype(const char* name, const QString& text) {
        QLineEdit* field = Get(name);
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        for (const QChar letter : text) {
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(letter), {});
            QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(letter), {});
        }
    }
    void ShowTab(int index) { Editor()->Tabs()->setCurrentIndex(index); }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return OpenDialog() == nullptr && Window().isEnabled();
    }
    QImage Preview(int picture) {
        const QString name = QString("picturePreview%1").arg(picture);
        return OpenDialog()->findChild<QLabel*>(name)->pixmap().toImage();
    }
    std::string Record(int slot) {
        return ReadIniValue("teil", "t" + std::to_string(slot), folder.File("k0.dat"));
    }
    std::string Side(const char* file, const char* group, const char* reference) {
        return ReadIniValue(group, reference, folder.File(file));
    }
    void EditRow(int row, bool documents = false) {
        ClickRow(row);
        const QRect place = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseDClick(List()->viewport(), documents ? Qt::RightButton : Qt::LeftButton, {},
                           place.center());
        ASSERT_NE(Editor(), nullptr);
        ASSERT_TRUE(Active(Editor()));
    }
    bool StockMarked() {
        const QLabel* label = Get<QLabel>("stockLabel");
        const bool red = label->palette().color(QPalette::WindowText) == kRed;
        EXPECT_EQ(red, label->font().bold());
        return red;
    }

    DesktopLauncher saved;
    QList<QUrl> opened;
    bool openSucceeds = true;
    int beeps = 0;
};

TEST_F(PartEditor, OpensFromMenuToolbarEnterKeyAndDoubleClicks) {
    const std::string before = Read("k0.dat");
    MenuItem(Command::NewPart)->trigger();
    ASSERT_NE(Editor(), nullptr);
    ASSERT_TRUE(Active(Editor()));
    EXPECT_EQ(Editor()->windowTitle(), " Teil anlegen");
    EXPECT_EQ(Editor()->size(), QSize(380, 370));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 0);
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "partNameField"; }));
    const QStringList fresh = {Text("partNameField"),
                               Text("remarkField"),
                               Get<QComboBox>("rangeBox")->currentText(),
                               Text("orderNumberField1"),
                               Text("priceField3"),
                               Text("storagePlaceField"),
                               Text("stockField"),
                               Text("targetStockField"),
                               Text("quantityField"),
                               Text("datasheetField1"),
                               Text("datasheetField2")};
    EXPECT_EQ(fresh, (QStringList{"", "keine", "k.A.", "k.A.", "0,00", "k.A.", "0", "0", "1",
                                  "k.A.", "k.A."}));
    EXPECT_EQ(Preview(1), EmptyPartPicture());
    EXPECT_EQ(Preview(2), EmptyPartPicture());
    // The suppliers' short names in the captions; the category's values offered.
    QStringList captions;
    for (const QLabel* label : Editor()->findChildren<QLabel*>()) {
        captions.append(label->toolTip().isEmpty() ? label->text() : label->toolTip());
    }
    EXPECT_TRUE(captions.contains("Bestell-Nr.(Reichelt):"));
    EXPECT_TRUE(captions.contains("Preis (Conrad):"));
    EXPECT_TRUE(captions.contains("Bestell-Nr.(Lieferant 3):"));
    QComboBox* range = Get<QComboBox>("rangeBox");
    QStringList ranges;
    for (int i = 0; i < range->count(); ++i) {
        ranges.append(range->itemText(i));
    }
    EXPECT_EQ(ranges, (QStringList{"45V", "80V", "frei"}));

    Click("cancelButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Read("k0.dat"), before);

    // Toolbar: a copy of the selected row.
    ClickRow(1);
    QTest::mouseClick(ToolButton(Command::NewPartFromCopy), Qt::LeftButton);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->windowTitle(), " Teil anlegen (aus Kopie)");
    EXPECT_EQ(Text("partNameField"), "BC557");
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "partNameField"; }));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_TRUE(Closed());

    // Enter on the list edits the selected part, with the focus on "Abbrechen".
    WaitForMainWindow();
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->windowTitle(), " Teil bearbeiten");
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 0);
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "cancelButton"; }));
    Click("cancelButton");
    EXPECT_TRUE(Closed());

    // Double clicks: right starts on "Dokumente", left on "Allgemein".
    EditRow(2, true);
    EXPECT_EQ(Text("partNameField"), "BD139");
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 1);
    Click("cancelButton");
    EXPECT_TRUE(Closed());
    EditRow(0);
    EXPECT_EQ(Text("partNameField"), "BC547");
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 0);
    Click("cancelButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Read("k0.dat"), before);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(PartEditor, EditShowsTheStoredPartAndSavesItBack) {
    EditRow(0);
    // "frei" shows as "k.A.", an empty price as "0,00".
    EXPECT_EQ(Get<QComboBox>("rangeBox")->currentText(), "k.A.");
    EXPECT_EQ(Text("priceField2"), "0,00");
    EXPECT_EQ(Text("orderNumberField2"), "");
    EXPECT_EQ(Text("storagePlaceField"), "B-2");
    EXPECT_TRUE(StockMarked());  // 5 of 5
    // "$LOPF$" in capitals is the program folder; a Windows path's
    // backslashes below it are separators.
    EXPECT_EQ(Text("datasheetField1").toStdString(), folder.File("daten/bc547.pdf"));
    EXPECT_EQ(Text("datasheetField2"), "");
    const QImage picture = Preview(1);
    EXPECT_NE(picture, EmptyPartPicture());
    EXPECT_TRUE(IsBlue(picture.pixelColor(84, 84)));
    EXPECT_EQ(picture.pixelColor(84, 10), kWhite);
    EXPECT_EQ(Preview(2), EmptyPartPicture());  // the file is missing

    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(boxes.seen.empty());  // its own name and place ask nothing
    EXPECT_EQ(Record(0), "BC547;NPN;k.A.;TO-92;5%;R-BC547;;k.A.;0,05;0,00;0,07;B-2;5;5");
    // Left alone, a path keeps its stored spelling.
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt", "k0t0"), "$LOPF$daten\\bc547.pdf");
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt2", "k0t0"), "");
    EXPECT_EQ(Side("bilder.dat", "bild0", "k0t0"), "$LOPF$bilder\\bc547.jpg");
    EXPECT_EQ(Side("bilder.dat", "bild1", "k0t0"), "$lopf$fehlt.jpg");
    EXPECT_EQ(ColumnTexts(0).value(SelectedRow()), "BC547");
    EXPECT_FALSE(Enabled(Command::DeletePart));  // stock 5
}

TEST_F(PartEditor, NameIsSavedWithoutSemicolonsAndABlankNameIsRefused) {
    Run(Command::NewPart);
    Retype("partNameField", "   ");
    // From the other tab the editor comes back to the name.
    ShowTab(1);
    QTest::keyClick(Editor(), Qt::Key_F12);
    ASSERT_TRUE(ShowedBoxes(
        boxes, {{"Info", "Bezeichnung darf nicht leer sein !     ", QMessageBox::Information}}));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 0);
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "partNameField"; }));
    EXPECT_EQ(Record(3), "");

    Retype("partNameField", " A;B ");
    Retype("remarkField", "x;y");
    // Enter in a field saves nothing; on the focused "Speichern" it saves.
    QTest::keyClick(Get("remarkField"), Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Record(3), "");
    Get<QPushButton>("saveButton")->setFocus();
    QTest::keyClick(Get<QPushButton>("saveButton"), Qt::Key_Return);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(3), "A,B;x,y;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;0,00;0,00;0,00;k.A.;0;0");
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt", "k0t3"), "k.A.");
    EXPECT_EQ(Side("bilder.dat", "bild0", "k0t3"), "");
    EXPECT_EQ(ColumnTexts(0).value(SelectedRow()), "A,B");
    EXPECT_TRUE(Enabled(Command::DeletePart));
}

TEST_F(PartEditor, PriceFieldsFilterConvertAndHoldBackTheSave) {
    Run(Command::NewPart);
    Retype("partNameField", "R1");
    Retype("priceField1", "12.50");
    EXPECT_EQ(Text("priceField1"), "1250");

    Retype("priceField2", "1,2,3");
    EXPECT_EQ(Get("priceField2")->palette().color(QPalette::Base), kOrange);
    EXPECT_FALSE(Editor()->SaveButton()->isEnabled());
    QTest::keyClick(Editor(), Qt::Key_F12);
    EXPECT_NE(Editor(), nullptr);
    EXPECT_EQ(Record(3), "");
    QTest::keyClick(Get("priceField2"), Qt::Key_Backspace);
    EXPECT_FALSE(Editor()->SaveButton()->isEnabled());  // "1,2," still has two
    QTest::keyClick(Get("priceField2"), Qt::Key_Backspace);
    EXPECT_EQ(Get("priceField2")->palette().color(QPalette::Base), kWhite);
    EXPECT_TRUE(Editor()->SaveButton()->isEnabled());

    // Ctrl+N and Ctrl+B on the editor act on the focused price field.
    Get("priceField3")->setFocus();
    QTest::keyClick(Editor(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Text("priceField3"), "0,00");
    Retype("priceField3", "1");
    QTest::keyClick(Editor(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Text("priceField3"), "1,19");

    QTest::keyClick(Editor(), Qt::Key_F12);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(3), "R1;keine;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;1250;1,2;1,19;k.A.;0;0");
}

TEST_F(PartEditor, StockButtonsAndTheMarkOfIstBestand) {
    // Target 0: never marked, and "-" stops at 0.
    EditRow(2);
    EXPECT_FALSE(StockMarked());
    Retype("quantityField", "20");
    Click("removeStockButton");
    EXPECT_EQ(Text("stockField"), "0");
    EXPECT_FALSE(StockMarked());
    Click("addStockButton");
    Click("addStockButton");  // the quantity stays for the next click
    EXPECT_EQ(Text("stockField"), "40");
    EXPECT_FALSE(StockMarked());
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(2), "BD139;NPN Leistung;80V;TO-126;k.A.;;;;0,30;0,30;0,30;A11;40;0");

    // Stock 5 of 5 opens marked; the buttons move the mark one way each.
    EditRow(0);
    EXPECT_TRUE(StockMarked());
    Click("addStockButton");
    EXPECT_EQ(Text("stockField"), "6");
    EXPECT_FALSE(StockMarked());
    Click("removeStockButton");
    EXPECT_TRUE(StockMarked());
    // Typing a target applies the whole rule.
    Retype("targetStockField", "3");
    EXPECT_FALSE(StockMarked());
    Retype("targetStockField", "0");
    EXPECT_FALSE(StockMarked());
    Click("removeStockButton");
    EXPECT_FALSE(StockMarked());
    Click("cancelButton");
    EXPECT_TRUE(Closed());

    // A copy opens unmarked; "+" never marks, even at or below the target.
    ClickRow(0);
    Run(Command::NewPartFromCopy);
    EXPECT_FALSE(StockMarked());
    Retype("quantityField", "3");
    Click("removeStockButton");
    EXPECT_EQ(Text("stockField"), "2");
    EXPECT_TRUE(StockMarked());
    Click("cancelButton");
    EXPECT_TRUE(Closed());
}

TEST_F(PartEditor, SaveChecksComeInOrderWithTheirQuestionsAndFocus) {
    Run(Command::NewPart);
    Retype("partNameField", "bc547");
    Retype("storagePlaceField", "b 2");  // the place of "B-2"
    boxes.Answer("Nein");
    Click("saveButton");
    ASSERT_TRUE(ShowedBoxes(boxes, {{"Warnung !",
                                     "Teil bereits vorhanden ! Trotzdem anlegen ?     ",
                                     QMessageBox::Warning,
                                     {},
                                     "Nein"}}));
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "partNameField"; }));

    boxes.Answer("Ja");
    boxes.Answer("Nein");
    ShowTab(1);
    QTest::keyClick(Editor(), Qt::Key_F12);
    ASSERT_EQ(boxes.seen.size(), 3u);
    EXPECT_EQ(
        boxes.seen[2].text,
        QString::fromUtf8("Dieser Lagerort ist bereits belegt. Trotzdem so übernehmen ?     "));
    EXPECT_EQ(boxes.seen[2].defaultButton, "Nein");
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 0);
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "storagePlaceField"; }));
    EXPECT_EQ(Record(3), "");

    // "A1" is in "A10" and "A11".
    Retype("storagePlaceField", "A1");
    boxes.Answer("Ja");
    boxes.Answer("Ja");
    Click("saveButton");
    ASSERT_EQ(boxes.seen.size(), 5u);
    EXPECT_EQ(boxes.seen[4].text,
              QString::fromUtf8(
                  "Dieser Lagerort ist bereits mehrfach belegt. Trotzdem so übernehmen ?     "));
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(3), "bc547;keine;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;0,00;0,00;0,00;A1;0;0");

    // "A-1" and "a1" are one place; "k.A." is never checked.
    WaitForMainWindow();
    ClickTreeEntry("Relais");
    Run(Command::NewPart);
    Retype("partNameField", "Reed 2");
    Retype("storagePlaceField", "a1");
    boxes.Answer("Nein");
    Click("saveButton");
    ASSERT_EQ(boxes.seen.size(), 6u);
    EXPECT_EQ(
        boxes.seen[5].text,
        QString::fromUtf8("Dieser Lagerort ist bereits belegt. Trotzdem so übernehmen ?     "));
    Retype("storagePlaceField", "k.A.");
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(boxes.seen.size(), 6u);
}

TEST_F(PartEditor, AFullCategoryKeepsTheEditorOpen) {
    std::string full = "[teil]\r\n";
    for (int slot = 0; slot < 500; ++slot) {
        full += "t" + std::to_string(slot) + "=R" + std::to_string(slot) + ";;;;;;;;;;;;0;0\r\n";
    }
    Write("k1.dat", full);
    ClickTreeEntry("Relais");
    Run(Command::NewPart);
    Retype("partNameField", "Reed 2");
    Retype("storagePlaceField", "");
    Click("saveButton");
    ASSERT_TRUE(ShowedBoxes(
        boxes, {{"FEHLER", "Zu viele Teile in dieser Kategorie !     ", QMessageBox::Critical}}));
    // Still open and still taking the keys.
    ASSERT_NE(Editor(), nullptr);
    ASSERT_TRUE(Active(Editor()));
    QTest::keyClick(Editor(), Qt::Key_F12);
    EXPECT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(Read("k1.dat"), full);
}

TEST_F(PartEditor, CopyKeepsStockTargetAndDocumentsAndGetsANewSlot) {
    ClickRow(0);
    Run(Command::NewPartFromCopy);
    Retype("partNameField", "BC547C");
    boxes.Answer("Ja");  // its place "B-2" is the original's
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(3), "BC547C;NPN;k.A.;TO-92;5%;R-BC547;;k.A.;0,05;0,00;0,07;B-2;5;5");
    EXPECT_EQ(Record(0), "BC547;NPN;frei;TO-92;5%;R-BC547;;k.A.;0,05;;0,07;B-2;5;5");
    EXPECT_EQ(Side("bilder.dat", "bild0", "k0t3"), "$LOPF$bilder\\bc547.jpg");
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt", "k0t3"), "$LOPF$daten\\bc547.pdf");
    EXPECT_EQ(ColumnTexts(0).value(SelectedRow()), "BC547C");
}

TEST_F(PartEditor, TabKeyVisitsTheControlsInTheirOrder) {
    Run(Command::NewPart);
    ASSERT_TRUE(WaitFor([&] { return FocusName() == "partNameField"; }));
    auto walk = [&](int steps) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            names.append(qobject_cast<QTabBar*>(focus) ? "tabs" : focus->objectName());
        }
        return names;
    };
    EXPECT_EQ(walk(20), (QStringList{"remarkField",
                                     "rangeBox",
                                     "packageBox",
                                     "toleranceBox",
                                     "orderNumberField1",
                                     "priceField1",
                                     "orderNumberField2",
                                     "priceField2",
                                     "orderNumberField3",
                                     "priceField3",
                                     "storagePlaceField",
                                     "targetStockField",
                                     "stockField",
                                     "quantityField",
                                     "addStockButton",
                                     "removeStockButton",
                                     "saveButton",
                                     "cancelButton",
                                     "tabs",
                                     "partNameField"}));
    ShowTab(1);
    Get<QPushButton>("cancelButton")->setFocus();
    EXPECT_EQ(walk(14),
              (QStringList{"tabs", "pictureViewButton1", "pictureChooseButton1",
                           "pictureClearButton1", "pictureViewButton2", "pictureChooseButton2",
                           "pictureClearButton2", "datasheetField2", "datasheetViewButton2",
                           "datasheetChooseButton2", "datasheetField1", "datasheetViewButton1",
                           "datasheetChooseButton1", "saveButton"}));
}

TEST_F(PartEditor, ViewButtonsHandTheFileToTheDesktop) {
    EditRow(0, true);
    Click("pictureViewButton1");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), folder.File("bilder/bc547.jpg"));
    EXPECT_TRUE(boxes.seen.empty());

    // A missing file, or a desktop that reports failure.
    Click("pictureViewButton2");
    Click("datasheetViewButton1");
    openSucceeds = false;
    Click("pictureViewButton1");
    EXPECT_EQ(opened.size(), 2);
    const ExpectedBox noPicture = {"Hinweis", "Bild konnte nicht aufgerufen werden!     ",
                                   QMessageBox::Warning};
    const ExpectedBox noDatasheet = {"Hinweis", "Datenblatt konnte nicht aufgerufen werden!     ",
                                     QMessageBox::Warning};
    ASSERT_TRUE(ShowedBoxes(boxes, {noPicture, noDatasheet, noPicture}));

    // No file: a beep. "X" takes the picture away.
    Click("datasheetViewButton2");
    Retype("datasheetField1", " K.a. ");
    Click("datasheetViewButton1");
    Click("pictureClearButton1");
    EXPECT_EQ(Preview(1), EmptyPartPicture());
    Click("pictureViewButton1");
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(boxes.seen.size(), 3u);

    openSucceeds = true;
    std::filesystem::create_directories(folder.File("daten"));
    Write("daten/bc547.pdf", "%PDF-1.4\n");
    Retype("datasheetField1", "$lopf$daten/bc547.pdf");
    Click("datasheetViewButton1");
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[2].toLocalFile().toStdString(), folder.File("daten/bc547.pdf"));

    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Side("bilder.dat", "bild0", "k0t0"), "");
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt", "k0t0"), "$lopf$daten/bc547.pdf");
}

TEST_F(PartEditor, ChosenFilesAreStoredInTheDataFilesCodePage) {
    TempFolder elsewhere;
    WriteJpeg(folder.File("bilder/hochkant.jpg"), 40, 80);
    WriteJpeg(elsewhere.File("\xCE\xA9-Bild.jpg"), 40, 80);  // "Ω" has no cp1252 byte
    elsewhere.Write("notiz.txt", "kein Bild");
    elsewhere.Write("\u00DCbersicht.pdf", "%PDF");  // "Ü" has one
    EditRow(0, true);
    const QImage before = Preview(2);

    FileDialogSeen seen;
    ChooseInFileDialog(seen, elsewhere.File("notiz.txt"));
    Click("pictureChooseButton2");
    EXPECT_EQ(seen.title, QString::fromUtf8("Bild auswählen"));
    EXPECT_EQ(seen.filters, (QStringList{"Bitmap-Dateien (*.bmp)", "JPEG-Dateien (*.jpg *.jpeg)",
                                         "Alle Dateien (*)"}));
    EXPECT_EQ(seen.selectedFilter, "JPEG-Dateien (*.jpg *.jpeg)");  // it names "fehlt.jpg"
    ASSERT_TRUE(ShowedBoxes(
        boxes, {{"Warnung !", QString::fromUtf8("Ausgewählte Datei ist kein Bild !     "),
                 QMessageBox::Warning}}));

    ChooseInFileDialog(seen, elsewhere.File("\xCE\xA9-Bild.jpg"));
    Click("pictureChooseButton2");
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_TRUE(
        boxes.seen[1].text.startsWith(QString::fromUtf8("Der Pfad dieser Datei enthält Zeichen")));
    ChooseInFileDialog(seen, "");
    Click("pictureChooseButton2");
    EXPECT_EQ(Preview(2), before);

    ChooseInFileDialog(seen, folder.File("bilder/hochkant.jpg"));
    Click("pictureChooseButton2");
    const QImage portrait = Preview(2);
    EXPECT_TRUE(IsBlue(portrait.pixelColor(84, 84)));
    EXPECT_EQ(portrait.pixelColor(10, 84), kWhite);

    ChooseInFileDialog(seen, elsewhere.File("\u00DCbersicht.pdf"));
    Click("datasheetChooseButton1");
    EXPECT_EQ(seen.title, QString::fromUtf8("Datenblatt auswählen"));
    EXPECT_EQ(seen.filters, (QStringList{"PDF-Dateien (*.pdf)", "Alle Dateien (*)"}));
    EXPECT_EQ(seen.selectedFilter, "PDF-Dateien (*.pdf)");
    EXPECT_EQ(Text("datasheetField1").toStdString(), elsewhere.File("\u00DCbersicht.pdf"));
    EXPECT_EQ(boxes.seen.size(), 2u);

    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Side("bilder.dat", "bild1", "k0t0"), "$lopf$bilder/hochkant.jpg");
    EXPECT_EQ(Side("datenblaetter.dat", "datenblatt", "k0t0"),
              elsewhere.Path() + "\334bersicht.pdf");
}

TEST_F(PartEditor, TextsTheDataFilesCannotHoldAreRefused) {
    Run(Command::NewPart);
    Retype("partNameField", "R2");
    // Characters outside the code page are not taken.
    Retype("remarkField", QString::fromUtf8("5€ → ok"));
    EXPECT_EQ(Text("remarkField"), QString::fromUtf8("5€  ok"));

    // A record longer than a reader gets back would lose its stock.
    Retype("remarkField", QString(230, 'x'));
    Click("saveButton");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_TRUE(boxes.seen[0].text.startsWith("Die Angaben dieses Teils sind zu lang"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Active(Editor()));

    Retype("remarkField", "kurz");
    ShowTab(1);
    Retype("datasheetField2", "/daten/" + QString(250, 'd') + ".pdf");
    ShowTab(0);
    Click("saveButton");
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_TRUE(boxes.seen[1].text.startsWith("Der Pfad dieser Datei ist zu lang"));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Tabs()->currentIndex(), 1);
    EXPECT_TRUE(WaitFor([&] { return FocusName() == "datasheetField2"; }));
    EXPECT_EQ(Record(3), "");

    Retype("datasheetField2", "k.A.");
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(3), "R2;kurz;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;0,00;0,00;0,00;k.A.;0;0");
}

}  // namespace
