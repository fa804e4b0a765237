#pragma once
// The built libvellum.so as teile meets it: copied into a temporary program
// folder beside a copy of the demo database, called on a thread of its own
// while an application object exists, its PDFs read back as text.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "TempFolder.h"

class PrintLibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The library's exported `function` called with `number` on a thread of
    // its own, as teile's print job calls it; its return value.
    int Call(const char* function, int number) const;
    // teile's own print job for the tree entry `tag`, waited for.
    void Print(int tag) const;

    // The files in "druck", sorted by name.
    std::vector<std::string> Kept() const;
    // pdftotext -layout of a kept file; pages end in "\f".
    QString KeptText(const std::string& name) const;
    // The titles of the open print previews, once `count` are open.
    QStringList PreviewTitles(int count) const;

    void WriteMain(const std::string& group, const std::string& key,
                   const std::string& value) const;

    TempFolder folder;
};

QString PdfText(const std::string& path, const QStringList& options = {"-layout"});
int PageCount(const QString& text);
// "dd.MM.yyyy" and "yyyy-MM-dd" of today.
QString Today();
std::string IsoToday();
