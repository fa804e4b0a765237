#pragma once
// Filling a test's temporary program folder with the real built programs, the
// demo database, stand-in plug-ins and small scripts.

#include <sys/types.h>

#include <string>

#include "TempFolder.h"

// Copies, never links: dranko takes its data folder from its own real path.
void CopyFileInto(const TempFolder& folder, const std::string& source, const std::string& name);
void CopyProgram(const TempFolder& folder, const std::string& name);
void CopyDemoData(const TempFolder& folder);
void WriteScript(const TempFolder& folder, const std::string& name, const std::string& text);

// Ended means gone or a zombie nobody has reaped yet.
bool ProcessEnded(pid_t pid);
