#pragma once
// The commands that act on the main window itself: sorting the list on show
// (from the menu "Sortierung" or a header click), "im Vordergrund",
// "Kleindruck (Bestelllung)", "Info" and "Programm beenden".

#include <QObject>

#include "CommandContext.h"

class MainWindowCommands : public QObject {
    Q_OBJECT

public:
    explicit MainWindowCommands(const CommandContext& shell, QObject* parent = nullptr);

    void Sort(bool descending);
    // A click on the header of `column` makes it the sort column.
    void SortByColumn(int column);
    void ToggleStayOnTop();
    // The file decides, so the item always shows what is stored.
    void ToggleSmallPrint();
    void ShowInfo();
    // Closes the main window, which asks the quit question.
    void Quit();

private:
    CommandContext shell_;
};
