#include "window/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The lock lives where the user's session keeps its runtime files, so two
// users on one machine do not block each other.
std::string LockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        return std::string(runtime) + "/";
    }
    return "/tmp/";
}

std::string LockPath(std::string_view title) {
    // FNV-1a keeps the file name short and free of characters a title may hold.
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : title) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char hex[17];
    static const char digits[] = "0123456789abcdef";
    for (int i = 15; i >= 0; --i) {
        hex[i] = digits[hash & 15];
        hash >>= 4;
    }
    hex[16] = 0;
    return LockFolder() + "teile-suite-" + std::to_string(getuid()) + "-" + hex + ".lock";
}

}  // namespace

std::unique_ptr<WindowTitleClaim> WindowTitleClaim::Claim(std::string_view title) {
    const std::string path = LockPath(title);
    int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        // Without a lock file we cannot tell; better a second copy than none.
        return std::unique_ptr<WindowTitleClaim>(new WindowTitleClaim(-1));
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<WindowTitleClaim>(new WindowTitleClaim(descriptor));
}

WindowTitleClaim::~WindowTitleClaim() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}
