// The supplier dialog and the user information, opened from the main window,
// filled from and saved to real files.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "DialogInput.h"
#include "MainWindow.h"
#include "ShellTestSupport.h"
#include "lists/CategoryTree.h"

namespace {

class AddressDialogs : public ShellTest {
protected:
    void SetUp() override {
        Write(
            "teile.dat",
            "[kategorie]\r\nk0=Dioden\r\nk901=Bauteilhaus\r\nk902=Kontor\r\n"
            "[Adressen]\r\n"
            "a902=Kontor KG;Herr Weber;Am Bahnhof 3;40-77;D-09112 Chemnitz;0371 1;0371 2;a@b.de\r\n"
            "a903=Nur;sieben;Felder;sind;keine;Adresse;x\r\n"
            "rech=M\xFCller, Klaus;Werkstatt;Birkenweg 12;D-34117 Kassel;0561 3;0170 2;k@m.de\r\n"
            "lief=Packstation 105;Postnummer 123;Am Markt 1;D-34117 Kassel\r\n"
            "LgleichR=1\r\n"
            "[spalte]\r\ns1=1;110;0\r\n");
        Start();
    }

    QLineEdit* Field(const char* name) { return OpenDialog()->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) { return OpenDialog()->findChild<QPushButton*>(name); }
    QLabel* Label(const char* name) { return OpenDialog()->findChild<QLabel*>(name); }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return OpenDialog() == nullptr && Window().isEnabled();
    }
    void ShowDeliveryTab() {
        QTabBar* bar = OpenDialog()->findChild<QTabWidget*>("addressTabs")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        ASSERT_EQ(bar->currentIndex(), 1);
    }
    void OpenSupplier(const QString& entry) {
        ClickTreeEntry(entry);
        MenuItem(Command::EditCategory)->trigger();
        ASSERT_NE(OpenDialog(), nullptr);
        ASSERT_EQ(OpenDialog()->objectName(), "supplierDialog");
    }
};

TEST_F(AddressDialogs, SupplierDialogEndToEnd) {
    OpenSupplier("Kontor");
    EXPECT_EQ(OpenDialog()->windowTitle(), " Lieferanten bearbeiten");
    EXPECT_EQ(OpenDialog()->size(), QSize(350, 340));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_TRUE(WaitFor([&] { return Button("cancelButton")->hasFocus(); }));
    EXPECT_EQ(Button("saveButton")->geometry(), QRect(170, 305, 80, 25));
    EXPECT_EQ(Button("cancelButton")->geometry(), QRect(260, 305, 80, 25));
    // Each field under its caption, filled with its address field.
    const std::vector<std::tuple<const char*, QRect, QString>> fields = {
        {"shortNameField", {10, 25, 160, 20}, "Kontor"},
        {"customerNumberField", {180, 25, 160, 20}, "40-77"},
        {"companyField", {10, 65, 330, 20}, "Kontor KG"},
        {"contactField", {10, 105, 330, 20}, "Herr Weber"},
        {"streetField", {10, 145, 330, 20}, "Am Bahnhof 3"},
        {"townField", {10, 185, 330, 20}, "D-09112 Chemnitz"},
        {"telephoneField", {10, 225, 160, 20}, "0371 1"},
        {"telefaxField", {180, 225, 160, 20}, "0371 2"},
        {"mailField", {10, 265, 330, 20}, "a@b.de"},
    };
    for (const auto& [name, place, text] : fields) {
        ASSERT_NE(Field(name), nullptr) << name;
        EXPECT_EQ(Field(name)->geometry(), place) << name;
        EXPECT_EQ(Field(name)->text(), text) << name;
    }
    GrabIfAsked(OpenDialog(), "supplier-dialog");

    // A blank short name becomes the supplier's number; ";" becomes ",".
    TypeInto(Field("shortNameField"), "   ");
    TypeInto(Field("companyField"), " A;B GmbH ");
    QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Stored("kategorie", "k902"), "Lieferant 2");
    EXPECT_EQ(Stored("Adressen", "a902"),
              "A,B GmbH;Herr Weber;Am Bahnhof 3;40-77;D-09112 Chemnitz;0371 1;0371 2;a@b.de");
    // At once in the tree, the entry still selected; and where the part
    // editor and the order dialogs read it.
    EXPECT_EQ(Tree()->currentItem()->text(0), "Lieferant 2");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(902));
    EXPECT_TRUE(TreeTexts().contains("Lieferant 2"));
    EXPECT_FALSE(TreeTexts().contains("Kontor"));
    EXPECT_EQ(SupplierShortNames(folder.Path())[1], "Lieferant 2");

    OpenSupplier("Lieferant 2");
    EXPECT_EQ(Field("shortNameField")->text(), "Lieferant 2");
    EXPECT_EQ(Field("companyField")->text(), "A,B GmbH");
    // "Abbrechen" writes nothing.
    const std::string before = Read("teile.dat");
    TypeInto(Field("shortNameField"), "Anders");
    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Read("teile.dat"), before);
    EXPECT_EQ(Tree()->currentItem()->text(0), "Lieferant 2");
}

// The short name saved in the supplier dialog is what the part editor's
// captions and the order dialog's options show the next time they open.
TEST_F(AddressDialogs, NewShortNameReachesThePartEditorAndTheOrderDialog) {
    Write("k0.dat",
          "[teil]\r\nmax=0\r\n"
          "t0=1N4148;Kleinsignal;k.A.;DO-35;k.A.;A1;B1;C1;0,10;0,20;0,30;R1;5;2\r\n");
    OpenSupplier("Kontor");
    TypeInto(Field("shortNameField"), "  ");
    QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
    ASSERT_TRUE(Closed());

    ClickTreeEntry("Dioden");
    ClickRow(0);
    MenuItem(Command::EditPart)->trigger();
    ASSERT_NE(OpenDialog(), nullptr);
    const auto shows = [](const QLabel* label) {
        return label->text().contains("Lieferant 2") || label->toolTip().contains("Lieferant 2");
    };
    int captions = 0;
    for (const QLabel* label : OpenDialog()->findChildren<QLabel*>()) {
        captions += shows(label) ? 1 : 0;
        EXPECT_FALSE(label->text().contains("Kontor")) << label->text().toStdString();
    }
    EXPECT_EQ(captions, 2);  // order number and price of supplier 2
    OpenDialog()->reject();
    ASSERT_TRUE(Closed());

    MenuItem(Command::OrderPart)->trigger();
    ASSERT_NE(OpenDialog(), nullptr);
    ASSERT_EQ(OpenDialog()->objectName(), "orderDialog");
    const auto* option = OpenDialog()->findChild<QAbstractButton*>("supplierOption2");
    ASSERT_NE(option, nullptr);
    EXPECT_TRUE(option->text().contains("Lieferant 2") ||
                option->toolTip().contains("Lieferant 2"));
    OpenDialog()->reject();
    EXPECT_TRUE(Closed());
}

TEST_F(AddressDialogs, SupplierAddressFillsOnlyFromEightFields) {
    // Supplier 3: no short name stored, an address of seven fields.
    OpenSupplier("Lieferant 3");
    EXPECT_EQ(Field("shortNameField")->text(), "Lieferant 3");
    for (const char* name : {"customerNumberField", "companyField", "contactField", "streetField",
                             "townField", "telephoneField", "telefaxField", "mailField"}) {
        EXPECT_EQ(Field(name)->text(), "") << name;
    }
    QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    // Overwritten with the complete, empty form.
    EXPECT_EQ(Stored("kategorie", "k903"), "Lieferant 3");
    EXPECT_EQ(Stored("Adressen", "a903"), ";;;;;;;");
}

TEST_F(AddressDialogs, UserInformationEndToEnd) {
    MenuItem(Command::UserInformation)->trigger();
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->windowTitle(), " Benutzerinformation");
    EXPECT_EQ(OpenDialog()->size(), QSize(365, 360));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_TRUE(WaitFor([&] { return Button("cancelButton")->hasFocus(); }));
    auto* tabs = OpenDialog()->findChild<QTabWidget*>("addressTabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->geometry(), QRect(0, 0, 365, 210));
    EXPECT_EQ(tabs->tabText(0), "Rechnungsadresse");
    EXPECT_EQ(tabs->tabText(1), "Lieferadresse");

    // The older "rech" of seven fields: filled, and private use.
    EXPECT_EQ(Field("invoiceNameField")->text(), QString::fromUtf8("Müller, Klaus"));
    EXPECT_EQ(Field("invoiceTownField")->text(), "D-34117 Kassel");
    EXPECT_EQ(Field("telephoneField")->text(), "0561 3");
    EXPECT_EQ(Field("mobileField")->text(), "0170 2");
    EXPECT_EQ(Field("mailField")->text(), "k@m.de");
    auto* use = OpenDialog()->findChild<QComboBox*>("useList");
    EXPECT_EQ(use->currentText(), "Privat");
    EXPECT_EQ(Label("invoiceNameLabel")->text(), "Name, Vorname:");
    EXPECT_EQ(Label("deliveryNameLabel")->text(), "Name, Vorname:");
    GrabIfAsked(OpenDialog(), "user-information-invoice");

    // "wie Rechnungsadresse": the delivery fields are disabled, not emptied.
    auto* same = OpenDialog()->findChild<QCheckBox*>("sameAddressBox");
    EXPECT_TRUE(same->isChecked());
    EXPECT_FALSE(Field("deliveryNameField")->isEnabled());
    EXPECT_EQ(Field("deliveryNameField")->text(), "Packstation 105");
    ShowDeliveryTab();
    GrabIfAsked(OpenDialog(), "user-information-delivery");
    QTest::mouseClick(same, Qt::LeftButton, {}, QPoint(5, same->height() / 2));
    EXPECT_FALSE(same->isChecked());
    EXPECT_TRUE(Field("deliveryTownField")->isEnabled());
    TypeInto(Field("deliveryAdditionField"), "Postnummer 1;2");
    QTest::mouseClick(same, Qt::LeftButton, {}, QPoint(5, same->height() / 2));
    EXPECT_TRUE(same->isChecked());
    EXPECT_FALSE(Field("deliveryTownField")->isEnabled());

    // "Firma" turns the name captions of both tabs, "Privat" turns them back.
    ChooseEntry(use, 1);
    EXPECT_EQ(use->currentText(), "Firma");
    EXPECT_EQ(Label("invoiceNameLabel")->text(), "Firma:");
    EXPECT_EQ(Label("deliveryNameLabel")->text(), "Firma:");
    ChooseEntry(use, 0);
    EXPECT_EQ(Label("invoiceNameLabel")->text(), "Name, Vorname:");
    EXPECT_EQ(Label("deliveryNameLabel")->text(), "Name, Vorname:");

    // Saved with eight fields; the disabled delivery fields are stored too.
    QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Stored("Adressen", "rech"),
              "M\xFCller, Klaus;Werkstatt;Birkenweg 12;D-34117 Kassel;0561 3;0170 2;k@m.de;0");
    EXPECT_EQ(Stored("Adressen", "lief"),
              "Packstation 105;Postnummer 1,2;Am Markt 1;D-34117 Kassel");
    EXPECT_EQ(Stored("Adressen", "LgleichR"), "1");

    // Opened again: business use and the delivery address of its own.
    MenuItem(Command::UserInformation)->trigger();
    ChooseEntry(OpenDialog()->findChild<QComboBox*>("useList"), 1);
    ShowDeliveryTab();
    QTest::mouseClick(OpenDialog()->findChild<QCheckBox*>("sameAddressBox"), Qt::LeftButton, {},
                      QPoint(5, 7));
    EXPECT_EQ(Label("deliveryNameLabel")->text(), "Firma:");
    QTest::mouseClick(Button("saveButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Stored("Adressen", "rech").substr(Stored("Adressen", "rech").size() - 2), ";1");
    EXPECT_EQ(Stored("Adressen", "LgleichR"), "0");
    EXPECT_TRUE(boxes.seen.empty());
}

}  // namespace
