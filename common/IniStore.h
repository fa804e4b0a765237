#pragma once
// Access to the INI-style data files, read and written exactly as the Windows
// private-profile routines do, so files move freely between both systems.
//
// Reads go through one parsed snapshot per file that is reused until the file
// changes on disk (size, modification time, inode). Writes replace the file
// atomically and report failure; the old file survives any failed write.

#include <memory>
#include <string>
#include <string_view>

#include "IniDocument.h"

// The snapshot of a file, parsed once and shared until the file changes.
// A missing or unreadable file gives an empty document. Never null.
std::shared_ptr<const IniDocument> ReadIniFile(const std::string& file);

// Replaces the file by the document in one atomic step. False when it failed;
// the file is then unchanged.
[[nodiscard]] bool WriteIniFile(const std::string& file, const IniDocument& document);
// The same without a copy of the document for the store's snapshot, which
// `snapshot`, when given, receives: the file as it is now.
[[nodiscard]] bool WriteIniFile(const std::string& file, IniDocument&& document,
                                std::shared_ptr<const IniDocument>* snapshot = nullptr);

// The value of one key, "" when missing.
std::string ReadIniValue(std::string_view group, std::string_view key, const std::string& file);

// Writes, or removes with a blank value, one key (a blank key removes the
// group). False when the file could not be replaced, or when the group or key
// could not be read back as written; the file is then unchanged.
[[nodiscard]] bool WriteIniValue(std::string_view group, std::string_view key,
                                 std::string_view value, const std::string& file);

// Forget every snapshot (tests that rewrite files behind the store's back).
void ForgetIniSnapshots();
