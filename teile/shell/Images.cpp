#include "Images.h"

#include <QString>

#include <array>

// The resources live in a static library: nothing would pull them into the
// program unless they are registered by name (which must be done outside any
// namespace).
static void RegisterImages() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    (void)registered;
}

QIcon BuiltInImage(int number) {
    if (number < 0 || number >= kBuiltInImageCount) {
        return {};
    }
    // SVG drawings stay sharp at any scale; each is loaded once.
    RegisterImages();
    static std::array<QIcon, kBuiltInImageCount> images;
    QIcon& image = images[static_cast<std::size_t>(number)];
    if (image.isNull()) {
        image = QIcon(QString(":/images/image%1.svg").arg(number, 2, 10, QChar('0')));
    }
    return image;
}

QIcon ProgramIcon() {
    RegisterImages();
    static const QIcon icon(":/images/teile.svg");
    return icon;
}
