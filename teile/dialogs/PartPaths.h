#pragma once
// Picture and datasheet paths between the data files and the windows. The
// files hold cp1252 with "$lopf$" for the program folder; the user sees and
// chooses paths as the file system spells them (UTF-8 on Linux), with the
// program folder written out.

#include <QString>
#include <QValidator>

#include <string>

// The stored path with a leading "$lopf$" (any letter case) replaced by the
// program folder; "k.A." and other texts as they are.
QString ShownPath(const std::string& stored, const std::string& programFolder);

enum class PathProblem {
    None,
    NotInCodePage,  // a character the cp1252 data files cannot hold
    TooLong,        // longer than a reader of the data files gets back
};

struct StoredPath {
    std::string text;  // cp1252, with "$lopf$" for the program folder
    PathProblem problem = PathProblem::None;
};
// What gets stored for a path the user typed or chose (trimmed).
StoredPath StoredPathOf(const QString& shown, const std::string& programFolder);

// The file the user wants opened: a path of the file system, a relative path
// taken below the program folder, or an internet address; empty when the text
// names no file ("" or "k.A.").
QUrl FileToOpen(const QString& shown, const std::string& programFolder);

// Keeps a datasheet field to what can be stored: the program folder itself
// may hold any character, it is stored as "$lopf$".
class StoredPathValidator : public QValidator {
public:
    StoredPathValidator(std::string programFolder, QObject* parent)
        : QValidator(parent), folder_(std::move(programFolder)) {}
    State validate(QString& input, int& position) const override;

private:
    std::string folder_;
};
