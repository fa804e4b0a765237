#pragma once
#include <string>

// The folder of the running program file, ending in "/". Computed once in
// main() and passed down; nothing else asks where the program lies.
std::string ProgramFolder();

// The folder of the library or program file that holds `address` (any
// function of it), ending in "/". A plug-in lies in the program folder of
// the program that loads it, so this is its program folder; empty when the
// address belongs to no loaded file.
std::string FolderOfLoadedFile(const void* address);

// `folder` with the separator appended when it lacks one.
std::string WithTrailingSeparator(std::string folder);
