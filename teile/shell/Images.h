#pragma once
// The nineteen built-in images of teile (resource prefix "/images"): 0-15 the
// 16 x 16 icons of menus, toolbar and tree, 16-18 the marks of order rows.

#include <QIcon>

inline constexpr int kBuiltInImageCount = 19;
inline constexpr int kImageRoot = 11;            // the two roots of the tree
inline constexpr int kImageTreeEntry = 12;       // categories and order lists
inline constexpr int kImageHiddenPosition = 16;  // order row marks
inline constexpr int kImageZeroAmount = 17;
inline constexpr int kImageShownPosition = 18;

// A null icon for a number outside 0-18.
QIcon BuiltInImage(int number);
// The icon of the program's windows.
QIcon ProgramIcon();
