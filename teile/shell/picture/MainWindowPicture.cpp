// Renders the main window of teile offscreen into a PNG file, for the README
// and for looking at the window without a screen:
//
//     teile_picture <data folder> <picture.png> [tree tag] [--menu <n>] [--dialog]
//                   [--editor <tab>] [--size <width>x<height>]
//
// The tree tag selects a category (0-49) or an order list (901-903) first;
// --size gives the window another size than the remembered one;
// --menu n opens menu n (0 "Kategorie" ... 4 "Info") and draws it onto the
// window; --dialog pictures the category dialog instead, --editor the part
// editor of the first part of the list on its tab 0 ("Allgemein") or 1
// ("Dokumente"). The data folder is used as it is: give it a copy.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <string>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "TeileProgram.h"

namespace {

void Settle() {
    for (int round = 0; round < 5; ++round) {
        QApplication::processEvents();
    }
}

QPixmap WithOpenMenu(MainWindow& window, int menuNumber) {
    const QList<QAction*> menus = window.menuBar()->actions();
    QPixmap picture = window.grab();
    if (menuNumber < 0 || menuNumber >= menus.size()) {
        return picture;
    }
    QMenu* menu = menus[menuNumber]->menu();
    const QRect item = window.menuBar()->actionGeometry(menus[menuNumber]);
    menu->ensurePolished();
    menu->adjustSize();
    const QPixmap drawn = menu->grab();
    QPainter painter(&picture);
    painter.drawPixmap(window.menuBar()->mapTo(&window, item.bottomLeft()), drawn);
    return picture;
}

struct Arguments {
    std::string folder;
    QString output;
    int tag = -1;
    int menu = -1;
    bool dialog = false;
    int editorTab = -1;
    QSize size;
};

Arguments ParseArguments(int argc, char* argv[]) {
    Arguments arguments;
    arguments.folder = WithTrailingSeparator(argv[1]);
    arguments.output = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--menu" && i + 1 < argc) {
            arguments.menu = std::stoi(argv[++i]);
        } else if (argument == "--dialog") {
            arguments.dialog = true;
        } else if (argument == "--editor" && i + 1 < argc) {
            arguments.editorTab = std::stoi(argv[++i]);
        } else if (argument == "--size" && i + 1 < argc) {
            const QStringList parts = QString(argv[++i]).split('x');
            arguments.size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
        } else {
            arguments.tag = std::stoi(argument);
        }
    }
    return arguments;
}

// The open dialog, or the main window when none opened.
QPixmap DialogPicture(TeileProgram& program) {
    Settle();
    QWidget* open = program.Dialogs().OpenDialog();
    return open ? open->grab() : program.Window().grab();
}

QPixmap Picture(TeileProgram& program, const Arguments& arguments) {
    if (arguments.size.isValid()) {
        program.Window().resize(arguments.size);
    }
    Settle();
    if (arguments.tag >= 0) {
        program.Window().Tree()->Select(TreeEntryId::OfItemTag(arguments.tag));
        Settle();
    }
    if (arguments.editorTab >= 0) {
        program.Dispatcher().ListDoubleClicked(arguments.editorTab == 1);
        return DialogPicture(program);
    }
    if (arguments.dialog) {
        program.Dispatcher().Dispatch(Command::EditCategory);
        return DialogPicture(program);
    }
    return WithOpenMenu(program.Window(), arguments.menu);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "teile_picture <Datenordner> <Bild.png> [Tag] [--menu n] [--dialog] "
                     "[--size BxH]\n");
        return 2;
    }
    const Arguments arguments = ParseArguments(argc, argv);
    TeileProgram program(arguments.folder);
    program.Start();
    if (!Picture(program, arguments).save(arguments.output)) {
        std::fprintf(stderr, "Bild konnte nicht geschrieben werden: %s\n", argv[2]);
        return 1;
    }
    return 0;
}
