#pragma once
// A small parts database written as real files into a temporary folder, and
// ways to make chosen writes fail (as root too, where permissions do not).

#include <map>
#include <string>
#include <string_view>

#include "DataFiles.h"
#include "IniStore.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "TestParts.h"

class RecordDatabase {
public:
    const std::string& Folder() const { return folder_.Path(); }
    std::string List(int list) const { return ListFilePath(folder_.Path(), list); }

    // Writes a whole list file; an empty `max` leaves the key out.
    void WriteList(int list, const std::map<int, std::string>& records,
                   std::string_view max = "") const;
    void WriteFile(std::string_view file, std::string_view bytes) const {
        folder_.Write(file, bytes);
    }
    void WriteCategories(const std::map<int, std::string>& names) const;

    std::string Record(int list, int slot) const;
    std::string Side(std::string_view group, std::string_view reference) const;
    std::string Bytes(std::string_view file) const { return folder_.Read(file); }
    bool Exists(std::string_view file) const { return folder_.Exists(file); }

private:
    TempFolder folder_;
};

// Writes of `path` fail from the (skip + 1)-th one on while this lives (only
// `failures` of them when that is not negative): the finished temporary file
// vanishes before its rename.
class FailingWrites {
public:
    explicit FailingWrites(std::string path, int skip = 0, int failures = -1);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

// Every field of one recorded message.
void ExpectMessage(const ScriptedPrompter::Message& message, bool question, std::string_view title,
                   std::string_view text, MessageIcon icon, Answer defaultAnswer = Answer::Yes);
