#include "PartPaths.h"

#include <QDir>
#include <QUrl>

#include "Cp1252.h"
#include "FolderToken.h"
#include "TextRules.h"
#include "WindowText.h"
#include "records/PartEditorRules.h"

namespace {

std::string Utf8Of(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString TextOfUtf8(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool IsInternetAddress(const QString& text) {
    return text.startsWith("http://", Qt::CaseInsensitive) ||
           text.startsWith("https://", Qt::CaseInsensitive);
}

}  // namespace

QString ShownPath(const std::string& stored, const std::string& programFolder) {
    // The token is ASCII: it survives the conversion, and the folder goes in
    // as the file system spells it.
    return TextOfUtf8(ResolveFolderToken(Cp1252ToUtf8(stored), programFolder));
}

StoredPath StoredPathOf(const QString& shown, const std::string& programFolder) {
    const QString withToken = TextOfUtf8(StoreFolderToken(Utf8Of(shown.trimmed()), programFolder));
    StoredPath path;
    if (!FitsCp1252(withToken)) {
        path.problem = PathProblem::NotInCodePage;
        return path;
    }
    path.text = ToDataText(withToken);
    if (path.text.size() > kLongestStoredValue) {
        path.problem = PathProblem::TooLong;
        path.text.clear();
    }
    return path;
}

QUrl FileToOpen(const QString& shown, const std::string& programFolder) {
    const QString text = shown.trimmed();
    if (MeansNoFile(ToDataText(text))) {
        return {};
    }
    if (IsInternetAddress(text)) {
        return QUrl(text);
    }
    // A "$lopf$" typed into a datasheet field counts as well.
    const QString path = TextOfUtf8(ResolveFolderToken(Utf8Of(text), programFolder));
    return QUrl::fromLocalFile(QDir(TextOfUtf8(programFolder)).absoluteFilePath(path));
}

QValidator::State StoredPathValidator::validate(QString& input, int&) const {
    return StoredPathOf(input, folder_).problem == PathProblem::NotInCodePage ? Invalid
                                                                              : Acceptable;
}
