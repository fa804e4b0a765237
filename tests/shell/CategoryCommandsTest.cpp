// New, rename and delete category through the category dialog and the
// dialog frame, as a user does it.

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "AtomicFile.h"
#include "CategoryDialog.h"
#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "ShellTestSupport.h"

namespace {

class CategoryCommands : public ShellTest {
protected:
    void SetUp() override {
        Write("teile.dat",
              "[kategorie]\r\nk0=Dioden\r\nk1=Elkos\r\nk4=Relais\r\n[spalte]\r\ns1=1;110;0\r\n");
        Write("k1.dat", "[teil]\r\nt0=C1;;;;;;;;;;;;3;0\r\n");
        Start();
    }

    QLineEdit* NameField() { return OpenDialog()->findChild<QLineEdit*>("categoryNameField"); }
    QPushButton* Button(const char* name) { return OpenDialog()->findChild<QPushButton*>(name); }
    // Typed key by key, letters beyond ASCII too.
    static void Type(QWidget* field, const QString& text) {
        for (const QChar letter : text) {
            QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, QString(letter), {});
            QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, QString(letter), {});
        }
    }
    void TypeName(const QString& text) {
        NameField()->selectAll();
        QTest::keyClick(NameField(), Qt::Key_Delete);
        Type(NameField(), text);
    }
    void ClickSave() { QTest::mouseClick(Button("saveButton"), Qt::LeftButton); }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return OpenDialog() == nullptr && Window().isEnabled();
    }
};

TEST_F(CategoryCommands, NewCategoryFromTheToolbarEndToEnd) {
    QTest::mouseClick(ToolButton(Command::NewCategory), Qt::LeftButton);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->windowTitle(), " Kategorie anlegen");
    EXPECT_EQ(OpenDialog()->size(), QSize(350, 101));
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_EQ(NameField()->text(), "neue Kategorie");
    ASSERT_TRUE(WaitFor([&] { return NameField()->hasSelectedText(); }));
    EXPECT_EQ(NameField()->selectedText(), "neue Kategorie");
    EXPECT_TRUE(NameField()->hasFocus());
    // Centred on the main window, no position remembered yet.
    const QPoint offset =
        OpenDialog()->frameGeometry().center() - Window().frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 2);
    EXPECT_LE(std::abs(offset.y()), 2);

    // "Speichern" only for a name that is not blank.
    TypeName(" \t ");
    EXPECT_FALSE(Button("saveButton")->isEnabled());
    TypeName("");
    EXPECT_FALSE(Button("saveButton")->isEnabled());
    TypeName(QString::fromUtf8("  Sicherungen 5€ ä"));
    EXPECT_TRUE(Button("saveButton")->isEnabled());
    // Characters the data files cannot hold are not taken.
    Type(NameField(), QString::fromUtf8("→"));
    EXPECT_EQ(NameField()->text(), QString::fromUtf8("  Sicherungen 5€ ä"));

    ClickSave();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(Stored("kategorie", "k2"), "Sicherungen 5\x80 \xE4");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(2));
    EXPECT_EQ(Tree()->currentItem()->text(0), QString::fromUtf8("Sicherungen 5€ ä"));
    // Inserted after the last category, before the order lists.
    EXPECT_EQ(TreeTexts().mid(0, 6),
              (QStringList{"Kategorien", "Dioden", "Elkos", "Relais",
                           QString::fromUtf8("Sicherungen 5€ ä"), "Bestellungen"}));
    EXPECT_EQ(CategoryCountText(), "4 Kategorie(n)");
    EXPECT_EQ(ListStatusText(), "keine Teile in dieser Kategorie");
    EXPECT_EQ(List()->model()->rowCount(), 0);
    EXPECT_TRUE(Enabled(Command::DeleteCategory));
    EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(CategoryCommands, ExistingNameIsRefusedAndTheNameFieldGetsTheFocus) {
    program->Dispatcher().Dispatch(Command::NewCategory);
    TypeName("eLKOS");
    boxes.Answer("OK");
    ClickSave();
    ASSERT_TRUE(ShowedBoxes(
        boxes,
        {{"Warnung !", "Kategorie existiert bereits !     ", QMessageBox::Warning, {"OK"}}}));
    ASSERT_NE(OpenDialog(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return NameField()->hasFocus() && NameField()->hasSelectedText(); }));
    EXPECT_EQ(NameField()->selectedText(), "eLKOS");
    EXPECT_FALSE(Window().isEnabled());
    EXPECT_EQ(CategoryCountText(), "3 Kategorie(n)");

    // Abbrechen closes without a change.
    QTest::mouseClick(Button("cancelButton"), Qt::LeftButton);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(TreeTexts().size(), 8);
}

TEST_F(CategoryCommands, RenameToItsOwnNameInOtherLetterCaseIsAccepted) {
    ClickTreeEntry("Dioden");
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Return);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->windowTitle(), " Kategorie");
    EXPECT_EQ(NameField()->text(), "Dioden");
    EXPECT_TRUE(WaitFor([&] { return Button("cancelButton")->hasFocus(); }));
    TypeName("DIODEN");
    ClickSave();
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Stored("kategorie", "k0"), "DIODEN");
    EXPECT_EQ(Tree()->currentItem()->text(0), "DIODEN");
    EXPECT_EQ(CategoryCountText(), "3 Kategorie(n)");
    // Focus back where it was when the command came.
    ASSERT_TRUE(WaitFor([&] { return Tree()->hasFocus(); }));
}

TEST_F(CategoryCommands, DialogComesBackWhereItWasMoved) {
    program->Dispatcher().Dispatch(Command::NewCategory);
    OpenDialog()->move(123, 77);
    QTest::keyClick(OpenDialog(), Qt::Key_Escape);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(program->State().settings.Dialog(DialogWindow::Category).x, 123);

    ClickTreeEntry("Relais");
    program->Dispatcher().Dispatch(Command::EditCategory);
    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_EQ(OpenDialog()->pos(), QPoint(123, 77));
    OpenDialog()->close();  // the close box
    EXPECT_TRUE(Closed());
    Quit("Ja");
    EXPECT_EQ(Stored("fenster", "f2"), "123;77");
}

TEST_F(CategoryCommands, DeletingTheLastCategorySelectsTheOneBeforeIt) {
    ClickTreeEntry("Relais");
    EXPECT_TRUE(Enabled(Command::DeleteCategory));
    boxes.Answer("Nein");
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Delete);
    ASSERT_TRUE(ShowedBoxes(boxes, {{"Warnung !",
                                     QString::fromUtf8("Kategorie aus der Liste löschen ?     "),
                                     QMessageBox::Warning,
                                     {},
                                     "Nein"}}));
    EXPECT_EQ(Stored("kategorie", "k4"), "Relais");

    boxes.Answer("Ja");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(Stored("kategorie", "k4"), "");
    EXPECT_EQ(Tree()->currentItem()->text(0), "Elkos");
    EXPECT_EQ(List()->model()->rowCount(), 1);  // its list is shown
    EXPECT_EQ(ListStatusText(), "1 Teil(e) in dieser Kategorie");
    EXPECT_EQ(CategoryCountText(), "2 Kategorie(n)");
    EXPECT_FALSE(Enabled(Command::DeleteCategory));  // Elkos has a part
}

TEST_F(CategoryCommands, DeletingTheOnlyCategoryLeavesTheRootSelected) {
    Write("teile.dat", "[kategorie]\r\nk7=Einzig\r\n[spalte]\r\ns1=1;110;0\r\n");
    program.reset();
    ForgetIniSnapshots();
    Start();
    ASSERT_EQ(Tree()->currentItem()->text(0), "Einzig");
    boxes.Answer("Ja");
    program->Dispatcher().Dispatch(Command::DeleteCategory);
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::CategoryRoot());
    EXPECT_EQ(CategoryCountText(), "0 Kategorie(n)");
    for (Command command : CommandsFrom(Command::EditCategory, Command::Search)) {
        if (command != Command::PastePart) {
            EXPECT_FALSE(Enabled(command)) << command;
        }
    }
    EXPECT_TRUE(Enabled(Command::NewCategory));
}

TEST_F(CategoryCommands, RootsAndOrderListsAreNeitherRenamedNorDeletedAsCategories) {
    const std::string before = Read("teile.dat");
    for (const char* entry : {"Kategorien", "Bestellungen", "Lieferant 2"}) {
        ClickTreeEntry(entry);
        program->Dispatcher().Dispatch(Command::DeleteCategory);
        EXPECT_EQ(OpenDialog(), nullptr) << entry;
        // An order list is edited in the supplier dialog, never as a category.
        program->Dispatcher().Dispatch(Command::EditCategory);
        const bool orderList = std::string(entry) == "Lieferant 2";
        EXPECT_EQ(OpenDialog() != nullptr, orderList) << entry;
        if (OpenDialog()) {
            EXPECT_EQ(OpenDialog()->objectName(), "supplierDialog");
            QTest::keyClick(OpenDialog(), Qt::Key_Escape);
            EXPECT_TRUE(Closed());
        }
    }
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(Read("teile.dat"), before);
    EXPECT_EQ(TreeTexts().size(), 8);
}

TEST_F(CategoryCommands, FiftiethCategoryIsTheLast) {
    std::string names = "[kategorie]\r\n";
    for (int category = 0; category < 50; ++category) {
        names += "k" + std::to_string(category) + "=K" + std::to_string(category) + "\r\n";
    }
    Write("teile.dat", names + "[spalte]\r\ns1=1;110;0\r\n");
    program.reset();
    ForgetIniSnapshots();
    Start();
    program->Dispatcher().Dispatch(Command::NewCategory);
    boxes.Answer("OK");
    ClickSave();
    ASSERT_TRUE(
        ShowedBoxes(boxes, {{"FEHLER", "Zu viele Kategorien !     ", QMessageBox::Critical}}));
    EXPECT_NE(OpenDialog(), nullptr);
}

TEST_F(CategoryCommands, FailedWriteIsReportedAndTheWindowStaysAsTheFiles) {
    const std::string before = Read("teile.dat");
    // The write fails at its last step, as on a full disk.
    SetBeforeRenameHookForTesting(
        [](const std::string& temporary) { std::filesystem::remove(temporary); });
    ClickTreeEntry("Relais");
    program->Dispatcher().Dispatch(Command::EditCategory);
    TypeName("Schalter");
    boxes.Answer("OK");
    ClickSave();
    SetBeforeRenameHookForTesting(nullptr);
    EXPECT_TRUE(
        ShowedBoxes(boxes, {{"Fehler!", QString::fromUtf8("Datenspeichern nicht möglich !     "),
                             QMessageBox::Critical}}));
    EXPECT_EQ(Read("teile.dat"), before);
    EXPECT_EQ(Tree()->currentItem()->text(0), "Relais");
    EXPECT_NE(OpenDialog(), nullptr);
}

}  // namespace
