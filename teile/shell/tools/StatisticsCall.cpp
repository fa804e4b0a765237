#include "StatisticsCall.h"

#include "PluginInterface.h"

namespace {

// The window comes back even when the library throws out of its call.
class DisabledWindow {
public:
    explicit DisabledWindow(const std::function<void(bool)>& setEnabled) : setEnabled_(setEnabled) {
        setEnabled_(false);
    }
    ~DisabledWindow() { setEnabled_(true); }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    const std::function<void(bool)>& setEnabled_;
};

}  // namespace

PluginCall ShowStatistics(const std::string& programFolder, void* mainWindow,
                          const std::function<void(bool enabled)>& setMainWindowEnabled) {
    const PluginLibrary library(programFolder, kStatisticsLibrary);
    if (!library.IsLoaded()) {
        return PluginCall::NoLibrary;
    }
    const auto show = reinterpret_cast<StatisticsFunction>(library.Function(kStatisticsFunction));
    if (show == nullptr) {
        return PluginCall::NoFunction;
    }
    const DisabledWindow disabled(setMainWindowEnabled);
    show(mainWindow);
    return PluginCall::Called;
}
