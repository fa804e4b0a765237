#include "MainWindow.h"
#include "window/WindowProgram.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // One copy per user: a second start ends at once, quietly, and leaves the
    // running one as it was. The claim is held until the window is gone.
    WindowProgram program(tastomat::kMainWindowTitle);
    if (!program.IsFirstCopy()) {
        return 0;
    }

    QApplication application(argc, argv);
    tastomat::MainWindow window;
    program.OnTerminationSignal(window, [&window] { window.Shutdown(); });
    window.show();
    return application.exec();
}
