#pragma once
// Everything the window shows, computed from the texts of its fields: the
// chosen regulator, the voltage of a divider, the best pairs for a target
// voltage and the power check. Bad input becomes a German text here, so the
// window only shows what it gets.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ESeries.h"
#include "PairSearch.h"
#include "Regulators.h"

struct RegulatorChoice {
    std::optional<Regulator> regulator;  // nothing when the typed values are bad
    std::string problem;
    std::string summary;  // the data-sheet values in one line
};

// `referenceText` and `adjustText` count only for the own type (kOwnTypeIndex).
RegulatorChoice ChooseRegulator(int typeIndex, std::string_view referenceText,
                                std::string_view adjustText);

struct DividerReport {
    std::string voltsWithoutAdjust;
    std::string voltsWithAdjust;
    std::string adjustShare;  // what Iadj * R2 adds
    std::string dividerCurrent;
    std::string problem;
    std::vector<std::string> warnings;
    // Vout with the Iadj term, a magnitude; nothing when the input is bad.
    std::optional<double> outputVolts;
};

DividerReport EvaluateDivider(const Regulator& regulator, std::string_view r1Text,
                              std::string_view r2Text);

struct PairRow {
    ResistorPair pair;
    std::string r1;
    std::string r2;  // "680 Ω + 39 Ω" for two resistors
    std::string volts;
    std::string percent;
    std::string millivolts;
    std::string dividerCurrent;
    bool belowMinimumLoad = false;
};

struct PairReport {
    std::vector<PairRow> rows;
    std::string problem;
    std::string note;  // what a marked row means, when a row is marked
};

struct PairRequest {
    std::string_view targetText;
    ESeries series = ESeries::E24;
    bool r1Fixed = false;
    std::string_view fixedR1Text;
    bool twoResistorR2 = false;
    int count = 8;  // as many as the window shows without scrolling
};

PairReport EvaluatePairs(const Regulator& regulator, const PairRequest& request);

struct PowerReport {
    std::string power;
    std::string minimumInput;
    std::string problem;
    std::vector<std::string> warnings;
};

// `outputVolts` is the divider's Vout; without it there is nothing to check.
PowerReport EvaluatePower(const Regulator& regulator, std::optional<double> outputVolts,
                          std::string_view inputText, std::string_view currentText);
