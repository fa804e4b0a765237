#include "window/FixedWindow.h"
#include "window/WindowProgram.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <cstdlib>
#include <string>

#include "TempFolder.h"
#include "TestApplication.h"

namespace {

class WindowProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }

    // The title claims of these tests live in a folder of their own, so a
    // running tool of the developer does not count.
    WindowProgramTest() { setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1); }

    static bool WaitFor(const int& count, int expected) {
        return QTest::qWaitFor([&] { return count == expected; });
    }

    TempFolder runtime_;
};

}  // namespace

TEST_F(WindowProgramTest, OnlyTheFirstCopyOfATitleRuns) {
    auto first = std::make_unique<WindowProgram>(" Zelvo-Dekoder");
    EXPECT_TRUE(first->IsFirstCopy());
    EXPECT_FALSE(WindowProgram(" Zelvo-Dekoder").IsFirstCopy());
    // Titles are compared exactly.
    EXPECT_TRUE(WindowProgram(" Zelvo-Dekoder ").IsFirstCopy());
    EXPECT_TRUE(WindowProgram(" Teile-Verwaltung").IsFirstCopy());

    first.reset();
    EXPECT_TRUE(WindowProgram(" Zelvo-Dekoder").IsFirstCopy());
}

// The handler itself only marks the pipe; the end action runs later, in the
// event loop, and only while its owner lives. A signal nobody serves waits
// for the next owner, as one that comes before the window exists does.
TEST_F(WindowProgramTest, TerminationSignalsEndTheWindowThroughTheEventLoop) {
    WindowProgram program(" Tastomat");
    ASSERT_TRUE(program.IsFirstCopy());
    int ended = 0;
    {
        QWidget window;
        program.OnTerminationSignal(window, [&] {
            window.close();
            ++ended;
        });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        raise(SIGTERM);
        EXPECT_EQ(ended, 0);
        EXPECT_TRUE(WaitFor(ended, 1));
        EXPECT_FALSE(window.isVisible());

        window.show();
        raise(SIGINT);
        EXPECT_TRUE(WaitFor(ended, 2));
        EXPECT_FALSE(window.isVisible());
    }

    raise(SIGTERM);
    QTest::qWait(50);
    EXPECT_EQ(ended, 2);

    QWidget next;
    int served = 0;
    program.OnTerminationSignal(next, [&] { ++served; });
    EXPECT_TRUE(WaitFor(served, 1));
    EXPECT_EQ(ended, 2);
}

TEST_F(WindowProgramTest, FixedWindowHasItsSizeOnlyACloseBoxAndOpensCentred) {
    QWidget window(nullptr, kFixedWindowFlags);
    SetUpFixedWindow(window, " Zelvo-Dekoder", QSize(371, 170));
    EXPECT_EQ(window.windowTitle(), " Zelvo-Dekoder");
    EXPECT_EQ(window.minimumSize(), QSize(371, 170));
    EXPECT_EQ(window.maximumSize(), QSize(371, 170));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);

    // Centred up to the width of the frame, which is unknown until the window
    // is shown.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint offCentre =
        window.screen()->availableGeometry().center() - window.geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8);
}
