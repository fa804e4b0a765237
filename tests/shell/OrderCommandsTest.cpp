// Ordering a part through " Teil bestellen" and working on an order position
// through " Bestellposition", driven as a user does it: Ctrl+B, double clicks,
// typing and clicking, with the data files checked afterwards.

#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "CommandGroups.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "PartListModel.h"
#include "ShellTestSupport.h"
#include "TestParts.h"

namespace {

// A part with an order number and a price at each supplier.
TestPart Part(const std::string& name, int stock, int target) {
    TestPart part = Stocked(name, std::to_string(stock));
    part.target = std::to_string(target);
    part.orderNumbers[0] = "BN-" + name;
    part.orderNumbers[1] = "BN2";
    part.orderNumbers[2] = "BN3";
    part.prices[0] = "1,00";
    part.prices[1] = "2,00";
    part.prices[2] = "3,00";
    return part;
}

class OrderCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        // Supplier 2 has no short name.
        Write("teile.dat",
              "[kategorie]\r\nk0=Widerst\xE4nde\r\nk1=Zubeh\xF6r\r\nk901=Bauteilhaus\r\n"
              "k903=L\xF6tpunkt\r\n");
        // Shown by name: R-drei (t0), R-null (t3), R-zehn (t1), R-zwoelf (t2).
        Write("k0.dat", PartsFile("", {{0, Part("R-drei", 3, 10)},
                                       {1, Part("R-zehn", 10, 10)},
                                       {2, Part("R-zwoelf", 12, 10)},
                                       {3, Part("R-null", 5, 0)}}));
        Write("k1.dat", PartsFile("", {{0, Part("C-a", 1, 0)}, {5, Part("C-b", 0, 0)}}));
        // Bauteilhaus: R-drei (4 pieces), C-b hidden. Lieferant 2: R-null only.
        Write("k901.dat", "[teil]\r\nt0=k0t0;4;0\r\nt1=k1t5;2;1\r\n");
        Write("k902.dat", "[teil]\r\nt0=k0t3;6;0\r\n");
        Start();
    }

    template <typename T>
    T* Find(const char* name) {
        return OpenDialog() ? OpenDialog()->findChild<T*>(name) : nullptr;
    }
    QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void TypeInto(const char* name, const QString& text) {
        QLineEdit* field = Field(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The main window's keys work once it is the active window again.
        return OpenDialog() == nullptr && Window().isEnabled() &&
               WaitFor([&] { return Window().isActiveWindow(); });
    }
    void PressCtrlB() { QTest::keyClick(List(), Qt::Key_B, Qt::ControlModifier); }
    void DoubleClickRow(int row, Qt::MouseButton button) {
        const QRect place = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), button, {}, place.center());
        QTest::mouseDClick(List()->viewport(), button, {}, place.center());
    }
    std::string Record(int list, int slot) {
        return ReadIniValue("teil", "t" + std::to_string(slot),
                            folder.File("k" + std::to_string(list) + ".dat"));
    }
    int SelectedSlot() {
        const int row = SelectedRow();
        const QModelIndex cell = List()->model()->index(row, 0);
        return row < 0 ? -2 : cell.data(PartListModel::kItemDataRole).toInt();
    }
};

TEST_F(OrderCommandsTest, ProposedQuantitiesAndTheDialogAsItOpens) {
    const std::string before = Read("k901.dat") + Read("k902.dat");
    // Stock 3 / target 10, 5 / 0, 10 / 10, 12 / 10.
    const QStringList proposals = {"8", "1", "1", "1"};
    for (int row = 0; row < 4; ++row) {
        ClickRow(row);
        PressCtrlB();
        ASSERT_NE(OpenDialog(), nullptr) << row;
        EXPECT_EQ(OpenDialog()->windowTitle(), " Teil bestellen");
        EXPECT_EQ(OpenDialog()->size(), QSize(220, 125));
        EXPECT_FALSE(Window().isEnabled());
        QLineEdit* quantity = Field("orderQuantityField");
        EXPECT_EQ(quantity->text(), proposals[row]) << row;
        ASSERT_TRUE(WaitFor([&] { return quantity->hasFocus() && quantity->hasSelectedText(); }));
        EXPECT_EQ(quantity->selectedText(), proposals[row]);
        EXPECT_EQ(quantity->alignment() & Qt::AlignRight, Qt::AlignRight);
        EXPECT_EQ(Find<QRadioButton>("supplierOption1")->text(), "Bauteilhaus");
        EXPECT_EQ(Find<QRadioButton>("supplierOption2")->text(), "Lieferant 2");
        EXPECT_EQ(Find<QRadioButton>("supplierOption3")->text(), QString::fromUtf8("Lötpunkt"));
        EXPECT_TRUE(Find<QRadioButton>("supplierOption1")->isChecked());
        // Tab goes from the quantity through the three suppliers to the buttons.
        QStringList chain;
        for (QWidget* next = quantity->nextInFocusChain(); next != quantity && chain.size() < 6;
             next = next->nextInFocusChain()) {
            if (next->focusPolicy() & Qt::TabFocus) {
                chain.append(next->objectName());
            }
        }
        EXPECT_EQ(chain.join(' ').toStdString(),
                  "supplierOption1 supplierOption2 supplierOption3 orderButton cancelButton");
        // Only digits are taken.
        QTest::keyClicks(quantity, "x-,");
        EXPECT_EQ(quantity->text(), proposals[row]);
        Click("cancelButton");
        EXPECT_TRUE(Closed());
    }
    EXPECT_EQ(Read("k901.dat") + Read("k902.dat"), before);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(OrderCommandsTest, SamePartFromTwoSuppliersAndTheSupplierKeptForTheRun) {
    const QString added = QString::fromUtf8("Teil wurde der Bestellung hinzugefügt !     ");
    ClickRow(2);  // R-zehn, slot 1
    PressCtrlB();
    ASSERT_NE(OpenDialog(), nullptr);
    Click("orderButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 2), "k0t1;1;0");

    // The same part from supplier 2: a list of its own.
    PressCtrlB();
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_TRUE(Find<QRadioButton>("supplierOption1")->isChecked());
    QTest::mouseClick(Find<QRadioButton>("supplierOption2"), Qt::LeftButton);
    TypeInto("orderQuantityField", "");  // stored as typed
    QTest::keyClick(Field("orderQuantityField"), Qt::Key_Return);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(902, 1), "k0t1;;0");
    EXPECT_EQ(Record(902, 0), "k0t3;6;0");

    // Another part: supplier 2 is chosen; R-drei is on supplier 1's list already.
    ClickRow(0);
    PressCtrlB();
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_TRUE(Find<QRadioButton>("supplierOption2")->isChecked());
    QTest::mouseClick(Find<QRadioButton>("supplierOption1"), Qt::LeftButton);
    Click("orderButton");
    ASSERT_NE(OpenDialog(), nullptr);  // refused, the dialog stays
    EXPECT_FALSE(Window().isEnabled());
    Click("cancelButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 3), "");

    // A refusal does not change the supplier kept.
    PressCtrlB();
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_TRUE(Find<QRadioButton>("supplierOption2")->isChecked());
    Click("cancelButton");
    EXPECT_EQ(program->Commands().orders.LastSupplier(), 2);

    EXPECT_TRUE(ShowedBoxes(
        boxes,
        {{"Info", added, QMessageBox::Information},
         {"Info", added, QMessageBox::Information},
         {"Warnung !", "Teil wurde bereits bestellt !     ", QMessageBox::Warning, {"OK"}}}));
}

TEST_F(OrderCommandsTest, OrderIsRefusedWithoutASelectedPartRow) {
    // No row: a Ctrl+click takes the selection away.
    const QRect first = List()->visualRect(List()->model()->index(0, 0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
    ASSERT_EQ(SelectedRow(), -1);
    PressCtrlB();
    program->Dispatcher().Dispatch(Command::OrderPart);
    EXPECT_EQ(OpenDialog(), nullptr);

    // An order list, a root: nothing to order.
    for (const char* entry : {"Bauteilhaus", "Kategorien", "Bestellungen"}) {
        ClickTreeEntry(entry);
        ClickRow(0);
        PressCtrlB();
        EXPECT_EQ(OpenDialog(), nullptr) << entry;
    }
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Record(901, 2), "");
}

TEST_F(OrderCommandsTest, PositionDialogTabsFillingAndButtonRules) {
    ClickTreeEntry("Bauteilhaus");
    // Shown by name: C-b (hidden), R-drei, then the sum row.
    DoubleClickRow(1, Qt::LeftButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->windowTitle(), " Bestellposition");
    EXPECT_EQ(OpenDialog()->size(), QSize(189, 135));
    auto* tabs = Find<QTabWidget>("positionTabs");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Bearbeiten");
    EXPECT_EQ(tabs->tabText(1), QString::fromUtf8("Abschließen"));
    QLineEdit* editQuantity = Field("editQuantityField");
    QLineEdit* bookQuantity = Field("bookQuantityField");
    ASSERT_TRUE(WaitFor([&] { return editQuantity->hasFocus(); }));
    EXPECT_EQ(editQuantity->text(), "4");
    EXPECT_EQ(bookQuantity->text(), "4");
    EXPECT_FALSE(Find<QCheckBox>("hiddenBox")->isChecked());
    EXPECT_EQ(Field("newPriceField")->text(), "1,00");  // "Einzelpreis" as shown

    // Each quantity field rules its tab's button: blank or 0 disables it.
    for (const auto& [field, button] : {std::pair{"editQuantityField", "saveButton"},
                                        std::pair{"bookQuantityField", "bookInButton"}}) {
        tabs->setCurrentIndex(std::string(field) == "editQuantityField" ? 0 : 1);
        ASSERT_TRUE(WaitFor([&] { return Field(field)->hasFocus(); })) << field;
        for (const auto& [typed, enabled] :
             {std::pair{"0", false}, std::pair{"", false}, std::pair{"000", false},
              std::pair{"12", true}, std::pair{"01", true}}) {
            TypeInto(field, typed);
            EXPECT_EQ(Button(button)->isEnabled(), enabled) << field << " '" << typed << "'";
        }
    }
    // The price: the filter, the comma rule on "Zubuchen" and Ctrl+N / Ctrl+B.
    TypeInto("newPriceField", "12.50");
    EXPECT_EQ(Field("newPriceField")->text(), "1250");
    TypeInto("newPriceField", "1,2,3");
    EXPECT_FALSE(Button("bookInButton")->isEnabled());
    EXPECT_EQ(Field("newPriceField")->palette().color(QPalette::Base), QColor(255, 204, 119));
    TypeInto("bookQuantityField", "5");  // a good quantity does not win over the price
    EXPECT_FALSE(Button("bookInButton")->isEnabled());
    TypeInto("newPriceField", "11,90");
    EXPECT_TRUE(Button("bookInButton")->isEnabled());
    QTest::keyClick(Field("newPriceField"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Field("newPriceField")->text(), "10,00");
    TypeInto("newPriceField", "1");
    QTest::keyClick(Field("newPriceField"), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Field("newPriceField")->text(), "1,19");
    Click("closeCancelButton");
    EXPECT_TRUE(Closed());

    // A right double click opens "Abschließen"; the hidden position is ticked.
    DoubleClickRow(0, Qt::RightButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(Find<QTabWidget>("positionTabs")->currentIndex(), 1);
    ASSERT_TRUE(WaitFor([&] { return Field("bookQuantityField")->hasFocus(); }));
    EXPECT_EQ(Field("bookQuantityField")->text(), "2");
    EXPECT_TRUE(Find<QCheckBox>("hiddenBox")->isChecked());
    EXPECT_EQ(Field("newPriceField")->text(), "1,00");
    // Switching tabs puts the focus into the new tab's quantity field.
    Find<QTabWidget>("positionTabs")->setCurrentIndex(0);
    ASSERT_TRUE(WaitFor([&] { return Field("editQuantityField")->hasFocus(); }));
    QTest::keyClick(OpenDialog(), Qt::Key_Escape);
    EXPECT_TRUE(Closed());

    // Return in the list edits the row as well; the sum row opens nothing.
    ClickRow(2);
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_EQ(OpenDialog(), nullptr);
    ClickRow(1);
    QTest::keyClick(List(), Qt::Key_Return);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(Find<QTabWidget>("positionTabs")->currentIndex(), 0);
    Click("editCancelButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 0), "k0t0;4;0");
    EXPECT_EQ(Record(901, 1), "k1t5;2;1");
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(OrderCommandsTest, SaveWritesQuantityAndHiddenFlagAndSelectsThePosition) {
    ClickTreeEntry("Bauteilhaus");
    DoubleClickRow(1, Qt::LeftButton);  // R-drei
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto("editQuantityField", "7");
    QTest::mouseClick(Find<QCheckBox>("hiddenBox"), Qt::LeftButton);
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 0), "k0t0;7;1");
    EXPECT_EQ(Record(901, 1), "k1t5;2;1");
    EXPECT_EQ(SelectedSlot(), 0);
    EXPECT_EQ(ColumnTexts(0).at(SelectedRow()), "0 (7)");

    // Return in the quantity field saves, too; untick shows it again.
    DoubleClickRow(SelectedRow(), Qt::LeftButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_TRUE(Find<QCheckBox>("hiddenBox")->isChecked());
    QTest::mouseClick(Find<QCheckBox>("hiddenBox"), Qt::LeftButton);
    QTest::keyClick(Field("editQuantityField"), Qt::Key_Return);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 0), "k0t0;7;0");

    // A stored quantity longer than one may type is shown and kept whole.
    Write("k901.dat", "[teil]\r\nt0=k0t0;123456789012;0\r\n");
    ClickTreeEntry("Lieferant 2");
    ClickTreeEntry("Bauteilhaus");
    DoubleClickRow(0, Qt::LeftButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(Field("editQuantityField")->text().toStdString(), "123456789012");
    QTest::mouseClick(Find<QCheckBox>("hiddenBox"), Qt::LeftButton);
    Click("saveButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Record(901, 0), "k0t0;123456789012;1");
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(OrderCommandsTest, BookingAddsTheStockAndSetsOrEmptiesThePrice) {
    ClickTreeEntry("Bauteilhaus");
    DoubleClickRow(1, Qt::RightButton);  // R-drei: 4 pieces, stock 3
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto("bookQuantityField", "5");
    TypeInto("newPriceField", "");
    EXPECT_TRUE(Button("bookInButton")->isEnabled());
    Click("bookInButton");
    EXPECT_TRUE(Closed());
    // 3 in stock and 5 booked; the blank price is taken.
    TestPart booked = Part("R-drei", 8, 10);
    booked.prices[0] = "";
    EXPECT_EQ(Record(0, 0), booked.Record());
    EXPECT_EQ(Record(901, 0), "");
    // The position before it is the one left and selected.
    EXPECT_EQ(List()->model()->rowCount(), 2);
    EXPECT_EQ(SelectedSlot(), 1);

    // The only position of supplier 2: an empty list, nothing selected.
    ClickTreeEntry("Lieferant 2");
    DoubleClickRow(0, Qt::RightButton);
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto("newPriceField", "2,35");
    Click("bookInButton");
    EXPECT_TRUE(Closed());
    booked = Part("R-null", 11, 0);
    booked.prices[1] = "2,35";
    EXPECT_EQ(Record(0, 3), booked.Record());
    EXPECT_EQ(Record(902, 0), "");
    EXPECT_EQ(List()->model()->rowCount(), 0);
    EXPECT_EQ(SelectedRow(), -1);
    for (Command command : {Command::EditPart, Command::DeletePart, Command::CopyPart,
                            Command::SortAscending, Command::SortDescending}) {
        EXPECT_FALSE(Enabled(command)) << command;
    }
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_EQ(OpenDialog(), nullptr);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(OrderCommandsTest, PositionWithoutItsPartIsRemovedAndNothingBooked) {
    Write("k902.dat", "[teil]\r\nt0=k0t3;6;0\r\nt1=k0t9;2;0\r\n");  // k0t9 is no part
    ClickTreeEntry("Lieferant 2");
    const std::string parts = Read("k0.dat");
    ClickRow(0);  // no name sorts first
    ASSERT_EQ(SelectedSlot(), 1);
    DoubleClickRow(0, Qt::RightButton);
    ASSERT_NE(OpenDialog(), nullptr);
    int rowsUnderTheWarning = -1;
    boxes.whenShown = [&] { rowsUnderTheWarning = List()->model()->rowCount(); };
    Click("bookInButton");
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(rowsUnderTheWarning, 2);  // the list shows the removal before the warning
    EXPECT_TRUE(ShowsBox(boxes.seen[0],
                         {"Warnung !", "Dieser Position konnte kein Teil zugeordnet werden !",
                          QMessageBox::Warning}));
    EXPECT_NE(OpenDialog(), nullptr);  // the dialog stays
    EXPECT_EQ(Record(902, 1), "");
    EXPECT_EQ(Read("k0.dat"), parts);
    EXPECT_EQ(List()->model()->rowCount(), 2);  // R-null and the sum
    Click("closeCancelButton");
    EXPECT_TRUE(Closed());
}

// A booking that would make the part's record longer than its readers get
// back is refused: by the dialog when the record it opened with tells, by the
// engine when the record grew since. Either way nothing is written and the
// dialog stays.
TEST_F(OrderCommandsTest, BookingThatWouldCutThePartRecordIsRefusedAndTheDialogStays) {
    // 254 characters with a name of 194: stock 9 + 1 makes it 255.
    const auto record = [](int nameLength) {
        return std::string(static_cast<std::size_t>(nameLength), 'n') +
               ";keine;k.A.;k.A.;k.A.;k.A.;k.A.;k.A.;0,00;0,00;0,00;k.A.;9;5";
    };
    struct Case {
        const char* name;
        int nameLengthWhenOpened;
        QString message;
    };
    const Case cases[] = {
        {"known to the dialog", 194,
         QString::fromUtf8("Nach dem Zubuchen wären die Angaben dieses Teils länger als 254 "
                           "Zeichen. Bitte zuerst die Angaben des Teils kürzen !     ")},
        {"grown since the dialog opened", 190,
         QString::fromUtf8("Die Angaben sind zu lang: ein Eintrag der Datendateien darf höchstens "
                           "254 Zeichen haben. Es wurde nichts gespeichert !     ")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Write("k1.dat", "[teil]\r\nt0=" + record(test.nameLengthWhenOpened) + "\r\n");
        Write("k903.dat", "[teil]\r\nt0=k1t0;1;0\r\n");
        ClickTreeEntry(QString::fromUtf8("Lötpunkt"));
        DoubleClickRow(0, Qt::RightButton);
        ASSERT_NE(OpenDialog(), nullptr);
        Write("k1.dat", "[teil]\r\nt0=" + record(194) + "\r\n");
        const std::string parts = Read("k1.dat");
        const std::string orders = Read("k903.dat");
        boxes.seen.clear();
        Click("bookInButton");
        ASSERT_TRUE(ShowedBoxes(boxes, {{"Warnung !", test.message, QMessageBox::Warning}}));
        EXPECT_NE(OpenDialog(), nullptr);
        EXPECT_EQ(Read("k1.dat"), parts);
        EXPECT_EQ(Read("k903.dat"), orders);
        Click("closeCancelButton");
        EXPECT_TRUE(Closed());
    }
}

TEST_F(OrderCommandsTest, GoToPartAsksThenShowsThePartInItsCategory) {
    ClickTreeEntry("Bauteilhaus");
    DoubleClickRow(0, Qt::LeftButton);  // C-b, k1t5
    ASSERT_NE(OpenDialog(), nullptr);
    boxes.Answer("Nein");
    Click("goToPartButton");
    ASSERT_TRUE(ShowedBoxes(boxes, {{"Frage ?",
                                     "Soll jetzt zu diesem Teil gewechselt werden ?     ",
                                     QMessageBox::Information,
                                     {},
                                     "Ja"}}));
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(901));

    boxes.Answer("Ja");
    Click("goToPartButton");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(1));
    EXPECT_EQ(Tree()->currentItem()->text(0), QString::fromUtf8("Zubehör"));
    EXPECT_EQ(QString(HeaderTitles().at(0)).remove('*'), "Bezeichnung");
    EXPECT_EQ(ColumnTexts(0), (QStringList{"C-a", "C-b"}));
    EXPECT_EQ(SelectedSlot(), 5);
    EXPECT_TRUE(Enabled(Command::OrderPart));
    // Choosing the order list again shows it afresh.
    ClickTreeEntry("Bauteilhaus");
    EXPECT_EQ(List()->model()->rowCount(), 3);
}

}  // namespace
