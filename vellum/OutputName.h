#pragma once
// The names under which printed documents are kept in the folder "druck":
// what a user finds again by looking, and what every file system can hold.

#include <string>

// "Kategorie <name> <date>" or "Bestellung <short name> <date>" without the
// ending: `name` converted from cp1252, every character a file name on Linux
// or Windows cannot hold (/ \ : * ? " < > |, control characters) replaced by
// "_", and cut at a whole character so the longest numbered name still fits
// into the 255 bytes a file name may have. `isoDate` is "JJJJ-MM-TT".
std::string DocumentBaseName(const std::string& kind, const std::string& nameCp1252,
                             const std::string& isoDate);

// The n-th choice for a base name: "<base>.pdf", then "<base> (2).pdf", ...
std::string NumberedFileName(const std::string& base, int number);
