#pragma once
// The 168 x 168 preview of a part's picture in the part editor.

#include <QImage>
#include <string>

struct DecodedPicture;

inline constexpr int kPartPictureSide = 168;

// The file-system path (UTF-8) of a stored picture path (cp1252, perhaps
// beginning with the folder token in any letter case, perhaps written on
// Windows with backslashes); "" when the stored text means no file.
std::string PicturePathOf(const std::string& storedPath, const std::string& programFolder);

// White, with the picture scaled so that its longer side is 168 pixels and
// centred; when there is no picture to show (no path, a missing, empty,
// damaged or unknown file) the empty preview instead. `programFolder` is the
// file-system folder of the program, ending in "/".
QImage ShowPartPicture(const std::string& storedPath, const std::string& programFolder);

// The same preview of a picture already decoded.
QImage PartPicturePreview(const DecodedPicture& picture);

// Two red diagonals and "kein Bild vorhanden".
QImage EmptyPartPicture();
