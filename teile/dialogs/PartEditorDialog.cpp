#include "PartEditorDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "DialogBuilder.h"
#include "Messages.h"
#include "PartDocumentsTab.h"
#include "PartGeneralTab.h"
#include "PriceField.h"
#include "Prompter.h"

namespace {

const char kTitle[] = " Teil";

const char* TitleOf(PartEditorMode mode) {
    switch (mode) {
    case PartEditorMode::New: return " Teil anlegen";
    case PartEditorMode::Copy: return " Teil anlegen (aus Kopie)";
    case PartEditorMode::Edit: return " Teil bearbeiten";
    }
    return kTitle;
}

}  // namespace

PartEditorDialog::PartEditorDialog(std::string programFolder, Prompter& prompter, QWidget* parent)
    : FormDialog("partEditorDialog", kTitle, {380, 370}, parent), prompter_(prompter) {
    tabs_ = DialogBuilder(this).Place<QTabWidget>("partTabs", {0, 0, 380, 330});
    general_ = new PartGeneralTab;
    documents_ = new PartDocumentsTab(std::move(programFolder), prompter);
    tabs_->addTab(general_, "Allgemein");
    tabs_->addTab(documents_, "Dokumente");

    AddSaveAndCancel(this, {5, 338, 80, 25}, {295, 338, 80, 25});
    SaveButton()->setToolTip(" F12 ");
    // No default button: Enter in a field must not save or drop the part
    // (keyPressEvent); "Speichern" and F12 save.
    SaveButton()->setAutoDefault(false);
    CancelButton()->setAutoDefault(false);
    ChainTabOrder();

    connect(general_, &PartGeneralTab::PricesValidityChanged, SaveButton(),
            &QPushButton::setEnabled);
    auto* save = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(save, &QShortcut::activated, this, [this] {
        if (SaveButton()->isEnabled()) {
            emit SaveRequested();
        }
    });
    InstallPriceConversionShortcuts(this);
}

void PartEditorDialog::ChainTabOrder() {
    // The tab bar, the fields of both tabs in the order they were created,
    // then the two buttons; the hidden tab's fields are skipped.
    std::vector<QWidget*> chain = {tabs_->tabBar()};
    for (const std::vector<QWidget*>& part : {general_->TabChain(), documents_->TabChain()}) {
        chain.insert(chain.end(), part.begin(), part.end());
    }
    chain.insert(chain.end(), {SaveButton(), CancelButton()});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void PartEditorDialog::Fill(const PartEditorContent& content, bool documentsTab) {
    mode_ = content.mode;
    category_ = content.category;
    slot_ = content.slot;
    setWindowTitle(TitleOf(mode_));
    general_->Fill(content);
    documents_->Fill(content.texts);
    SaveButton()->setEnabled(general_->PricesValid());
    tabs_->setCurrentWidget(documentsTab && mode_ == PartEditorMode::Edit
                                ? static_cast<QWidget*>(documents_)
                                : static_cast<QWidget*>(general_));
}

QWidget* PartEditorDialog::StartFocus() const {
    if (mode_ == PartEditorMode::Edit) {
        return CancelButton();
    }
    return general_->NameField();
}

void PartEditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the focused button, as everywhere in teile.
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->isEnabled()) {
            button->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<PartEditorTexts> PartEditorDialog::Texts() {
    PartEditorTexts texts;
    general_->Collect(texts);
    if (!PartRecordFitsFile(texts)) {
        prompter_.Tell(messages::kTitleWarning, messages::kRecordTooLong, MessageIcon::Warning);
        activateWindow();
        tabs_->setCurrentWidget(general_);
        return std::nullopt;
    }
    if (QLineEdit* refused = documents_->Collect(texts)) {
        tabs_->setCurrentWidget(documents_);
        refused->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return texts;
}
