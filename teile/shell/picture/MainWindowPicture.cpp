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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "teile_picture <Datenordner> <Bild.png> [Tag] [--menu n] [--dialog] "
                     "[--size BxH]\n");
        return 2;
    }
    const std::string folder = WithTrailingSeparator(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    int tag = -1;
    int menu = -1;
    bool dialog = false;
    int editorTab = -1;
    QSize size;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--menu" && i + 1 < argc) {
            menu = std::stoi(argv[++i]);
        } else if (argument == "--dialog") {
            dialog = true;
        } else if (argument == "--editor" && i + 1 < argc) {
            editorTab = std::stoi(argv[++i]);
        } else if (argument == "--size" && i + 1 < argc) {
            const QStringList parts = QString(argv[++i]).split('x');
            size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
        } else {
            tag = std::stoi(argument);
        }
    }

    TeileProgram program(folder);
    program.Start();
    if (size.isValid()) {
        program.Window().resize(size);
    }
    Settle();
    if (tag >= 0) {
        program.Window().Tree()->SelectTag(tag);
        Settle();
    }
    QPixmap picture;
    if (editorTab >= 0) {
        program.Dispatcher().ListDoubleClicked(0, editorTab == 1);
        Settle();
        QWidget* open = program.Dialogs().OpenDialog();
        picture = open ? open->grab() : program.Window().grab();
    } else if (dialog) {
        program.Dispatcher().Dispatch(kCommandEditCategory);
        Settle();
        QWidget* open = program.Dialogs().OpenDialog();
        picture = open ? open->grab() : program.Window().grab();
    } else {
        picture = WithOpenMenu(program.Window(), menu);
    }
    if (!picture.save(output)) {
        std::fprintf(stderr, "Bild konnte nicht geschrieben werden: %s\n", argv[2]);
        return 1;
    }
    return 0;
}
