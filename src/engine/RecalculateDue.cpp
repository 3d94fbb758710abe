#include "engine/RecalculateDue.h"

#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"

namespace spurline {

RecalculateDue::RecalculateDue(const IntermodCalculation& calculation,
                               const cIntermodItems& products, IntermodList& rows)
    : calculation_(calculation), products_(products), rows_(rows) {}

void RecalculateDue::operator()() {
    if (calculation_.running()) {
        rows_.MarkOutOfDate();
    } else if (autoRefresh) {
        if (calculate) {
            calculate();
        }
    } else if (products_.Count() > 0) {
        rows_.MarkOutOfDate();
    }
    if (drawGraph) {
        drawGraph();
    }
}

} // namespace spurline
