// The data files on disk: creation, atomic replacement, failed writes and
// changes made by other programs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "AtomicFile.h"
#include "IniStore.h"
#include "TempFolder.h"

namespace {

const std::string kOld = "[kategorie]\r\nk0=Alt\r\n";

class IniFile : public ::testing::Test {
protected:
    void SetUp() override { ForgetIniSnapshots(); }
    void TearDown() override { SetBeforeRenameHookForTesting(nullptr); }
    auto FilesInFolder() const {
        const std::filesystem::directory_iterator files(folder.Path());
        return std::distance(begin(files), end(files));
    }

    TempFolder folder;
    const std::string file = folder.File("teile.dat");
};
using IniFileDeathTest = IniFile;

// Root writes through permission bits. A child that becomes "nobody" meets
// them as a user does.
bool LoseRoot() {
    constexpr uid_t kNobody = 65534;
    if (geteuid() != 0) {
        return true;
    }
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

bool CanLoseRoot() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(LoseRoot() ? 0 : 1);
    }
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && status == 0;
}

// Writes `bytes` into the file in place and puts its old modification time
// back: a same-size change that the file's identity cannot show.
void RewriteKeepingTimeStamp(const TempFolder& folder, const std::string& name,
                             const std::string& bytes) {
    struct stat before {};
    ASSERT_EQ(stat(folder.File(name).c_str(), &before), 0);
    ASSERT_EQ(static_cast<std::size_t>(before.st_size), bytes.size());
    folder.Write(name, bytes);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, folder.File(name).c_str(), times, 0), 0);
}

}  // namespace

TEST_F(IniFile, FirstWriteCreatesTheFileAndBlankValuesNeverReachIt) {
    EXPECT_EQ(ReadIniValue("kategorie", "k0", file), "");
    EXPECT_TRUE(WriteIniValue("kategorie", "k0", "  ", file));
    EXPECT_FALSE(folder.Exists("teile.dat"));
    EXPECT_TRUE(WriteIniValue("kategorie", "k0", "Dioden", file));
    EXPECT_EQ(folder.Read("teile.dat"), "[kategorie]\r\nk0=Dioden\r\n");
    EXPECT_EQ(ReadIniValue("Kategorie", "K0", file), "Dioden");

    EXPECT_TRUE(WriteIniValue("kategorie", "K0", "", file));
    EXPECT_EQ(folder.Read("teile.dat"), "[kategorie]\r\n");
}

TEST_F(IniFileDeathTest, CrashBetweenTemporaryFileAndRenameLeavesTheOldFile) {
    folder.Write("teile.dat", kOld);
    EXPECT_EXIT(
        {
            SetBeforeRenameHookForTesting([](const std::string& temporary) {
                // Die only once the new content is complete on disk.
                _exit(ReadWholeFile(temporary) == "[kategorie]\r\nk0=Neu\r\n" ? 7 : 8);
            });
            (void)WriteIniValue("kategorie", "k0", "Neu", file);
        },
        ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(folder.Read("teile.dat"), kOld);
    EXPECT_EQ(ReadIniValue("kategorie", "k0", file), "Alt");
}

TEST_F(IniFile, WriteIntoAMissingFolderFailsAndCreatesNothing) {
    const std::string lost = folder.File("fehlt/teile.dat");
    EXPECT_FALSE(WriteIniValue("kategorie", "k0", "x", lost));
    EXPECT_FALSE(FileExists(folder.File("fehlt")));
    EXPECT_EQ(FilesInFolder(), 0);
}

TEST_F(IniFileDeathTest, ReadOnlyFolderReadOnlyFileAndUnreadableFileAreNeverReplaced) {
    if (!CanLoseRoot()) {
        GTEST_SKIP() << "root that cannot become another user ignores permission bits; "
                        "a failing write is covered by WriteIntoAMissingFolderFails";
    }
    namespace fs = std::filesystem;
    // folder mode, file mode: each time exactly one of them stands in the way.
    for (const auto& [folderMode, fileMode] : {std::pair{0555, 0666}, {0777, 0444}, {0777, 0222}}) {
        folder.Write("teile.dat", kOld);
        fs::permissions(file, fs::perms(fileMode));
        fs::permissions(folder.Path(), fs::perms(folderMode));
        EXPECT_EXIT(_exit(LoseRoot() && !WriteIniValue("kategorie", "k1", "Neu", file) ? 0 : 1),
                    ::testing::ExitedWithCode(0), "")
            << std::oct << folderMode << " " << fileMode;
        fs::permissions(folder.Path(), fs::perms::owner_all);
        fs::permissions(file, fs::perms::owner_all);
        EXPECT_EQ(folder.Read("teile.dat"), kOld);
        EXPECT_EQ(FilesInFolder(), 1);
    }
}

// A read-only mark set by the user holds even for a program run as root,
// which the permission check alone would let through.
TEST_F(IniFile, FileMarkedReadOnlyIsNeverReplacedEvenByRoot) {
    namespace fs = std::filesystem;
    folder.Write("teile.dat", kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(WriteIniValue("kategorie", "k1", "Neu", file));
    fs::permissions(file, fs::perms::owner_all);
    EXPECT_EQ(folder.Read("teile.dat"), kOld);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(IniFile, ChangeByAnotherProgramIsSeenAtTheNextRead) {
    folder.Write("teile.dat", "[g]\r\nk=1111\r\n");
    EXPECT_EQ(ReadIniValue("g", "k", file), "1111");

    folder.Write("teile.dat", "[g]\r\nk=laenger\r\n");
    EXPECT_EQ(ReadIniValue("g", "k", file), "laenger");

    // Replaced by rename, the way an editor saves: same size, new inode.
    folder.Write("anders.tmp", "[g]\r\nk=neu_ein\r\n");
    ASSERT_TRUE(RenameFile(folder.File("anders.tmp"), file));
    // A time stamp ahead of the clock (a folder from a machine whose clock
    // runs fast) keeps the file in the tick where a change cannot show in
    // its identity, however slowly this test runs.
    const timespec ahead[2] = {{time(nullptr) + 60, 0}, {time(nullptr) + 60, 5}};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), ahead, 0), 0);
    EXPECT_EQ(ReadIniValue("g", "k", file), "neu_ein");

    RewriteKeepingTimeStamp(folder, "teile.dat", "[g]\r\nk=neu_two\r\n");
    EXPECT_EQ(ReadIniValue("g", "k", file), "neu_two");

    // A write builds on the other program's content, not on a stale copy.
    RewriteKeepingTimeStamp(folder, "teile.dat", "[g]\r\nk=fremd_3\r\n");
    EXPECT_TRUE(WriteIniValue("g", "n", "5", file));
    EXPECT_EQ(folder.Read("teile.dat"), "[g]\r\nk=fremd_3\r\nn=5\r\n");
}

TEST_F(IniFile, DocumentWithSeveralChangesIsWrittenOnce) {
    folder.Write("k0.dat", "[teil]\r\nmax=1\r\nt0=a\r\nt1=b\r\n");
    const std::string list = folder.File("k0.dat");
    IniDocument changed = *ReadIniFile(list);
    changed.Write("teil", "t0", "");
    changed.Write("teil", "t1", "c");
    changed.Write("teil", "t2", "d");
    int replacements = 0;
    SetBeforeRenameHookForTesting([&](const std::string&) { ++replacements; });
    EXPECT_TRUE(WriteIniFile(list, changed));
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(folder.Read("k0.dat"), "[teil]\r\nmax=1\r\nt1=c\r\nt2=d\r\n");
    EXPECT_EQ(ReadIniValue("teil", "t1", list), "c");

    // Writing what is already there, or removing what is not, touches nothing.
    EXPECT_TRUE(WriteIniValue("teil", "t1", "c", list));
    EXPECT_TRUE(WriteIniValue("teil", "t7", "", list));
    EXPECT_EQ(replacements, 1);
}
