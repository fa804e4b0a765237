#pragma once
#include <string>

// The folder of the running program file, ending in "/". Computed once in
// main() and passed down; nothing else asks where the program lies.
std::string ProgramFolder();

// `folder` with the separator appended when it lacks one.
std::string WithTrailingSeparator(std::string folder);
