#include "PartDocumentsTab.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DesktopLauncher.h"
#include "DialogBuilder.h"
#include "Messages.h"
#include "PartPaths.h"
#include "PartPicture.h"
#include "Prompter.h"
#include "WindowText.h"
#include "records/PartEditorRules.h"

namespace {

using namespace messages;

constexpr int kPictureX[2] = {12, 190};
constexpr int kPictureFrame = 170;

const char* const kPictureViewTip = " Bild aufrufen ";
const char* const kPictureChooseTip = " Bild ausw\u00e4hlen ";
const char* const kPictureClearTip = " Bildverweis l\u00f6schen ";
const char* const kDatasheetViewTip = " Datenblatt aufrufen ";
const char* const kDatasheetChooseTip = " Datenblatt ausw\u00e4hlen ";

// The choices of the file dialogs. Qt separates the patterns of one filter
// by blanks, and "*" is every file ("*.*" would skip names without a dot).
const QStringList kPictureFilters = {"Bitmap-Dateien (*.bmp)", "JPEG-Dateien (*.jpg *.jpeg)",
                                     "Alle Dateien (*)"};
const QStringList kDatasheetFilters = {"PDF-Dateien (*.pdf)", "Alle Dateien (*)"};

std::string Utf8Of(const QString& text) { return text.toUtf8().toStdString(); }

// The file the user picks in the open dialog, "" when cancelled. It starts at
// `start`, or in the program folder when no file is set.
QString ChooseFile(QWidget* parent, const char* title, const QStringList& filters, int filter,
                   const QString& start, const std::string& folder) {
    QFileDialog dialog(parent, QString::fromUtf8(title));
    dialog.setObjectName("fileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filter));
    if (start.isEmpty()) {
        dialog.setDirectory(QString::fromUtf8(folder));
    } else {
        dialog.selectFile(start);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

const std::string& PathProblemText(PathProblem problem) {
    return problem == PathProblem::TooLong ? kPathTooLong : kPathNotInCodePage;
}

// The path "..." starts from: the file the field names, or none.
QString StartPath(const QUrl& file) { return file.isLocalFile() ? file.toLocalFile() : QString(); }

}  // namespace

PartDocumentsTab::PartDocumentsTab(std::string programFolder, Prompter& prompter, QWidget* parent)
    : QWidget(parent), folder_(std::move(programFolder)), prompter_(prompter) {
    setObjectName("documentsTab");
    DialogBuilder build(this);
    build.Frame({3, 0, 370, 300}, QFrame::Box, QFrame::Sunken);
    QLabel* upperLabel = build.Label("Datenblatt:", {12, 210, 350, 15});
    QLabel* lowerLabel = build.Label("Datenblatt:", {12, 250, 350, 15});
    BuildPicture(0, kPictureX[0]);
    BuildPicture(1, kPictureX[1]);
    BuildDatasheet(datasheets_[1], 1, 225, upperLabel);
    BuildDatasheet(datasheets_[0], 0, 265, lowerLabel);
}

QPushButton* PartDocumentsTab::AddButton(const char* text, const QString& name, int x, int y,
                                         const char* toolTip) {
    QPushButton* button = DialogBuilder(this).Button(text, name, {x, y, 20, 20});
    button->setToolTip(QString::fromUtf8(toolTip));
    button->setAutoDefault(false);
    return button;
}

void PartDocumentsTab::BuildPicture(int index, int x) {
    Picture& picture = pictures_[static_cast<std::size_t>(index)];
    const QString number = QString::number(index + 1);
    picture.preview = new QLabel(this);
    picture.preview->setObjectName("picturePreview" + number);
    picture.preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture.preview->setLineWidth(1);
    picture.preview->setGeometry(x, 15, kPictureFrame, kPictureFrame);
    picture.preview->setAlignment(Qt::AlignCenter);

    // Under the right end of the picture.
    picture.view = AddButton("!", "pictureViewButton" + number, x + 112, 188, kPictureViewTip);
    picture.choose =
        AddButton("...", "pictureChooseButton" + number, x + 132, 188, kPictureChooseTip);
    picture.clear = AddButton("X", "pictureClearButton" + number, x + 152, 188, kPictureClearTip);

    picture.path =
        DialogBuilder(this).Place<QLineEdit>("picturePathField" + number, {x, 220, 173, 20});
    picture.path->setReadOnly(true);
    picture.path->setFocusPolicy(Qt::NoFocus);
    picture.path->hide();

    connect(picture.view, &QPushButton::clicked, this, [this, index] { ViewPicture(index); });
    connect(picture.choose, &QPushButton::clicked, this, [this, index] { ChoosePicture(index); });
    connect(picture.clear, &QPushButton::clicked, this, [this, index] { ClearPicture(index); });
}

void PartDocumentsTab::BuildDatasheet(Datasheet& datasheet, int index, int y, QLabel* label) {
    const QString number = QString::number(index + 1);
    datasheet.path =
        DialogBuilder(this).Place<QLineEdit>("datasheetField" + number, {12, y, 310, 20});
    datasheet.path->setValidator(new StoredPathValidator(folder_, datasheet.path));
    label->setBuddy(datasheet.path);
    datasheet.view = AddButton("!", "datasheetViewButton" + number, 322, y, kDatasheetViewTip);
    datasheet.choose =
        AddButton("...", "datasheetChooseButton" + number, 342, y, kDatasheetChooseTip);
    connect(datasheet.view, &QPushButton::clicked, this, [this, index] { ViewDatasheet(index); });
    connect(datasheet.choose, &QPushButton::clicked, this,
            [this, index] { ChooseDatasheet(index); });
}

void PartDocumentsTab::Fill(const PartEditorTexts& texts) {
    datasheets_[0].stored = texts.datasheet1;
    datasheets_[1].stored = texts.datasheet2;
    for (Datasheet& datasheet : datasheets_) {
        datasheet.shown = ShownPath(datasheet.stored, folder_);
        datasheet.path->setText(datasheet.shown);
    }
    pictures_[0].path->setText(ToWindowText(texts.picture1));
    pictures_[1].path->setText(ToWindowText(texts.picture2));
    DrawPreview(0);
    DrawPreview(1);
}

QLineEdit* PartDocumentsTab::Collect(PartEditorTexts& texts) {
    std::string* stored[2] = {&texts.datasheet1, &texts.datasheet2};
    // The upper field first, as the user reads them.
    for (int index : {1, 0}) {
        const Datasheet& datasheet = datasheets_[static_cast<std::size_t>(index)];
        QLineEdit* field = datasheet.path;
        // A path the user left alone keeps its stored spelling, backslashes
        // of a Windows user included.
        if (field->text() == datasheet.shown) {
            *stored[index] = datasheet.stored;
            continue;
        }
        const StoredPath path = StoredPathOf(field->text(), folder_);
        if (path.problem != PathProblem::None) {
            Tell(kTitleWarning, PathProblemText(path.problem));
            return field;
        }
        *stored[index] = path.text;
    }
    // The hidden fields hold nothing but stored texts.
    texts.picture1 = ToDataText(pictures_[0].path->text());
    texts.picture2 = ToDataText(pictures_[1].path->text());
    return nullptr;
}

std::vector<QWidget*> PartDocumentsTab::TabChain() const {
    std::vector<QWidget*> chain;
    for (const Picture& picture : pictures_) {
        chain.insert(chain.end(), {picture.view, picture.choose, picture.clear});
    }
    for (const Datasheet* datasheet : {&datasheets_[1], &datasheets_[0]}) {
        chain.insert(chain.end(), {datasheet->path, datasheet->view, datasheet->choose});
    }
    return chain;
}

void PartDocumentsTab::DrawPreview(int index) {
    const Picture& picture = pictures_[static_cast<std::size_t>(index)];
    const QImage preview = ShowPartPicture(ToDataText(picture.path->text()), folder_);
    picture.preview->setPixmap(QPixmap::fromImage(preview));
}

void PartDocumentsTab::ViewPicture(int index) {
    Open(FileToOpen(pictures_[static_cast<std::size_t>(index)].path->text(), folder_), true);
}

void PartDocumentsTab::ViewDatasheet(int index) {
    Open(FileToOpen(datasheets_[static_cast<std::size_t>(index)].path->text(), folder_), false);
}

void PartDocumentsTab::Open(const QUrl& file, bool picture) {
    if (file.isEmpty()) {
        Desktop().beep();
        return;
    }
    // A missing file is a failure the desktop would only report in its own
    // way, long after it was handed over.
    const bool opened =
        (!file.isLocalFile() || QFileInfo(file.toLocalFile()).isFile()) && Desktop().open(file);
    if (!opened) {
        Tell(kTitleNotice, picture ? kPictureNotOpened : kDatasheetNotOpened);
    }
}

void PartDocumentsTab::Tell(const std::string& title, const std::string& text) {
    prompter_.Tell(title, text, MessageIcon::Warning);
    // The editor takes the keyboard again, not the main window behind it.
    window()->activateWindow();
}

void PartDocumentsTab::ChoosePicture(int index) {
    Picture& picture = pictures_[static_cast<std::size_t>(index)];
    const QString start = StartPath(FileToOpen(picture.path->text(), folder_));
    const QString chosen = ChooseFile(this, "Bild ausw\u00e4hlen", kPictureFilters,
                                      PictureFilterIndex(Utf8Of(start)), start, folder_);
    if (chosen.isEmpty()) {
        return;
    }
    if (!IsPictureFileName(Utf8Of(chosen))) {
        Tell(kTitleWarning, kNoPicture);
        return;
    }
    const StoredPath path = StoredPathOf(chosen, folder_);
    if (path.problem != PathProblem::None) {
        Tell(kTitleWarning, PathProblemText(path.problem));
        return;
    }
    picture.path->setText(ToWindowText(path.text));
    DrawPreview(index);
}

void PartDocumentsTab::ClearPicture(int index) {
    pictures_[static_cast<std::size_t>(index)].path->clear();
    DrawPreview(index);
}

void PartDocumentsTab::ChooseDatasheet(int index) {
    QLineEdit* field = datasheets_[static_cast<std::size_t>(index)].path;
    const QString start = StartPath(FileToOpen(field->text(), folder_));
    const QString chosen = ChooseFile(this, "Datenblatt ausw\u00e4hlen", kDatasheetFilters,
                                      DatasheetFilterIndex(Utf8Of(start)), start, folder_);
    if (chosen.isEmpty()) {
        return;
    }
    const StoredPath path = StoredPathOf(chosen, folder_);
    if (path.problem != PathProblem::None) {
        Tell(kTitleWarning, PathProblemText(path.problem));
        return;
    }
    field->setText(chosen);
}
