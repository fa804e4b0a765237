#pragma once
// The start of every window program of the suite, in the one order that
// works: the termination signals are caught first, so a SIGTERM that comes
// early waits in the pipe until the event loop serves it; then the window
// title is claimed, so a second copy ends quietly before it builds, shows,
// reads or writes anything; only then does main() build the application.
//
// A window program's main() reads:
//
//     int main(int argc, char* argv[]) {
//         WindowProgram program(kMainWindowTitle);
//         if (!program.IsFirstCopy()) {
//             return 0;
//         }
//         QApplication application(argc, argv);
//         MainWindow window;
//         program.OnTerminationSignal(window, [&window] { window.close(); });
//         window.show();
//         return application.exec();
//     }
//
// The action given to OnTerminationSignal ends the program as the user would
// (zelvo closes its window, tastomat also closes its duty-cycle window first,
// teile quits without its question), so main() returns 0 and the claim ends.

#include <functional>
#include <memory>
#include <string_view>

#include "window/SingleInstance.h"

class QObject;

class WindowProgram {
public:
    explicit WindowProgram(std::string_view title);
    ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // False when another process of this user holds the title.
    bool IsFirstCopy() const { return claim_ != nullptr; }

    // Runs `end` in the event loop each time SIGTERM or SIGINT arrives, for as
    // long as `owner` lives. Call it once the application exists. Without a
    // signal pipe the signals keep their default action and this does nothing.
    void OnTerminationSignal(QObject& owner, std::function<void()> end);

private:
    int signalPipe_ = -1;
    std::unique_ptr<WindowTitleClaim> claim_;
};
