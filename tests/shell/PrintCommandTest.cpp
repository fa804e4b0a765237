// "Drucken" with the suite's real print library in the program folder: the
// order list selected in the tree is kept as a PDF and shown in a print
// preview, while the main window goes on answering.

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QPrintPreviewDialog>

#include <filesystem>
#include <string>

#include "CategoryTreeView.h"
#include "MainWindow.h"
#include "PluginInterface.h"
#include "ShellTestSupport.h"

namespace {

QPrintPreviewDialog* OpenPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(widget);
            preview && preview->isVisible()) {
            return preview;
        }
    }
    return nullptr;
}

using PrintCommand = ShellTest;

TEST_F(PrintCommand, PrintingAnOrderListKeepsItsPdfAndOpensThePreview) {
    CopyDemo();
    std::filesystem::copy_file(std::string(SUITE_PROGRAM_DIR) + kPrintLibrary,
                               folder.File(kPrintLibrary));
    Start();

    ClickTreeEntry("Bauteilhaus");
    ASSERT_TRUE(Enabled(Command::Print));
    MenuItem(Command::Print)->trigger();
    EXPECT_TRUE(Window().isEnabled());

    const std::string name = "druck/Bestellung Bauteilhaus " +
                             QDate::currentDate().toString(Qt::ISODate).toStdString() + ".pdf";
    ASSERT_TRUE(WaitFor([&] { return folder.Exists(name) && OpenPreview() != nullptr; }));
    EXPECT_EQ(OpenPreview()->windowTitle().toStdString(), " Druckvorschau \u2013 " + name);
    EXPECT_TRUE(Window().isEnabled());
    // The preview is no dialog of teile's: the tree still takes the user's clicks.
    ClickTreeEntry("Transistoren");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(3));

    OpenPreview()->close();
    EXPECT_TRUE(WaitFor([] { return OpenPreview() == nullptr; }));
}

}  // namespace
