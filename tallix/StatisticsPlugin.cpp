// The one function libtallix.so offers: teile's command "Statistik".

#include <QApplication>
#include <QThread>
#include <QWidget>

#include <memory>
#include <string>

#include "IniStore.h"
#include "ProgramFolder.h"
#include "window/StatisticsDialog.h"

// Everything else of the library stays hidden; this declaration alone is
// seen from outside, and it is checked against teile's.
#pragma GCC visibility push(default)
#include "PluginInterface.h"
#pragma GCC visibility pop

namespace {

constexpr int32_t kShown = 0;
constexpr int32_t kNotShown = -1;

}  // namespace

int32_t StatistikAnzeigen(void* parentWidget) {
    // Widgets exist only in a widget application and on its own thread; any
    // other caller gets nothing rather than a crash.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread()) {
        return kNotShown;
    }
    // Nothing may leave a C function teile calls, exceptions least of all.
    try {
        // The library lies in the program folder, beside the data files.
        const std::string folder =
            FolderOfLoadedFile(reinterpret_cast<const void*>(&StatistikAnzeigen));
        const std::unique_ptr<StatisticsDialog> dialog =
            OpenStatistics(folder, static_cast<QWidget*>(parentWidget));
        // The library stays loaded for good once used; its copy of the read
        // files would only hold memory until the next call reads them anew.
        ForgetIniSnapshots();
        dialog->exec();
        return kShown;
    } catch (...) {
        return kNotShown;
    }
}
