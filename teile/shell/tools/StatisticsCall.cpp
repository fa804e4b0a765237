#include "StatisticsCall.h"

#include "PluginInterface.h"

namespace {

// Declared before the library, so the window comes back after the library
// has been unloaded, and also when the library throws out of its call.
class MainWindowLock {
public:
    explicit MainWindowLock(const std::function<void(bool)>& setEnabled)
        : setEnabled_(setEnabled) {}
    ~MainWindowLock() {
        if (locked_) {
            setEnabled_(true);
        }
    }
    MainWindowLock(const MainWindowLock&) = delete;
    MainWindowLock& operator=(const MainWindowLock&) = delete;

    void Lock() {
        setEnabled_(false);
        locked_ = true;
    }

private:
    const std::function<void(bool)>& setEnabled_;
    bool locked_ = false;
};

}  // namespace

PluginCall ShowStatistics(const std::string& programFolder, void* mainWindow,
                          const std::function<void(bool enabled)>& setMainWindowEnabled) {
    MainWindowLock mainWindowLock(setMainWindowEnabled);
    const PluginLibrary library(programFolder, kStatisticsLibrary);
    if (!library.IsLoaded()) {
        return PluginCall::NoLibrary;
    }
    const auto show = reinterpret_cast<StatisticsFunction>(library.Function(kStatisticsFunction));
    if (show == nullptr) {
        return PluginCall::NoFunction;
    }
    mainWindowLock.Lock();
    show(mainWindow);
    return PluginCall::Called;
}
