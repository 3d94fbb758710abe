#include "document/LevelValues.h"

#include <cmath>

namespace spurline {

std::optional<double>& LevelValue(EntryLevels& levels, int field) {
    switch (field) {
    case LevelTxPower:
        return levels.txPowerW;
    case LevelSensitivity:
        return levels.sensitivityDbm;
    case LevelImRejection:
        return levels.imRejectionDb;
    case LevelTxExtra:
        return levels.txExtraDb;
    default:
        return levels.rxExtraDb;
    }
}

const std::optional<double>& LevelValue(const EntryLevels& levels, int field) {
    return LevelValue(const_cast<EntryLevels&>(levels), field);
}

bool LevelValueAllowed(int field, double value) {
    if (!std::isfinite(value) || std::abs(value) > 1e6) {
        return false;
    }
    switch (field) {
    case LevelTxPower:
        return value > 0;
    case LevelSensitivity:
        return true;
    default:
        return value >= 0;
    }
}

const char* LevelValueWanted(int field) {
    switch (field) {
    case LevelTxPower:
        return "a number above 0";
    case LevelSensitivity:
        return "a number";
    default:
        return "a number of 0 or more";
    }
}

double& SiteLevelValue(SiteLevels& levels, int index) {
    switch (index) {
    case 0:
        return levels.isolationDb;
    case 1:
        return levels.harmonicAttenuationDb;
    case 2:
        return levels.txPowerW;
    case 3:
        return levels.sensitivityDbm;
    case 4:
        return levels.imRejectionDb;
    case 5:
        return levels.txExtraDb;
    default:
        return levels.rxExtraDb;
    }
}

double SiteLevelValue(const SiteLevels& levels, int index) {
    return SiteLevelValue(const_cast<SiteLevels&>(levels), index);
}

int SiteLevelRule(int index) {
    return index < 2 ? LevelImRejection : index - 2;
}

} // namespace spurline
