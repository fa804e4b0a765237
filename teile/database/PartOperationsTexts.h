#pragma once
// The message texts and titles of the record operations (cp1252). Five blanks
// follow a message text wherever the users have always seen them.

#include <string>

namespace record_texts {

inline const std::string kTitleInfo = "Info";
inline const std::string kTitleWarning = "Warnung !";
inline const std::string kTitleError = "FEHLER";
inline const std::string kTitleQuestion = "Frage ?";

inline const std::string kNameEmpty = "Bezeichnung darf nicht leer sein !     ";
inline const std::string kCategoryFull = "Zu viele Teile in dieser Kategorie !     ";
inline const std::string kOrderListFull = "Zu viele Teile in der Bestellung !     ";
inline const std::string kTooManyCategories = "Zu viele Kategorien !     ";
inline const std::string kCategoryExists = "Kategorie existiert bereits !     ";
inline const std::string kPartExistsCreate = "Teil bereits vorhanden ! Trotzdem anlegen ?     ";
inline const std::string kDeleteFromList = "Teil aus der Liste l\xF6schen ?     ";
inline const std::string kDeleteFromOrder = "Teil aus der Bestellung l\xF6schen ?     ";
inline const std::string kPartIsOrdered =
    "Teil befindet sich in mindestens einer Bestellung. Trotzdem l\xF6schen ?     ";
inline const std::string kDeleteCategory = "Kategorie aus der Liste l\xF6schen ?     ";
inline const std::string kAlreadyOrdered = "Teil wurde bereits bestellt !     ";
inline const std::string kAddedToOrder = "Teil wurde der Bestellung hinzugef\xFCgt !     ";
// Without trailing blanks, as it always was.
inline const std::string kNoPartForPosition = "Dieser Position konnte kein Teil zugeordnet werden !";
inline const std::string kGoToPart = "Soll jetzt zu diesem Teil gewechselt werden ?     ";

}  // namespace record_texts
