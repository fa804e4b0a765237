#include <QApplication>

#include "DecoderWindow.h"
#include "window/WindowProgram.h"

int main(int argc, char* argv[]) {
    // One decoder per user: a second copy leaves without showing anything.
    WindowProgram program(kDecoderTitle);
    if (!program.IsFirstCopy()) {
        return 0;
    }

    QApplication application(argc, argv);
    DecoderWindow window;
    program.OnTerminationSignal(window, [&window] { window.close(); });
    window.show();
    return application.exec();
}
