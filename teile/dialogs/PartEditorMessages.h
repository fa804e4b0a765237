#pragma once
// The messages of the part editor itself (cp1252); the save checks ask
// theirs in SavePart. Five blanks follow every text.

#include <string>

#include "PartPaths.h"

namespace part_editor_texts {

inline const std::string kTitleWarning = "Warnung !";
inline const std::string kTitleNotice = "Hinweis";

inline const std::string kNoPicture = "Ausgew\xE4hlte Datei ist kein Bild !     ";
inline const std::string kPictureNotOpened = "Bild konnte nicht aufgerufen werden!     ";
inline const std::string kDatasheetNotOpened = "Datenblatt konnte nicht aufgerufen werden!     ";

// Paths and records the data files could not hold as they are.
inline const std::string kPathNotInCodePage =
    "Der Pfad dieser Datei enth\xE4lt Zeichen, die in den Datendateien nicht gespeichert "
    "werden k\xF6nnen. Bitte die Datei umbenennen oder in einen anderen Ordner legen !     ";
inline const std::string kPathTooLong =
    "Der Pfad dieser Datei ist zu lang: h\xF6" "chstens 254 Zeichen k\xF6nnen gespeichert "
    "werden !     ";
inline const std::string kRecordTooLong =
    "Die Angaben dieses Teils sind zu lang: alle Felder zusammen d\xFCrfen h\xF6" "chstens "
    "254 Zeichen haben !     ";

inline const std::string& PathProblemText(PathProblem problem) {
    return problem == PathProblem::TooLong ? kPathTooLong : kPathNotInCodePage;
}

}  // namespace part_editor_texts
