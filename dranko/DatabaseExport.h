#pragma once
// One run of the exporter: the database in the program folder written out as
// one CSV file per named category into its sub-folder "csv". The database is
// only read.

#include <cstdio>
#include <functional>
#include <string>

class Console;

// The start lines, the "csv" folder, categories 0-49 in order and the closing
// line. `stopRequested` is asked after each finished file; when it answers
// true the run ends there, with no further output.
void ExportDatabase(const std::string& folder, Console& console,
                    const std::function<bool()>& stopRequested = {});

// True when the second argument, in upper case, is "/FRAGNICHT". The first
// argument is never looked at.
bool SkipsPrompt(int argc, const char* const argv[]);

// The closing prompt; returns once a line (or the end of input) was read.
void PromptForEnter(Console& console, std::FILE* in);
