#pragma once
// What the command groups of the main window work with. The program owns all
// of it and builds it before, and ends it after, every group.

class CategoryTreeView;
class CommandActions;
class DialogFrame;
class MainWindow;
class OutcomeApplier;
class PartListPanel;
class Prompter;
struct ShellState;

struct CommandContext {
    ShellState& state;
    MainWindow& window;
    CommandActions& actions;
    CategoryTreeView& tree;
    PartListPanel& list;
    DialogFrame& dialogs;
    OutcomeApplier& applier;
    Prompter& prompter;
};
