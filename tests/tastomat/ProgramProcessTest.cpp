// Starts the built program. A running copy is ended with SIGTERM: the program
// turns SIGTERM into closing its main window through the event loop and then
// returns normally, so "ends with status 0 when its window is closed" is what
// the exit status shows. Each test gives the programs its own runtime folder,
// so the title claim cannot meet a copy started elsewhere.

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <sys/stat.h>
#include <csignal>

namespace {

constexpr int kWaitMilliseconds = 20000;

class TastomatProcess : public ::testing::Test {
protected:
    void Start(QProcess& process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.Path()));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(SUITE_PROGRAM_DIR "tastomat", {});
        ASSERT_TRUE(process.waitForStarted(kWaitMilliseconds)) << SUITE_PROGRAM_DIR "tastomat";
    }

    // True while some process holds a lock on a claim file in our runtime
    // folder. Read from /proc/locks, so looking never takes the claim away.
    bool ClaimIsHeld() const {
        const QStringList files =
            QDir(QString::fromStdString(runtime_.Path())).entryList({"*.lock"}, QDir::Files);
        if (files.isEmpty()) {
            return false;
        }
        struct stat info {};
        const std::string path = runtime_.File(files.first().toStdString());
        if (stat(path.c_str(), &info) != 0) {
            return false;
        }
        QFile locks("/proc/locks");
        if (!locks.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QString inodeField = ":" + QString::number(info.st_ino) + " ";
        for (const QByteArray& line : locks.readAll().split('\n')) {
            const QString text = QString::fromLatin1(line);
            if (text.contains("FLOCK") && text.contains(inodeField)) {
                return true;
            }
        }
        return false;
    }

    // Waits until the running copy has taken the title, failing if it ends first.
    void WaitForClaim(QProcess& running) {
        QElapsedTimer timer;
        timer.start();
        while (!ClaimIsHeld()) {
            ASSERT_EQ(running.state(), QProcess::Running) << "the program ended before its claim";
            ASSERT_LT(timer.elapsed(), kWaitMilliseconds) << "no claim seen";
            QThread::msleep(20);
        }
    }

    static void Terminate(QProcess& running) {
        ASSERT_EQ(running.state(), QProcess::Running);
        kill(static_cast<pid_t>(running.processId()), SIGTERM);
        ASSERT_TRUE(running.waitForFinished(kWaitMilliseconds));
        EXPECT_EQ(running.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(running.exitCode(), 0);
    }

    TempFolder runtime_;
};

}  // namespace

TEST_F(TastomatProcess, SecondCopyEndsAtOnceWhileTheFirstRuns) {
    QProcess first;
    Start(first);
    WaitForClaim(first);

    QProcess second;
    Start(second);
    ASSERT_TRUE(second.waitForFinished(kWaitMilliseconds)) << "the second copy kept running";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    Terminate(first);
}

TEST_F(TastomatProcess, ClosingTheWindowEndsWithStatusZeroAndFreesTheTitle) {
    QProcess first;
    Start(first);
    WaitForClaim(first);
    Terminate(first);
    EXPECT_FALSE(ClaimIsHeld());

    // The title is free again: a new copy runs instead of being refused.
    QProcess next;
    Start(next);
    WaitForClaim(next);
    Terminate(next);
}
