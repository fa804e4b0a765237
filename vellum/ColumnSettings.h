#pragma once
// The user's column definition of category lists, read without ever writing.
// teile's own loader writes the default layout back when none is stored; a
// print must leave "teile.dat" alone, so it reads the keys itself and takes
// the defaults in memory only.

#include <string>

#include "lists/ListState.h"

// Keys "s1" ... "s14" of group "spalte" in folder + "teile.dat" under the
// rule teile loads them by; the layout of a new installation when none is
// usable.
ColumnSet ReadColumnDefinition(const std::string& folder);
