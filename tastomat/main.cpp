#include "MainWindow.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    tastomat::TerminationSignals::Install();

    // One copy per user: a second start ends at once, quietly, and leaves the
    // running one as it was. The claim is held until the window is gone.
    const auto claim = WindowTitleClaim::Claim(tastomat::kMainWindowTitle);
    if (!claim) {
        return 0;
    }

    QApplication application(argc, argv);
    tastomat::MainWindow window;
    tastomat::TerminationSignals termination([&window] { window.Shutdown(); });
    window.show();
    return application.exec();
}
