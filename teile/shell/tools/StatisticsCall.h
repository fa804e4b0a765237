#pragma once
// The command "Statistik": the statistics library shows its window over
// teile's main window and returns when the user has closed it. The call runs
// on the user-interface thread; the main window is disabled around it and
// enabled again afterwards, through `setMainWindowEnabled`, the shell's window
// work (enabling also makes it the active window again). When the library or
// its function is missing nothing happens and the window is never disabled.

#include <functional>
#include <string>

#include "PluginLibrary.h"

PluginCall ShowStatistics(const std::string& programFolder, void* mainWindow,
                          const std::function<void(bool enabled)>& setMainWindowEnabled);
