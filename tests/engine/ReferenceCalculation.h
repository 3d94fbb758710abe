#pragma once

#include "document/FrequencyEntry.h"
#include "document/Locale.h"
#include "engine/IntermodList.h"
#include "engine/IntermodOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spurline::testing {

// One product as the plain algorithm records it.
struct ReferenceProduct {
    float frequency = 0;
    float bandwidth = 0;
    int order = 0;
    std::string key;
    std::string byfrequency;
    std::string bycomposition;
    std::string tag;
};

struct ReferenceResult {
    bool limitsRejected = false;
    bool capped = false;
    std::vector<IntermodListRow> rows;      // in the order they were added, "None" included
    std::vector<ReferenceProduct> products; // the collection after the calculation
    std::vector<VictimMark> marks;          // per entry
};

// The calculation written out step for step, with a scan of every entry for every candidate
// inside the limits; the engine must agree with it product for product and character for
// character. Marks start from the given entries' marks. The list cap is the engine's (negative:
// none).
ReferenceResult ReferenceCalculate(const std::vector<FrequencyEntry>& entries, const Locale& locale,
                                   const IntermodOptions& options, int listCap = 32700);

} // namespace spurline::testing
