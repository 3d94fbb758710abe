#pragma once

namespace spurline {

// Which view the Edit menu acts on.
enum EditTarget : int { EditNone = 0, EditIntermodList = 1, EditFrequencyList = 2, EditGraph = 3 };

} // namespace spurline
