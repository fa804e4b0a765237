// dranko: writes the parts database of its own folder as CSV files, one per
// category, into the sub-folder "csv".
//
//   dranko [anything [/FRAGNICHT]]
//
// The exit status is always 0: teile starts it and looks only at the files.

#include <csignal>
#include <cstdio>

#include <unistd.h>

#include "ConsoleText.h"
#include "DatabaseExport.h"
#include "ProgramFolder.h"

namespace {

volatile std::sig_atomic_t hungUp = 0;
volatile std::sig_atomic_t atPrompt = 0;

// Closing the terminal finishes the file being written instead of leaving it
// cut off; the run then ends. At the prompt no file is open, so the program
// ends at once: waiting for the read to be interrupted would miss a hangup
// that arrives just before the read begins.
void NoteHangup(int) {
    if (atPrompt != 0) {
        _exit(0);
    }
    hungUp = 1;
}

void InstallHangupHandler() {
    struct sigaction action {};
    action.sa_handler = NoteHangup;
    sigemptyset(&action.sa_mask);
    sigaction(SIGHUP, &action, nullptr);
    // A reader of our output that goes away must not end the export midway.
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        InstallHangupHandler();
        const std::string folder = ProgramFolder();
        Console console = Console::ForStandardOutput();
        ExportDatabase(folder, console, [] { return hungUp != 0; });
        if (hungUp == 0 && !SkipsPrompt(argc, argv)) {
            atPrompt = 1;
            PromptForEnter(console, stdin);
        }
    } catch (...) {
        // Nothing reports failure through the status; see above.
    }
    return 0;
}
