// What a test process cannot do to itself, done by a helper process that
// takes teile's part: print as a user for whom the program folder is
// read-only, and end the application while a long job still runs.

#include <QProcess>
#include <QRegularExpression>

#include <filesystem>
#include <string>

#include "PrintTestSupport.h"

namespace {

namespace fs = std::filesystem;

struct HostRun {
    int exitCode = -1;
    bool crashed = true;
    QString output;
};

HostRun RunHost(const QStringList& arguments) {
    QProcess host;
    host.start(PRINT_HOST, arguments);
    HostRun run;
    if (!host.waitForFinished(60000)) {
        host.kill();
        host.waitForFinished();
        return run;
    }
    run.crashed = host.exitStatus() != QProcess::NormalExit;
    run.exitCode = host.exitCode();
    run.output = QString::fromUtf8(host.readAllStandardOutput());
    return run;
}

using PrintProcess = PrintLibraryTest;

// root writes through permission bits, so the helper becomes "nobody" first.
TEST_F(PrintProcess, ReadOnlyProgramFolderStillOpensThePreviewAndSaysThePdfIsNotKept) {
    fs::permissions(folder.Path(), fs::perms(0555));
    const HostRun run =
        RunHost({QString::fromStdString(folder.Path()), "DruckeBestellung", "1", "--as-nobody"});
    fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
    if (run.exitCode == 77) {
        GTEST_SKIP() << "cannot run as another user";
    }
    ASSERT_FALSE(run.crashed);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("result=2")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(
        "title= Druckvorschau \u2013 die PDF-Datei konnte nicht gespeichert werden"))
        << run.output.toStdString();
    EXPECT_FALSE(folder.Exists("druck"));
}

// Without an application object there is nothing to draw with nor to show
// a preview on.
TEST_F(PrintProcess, WithoutAnApplicationNothingIsPrinted) {
    const HostRun run = RunHost(
        {QString::fromStdString(folder.Path()), "DruckeBestellung", "1", "--no-application"});
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.output.trimmed(), "result=1");
    EXPECT_FALSE(folder.Exists("druck"));
}

// teile does not wait for a job when it quits. Whenever the application
// ends, the process ends normally, and "druck" holds complete PDFs only.
TEST_F(PrintProcess, ApplicationEndingDuringAJobEndsTheProcessCleanly) {
    // Long texts in every field make the job long enough to be caught.
    std::string file = "[teil]\r\n";
    const std::string words(40, 'x');
    std::string text;
    for (int i = 0; i < 5; ++i) {
        text += words + " ";
    }
    for (int slot = 0; slot < 500; ++slot) {
        file += "t" + std::to_string(slot) + "=Teil " + std::to_string(slot);
        for (int field = 2; field <= 12; ++field) {
            file += ";" + text;
        }
        file += ";5;3\r\n";
    }
    folder.Write("k9.dat", file);

    int cancelled = 0;
    for (int delay : {0, 10, 50, 200}) {
        const HostRun run = RunHost({QString::fromStdString(folder.Path()), "DruckeKategorie", "9",
                                     "--quit-after-ms", QString::number(delay)});
        ASSERT_FALSE(run.crashed) << delay;
        ASSERT_EQ(run.exitCode, 0) << delay << run.output.toStdString();
        cancelled += run.output.contains("result=3") ? 1 : 0;
        for (const std::string& name : Kept()) {
            EXPECT_FALSE(name.starts_with(".")) << "left behind: " << name;
            EXPECT_TRUE(KeptText(name).contains("500 Teil(e) in dieser Kategorie")) << name;
        }
    }
    EXPECT_GT(cancelled, 0) << "no run ended the application during its job";
}

}  // namespace
