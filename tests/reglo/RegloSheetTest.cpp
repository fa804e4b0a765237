// What the window shows for typed texts: the formula on hand-computed cases
// for every type, the warnings, and a clear text for every kind of bad input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegloSheet.h"

namespace {

constexpr int kLm317 = 0;
constexpr int kLm337 = 1;
constexpr int kLm350 = 2;
constexpr int kLm338 = 3;
constexpr int kLm1117 = 4;

Regulator TypeNumber(int index, std::string_view reference = "", std::string_view adjust = "") {
    return ChooseRegulator(index, reference, adjust).regulator.value();
}

PairRequest Target(std::string_view text) {
    PairRequest request;
    request.targetText = text;
    return request;
}

PairRequest TargetWithFixedR1(std::string_view text, std::string_view r1) {
    PairRequest request = Target(text);
    request.r1Fixed = true;
    request.fixedR1Text = r1;
    return request;
}

bool Mentions(const std::vector<std::string>& texts, std::string_view word) {
    for (const std::string& text : texts) {
        if (text.find(word) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(RegloSheet, DividerVoltageOfEveryType) {
    struct Case {
        int type;
        const char* reference;
        const char* adjust;
        const char* r1;
        const char* r2;
        const char* without;
        const char* with;
        const char* current;
    };
    // Vout = Vref (1 + R2/R1) + Iadj R2, worked out by hand.
    const Case cases[] = {
        {kLm317, "", "", "240", "720", "5,000 V", "5,036 V", "5,21 mA"},
        {kLm337, "", "", "120", "1k", "-11,667 V", "-11,732 V", "10,4 mA"},
        {kLm350, "", "", "240", "2k2", "12,708 V", "12,818 V", "5,21 mA"},
        {kLm338, "", "", "120", "1,0k", "11,667 V", "11,712 V", "10,4 mA"},
        {kLm1117, "", "", "120 Ω", "200", "3,333 V", "3,345 V", "10,4 mA"},
        {kOwnTypeIndex, "0,6", "0", "1k", "4k5", "3,300 V", "3,300 V", "600 µA"},
        {kOwnTypeIndex, "-1,25", "65", "120", "1k", "-11,667 V", "-11,732 V", "10,4 mA"},
    };
    for (const Case& c : cases) {
        const DividerReport report =
            EvaluateDivider(TypeNumber(c.type, c.reference, c.adjust), c.r1, c.r2);
        EXPECT_EQ(report.problem, "") << c.type;
        EXPECT_EQ(report.voltsWithoutAdjust, c.without) << c.type;
        EXPECT_EQ(report.voltsWithAdjust, c.with) << c.type;
        EXPECT_EQ(report.dividerCurrent, c.current) << c.type;
    }
    EXPECT_EQ(EvaluateDivider(TypeNumber(kLm317), "240", "720").adjustShare,
              "+36,0 mV durch Iadj · R2");
    // R2 of two resistors as the pair list shows it.
    EXPECT_EQ(EvaluateDivider(TypeNumber(kLm317), "240", "680 Ω + 39 Ω").voltsWithoutAdjust,
              EvaluateDivider(TypeNumber(kLm317), "240", "719").voltsWithoutAdjust);
}

TEST(RegloSheet, TooLittleDividerCurrentIsWarnedOf) {
    const DividerReport low = EvaluateDivider(TypeNumber(kLm317), "1k", "3k");
    ASSERT_EQ(low.warnings.size(), 1u);
    EXPECT_EQ(low.warnings[0],
              "Querstrom 1,25 mA unter der Mindestlast des LM317 (3,5 mA): ohne Last steigt die "
              "Spannung – R1 kleiner wählen.");
    EXPECT_TRUE(EvaluateDivider(TypeNumber(kLm317), "240", "720").warnings.empty());
    // The LM1117 needs less: 1,7 mA.
    EXPECT_TRUE(EvaluateDivider(TypeNumber(kLm1117), "680", "1k").warnings.empty());
    // The own type has no known minimum.
    EXPECT_TRUE(
        EvaluateDivider(TypeNumber(kOwnTypeIndex, "1,25", "50"), "10k", "30k").warnings.empty());
}

TEST(RegloSheet, PowerAndInputWarnings) {
    struct Case {
        int type;
        const char* input;
        const char* current;
        const char* power;
        const char* minimum;
        std::vector<const char*> warnedOf;
    };
    // LM317 at 240/720: Vout 5,036 V, at least 8,036 V in. LM1117 at 120/200:
    // 3,345 V, at least 4,545 V in.
    const Case cases[] = {
        {kLm317, "12", "0,1", "0,70 W", "8,04 V", {}},
        {kLm317, "12", "1", "6,96 W", "8,04 V", {"Kühlkörper"}},
        {kLm317, "7", "0,1", "0,20 W", "8,04 V", {"zu niedrig"}},
        {kLm317, "4", "0,1", "0,00 W", "8,04 V", {"zu niedrig"}},
        {kLm317, "8", "2 A", "5,93 W", "8,04 V", {"zu niedrig", "Höchststrom", "Kühlkörper"}},
        {kLm1117, "5", "800mA", "1,32 W", "4,55 V", {}},
        {kLm1117, "4", "0,9", "0,59 W", "4,55 V", {"zu niedrig", "Höchststrom"}},
    };
    for (const Case& c : cases) {
        const Regulator regulator = TypeNumber(c.type);
        const auto divider = c.type == kLm317 ? EvaluateDivider(regulator, "240", "720")
                                              : EvaluateDivider(regulator, "120", "200");
        const PowerReport report =
            EvaluatePower(regulator, divider.outputVolts, c.input, c.current);
        SCOPED_TRACE(std::string(c.input) + " V, " + c.current);
        EXPECT_EQ(report.problem, "");
        EXPECT_EQ(report.power, c.power);
        EXPECT_EQ(report.minimumInput, c.minimum);
        EXPECT_EQ(report.warnings.size(), c.warnedOf.size());
        for (const char* word : c.warnedOf) {
            EXPECT_TRUE(Mentions(report.warnings, word)) << word;
        }
    }
    const PowerReport own = EvaluatePower(TypeNumber(kOwnTypeIndex, "1,25", "0"), 5.0, "5", "0,1");
    EXPECT_EQ(own.minimumInput, "unbekannt (eigener Typ)");
    EXPECT_TRUE(Mentions(own.warnings, "nicht über der Ausgangsspannung"));
}

TEST(RegloSheet, PairsShowVoltageDeviationAndLowCurrent) {
    PairRequest request;
    request.targetText = "5";
    const PairReport report = EvaluatePairs(TypeNumber(kLm317), request);
    ASSERT_EQ(report.problem, "");
    ASSERT_EQ(report.rows.size(), 8u);
    // 1,25 V (1 + 1500/510) + 50 uA * 1500 = 5,00147 V.
    const PairRow& best = report.rows.front();
    EXPECT_EQ(best.r1, "510 Ω");
    EXPECT_EQ(best.r2, "1,5 kΩ");
    EXPECT_EQ(best.volts, "5,001 V");
    EXPECT_EQ(best.percent, "+0,03 %");
    EXPECT_EQ(best.millivolts, "+1,5 mV");
    EXPECT_EQ(best.dividerCurrent, "2,45 mA");
    EXPECT_TRUE(best.belowMinimumLoad);
    EXPECT_FALSE(report.rows[1].belowMinimumLoad);
    EXPECT_EQ(report.note, "Rot: Querstrom unter der Mindestlast des LM317 (3,5 mA)");

    // A negative regulator takes the target with or without its minus and
    // shows its voltages and deviations negative.
    for (const char* target : {"-5", "5"}) {
        request.targetText = target;
        const PairReport negative = EvaluatePairs(TypeNumber(kLm337), request);
        ASSERT_EQ(negative.problem, "");
        EXPECT_EQ(negative.rows.front().volts.front(), '-');
        const double deviation = negative.rows.front().pair.deviationVolts;
        EXPECT_EQ(negative.rows.front().millivolts.front(), deviation > 0 ? '-' : '+');
    }

    request.targetText = "9";
    request.r1Fixed = true;
    request.fixedR1Text = "2k2";
    request.twoResistorR2 = true;
    const PairReport fixed = EvaluatePairs(TypeNumber(kLm317), request);
    ASSERT_EQ(fixed.problem, "");
    for (const PairRow& row : fixed.rows) {
        EXPECT_EQ(row.r1, "2,2 kΩ");
    }
    EXPECT_NE(fixed.rows.front().r2.find(" + "), std::string::npos) << fixed.rows.front().r2;
}

TEST(RegloSheet, BadInputGetsAClearText) {
    const Regulator lm317 = TypeNumber(kLm317);
    const std::pair<std::string, std::string> cases[] = {
        {EvaluateDivider(lm317, "", "720").problem, "Bitte R1 eingeben."},
        {EvaluateDivider(lm317, "1,2,3", "720").problem,
         "R1: „1,2,3“ ist kein Widerstandswert (z. B. 240, 2k2, 4,7k, 1M)."},
        {EvaluateDivider(lm317, "240", "-720").problem, "R2 muss größer als 0 Ω sein."},
        {EvaluateDivider(lm317, "1e30", "720").problem,
         "R1 muss zwischen 0,1 Ω und 100 MΩ liegen."},
        {EvaluateDivider(lm317, "240", "1e999").problem,
         "R2 muss zwischen 0,1 Ω und 100 MΩ liegen."},
        // A long text is cut short, never inside an "ä".
        {EvaluateDivider(lm317, "abcdefghijklmnoä", "1").problem.substr(0, 28),
         "R1: „abcdefghijklmno…“"},
        {EvaluatePairs(lm317, Target("1")).problem,
         "Die Zielspannung muss über der Referenzspannung 1,25 V liegen."},
        {EvaluatePairs(lm317, Target("1e30")).problem, "Zielspannung: höchstens 1000 V."},
        {EvaluatePairs(lm317, Target("-5")).problem,
         "Zielspannung: negative Spannungen regelt ein negativer Regler (LM337) – bitte "
         "diesen wählen."},
        {EvaluatePairs(lm317, TargetWithFixedR1("5", "")).problem, "Bitte R1 (fest) eingeben."},
        {EvaluatePower(lm317, 5.0, "12", "-1").problem, "Der Laststrom darf nicht negativ sein."},
        {EvaluatePower(lm317, 5.0, "12", "1e30").problem, "Laststrom: höchstens 100 A."},
        {EvaluatePower(lm317, std::nullopt, "12", "1").problem,
         "Erst R1 und R2 angeben: die Leistung folgt aus deren Vout."},
        {ChooseRegulator(kOwnTypeIndex, "", "50").problem, "Bitte Vref eingeben."},
        {ChooseRegulator(kOwnTypeIndex, "0", "50").problem,
         "Vref muss zwischen 0,1 V und 100 V liegen (negativ für negative Regler)."},
        {ChooseRegulator(kOwnTypeIndex, "1,25", "abc").problem,
         "Iadj: „abc“ ist kein Strom in µA (z. B. 50)."},
    };
    for (const auto& [shown, expected] : cases) {
        EXPECT_EQ(shown, expected);
    }
}

// Absurd and broken values in every field, every type: each text the window
// could show stays free of "nan" and "inf".
TEST(RegloSheet, NoNumberEverReadsNanOrInf) {
    const char* const odd[] = {"",      "abc",   "1,2,3", "-1",  "0",    "1e30", "-1e30",
                               "1e-30", "1e999", "R",     "0,1", "100M", "1000", "1e308"};
    std::vector<std::string> shown;
    for (int type = 0; type <= kOwnTypeIndex; ++type) {
        for (const char* a : odd) {
            const RegulatorChoice choice = ChooseRegulator(type, a, a);
            shown.push_back(choice.problem + choice.summary);
            const Regulator regulator = choice.regulator.value_or(TypeNumber(kLm317));
            for (const char* b : odd) {
                const DividerReport divider = EvaluateDivider(regulator, a, b);
                shown.insert(shown.end(),
                             {divider.voltsWithAdjust, divider.voltsWithoutAdjust,
                              divider.adjustShare, divider.dividerCurrent, divider.problem});
                shown.insert(shown.end(), divider.warnings.begin(), divider.warnings.end());
                const PowerReport power = EvaluatePower(regulator, divider.outputVolts, a, b);
                shown.insert(shown.end(), {power.power, power.minimumInput, power.problem});
                shown.insert(shown.end(), power.warnings.begin(), power.warnings.end());
            }
            const PairReport pairs = EvaluatePairs(regulator, TargetWithFixedR1(a, "1e-30"));
            shown.push_back(pairs.problem);
            const PairReport free = EvaluatePairs(regulator, Target(a));
            for (const PairRow& row : free.rows) {
                shown.insert(shown.end(), {row.volts, row.percent, row.millivolts, row.r2});
            }
        }
    }
    for (const std::string& text : shown) {
        EXPECT_EQ(text.find("nan"), std::string::npos) << text;
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    }
}

}  // namespace
