#pragma once
// Paths below the program folder are stored with "$lopf$" in place of the
// folder, so a data folder can move to another place or another machine.
//
// The path and the folder must be in one encoding. Stored paths are cp1252,
// while a folder from the file system is UTF-8 on Linux: convert the folder
// with Utf8ToCp1252 before comparing, and a resolved path with Cp1252ToUtf8
// before opening it, or a folder such as "/home/jürgen/" never matches and a
// resolved path mixes both encodings.

#include <string>
#include <string_view>

inline constexpr std::string_view kFolderToken = "$lopf$";

// The text to store for a path the user chose.
std::string StoreFolderToken(std::string_view path, std::string_view programFolder);
// The path to open for a stored text. Backslashes of a path written on Windows
// become "/" after the token.
std::string ResolveFolderToken(std::string_view stored, std::string_view programFolder);
// "" and "k.A." (any letter case) mean no file.
bool MeansNoFile(std::string_view stored);
