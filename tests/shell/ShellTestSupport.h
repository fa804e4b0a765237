#pragma once
// The program built on a folder of its own, its message boxes answered as a
// user would, and the widgets of the main window found by objectName.

#include <gtest/gtest.h>

#include <QStringList>
#include <QToolButton>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "IniStore.h"
#include "MessageBoxes.h"
#include "TeileProgram.h"
#include "TempFolder.h"
#include "lists/TreeEntryId.h"

class CategoryTreeView;
class QAction;
class QDialog;
class QLabel;
class QTableView;
class QToolButton;

class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void TearDown() override;

    // The demo database of the repository, copied into the test's folder.
    void CopyDemo();
    void Write(const std::string& name, const std::string& bytes) { folder.Write(name, bytes); }
    std::string Read(const std::string& name) const { return folder.Read(name); }
    std::string Stored(const std::string& group, const std::string& key) const;

    // Builds and starts the program on the folder and waits until it shows.
    void Start();
    // The window's quit (command 26), answering the question with `answer`.
    void Quit(const QString& answer = "Ja");

    MainWindow& Window() { return program->Window(); }
    CategoryTreeView* Tree();
    QTableView* List();
    QString CategoryCountText();
    QString ListStatusText();
    QAction* MenuItem(Command command);
    QToolButton* ToolButton(Command command);
    QDialog* OpenDialog();

    // Selects the tree entry showing `text` by a mouse click.
    void ClickTreeEntry(const QString& text);
    QStringList TreeTexts();
    // Texts of one column of the part list, top to bottom.
    QStringList ColumnTexts(int column);
    QStringList HeaderTitles();
    int SelectedRow();
    void ClickRow(int row);
    bool Enabled(Command command);

    TempFolder folder;
    MessageBoxes boxes;
    std::unique_ptr<TeileProgram> program;
    bool ended = false;
};

// Failure messages name a command by its number, a tree entry by its tag.
inline std::ostream& operator<<(std::ostream& out, Command command) {
    return out << "command " << CommandNumber(command);
}
inline void PrintTo(const TreeEntryId& entry, std::ostream* out) {
    *out << "tree entry " << entry.ItemTag();
}
// The commands from `first` to `last` by number.
std::vector<Command> CommandsFrom(Command first, Command last);

// Processes events until `done` or a guard time passes (never a measured
// expectation); true when done.
bool WaitFor(const std::function<bool()>& done);
