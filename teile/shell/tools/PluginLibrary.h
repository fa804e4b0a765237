#pragma once
// One use of an outside library: loaded when a command needs it, unloaded
// when that use is over. Every use opens its own handle; the dynamic loader
// counts them, so the end of one print job never unloads the library under
// another job or the statistics call.

#include <string>

// What became of a plug-in command; the user is shown none of it.
enum class PluginCall { Called, NoLibrary, NoFunction, Refused };

class PluginLibrary {
public:
    // Looks in `programFolder` (ending in "/") first, then along the normal
    // library search path. Loads nothing when neither has the file or it
    // cannot be loaded.
    PluginLibrary(const std::string& programFolder, const char* fileName);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool IsLoaded() const { return handle_ != nullptr; }
    // Null when not loaded or when the library lacks the function.
    void* Function(const char* name) const;

private:
    void* handle_ = nullptr;
};
