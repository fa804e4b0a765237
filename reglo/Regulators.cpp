#include "Regulators.h"

Regulator RegulatorOfType(int index) {
    if (index < 0 || index >= static_cast<int>(kRegulatorTypes.size())) {
        return Regulator{std::string(kOwnTypeName), 1.25, 0, {}, {}, {}, false};
    }
    const RegulatorData& data = kRegulatorTypes[index];
    return Regulator{std::string(data.name), data.referenceVolts, data.adjustAmps,
                     data.minimumLoadAmps,   data.dropoutVolts,   data.maximumAmps,
                     data.negative};
}
