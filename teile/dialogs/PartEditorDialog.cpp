#include "PartEditorDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "DialogFonts.h"
#include "Messages.h"
#include "PartDocumentsTab.h"
#include "PartGeneralTab.h"
#include "PriceField.h"
#include "Prompter.h"

namespace {

constexpr int kClientWidth = 380;
constexpr int kClientHeight = 370;

const char* TitleOf(PartEditorMode mode) {
    switch (mode) {
    case PartEditorMode::New: return " Teil anlegen";
    case PartEditorMode::Copy: return " Teil anlegen (aus Kopie)";
    case PartEditorMode::Edit: return " Teil bearbeiten";
    }
    return kPartEditorTitle;
}

}  // namespace

PartEditorDialog::PartEditorDialog(std::string programFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      prompter_(prompter) {
    setObjectName("partEditorDialog");
    setWindowTitle(kPartEditorTitle);
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("partTabs");
    tabs_->setGeometry(0, 0, 380, 330);
    general_ = new PartGeneralTab;
    documents_ = new PartDocumentsTab(std::move(programFolder), prompter);
    tabs_->addTab(general_, "Allgemein");
    tabs_->addTab(documents_, "Dokumente");

    saveButton_ = new QPushButton("Speichern", this);
    saveButton_->setObjectName("saveButton");
    saveButton_->setGeometry(5, 338, 80, 25);
    saveButton_->setToolTip(" F12 ");
    cancelButton_ = new QPushButton("Abbrechen", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(295, 338, 80, 25);
    // No default button: Enter in a field must not save or drop the part
    // (keyPressEvent); "Speichern" and F12 save.
    saveButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    ChainTabOrder();

    connect(saveButton_, &QPushButton::clicked, this, &PartEditorDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(general_, &PartGeneralTab::PricesValidityChanged, saveButton_,
            &QPushButton::setEnabled);
    auto* save = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(save, &QShortcut::activated, this, [this] {
        if (saveButton_->isEnabled()) {
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
    chain.insert(chain.end(), {saveButton_, cancelButton_});
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
    saveButton_->setEnabled(general_->PricesValid());
    tabs_->setCurrentWidget(documentsTab && mode_ == PartEditorMode::Edit
                                ? static_cast<QWidget*>(documents_)
                                : static_cast<QWidget*>(general_));
}

QWidget* PartEditorDialog::StartFocus() const {
    if (mode_ == PartEditorMode::Edit) {
        return cancelButton_;
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
