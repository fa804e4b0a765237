#pragma once
// The main window of teile: menu bar, toolbar, the status bar with its two
// fields, and the category tree and part list side by side in the splitter
// under the labels "Auswahl" and "Teile". Layout and window frame only: the
// commands go through the CommandDispatcher.

#include <QMainWindow>

#include "Commands.h"
#include "MainWindowRules.h"
#include "WindowSettings.h"

class CategoryTreeView;
class CommandActions;
class QLabel;
class QSplitter;
class QTableView;

// The exact title; a second copy of the program is refused by it.
inline constexpr char kTeileTitle[] = " Teile-Verwaltung";

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(CommandActions& actions, Settings& settings, QWidget* parent = nullptr);

    CategoryTreeView* Tree() const { return tree_; }
    QTableView* List() const { return list_; }
    QSplitter* Splitter() const { return splitter_; }

    void SetCategoryCountText(const QString& text);
    void SetListStatusText(const QString& text);

    // Centred at 800 x 600, or at the remembered place and size when all four
    // values are known. The splitter gets its remembered position.
    void PlaceOnScreen();
    // Takes the window's place and size into the settings while it is in its
    // normal state; otherwise only notes that it is not.
    void RecordGeometry();

signals:
    // Enter and Delete, for the command of the focused control.
    void KeyPressed(ShortcutKey key);
    // Ctrl+B, whatever the menu item of the command shows.
    void ShortcutTriggered(Command command);
    // Every close request; a receiver that ignores `event` keeps the window open.
    void CloseRequested(QCloseEvent* event);
    // The window became the active one again.
    void Activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildStatusBar();
    void BuildMainArea();
    void AttachShortcuts();
    void LayOutMainArea();
    void FollowSplitter(int position);

    Settings& settings_;
    QWidget* mainArea_ = nullptr;
    QLabel* selectionLabel_ = nullptr;
    QLabel* partsLabel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CategoryTreeView* tree_ = nullptr;
    QTableView* list_ = nullptr;
    QLabel* categoryCountField_ = nullptr;
    QLabel* listStatusField_ = nullptr;
};
