#pragma once
// Every message box text of teile and its titles, in one place (cp1252 bytes,
// converted to QString only by the window that shows them). Five blanks follow
// a message text wherever the users have always seen them; the texts without
// them say so.

#include <string>
#include <string_view>

namespace messages {

// Titles. "FEHLER" is the title of the limits, "Fehler!" of failed writes.
inline const std::string kTitleInfo = "Info";
inline const std::string kTitleNotice = "Hinweis";
inline const std::string kTitleWarning = "Warnung !";
inline const std::string kTitleQuestion = "Frage ?";
inline const std::string kTitleLimit = "FEHLER";
inline const std::string kTitleFailure = "Fehler!";

// A data file could not be written; nothing of the operation remains.
inline const std::string kWriteFailed = "Datenspeichern nicht m\xF6glich !     ";

// The program's start and end.
inline const std::string kQuitQuestion = "Programm beenden ?     ";
// Title "Fehler!".
inline const std::string kRecoveryFailed =
    "Eine unterbrochene Kompaktierung konnte nicht abgeschlossen werden. "
    "Die betroffenen Listen bleiben bis zum n\344chsten Start gesperrt !     ";
// Title "Hinweis"; the names of the files follow, separated by ", ".
inline const std::string kOldWorkFiles =
    "Im Programmordner liegen Dateien einer fr\374heren Kompaktierung: ";
// "Info" (title "Info").
inline std::string InfoText(std::string_view version) {
    return "Teile-Verwaltung, Version " + std::string(version) +
           "\n"
           "Bauteile, Lagerorte und Bestellungen der Elektronik-Werkstatt\n"
           "Freie Software unter der MIT-Lizenz     ";
}

// Limits (title "FEHLER").
inline const std::string kTooManyCategories = "Zu viele Kategorien !     ";
inline const std::string kCategoryFull = "Zu viele Teile in dieser Kategorie !     ";
inline const std::string kOrderListFull = "Zu viele Teile in der Bestellung !     ";

// Saving a part.
inline const std::string kNameEmpty = "Bezeichnung darf nicht leer sein !     ";
inline const std::string kPartExistsCreate = "Teil bereits vorhanden ! Trotzdem anlegen ?     ";
inline const std::string kPartExistsSave = "Teil bereits vorhanden ! Trotzdem speichern ?     ";
inline const std::string kPlaceUsed =
    "Dieser Lagerort ist bereits belegt. Trotzdem so \374bernehmen ?     ";
inline const std::string kPlaceUsedMany =
    "Dieser Lagerort ist bereits mehrfach belegt. Trotzdem so \374bernehmen ?     ";

// Deleting.
inline const std::string kDeleteFromList = "Teil aus der Liste l\xF6schen ?     ";
inline const std::string kDeleteFromOrder = "Teil aus der Bestellung l\xF6schen ?     ";
inline const std::string kPartIsOrdered =
    "Teil befindet sich in mindestens einer Bestellung. Trotzdem l\xF6schen ?     ";

// Categories.
inline const std::string kCategoryExists = "Kategorie existiert bereits !     ";
inline const std::string kDeleteCategory = "Kategorie aus der Liste l\xF6schen ?     ";

// Orders.
inline const std::string kAlreadyOrdered = "Teil wurde bereits bestellt !     ";
inline const std::string kAddedToOrder = "Teil wurde der Bestellung hinzugef\xFCgt !     ";
// Without trailing blanks, as it always was.
inline const std::string kNoPartForPosition =
    "Dieser Position konnte kein Teil zugeordnet werden !";
inline const std::string kGoToPart = "Soll jetzt zu diesem Teil gewechselt werden ?     ";
// Booking would make the part's record longer than a reader gets back
// (title "Warnung !").
inline const std::string kBookingTooLong =
    "Nach dem Zubuchen w\344ren die Angaben dieses Teils l\344nger als 254 Zeichen. Bitte "
    "zuerst die Angaben des Teils k\374rzen !     ";

// Pictures and datasheets of the part editor.
inline const std::string kNoPicture = "Ausgew\xE4hlte Datei ist kein Bild !     ";
inline const std::string kPictureNotOpened = "Bild konnte nicht aufgerufen werden!     ";
inline const std::string kDatasheetNotOpened = "Datenblatt konnte nicht aufgerufen werden!     ";
// Paths and parts the data files could not hold as they are.
inline const std::string kPathNotInCodePage =
    "Der Pfad dieser Datei enth\xE4lt Zeichen, die in den Datendateien nicht gespeichert "
    "werden k\xF6nnen. Bitte die Datei umbenennen oder in einen anderen Ordner legen !     ";
inline const std::string kPathTooLong =
    "Der Pfad dieser Datei ist zu lang: h\366chstens 254 Zeichen k\xF6nnen gespeichert "
    "werden !     ";
inline const std::string kRecordTooLong =
    "Die Angaben dieses Teils sind zu lang: alle Felder zusammen d\xFCrfen h\366chstens "
    "254 Zeichen haben !     ";
// Any value of the data files (title "Warnung !"): nothing of the operation
// was written.
inline const std::string kValueTooLong =
    "Die Angaben sind zu lang: ein Eintrag der Datendateien darf h\366chstens 254 Zeichen "
    "haben. Es wurde nichts gespeichert !     ";

// Search.
inline const std::string kNoMatch = "Keine Entsprechung gefunden !     ";

// Compaction (the question has its line breaks and blanks exactly as shown).
inline const std::string kCompactionQuestion =
    "Achtung ! F\374r die Dauer der Kompaktierung     \r\n"
    "wird die Anwendung f\374r den Nutzer gesperrt.     \r"
    "Diese Funktion hat u.U. eine lange Laufzeit.     \r\n\r\n"
    "Soll die Datenbank jetzt kompaktiert werden ?     ";
inline const std::string kCompacted = "Datenbank wurde kompaktiert !     ";
// After a failed rename past the commit point (title "Hinweis").
inline const std::string kCompactionPending =
    "Die Kompaktierung wird beim n\344chsten Programmstart abgeschlossen. Bis dahin "
    "k\xF6nnen die betroffenen Listen nicht ge\xE4ndert werden.     ";

// A tool program that is there but could not be started (title "Fehler!"):
// the first line, the program's path, and the reason, each on a line of its
// own; the system's own words follow kToolSystemSays when neither reason fits.
inline const std::string kToolNotStarted = "Programm konnte nicht gestartet werden!";
inline const std::string kToolNotExecutable = "Die Datei hat kein Ausf\xFChrungsrecht.";
inline const std::string kToolNotAProgram = "Die Datei ist kein ausf\xFChrbares Programm.";
inline const std::string kToolSystemSays = "Meldung des Systems: ";

// Addresses: the joined fields must read back whole (title "Warnung !").
inline const std::string kAddressTooLong =
    "Die Adresse ist zu lang: zusammen h\366chstens 254 Zeichen !     ";

}  // namespace messages
