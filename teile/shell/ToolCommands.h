#pragma once
// The commands of teile that reach outside the program: the tool programs of
// the menu "Werkzeuge", "Drucken" and "Statistik". The processes and
// libraries themselves are handled in tools/; this class only connects them
// to the main window: which tree entry is printed, the main window locked
// around the statistics, what dranko printed shown to the user when it ran
// without a terminal, and why a tool could not be started.

#include <QObject>
#include <QString>

#include <string_view>

class MainWindow;
class ToolProcesses;
struct ToolStartFailure;
struct ShellState;

class ToolCommands : public QObject {
    Q_OBJECT

public:
    ToolCommands(ShellState& state, MainWindow& window, ToolProcesses& tools,
                 QObject* parent = nullptr);

    // The tool program in `file` of the program folder (ToolTable.h).
    void StartTool(std::string_view file);
    // For the selected tree entry; returns at once.
    void Print();
    // Returns when the user has closed the statistics.
    void ShowStatistics();

private:
    void ShowConsoleOutput(const QString& output);
    void ShowStartFailure(const ToolStartFailure& failure);
    void SetMainWindowEnabled(bool enabled);

    ShellState& state_;
    MainWindow& window_;
    ToolProcesses& tools_;
};
