#include "RegloSheet.h"

#include <cmath>

#include "ValueText.h"

namespace {

constexpr double kLowestOhms = 0.1;
constexpr double kHighestOhms = 100e6;
constexpr double kHighestVolts = 1000;
constexpr double kHighestAmps = 100;
constexpr double kLowestReferenceVolts = 0.1;
constexpr double kHighestReferenceVolts = 100;
constexpr double kHighestAdjustAmps = 10e-3;

// A typed text inside German quotes, cut short so a pasted novel does not
// push the rest of the message out of the window.
std::string Quoted(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    constexpr std::size_t kLongest = 16;
    if (text.size() <= kLongest) {
        return "„" + std::string(text) + "“";
    }
    // Never cut a UTF-8 character in two: back up over continuation bytes.
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "„" + std::string(text.substr(0, cut)) + "…“";
}

const char* Example(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance: return "ist kein Widerstandswert (z. B. 240, 2k2, 4,7k, 1M)";
    case Quantity::Voltage: return "ist keine Spannung (z. B. 5 oder 12,5 V)";
    case Quantity::Current: return "ist kein Strom (z. B. 0,5 A oder 500 mA)";
    case Quantity::AdjustCurrent: return "ist kein Strom in µA (z. B. 50)";
    }
    return "";
}

// The value of a field, or the text that says what is wrong with it.
struct Field {
    std::optional<double> value;
    std::string problem;
    bool tooLarge = false;
};

Field ReadField(std::string_view text, std::string_view name, Quantity quantity) {
    const ParsedValue parsed = ParseValue(text, quantity);
    switch (parsed.problem) {
    case ValueProblem::None: return {parsed.value, {}};
    case ValueProblem::Empty: return {{}, "Bitte " + std::string(name) + " eingeben."};
    case ValueProblem::NotANumber:
        return {{}, std::string(name) + ": " + Quoted(text) + " " + Example(quantity) + "."};
    case ValueProblem::OutOfRange: break;
    }
    return {{}, std::string(name) + ": " + Quoted(text) + " ist viel zu groß.", true};
}

Field ReadResistance(std::string_view text, std::string_view name) {
    Field field = ReadField(text, name, Quantity::Resistance);
    if (!field.value) {
        if (field.tooLarge) {
            field.problem = std::string(name) + " muss zwischen 0,1 Ω und 100 MΩ liegen.";
        }
        return field;
    }
    if (*field.value <= 0) {
        return {{}, std::string(name) + " muss größer als 0 Ω sein."};
    }
    if (*field.value < kLowestOhms || *field.value > kHighestOhms) {
        return {{}, std::string(name) + " muss zwischen 0,1 Ω und 100 MΩ liegen."};
    }
    return field;
}

// A voltage of the regulator's polarity as a magnitude. A negative regulator
// takes "-12" and "12" alike; a positive one refuses a minus.
Field ReadVoltage(std::string_view text, std::string_view name, const Regulator& regulator) {
    Field field = ReadField(text, name, Quantity::Voltage);
    if (!field.value) {
        return field;
    }
    if (*field.value < 0 && !regulator.negative) {
        return {
            {},
            std::string(name) +
                ": negative Spannungen regelt ein negativer Regler (LM337) – bitte diesen wählen."};
    }
    const double magnitude = std::fabs(*field.value);
    if (magnitude > kHighestVolts) {
        return {{}, std::string(name) + ": höchstens 1000 V."};
    }
    return {magnitude, {}};
}

std::string SignedVolts(const Regulator& regulator, double magnitude, int decimals) {
    return FormatVolts(regulator.negative ? -magnitude : magnitude, decimals);
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " · ") + text;
    }
    return joined;
}

std::string Summary(const Regulator& regulator) {
    std::vector<std::string> parts{"Vref " + SignedVolts(regulator, regulator.referenceVolts, 2),
                                   "Iadj " + FormatAmps(regulator.adjustAmps)};
    if (regulator.minimumLoadAmps) {
        parts.push_back("Mindestlast " + FormatAmps(*regulator.minimumLoadAmps));
    }
    if (regulator.dropoutVolts) {
        parts.push_back("Dropout " + FormatVolts(*regulator.dropoutVolts, -1));
    }
    if (regulator.maximumAmps) {
        parts.push_back("Imax " + FormatAmps(*regulator.maximumAmps));
    }
    std::string summary = Joined(parts);
    summary += regulator.minimumLoadAmps ? " (typ.)" : " (ohne Grenzwerte)";
    return summary;
}

std::string ShortName(const Regulator& regulator) {
    const std::size_t blank = regulator.name.find(' ');
    return regulator.name.substr(0, blank);
}

}  // namespace

RegulatorChoice ChooseRegulator(int typeIndex, std::string_view referenceText,
                                std::string_view adjustText) {
    Regulator regulator = RegulatorOfType(typeIndex);
    if (typeIndex >= 0 && typeIndex < static_cast<int>(kRegulatorTypes.size())) {
        return {regulator, {}, Summary(regulator)};
    }
    const Field reference = ReadField(referenceText, "Vref", Quantity::Voltage);
    if (!reference.value) {
        return {{}, reference.problem, {}};
    }
    const double referenceMagnitude = std::fabs(*reference.value);
    if (referenceMagnitude < kLowestReferenceVolts || referenceMagnitude > kHighestReferenceVolts) {
        return {{}, "Vref muss zwischen 0,1 V und 100 V liegen (negativ für negative Regler).", {}};
    }
    const Field adjust = ReadField(adjustText, "Iadj", Quantity::AdjustCurrent);
    if (!adjust.value) {
        return {{}, adjust.problem, {}};
    }
    if (*adjust.value < 0 || *adjust.value > kHighestAdjustAmps) {
        return {{}, "Iadj muss zwischen 0 und 10000 µA liegen.", {}};
    }
    regulator.referenceVolts = referenceMagnitude;
    regulator.negative = *reference.value < 0;
    regulator.adjustAmps = *adjust.value;
    return {regulator, {}, Summary(regulator)};
}

DividerReport EvaluateDivider(const Regulator& regulator, std::string_view r1Text,
                              std::string_view r2Text) {
    DividerReport report;
    const Field r1 = ReadResistance(r1Text, "R1");
    const Field r2 = ReadResistance(r2Text, "R2");
    if (!r1.value || !r2.value) {
        report.problem = !r1.value ? r1.problem : r2.problem;
        return report;
    }
    const double without = DividerOutputVolts(regulator.referenceVolts, 0, *r1.value, *r2.value);
    const double with =
        DividerOutputVolts(regulator.referenceVolts, regulator.adjustAmps, *r1.value, *r2.value);
    const double current = regulator.referenceVolts / *r1.value;
    report.voltsWithoutAdjust = SignedVolts(regulator, without, 3);
    report.voltsWithAdjust = SignedVolts(regulator, with, 3);
    report.adjustShare = FormatSigned((with - without) * 1000 * (regulator.negative ? -1 : 1), 1) +
                         " mV durch Iadj · R2";
    report.dividerCurrent = FormatAmps(current);
    report.outputVolts = with;
    if (with > kHighestVolts) {
        report.warnings.push_back("Über 1000 V: so viel regelt keiner dieser Regler.");
    }
    if (regulator.minimumLoadAmps && current < *regulator.minimumLoadAmps) {
        report.warnings.push_back("Querstrom " + FormatAmps(current) +
                                  " unter der Mindestlast des " + ShortName(regulator) + " (" +
                                  FormatAmps(*regulator.minimumLoadAmps) +
                                  "): ohne Last steigt die Spannung – R1 kleiner wählen.");
    }
    return report;
}

PairReport EvaluatePairs(const Regulator& regulator, const PairRequest& request) {
    PairReport report;
    const Field target = ReadVoltage(request.targetText, "Zielspannung", regulator);
    if (!target.value) {
        report.problem = target.problem;
        return report;
    }
    if (*target.value <= regulator.referenceVolts) {
        report.problem = "Die Zielspannung muss über der Referenzspannung " +
                         SignedVolts(regulator, regulator.referenceVolts, 2) + " liegen.";
        return report;
    }
    PairQuery query;
    query.targetVolts = *target.value;
    query.referenceVolts = regulator.referenceVolts;
    query.adjustAmps = regulator.adjustAmps;
    query.series = request.series;
    query.twoResistorR2 = request.twoResistorR2;
    query.count = request.count;
    if (request.r1Fixed) {
        const Field r1 = ReadResistance(request.fixedR1Text, "R1 (fest)");
        if (!r1.value) {
            report.problem = r1.problem;
            return report;
        }
        query.fixedR1 = r1.value;
    }

    const double sign = regulator.negative ? -1 : 1;
    bool marked = false;
    for (const ResistorPair& pair : BestPairs(query)) {
        PairRow row;
        row.pair = pair;
        row.r1 = FormatOhms(pair.r1);
        row.r2 = FormatOhms(pair.r2);
        if (pair.r2Second > 0) {
            row.r2 += " + " + FormatOhms(pair.r2Second);
        }
        row.volts = SignedVolts(regulator, pair.volts, 3);
        row.percent = FormatSigned(sign * pair.deviationVolts / query.targetVolts * 100, 2) + " %";
        row.millivolts = FormatSigned(sign * pair.deviationVolts * 1000, 1) + " mV";
        const double current = regulator.referenceVolts / pair.r1;
        row.dividerCurrent = FormatAmps(current);
        row.belowMinimumLoad = regulator.minimumLoadAmps && current < *regulator.minimumLoadAmps;
        marked = marked || row.belowMinimumLoad;
        report.rows.push_back(std::move(row));
    }
    if (report.rows.empty()) {
        report.problem = "Keine Widerstandspaare gefunden.";
    } else if (marked) {
        report.note = "Rot: Querstrom unter der Mindestlast des " + ShortName(regulator) + " (" +
                      FormatAmps(*regulator.minimumLoadAmps) + ")";
    }
    return report;
}

PowerReport EvaluatePower(const Regulator& regulator, std::optional<double> outputVolts,
                          std::string_view inputText, std::string_view currentText) {
    PowerReport report;
    if (!outputVolts) {
        report.problem = "Erst R1 und R2 angeben: die Leistung folgt aus deren Vout.";
        return report;
    }
    const Field input = ReadVoltage(inputText, "Eingangsspannung", regulator);
    if (!input.value) {
        report.problem = input.problem;
        return report;
    }
    const Field current = ReadField(currentText, "Laststrom", Quantity::Current);
    if (!current.value) {
        report.problem = current.problem;
        return report;
    }
    if (*current.value < 0) {
        report.problem = "Der Laststrom darf nicht negativ sein.";
        return report;
    }
    if (*current.value > kHighestAmps) {
        report.problem = "Laststrom: höchstens 100 A.";
        return report;
    }
    const double amps = *current.value;
    const double difference = *input.value - *outputVolts;
    const double watts = difference > 0 ? difference * amps : 0;
    report.power = FormatWatts(watts);

    const std::string name = ShortName(regulator);
    if (regulator.dropoutVolts) {
        const double minimum = *outputVolts + *regulator.dropoutVolts;
        report.minimumInput = SignedVolts(regulator, minimum, 2);
        if (*input.value < minimum) {
            report.warnings.push_back("Eingangsspannung zu niedrig: der " + name +
                                      " braucht mindestens " + report.minimumInput + ".");
        }
    } else {
        report.minimumInput = "unbekannt (eigener Typ)";
        if (difference <= 0) {
            report.warnings.push_back(
                "Eingangsspannung zu niedrig: sie liegt nicht über der Ausgangsspannung.");
        }
    }
    if (regulator.maximumAmps && amps > *regulator.maximumAmps) {
        report.warnings.push_back("Laststrom " + FormatAmps(amps) + " über dem Höchststrom des " +
                                  name + " (" + FormatAmps(*regulator.maximumAmps) + ").");
    }
    if (watts > kTo220FreeAirWatts) {
        report.warnings.push_back("Verlustleistung " + FormatWatts(watts) + ": mehr als die " +
                                  FormatNumber(kTo220FreeAirWatts, 0) +
                                  " W eines TO-220 ohne Kühlkörper – Kühlkörper nötig.");
    }
    return report;
}
