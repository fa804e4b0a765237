// libFuzzer target for the part editor's picture preview. Any bytes, stored as
// a picture file, give a picture within the decoder's limits or the empty
// preview, and the same preview each time. A slow or greedy input is a finding
// too: run it with -timeout and -rss_limit_mb (tests/database/fuzz/README.md).
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "PartPicture.h"
#include "PictureDecoder.h"

namespace {

// The decoder reads files, so every input becomes this one.
std::string& PicturePath() {
    static std::string path;
    return path;
}

void RemovePicture() { std::remove(PicturePath().c_str()); }

bool WritePicture(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(PicturePath().c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

}  // namespace

// Fontconfig keeps a few blocks of its font cache for good; they are no leak
// of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The empty preview draws its text, which takes fonts and so an
    // application; it needs no screen. It lives as long as the process.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int applicationArgc = 1;
    static char* applicationArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    new QGuiApplication(applicationArgc, applicationArgv);

    std::string pattern = (std::filesystem::temp_directory_path() / "picture-fuzz-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        std::abort();
    }
    close(descriptor);
    PicturePath() = pattern;
    std::atexit(RemovePicture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!WritePicture(data, size)) {
        std::abort();
    }
    const DecodedPicture picture = DecodePicture(PicturePath(), kPartPictureSide);
    if (picture.IsPicture()) {
        const QSize decoded = picture.image.size();
        const QSize full = picture.fullSize;
        // A picture is decoded at its size or reduced, never beyond the caps.
        if (static_cast<long long>(decoded.width()) * decoded.height() > kMaxDecodedPixels ||
            static_cast<long long>(full.width()) * full.height() > kMaxFramePixels ||
            decoded.width() > full.width() || decoded.height() > full.height()) {
            std::abort();
        }
    }
    const QImage preview = ShowPartPicture(PicturePath(), "/");
    if (preview.size() != QSize(kPartPictureSide, kPartPictureSide) ||
        ShowPartPicture(PicturePath(), "/") != preview) {
        std::abort();
    }
    return 0;
}
