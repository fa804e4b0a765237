#pragma once
// The tab "Dokumente" of the part editor: the previews of the part's two
// pictures with their buttons "!" (open), "..." (choose) and "X" (remove),
// and the two datasheet fields with "!" and "...". A picture's path lives in
// a hidden field exactly as it is stored; a datasheet field shows its path
// as the file system spells it.

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "records/PartOperations.h"

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

class PartDocumentsTab : public QWidget {
    Q_OBJECT

public:
    // `programFolder` is the file-system folder of the data, ending in "/".
    PartDocumentsTab(std::string programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // The datasheet paths with "$lopf$" expanded, the pictures drawn.
    void Fill(const PartEditorTexts& texts);
    // The four paths as they are to be stored. When a datasheet path cannot
    // be stored the user is told and its field is returned, for the focus.
    QLineEdit* Collect(PartEditorTexts& texts);

    // The focusable controls in the order the Tab key visits them.
    std::vector<QWidget*> TabChain() const;

private:
    struct Picture {
        QLabel* preview = nullptr;
        QPushButton* view = nullptr;
        QPushButton* choose = nullptr;
        QPushButton* clear = nullptr;
        QLineEdit* path = nullptr;  // hidden; the stored text
    };
    struct Datasheet {
        QLineEdit* path = nullptr;
        std::string stored;  // as read from the data file
        QString shown;       // as the field first showed it
        QPushButton* view = nullptr;
        QPushButton* choose = nullptr;
    };

    void BuildPicture(int index, int x);
    void BuildDatasheet(Datasheet& datasheet, int index, int y, QLabel* label);
    QPushButton* AddButton(const char* text, const QString& name, int x, int y,
                           const char* toolTip);

    void DrawPreview(int index);
    void ViewPicture(int index);
    void ChoosePicture(int index);
    void ClearPicture(int index);
    void ViewDatasheet(int index);
    void ChooseDatasheet(int index);
    // Hands the file to the desktop; a failure is told as the picture's or
    // the datasheet's.
    void Open(const QUrl& file, bool picture);
    // A warning of the editor's own.
    void Tell(const std::string& title, const std::string& text);

    std::string folder_;
    Prompter& prompter_;
    std::array<Picture, 2> pictures_;
    // Index 0 is datasheet 1, the lower field; index 1 the upper one.
    std::array<Datasheet, 2> datasheets_;
};
