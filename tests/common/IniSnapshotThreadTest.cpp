// A snapshot handed out by the store is shared: the window thread, a print job
// and the compaction's progress may read it at the same time. Run under
// ThreadSanitizer this test shows whether reading one needs a lock.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "DataFiles.h"
#include "IniStore.h"
#include "TempFolder.h"

namespace {

constexpr int kRecords = 300;

std::string RecordText(int slot) { return "Teil " + std::to_string(slot) + ";keine"; }

// Every record of the list, as one thread reads it.
std::vector<std::string> ReadAll(const IniDocument& list, const std::atomic<bool>& start) {
    while (!start.load()) {
        std::this_thread::yield();
    }
    std::vector<std::string> values;
    values.push_back(std::to_string(list.Entries(kListGroup).size()));
    for (int slot = 0; slot < kRecords; ++slot) {
        values.push_back(list.Value(kListGroup, SlotKey(slot)));
    }
    values.push_back(list.HasGroup("fehlt") ? "fehlt" : "");
    return values;
}

}  // namespace

TEST(IniSnapshot, TwoThreadsReadOneFreshSnapshotAtOnce) {
    TempFolder folder;
    std::string bytes = "[teil]\r\nmax=" + std::to_string(kRecords - 1) + "\r\n";
    for (int slot = 0; slot < kRecords; ++slot) {
        bytes += SlotKey(slot) + "=" + RecordText(slot) + "\r\n";
    }
    folder.Write("k0.dat", bytes);
    ForgetIniSnapshots();
    // Fresh: nobody has looked anything up in it yet.
    const std::shared_ptr<const IniDocument> snapshot = ReadIniFile(folder.File("k0.dat"));

    std::atomic<bool> start{false};
    std::vector<std::string> first;
    std::vector<std::string> second;
    std::thread one([&] { first = ReadAll(*snapshot, start); });
    std::thread two([&] { second = ReadAll(*snapshot, start); });
    start.store(true);
    one.join();
    two.join();

    std::vector<std::string> expected = {std::to_string(kRecords + 1)};
    for (int slot = 0; slot < kRecords; ++slot) {
        expected.push_back(RecordText(slot));
    }
    expected.push_back("");
    EXPECT_EQ(first, expected);
    EXPECT_EQ(second, expected);
}
