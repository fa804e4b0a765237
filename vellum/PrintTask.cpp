#include "PrintTask.h"

#include <QDate>

#include "DocumentLayout.h"
#include "JobTicket.h"
#include "OutputName.h"
#include "PageComposer.h"
#include "PdfFile.h"
#include "PrintContent.h"
#include "PrintPreview.h"
#include "ProgramFolder.h"

bool IsPrintable(PrintKind kind, int number) {
    return kind == PrintKind::Category ? number >= 0 && number <= 49 : number >= 1 && number <= 3;
}

std::optional<PrintResult> PrintToFolder(const std::string& programFolder, PrintKind kind,
                                         int number, const CancelCheck& cancelled) {
    if (!IsPrintable(kind, number)) {
        return std::nullopt;
    }
    const QDate today = QDate::currentDate();
    PrintedDocument document;
    std::string kindName;
    std::string name;
    if (kind == PrintKind::Category) {
        const CategoryContent content = ReadCategoryContent(programFolder, number);
        document = LayOutCategory(content, today, cancelled);
        kindName = "Kategorie";
        name = content.name;
    } else {
        const OrderContent content = ReadOrderContent(programFolder, number);
        document = LayOutOrderLetter(content, today, cancelled);
        kindName = "Bestellung";
        name = content.supplierName;
    }
    if (cancelled()) {
        return std::nullopt;
    }
    PrintResult result;
    const QString title = QString::fromStdString(kindName) + QLatin1Char(' ') + PrintText(name);
    result.pdfPath =
        KeepAsPdf(document, programFolder + "druck/",
                  DocumentBaseName(kindName, name, today.toString(Qt::ISODate).toStdString()),
                  title, cancelled);
    if (cancelled()) {
        return std::nullopt;
    }
    result.document = std::make_shared<const PrintedDocument>(std::move(document));
    return result;
}

QString PreviewTitle(const std::optional<std::string>& pdfPath) {
    if (!pdfPath) {
        return QStringLiteral(
            " Druckvorschau \u2013 die PDF-Datei konnte nicht gespeichert werden");
    }
    const std::size_t slash = pdfPath->rfind('/');
    return QStringLiteral(" Druckvorschau \u2013 druck/") +
           QString::fromStdString(pdfPath->substr(slash + 1));
}

int RunPrintJob(PrintKind kind, int number) {
    if (!IsPrintable(kind, number)) {
        return kPrintRefused;
    }
    const std::optional<JobTicket> ticket = JobTicket::Enter();
    if (!ticket) {
        return kPrintRefused;
    }
    const std::string folder = FolderOfLoadedFile(reinterpret_cast<const void*>(&RunPrintJob));
    if (folder.empty()) {
        return kPrintRefused;
    }
    std::optional<PrintResult> result =
        PrintToFolder(folder, kind, number, [&ticket] { return ticket->Cancelled(); });
    if (!result) {
        return kPrintCancelled;
    }
    const QString title = PreviewTitle(result->pdfPath);
    if (!ticket->QueueOnApplication(
            [document = result->document, title] { OpenPrintPreview(document, title); })) {
        return kPrintCancelled;
    }
    return result->pdfPath ? kPrintKept : kPrintNotKept;
}
