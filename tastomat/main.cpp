#include "MainWindow.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <memory>

int main(int argc, char* argv[]) {
    const int terminationSignals = CatchTerminationSignals();

    // One copy per user: a second start ends at once, quietly, and leaves the
    // running one as it was. The claim is held until the window is gone.
    const auto claim = WindowTitleClaim::Claim(tastomat::kMainWindowTitle);
    if (!claim) {
        return 0;
    }

    QApplication application(argc, argv);
    tastomat::MainWindow window;
    std::unique_ptr<QSocketNotifier> termination;
    if (terminationSignals >= 0) {
        termination = std::make_unique<QSocketNotifier>(terminationSignals, QSocketNotifier::Read);
        QObject::connect(termination.get(), &QSocketNotifier::activated, [&] {
            DrainTerminationSignals(terminationSignals);
            window.Shutdown();
        });
    }
    window.show();
    return application.exec();
}
