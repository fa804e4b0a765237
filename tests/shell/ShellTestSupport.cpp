#include "ShellTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "DataFiles.h"
#include "DialogFrame.h"
#include "IniStore.h"
#include "MainWindow.h"
#include "TestApplication.h"
#include "WindowText.h"

bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

std::vector<Command> CommandsFrom(Command first, Command last) {
    std::vector<Command> commands;
    for (int number = CommandNumber(first); number <= CommandNumber(last); ++number) {
        commands.push_back(static_cast<Command>(number));
    }
    return commands;
}

void ShellTest::SetUpTestSuite() { EnsureApplication<QApplication>(); }

void ShellTest::TearDown() {
    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ForgetIniSnapshots();
}

void ShellTest::CopyDemo() {
    for (const auto& entry : std::filesystem::directory_iterator(DEMO_DATA_DIR)) {
        std::filesystem::copy(entry.path(), folder.Path() + entry.path().filename().string(),
                              std::filesystem::copy_options::recursive);
    }
}

std::string ShellTest::Stored(const std::string& group, const std::string& key) const {
    return ReadIniValue(group, key, MainFilePath(folder.Path()));
}

void ShellTest::Start() {
    program = std::make_unique<TeileProgram>(folder.Path());
    QObject::connect(program.get(), &TeileProgram::Ended, [this] { ended = true; });
    program->Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
}

void ShellTest::Quit(const QString& answer) {
    boxes.Answer(answer);
    program->Dispatcher().Dispatch(Command::Quit);
}

CategoryTreeView* ShellTest::Tree() {
    return Window().findChild<CategoryTreeView*>("categoryTree");
}

QTableView* ShellTest::List() { return Window().findChild<QTableView*>("partList"); }

QString ShellTest::CategoryCountText() {
    return Window().findChild<QLabel*>("categoryCountField")->text();
}

QString ShellTest::ListStatusText() {
    return Window().findChild<QLabel*>("listStatusField")->text();
}

QAction* ShellTest::MenuItem(Command command) {
    // The actions belong to the command table, not to a widget.
    return program->Actions().MenuAction(command);
}

QToolButton* ShellTest::ToolButton(Command command) {
    return Window().findChild<QToolButton*>(QString("toolButton%1").arg(CommandNumber(command)));
}

QDialog* ShellTest::OpenDialog() { return program->Dialogs().OpenDialog(); }

void ShellTest::ClickTreeEntry(const QString& text) {
    CategoryTreeView* tree = Tree();
    const QList<QTreeWidgetItem*> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QRect place = tree->visualItemRect(found.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place.center());
}

QStringList ShellTest::TreeTexts() {
    QStringList texts;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
        texts.append((*it)->text(0));
    }
    return texts;
}

QStringList ShellTest::ColumnTexts(int column) {
    QStringList texts;
    const QAbstractItemModel* model = List()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        texts.append(model->index(row, column).data().toString());
    }
    return texts;
}

QStringList ShellTest::HeaderTitles() {
    QStringList titles;
    const QAbstractItemModel* model = List()->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        titles.append(model->headerData(column, Qt::Horizontal).toString());
    }
    return titles;
}

int ShellTest::SelectedRow() {
    const QModelIndexList rows = List()->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ShellTest::ClickRow(int row) {
    QTableView* list = List();
    const QRect place = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

bool ShellTest::Enabled(Command command) {
    QAction* item = MenuItem(command);
    QToolButton* button = ToolButton(command);
    const bool itemEnabled = item && item->isEnabled();
    // Menu item and toolbar button always agree.
    EXPECT_TRUE(!button || button->isEnabled() == itemEnabled) << command;
    return itemEnabled;
}
