#pragma once
// The part editor: a new part, a copy of a part, or a part being changed, on
// the tabs "Allgemein" and "Dokumente". The part commands of the
// shell fill it, open it through the dialog frame and save it with SavePart;
// "Abbrechen", Escape and the close box reject it without writing anything.

#include <optional>
#include <string>

#include "FixedDialog.h"
#include "records/PartEditorRules.h"

class PartDocumentsTab;
class PartGeneralTab;
class Prompter;
class QTabWidget;

class PartEditorDialog : public FormDialog {
    Q_OBJECT

public:
    // `programFolder`: the file-system folder of the data, ending in "/".
    // Messages of the editor itself (pictures, datasheets) go to `prompter`.
    PartEditorDialog(std::string programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // Title, fields, pictures and the tab to start on.
    void Fill(const PartEditorContent& content, bool documentsTab);
    // Where the focus goes when the editor opens: "Bezeichnung:" for a new
    // part or a copy, "Abbrechen" for an edit.
    QWidget* StartFocus() const;

    int Category() const { return category_; }
    int Slot() const { return slot_; }
    // Everything as typed, paths as they are to be stored; nothing when a
    // path or the whole record cannot be stored (the user has been told).
    std::optional<PartEditorTexts> Texts();

    // SaveRequested also comes from F12 while "Speichern" is enabled.
    QTabWidget* Tabs() const { return tabs_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChainTabOrder();

    PartEditorMode mode_ = PartEditorMode::New;
    int category_ = -1;
    int slot_ = -1;
    Prompter& prompter_;
    QTabWidget* tabs_ = nullptr;
    PartGeneralTab* general_ = nullptr;
    PartDocumentsTab* documents_ = nullptr;
};
