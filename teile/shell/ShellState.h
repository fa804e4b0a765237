#pragma once
// What the shell of teile keeps for the whole run besides its windows.

#include <QPointer>
#include <QWidget>

#include <string>

#include "WindowSettings.h"
#include "lists/ListState.h"
#include "records/PartClipboard.h"

// QuitState: running, quit asked for with the question, or without it.
enum class QuitState { Running = 0, Ask = 1, NoQuestion = 2 };

struct ShellState {
    std::string folder;  // ProgramFolder, ending in "/"
    Settings settings;
    SortState sort;
    // Row of the tree entry selected last, so choosing it again keeps its list.
    int lastTreeIndex = 0;
    PartClipboard clipboard;
    QuitState quit = QuitState::Running;
    // A long command (the compaction) runs with the main window locked; a
    // close request waits until it is done.
    bool busy = false;
    // The control of the main window that had the focus last; it gets the
    // focus back when the main window is active again.
    QPointer<QWidget> lastFocus;
};
