#include "PdfFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cerrno>
#include <cstdio>

#include "AtomicFile.h"
#include "DocumentPainter.h"
#include "OutputName.h"

namespace {

// Enough for a day of prints of the same list; beyond it the PDF is not kept.
constexpr int kMostNumbers = 9999;

bool WritePdf(const PrintedDocument& document, int descriptor, const QString& title,
              const CancelCheck& cancelled) {
    QFile file;
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(720);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("vellum"));
        painted = PaintDocument(document, writer, cancelled);
    }
    return painted && file.flush() && file.error() == QFileDevice::NoError &&
           fsync(descriptor) == 0;
}

// Moves the complete temporary file to the first free numbered name. Where
// the file system cannot rename without replacing, a hard link claims the
// name just as atomically.
std::optional<std::string> ClaimName(const std::string& temporary, const std::string& folder,
                                     const std::string& baseName) {
    for (int number = 1; number <= kMostNumbers; ++number) {
        const std::string path = folder + NumberedFileName(baseName, number);
        if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
            return path;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return std::nullopt;
        }
        if (link(temporary.c_str(), path.c_str()) == 0) {
            unlink(temporary.c_str());
            return path;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> KeepAsPdf(const PrintedDocument& document, const std::string& folder,
                                     const std::string& baseName, const QString& title,
                                     const CancelCheck& cancelled) {
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    std::string temporary = folder + ".vellum-XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    // mkostemp makes the file private; a printed list is as readable as the
    // data it comes from.
    fchmod(descriptor, 0644);
    const bool written = WritePdf(document, descriptor, title, cancelled);
    close(descriptor);
    std::optional<std::string> kept;
    if (written && !cancelled()) {
        kept = ClaimName(temporary, folder, baseName);
    }
    if (kept) {
        SyncFolderOf(*kept);
    } else {
        unlink(temporary.c_str());
    }
    return kept;
}
