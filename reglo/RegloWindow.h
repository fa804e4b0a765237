#pragma once
// The window of the regulator calculator: the regulator type on top, then
// three parts that follow every key press: the voltage of a divider R1/R2,
// the best E-series pairs for a target voltage, and the power check. All
// numbers and texts come from RegloSheet; the window only shows them.

#include <QWidget>

#include <optional>

#include "Regulators.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// The exact title; a second copy is refused by it.
inline constexpr char kRegloTitle[] = " Reglo - Spannungsregler";

class RegloWindow : public QWidget {
    Q_OBJECT

public:
    explicit RegloWindow(QWidget* parent = nullptr);

private:
    void CreateRegulatorRow();
    void CreateDividerGroup();
    void CreatePairGroup();
    void CreatePowerGroup();
    void ConnectInputs();

    void Recalculate();
    void ShowPairs(const Regulator& regulator);
    void TakePair(int row);

    QComboBox* regulatorList_ = nullptr;
    QLineEdit* ownReference_ = nullptr;
    QLineEdit* ownAdjust_ = nullptr;
    QLabel* regulatorSummary_ = nullptr;

    QLineEdit* r1Field_ = nullptr;
    QLineEdit* r2Field_ = nullptr;
    QLabel* voltsWithoutAdjust_ = nullptr;
    QLabel* voltsWithAdjust_ = nullptr;
    QLabel* adjustShare_ = nullptr;
    QLabel* dividerCurrent_ = nullptr;
    QLabel* dividerMessage_ = nullptr;

    QLineEdit* targetField_ = nullptr;
    QComboBox* seriesList_ = nullptr;
    QRadioButton* r1Free_ = nullptr;
    QRadioButton* r1Fixed_ = nullptr;
    QLineEdit* fixedR1Field_ = nullptr;
    QCheckBox* twoResistorR2_ = nullptr;
    QTableWidget* pairTable_ = nullptr;
    QLabel* pairMessage_ = nullptr;

    QLineEdit* inputField_ = nullptr;
    QLineEdit* currentField_ = nullptr;
    QLabel* powerText_ = nullptr;
    QLabel* minimumInputText_ = nullptr;
    QLabel* powerMessage_ = nullptr;
};
