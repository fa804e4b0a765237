// teile, the parts manager: one copy per user, then the main window on the
// data files of the program folder until the user quits or the system asks
// the program to end.

#include <QApplication>

#include "DesktopTerminal.h"
#include "MainWindow.h"
#include "ProgramFolder.h"
#include "TeileProgram.h"
#include "window/WindowProgram.h"

int main(int argc, char* argv[]) {
    // A second copy ends here, before it reads or writes anything.
    WindowProgram process(kTeileTitle);
    if (!process.IsFirstCopy()) {
        return 0;
    }

    QApplication application(argc, argv);
    TeileProgram program(ProgramFolder(), FindDesktopTerminal());
    QObject::connect(&program, &TeileProgram::Ended, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.Start();
    // SIGTERM and SIGINT end without the question; the settings are saved.
    process.OnTerminationSignal(program, [&program] { program.EndWithoutQuestion(); });
    return application.exec();
}
