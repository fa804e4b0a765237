#include <QApplication>
#include <QSocketNotifier>

#include <memory>

#include "DecoderWindow.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

int main(int argc, char* argv[]) {
    const int terminationSignals = CatchTerminationSignals();

    // One decoder per user: a second copy leaves without showing anything.
    const auto claim = WindowTitleClaim::Claim(DecoderTitle);
    if (!claim) {
        return 0;
    }

    QApplication application(argc, argv);
    DecoderWindow window;
    std::unique_ptr<QSocketNotifier> termination;
    if (terminationSignals >= 0) {
        termination = std::make_unique<QSocketNotifier>(terminationSignals, QSocketNotifier::Read);
        QObject::connect(termination.get(), &QSocketNotifier::activated, [&] {
            DrainTerminationSignals(terminationSignals);
            window.close();
        });
    }
    window.show();
    return application.exec();
}
