#include "PrintPreview.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWindow>

#include "DocumentPainter.h"

namespace {

// The dialog's printer must be made before the dialog and outlive it, so it
// lives in a base class listed first.
struct PreviewPrinter {
    QPrinter ownPrinter{QPrinter::HighResolution};
};

class PreviewDialog : private PreviewPrinter, public QPrintPreviewDialog {
public:
    explicit PreviewDialog(const QString& title) : QPrintPreviewDialog(&ownPrinter) {
        ownPrinter.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        ownPrinter.setFullPage(true);
        ownPrinter.setDocName(title.trimmed());
    }
};

}  // namespace

void OpenPrintPreview(std::shared_ptr<const PrintedDocument> document, const QString& title) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return;
    }
    auto* preview = new PreviewDialog(title);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(title);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [document](QPrinter* printer) {
                         PaintDocument(*document, *printer, [] { return false; });
                     });
    // A main window kept "im Vordergrund" would hide a preview that is not.
    // teile sets that on its platform window.
    if (const QWidget* active = QApplication::activeWindow();
        active && active->windowHandle() &&
        active->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint)) {
        preview->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    preview->show();
    preview->raise();
    preview->activateWindow();
}
