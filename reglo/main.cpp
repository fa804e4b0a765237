#include <QApplication>

#include "RegloWindow.h"
#include "window/WindowProgram.h"

int main(int argc, char* argv[]) {
    // One calculator per user: a second copy ends at once, quietly, and leaves
    // the running one as it was.
    WindowProgram program(kRegloTitle);
    if (!program.IsFirstCopy()) {
        return 0;
    }

    QApplication application(argc, argv);
    RegloWindow window;
    program.OnTerminationSignal(window, [&window] { window.close(); });
    window.show();
    return application.exec();
}
