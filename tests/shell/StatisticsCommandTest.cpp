// "Statistik" with the real libtallix.so in the program folder: its dialog
// opens over the main window, which stays disabled while the dialog is open
// and is enabled again once it closes - twice in a row, although teile
// unloads the library after each call.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <string>

#include "CommandTable.h"
#include "MainWindow.h"
#include "PluginInterface.h"
#include "ShellTestSupport.h"

namespace {

// Whether the file is mapped into this process.
bool IsMapped(const std::string& file) {
    const std::string path = std::filesystem::canonical(file).string();
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.ends_with(path)) {
            return true;
        }
    }
    return false;
}

// What the user saw of the statistics while they were open.
struct Seen {
    QString title;
    QWidget* parent = nullptr;
    bool mainWindowEnabled = true;
    bool closeButtonEnabled = false;
    QString summary;
};

class StatisticsCommandTest : public ShellTest {
protected:
    // Closes the statistics once they show, after noting what the user saw.
    Seen ChooseStatistics() {
        Seen seen;
        QTimer look;
        look.setInterval(5);
        QObject::connect(&look, &QTimer::timeout, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (!shown || shown->windowTitle() != " Statistik") {
                return;
            }
            look.stop();
            seen.title = shown->windowTitle();
            seen.parent = shown->parentWidget();
            seen.mainWindowEnabled = Window().isEnabled();
            seen.summary = shown->findChild<QLabel*>("summary")->text();
            seen.closeButtonEnabled = shown->findChild<QWidget*>("closeButton")->isEnabled();
            shown->close();
        });
        look.start();
        MenuItem(Command::Statistics)->trigger();
        return seen;
    }
};

TEST_F(StatisticsCommandTest, StatisticsOpenOverTheDisabledMainWindow) {
    CopyDemo();
    std::filesystem::copy_file(std::string(SUITE_PROGRAM_DIR) + kStatisticsLibrary,
                               folder.File(kStatisticsLibrary));
    Start();
    for (int time = 1; time <= 2; ++time) {
        SCOPED_TRACE(time);
        const Seen seen = ChooseStatistics();
        EXPECT_EQ(seen.title, " Statistik");
        EXPECT_EQ(seen.parent, &Window());
        EXPECT_FALSE(seen.mainWindowEnabled);
        EXPECT_TRUE(seen.closeButtonEnabled);
        // The library found the data of teile's folder beside itself.
        EXPECT_TRUE(seen.summary.startsWith("62 Teil(e) in 9 Kategorie(n)"));
        EXPECT_TRUE(Window().isEnabled());
        EXPECT_TRUE(WaitFor([this] { return QApplication::activeWindow() == &Window(); }));
    }
    // Qt keeps pointers into the library, so teile's unloading must not unmap it.
    EXPECT_TRUE(IsMapped(folder.File(kStatisticsLibrary)));
    EXPECT_TRUE(boxes.seen.empty());
}

}  // namespace
