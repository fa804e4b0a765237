#pragma once
// The commands of teile that reach outside the program: the tool programs of
// the menu "Werkzeuge" (15, 16, 17, 19), "Drucken" (3) and "Statistik" (18).
// The processes and libraries themselves are handled in tools/; this class
// only connects them to the main window: which tree entry is printed, the
// main window locked around the statistics, what dranko printed shown to the
// user when it ran without a terminal, and why a tool could not be started.

#include <QObject>
#include <QString>

class MainWindow;
class ToolProcesses;
struct ToolStartFailure;
struct ShellState;

class ToolCommands : public QObject {
    Q_OBJECT

public:
    ToolCommands(ShellState& state, MainWindow& window, ToolProcesses& tools,
                 QObject* parent = nullptr);

    // Commands 15, 16, 17 and 19; any other command starts nothing.
    void StartTool(int command);
    // Command 3 for the selected tree entry; returns at once.
    void Print();
    // Command 18; returns when the user has closed the statistics.
    void ShowStatistics();

private:
    void ShowConsoleOutput(const QString& output);
    void ShowStartFailure(const ToolStartFailure& failure);
    void SetMainWindowEnabled(bool enabled);

    ShellState& state_;
    MainWindow& window_;
    ToolProcesses& tools_;
};
