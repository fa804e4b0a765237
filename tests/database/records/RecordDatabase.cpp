#include "RecordDatabase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "AtomicFile.h"

void RecordDatabase::WriteList(int list, const std::map<int, std::string>& records,
                               std::string_view max) const {
    folder_.Write(ListFileName(list), ListFile(std::string(max), {records.begin(), records.end()}));
}

void RecordDatabase::WriteCategories(const std::map<int, std::string>& names) const {
    std::string bytes = "[kategorie]\r\n";
    for (const auto& [number, name] : names) {
        bytes += CategoryNameKey(number) + "=" + name + "\r\n";
    }
    folder_.Write(kMainFile, bytes);
}

std::string RecordDatabase::Record(int list, int slot) const {
    return ReadIniValue(kListGroup, SlotKey(slot), List(list));
}

std::string RecordDatabase::Side(std::string_view group, std::string_view reference) const {
    const bool picture = group.substr(0, 4) == "bild";
    return ReadIniValue(group, reference,
                        picture ? PictureFilePath(Folder()) : DatasheetFilePath(Folder()));
}

FailingWrites::FailingWrites(std::string path, int skip, int failures) {
    auto toSkip = std::make_shared<int>(skip);
    auto toFail = std::make_shared<int>(failures);
    SetBeforeRenameHookForTesting([path, toSkip, toFail](const std::string& temporary) {
        if (temporary.rfind(path + ".~", 0) != 0 || *toFail == 0) {
            return;
        }
        if (*toSkip > 0) {
            --*toSkip;
            return;
        }
        --*toFail;
        std::remove(temporary.c_str());
    });
}

FailingWrites::~FailingWrites() { SetBeforeRenameHookForTesting(nullptr); }

void ExpectMessage(const ScriptedPrompter::Message& message, bool question, std::string_view title,
                   std::string_view text, MessageIcon icon, Answer defaultAnswer) {
    EXPECT_EQ(message.question, question) << message.text;
    EXPECT_EQ(message.title, title) << message.text;
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.icon, icon) << message.text;
    if (question) {
        EXPECT_EQ(message.defaultAnswer, defaultAnswer) << message.text;
    }
}
