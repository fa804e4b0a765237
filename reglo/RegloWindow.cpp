#include "RegloWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <string>
#include <vector>

#include "ESeries.h"
#include "RegloSheet.h"
#include "ValueText.h"
#include "window/FixedWindow.h"

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 666;
// Enough for any value a user types; a pasted page is cut here.
constexpr int kFieldLength = 40;
constexpr int kInitialSeries = 2;  // E24

const char* const kProblemColour = "#b00000";
const char* const kWarningColour = "#9a4a00";

QString Text(const std::string& text) { return QString::fromStdString(text); }
std::string Typed(const QLineEdit* field) { return field->text().toStdString(); }

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QLabel* AddResult(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* label = AddLabel(parent, QString(), geometry);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* AddMessage(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* label = AddLabel(parent, QString(), geometry);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* AddField(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setMaxLength(kFieldLength);
    return field;
}

// A problem in red, else the warnings in dark orange, one a line.
void ShowMessage(QLabel* label, const std::string& problem,
                 const std::vector<std::string>& warnings = {}) {
    QString text = Text(problem);
    const char* colour = kProblemColour;
    if (problem.empty()) {
        QStringList lines;
        for (const std::string& warning : warnings) {
            lines.append(Text(warning));
        }
        text = lines.join('\n');
        colour = kWarningColour;
    }
    label->setStyleSheet(QString("color: %1;").arg(colour));
    label->setText(text);
}

// A result, or a dash while the input is bad.
void ShowResult(QLabel* label, const std::string& text) {
    label->setText(text.empty() ? QStringLiteral("\u2013") : Text(text));
}

}  // namespace

RegloWindow::RegloWindow(QWidget* parent) : QWidget(parent, kFixedWindowFlags) {
    setObjectName("regloWindow");
    SetUpFixedWindow(*this, QString::fromUtf8(kRegloTitle), QSize(kClientWidth, kClientHeight));
    setWindowIcon(QIcon(":/reglo/reglo.svg"));
    QFont font;
    // Arial or a face of its width; the layout leaves room for wider ones.
    font.setFamilies({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    setFont(font);

    CreateRegulatorRow();
    CreateDividerGroup();
    CreatePairGroup();
    CreatePowerGroup();
    ConnectInputs();
    Recalculate();
}

void RegloWindow::CreateRegulatorRow() {
    AddLabel(this, "Regler:", QRect(10, 13, 50, 20));
    regulatorList_ = new QComboBox(this);
    regulatorList_->setObjectName("regulatorList");
    regulatorList_->setGeometry(65, 10, 150, 25);
    for (const RegulatorData& type : kRegulatorTypes) {
        regulatorList_->addItem(QString::fromUtf8(type.name.data(), qsizetype(type.name.size())));
    }
    regulatorList_->addItem(QString::fromUtf8(kOwnTypeName.data(), qsizetype(kOwnTypeName.size())));

    AddLabel(this, "Vref:", QRect(235, 13, 40, 20));
    ownReference_ = AddField(this, "ownReferenceField", "1,25", QRect(275, 10, 70, 25));
    AddLabel(this, QString::fromUtf8("Iadj in µA:"), QRect(360, 13, 70, 20));
    ownAdjust_ = AddField(this, "ownAdjustField", "50", QRect(430, 10, 60, 25));

    regulatorSummary_ = AddMessage(this, "regulatorSummary", QRect(10, 42, 580, 20));
}

void RegloWindow::CreateDividerGroup() {
    auto* group = new QGroupBox("Spannung aus R1 und R2", this);
    group->setGeometry(10, 66, 580, 132);

    AddLabel(group, "R1:", QRect(10, 29, 25, 20));
    r1Field_ = AddField(group, "r1Field", "240", QRect(35, 26, 100, 25));
    AddLabel(group, "R2:", QRect(10, 61, 25, 20));
    r2Field_ = AddField(group, "r2Field", "750", QRect(35, 58, 100, 25));

    AddLabel(group, "Vout ohne Iadj:", QRect(160, 29, 110, 20));
    voltsWithoutAdjust_ = AddResult(group, "voltsWithoutAdjust", QRect(270, 29, 100, 20));
    AddLabel(group, "Vout mit Iadj:", QRect(160, 61, 110, 20));
    voltsWithAdjust_ = AddResult(group, "voltsWithAdjust", QRect(270, 61, 100, 20));
    adjustShare_ = AddLabel(group, QString(), QRect(370, 61, 200, 20));
    adjustShare_->setObjectName("adjustShare");
    AddLabel(group, "Querstrom Vref/R1:", QRect(370, 29, 120, 20));
    dividerCurrent_ = AddResult(group, "dividerCurrent", QRect(490, 29, 80, 20));

    dividerMessage_ = AddMessage(group, "dividerMessage", QRect(10, 90, 560, 36));
}

void RegloWindow::CreatePairGroup() {
    auto* group = new QGroupBox(QString::fromUtf8("Widerstände für eine Zielspannung"), this);
    group->setGeometry(10, 204, 580, 292);

    AddLabel(group, "Zielspannung:", QRect(10, 29, 90, 20));
    targetField_ = AddField(group, "targetField", "5", QRect(100, 26, 70, 25));
    AddLabel(group, "V", QRect(174, 29, 15, 20));
    AddLabel(group, "Reihe:", QRect(200, 29, 45, 20));
    seriesList_ = new QComboBox(group);
    seriesList_->setObjectName("seriesList");
    seriesList_->setGeometry(245, 26, 70, 25);
    for (const ESeries series : kAllSeries) {
        const std::string_view name = SeriesName(series);
        seriesList_->addItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    seriesList_->setCurrentIndex(kInitialSeries);
    twoResistorR2_ = new QCheckBox("R2 auch aus zwei in Reihe", group);
    twoResistorR2_->setObjectName("twoResistorChoice");
    twoResistorR2_->setGeometry(335, 28, 240, 22);

    r1Free_ = new QRadioButton(QString::fromUtf8("R1 frei (100 Ω bis 1 kΩ)"), group);
    r1Free_->setObjectName("r1FreeChoice");
    r1Free_->setGeometry(10, 58, 190, 22);
    r1Free_->setChecked(true);
    r1Fixed_ = new QRadioButton("R1 fest:", group);
    r1Fixed_->setObjectName("r1FixedChoice");
    r1Fixed_->setGeometry(200, 58, 75, 22);
    fixedR1Field_ = AddField(group, "fixedR1Field", "240", QRect(275, 56, 80, 25));
    AddLabel(group, QString::fromUtf8("Doppelklick: Paar übernehmen"), QRect(365, 59, 210, 20));

    pairTable_ = new QTableWidget(0, 6, group);
    pairTable_->setObjectName("pairTable");
    pairTable_->setGeometry(10, 88, 560, 170);
    pairTable_->setHorizontalHeaderLabels({"R1", "R2", "Vout", "Abweichung", "in mV", "Querstrom"});
    for (const auto& [column, width] :
         {std::pair{0, 75}, {1, 130}, {2, 85}, {3, 85}, {4, 80}, {5, 80}}) {
        pairTable_->setColumnWidth(column, width);
    }
    pairTable_->verticalHeader()->hide();
    // Eight rows of 18 pixels show every pair without a scroll bar.
    pairTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pairTable_->verticalHeader()->setMinimumSectionSize(18);
    pairTable_->verticalHeader()->setDefaultSectionSize(18);
    pairTable_->horizontalHeader()->setFixedHeight(22);
    pairTable_->horizontalHeader()->setStretchLastSection(true);
    pairTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pairTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    pairTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairTable_->setWordWrap(false);

    pairMessage_ = AddMessage(group, "pairMessage", QRect(10, 264, 560, 22));
}

void RegloWindow::CreatePowerGroup() {
    auto* group = new QGroupBox("Leistung am Regler", this);
    group->setGeometry(10, 502, 580, 156);

    AddLabel(group, "Eingangsspannung:", QRect(10, 29, 120, 20));
    inputField_ = AddField(group, "inputField", "9", QRect(135, 26, 70, 25));
    AddLabel(group, "V", QRect(209, 29, 15, 20));
    AddLabel(group, "Laststrom:", QRect(10, 61, 120, 20));
    currentField_ = AddField(group, "currentField", "0,1", QRect(135, 58, 70, 25));
    AddLabel(group, "A", QRect(209, 61, 15, 20));

    AddLabel(group, "Verlustleistung:", QRect(240, 29, 185, 20));
    powerText_ = AddResult(group, "powerText", QRect(425, 29, 145, 20));
    AddLabel(group, "Mindest-Eingangsspannung:", QRect(240, 61, 185, 20));
    minimumInputText_ = AddResult(group, "minimumInputText", QRect(425, 61, 145, 20));

    // The figure the power warning uses, where the user sees it.
    QLabel* note = AddLabel(
        group, QString::fromUtf8("TO-220 ohne Kühlkörper: bis %1 W").arg(kTo220FreeAirWatts),
        QRect(10, 90, 560, 20));
    note->setObjectName("to220Note");
    note->setToolTip(QString::fromUtf8(
        "50 K/W von der Sperrschicht zur Luft, 25 °C Umgebung, Sperrschicht bis 125 °C"));
    powerMessage_ = AddMessage(group, "powerMessage", QRect(10, 110, 560, 42));
}

void RegloWindow::ConnectInputs() {
    for (QLineEdit* field : {ownReference_, ownAdjust_, r1Field_, r2Field_, targetField_,
                             fixedR1Field_, inputField_, currentField_}) {
        connect(field, &QLineEdit::textChanged, this, &RegloWindow::Recalculate);
    }
    for (QComboBox* list : {regulatorList_, seriesList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &RegloWindow::Recalculate);
    }
    connect(r1Fixed_, &QRadioButton::toggled, this, &RegloWindow::Recalculate);
    connect(twoResistorR2_, &QCheckBox::toggled, this, &RegloWindow::Recalculate);
    connect(pairTable_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { TakePair(row); });
}

void RegloWindow::Recalculate() {
    const bool own = regulatorList_->currentIndex() == kOwnTypeIndex;
    ownReference_->setEnabled(own);
    ownAdjust_->setEnabled(own);
    fixedR1Field_->setEnabled(r1Fixed_->isChecked());

    const RegulatorChoice choice =
        ChooseRegulator(regulatorList_->currentIndex(), Typed(ownReference_), Typed(ownAdjust_));
    if (choice.regulator) {
        regulatorSummary_->setStyleSheet(QString());
        regulatorSummary_->setText(Text(choice.summary));
    } else {
        ShowMessage(regulatorSummary_, choice.problem);
    }
    // Without a regulator nothing below can be computed: every part says so.
    const std::string missing = "Erst die Werte des eigenen Typs richtig angeben.";

    DividerReport divider;
    if (choice.regulator) {
        divider = EvaluateDivider(*choice.regulator, Typed(r1Field_), Typed(r2Field_));
    } else {
        divider.problem = missing;
    }
    ShowResult(voltsWithoutAdjust_, divider.voltsWithoutAdjust);
    ShowResult(voltsWithAdjust_, divider.voltsWithAdjust);
    adjustShare_->setText(Text(divider.adjustShare));
    ShowResult(dividerCurrent_, divider.dividerCurrent);
    ShowMessage(dividerMessage_, divider.problem, divider.warnings);

    if (choice.regulator) {
        ShowPairs(*choice.regulator);
    } else {
        pairTable_->setRowCount(0);
        ShowMessage(pairMessage_, missing);
    }

    PowerReport power;
    if (choice.regulator) {
        power = EvaluatePower(*choice.regulator, divider.outputVolts, Typed(inputField_),
                              Typed(currentField_));
    } else {
        power.problem = missing;
    }
    ShowResult(powerText_, power.power);
    ShowResult(minimumInputText_, power.minimumInput);
    ShowMessage(powerMessage_, power.problem, power.warnings);
}

void RegloWindow::ShowPairs(const Regulator& regulator) {
    const std::string target = Typed(targetField_);
    const std::string fixedR1 = Typed(fixedR1Field_);
    PairRequest request;
    request.targetText = target;
    request.series = kAllSeries[std::max(0, seriesList_->currentIndex())];
    request.r1Fixed = r1Fixed_->isChecked();
    request.fixedR1Text = fixedR1;
    request.twoResistorR2 = twoResistorR2_->isChecked();
    const PairReport report = EvaluatePairs(regulator, request);

    pairTable_->setRowCount(0);
    pairTable_->setRowCount(static_cast<int>(report.rows.size()));
    for (int row = 0; row < static_cast<int>(report.rows.size()); ++row) {
        const PairRow& pair = report.rows[row];
        const std::string* cells[] = {&pair.r1,      &pair.r2,         &pair.volts,
                                      &pair.percent, &pair.millivolts, &pair.dividerCurrent};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(Text(*cells[column]));
            item->setTextAlignment(column >= 2 ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
            if (pair.belowMinimumLoad) {
                item->setForeground(QColor(kProblemColour));
            }
            pairTable_->setItem(row, column, item);
        }
    }
    if (!report.problem.empty()) {
        ShowMessage(pairMessage_, report.problem);
    } else {
        ShowMessage(pairMessage_, {},
                    report.note.empty() ? std::vector<std::string>{}
                                        : std::vector<std::string>{report.note});
    }
}

void RegloWindow::TakePair(int row) {
    const QTableWidgetItem* r1 = pairTable_->item(row, 0);
    const QTableWidgetItem* r2 = pairTable_->item(row, 1);
    if (r1 == nullptr || r2 == nullptr) {
        return;
    }
    // The shown texts read back as the same values ("680 Ω + 39 Ω" included).
    const QString r1Text = r1->text();
    const QString r2Text = r2->text();
    r1Field_->setText(r1Text);
    r2Field_->setText(r2Text);
}
