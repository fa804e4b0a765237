#include "PluginLibrary.h"

#include <dlfcn.h>

PluginLibrary::PluginLibrary(const std::string& programFolder, const char* fileName) {
    // RTLD_NOW: a library with unresolved names fails here, not in the middle
    // of a call. RTLD_LOCAL: its names stay out of teile's way.
    std::string inFolder = programFolder;
    if (!inFolder.empty() && inFolder.back() != '/') {
        inFolder += '/';
    }
    inFolder += fileName;
    handle_ = dlopen(inFolder.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        handle_ = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void* PluginLibrary::Function(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}
