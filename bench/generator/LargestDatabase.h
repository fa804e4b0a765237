#pragma once
// The largest database the limits allow, for benchmarks and their tests:
// 50 named categories of 500 parts, every part with two pictures and two
// datasheets, and three order lists of 500 positions each.

#include <string>

struct LargestDatabaseOptions {
    // About every 7th slot empty and some records stored out of slot order, as
    // years of deleting and refilling leave a list file. "max" stays 499.
    bool withHoles = false;
};

// Writes every data file into `folder` (ending in a separator), replacing
// files of the same names. Throws std::runtime_error when a file cannot be
// written, so a benchmark never measures a half-written database.
void GenerateLargestDatabase(const std::string& folder, const LargestDatabaseOptions& options = {});

// Whether a database generated with holes leaves this slot empty.
bool IsLargestDatabaseHole(int category, int slot);

// A freshly generated database in a temporary folder of its own, removed
// again at destruction.
class TemporaryDatabase {
public:
    explicit TemporaryDatabase(const LargestDatabaseOptions& options = {});
    ~TemporaryDatabase();
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

    // Ends in "/".
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};
