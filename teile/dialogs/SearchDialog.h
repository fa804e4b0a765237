#pragma once
// " Suche": the search text and the two fields it is looked for in. The dialog shows and edits the
// search state of the run, so reopening it shows the last text and choices; the search command of
// the shell walks the main window on SearchRequested.

#include "FixedDialog.h"
#include "search/Search.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class SearchDialog : public FixedDialog {
    Q_OBJECT

public:
    // `state` outlives the dialog.
    explicit SearchDialog(SearchState& state, QWidget* parent = nullptr);

    QLineEdit* TextField() const { return textField_; }
    QPushButton* SearchButton() const { return searchButton_; }

signals:
    // kSearchFromTextField or kSearchFromButton; only while a search is possible.
    void SearchRequested(int origin);

protected:
    // Return is the dialog's shortcut: in the text field it searches, on a
    // focused button it presses the button, elsewhere it does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TakeInput();

    SearchState& state_;
    QLineEdit* textField_ = nullptr;
    QCheckBox* inNamesBox_ = nullptr;
    QCheckBox* inRemarksBox_ = nullptr;
    QPushButton* searchButton_ = nullptr;
};
