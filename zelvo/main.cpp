#include <QApplication>

#include "DecoderWindow.h"
#include "SingleInstance.h"
#include "TerminationRequest.h"

int main(int argc, char* argv[]) {
    CatchTerminationRequests();

    // One decoder per user: a second copy leaves without showing anything.
    const auto claim = WindowTitleClaim::Claim(DecoderTitle);
    if (!claim) {
        return 0;
    }

    QApplication application(argc, argv);
    DecoderWindow window;
    TerminationRequestWatcher watcher(&window);
    window.show();
    return application.exec();
}
