#pragma once

#include "graph/Canvas.h"
#include "graph/GraphLayout.h"

#include <array>

namespace spurline {

class FrequencyList;
class cIntermodItems;

// Everything the spectrum graph shows, as the main window holds it.
struct GraphInputs {
    const FrequencyList* list = nullptr;      // rows, check marks, site name and locale
    const cIntermodItems* products = nullptr; // the last calculation's products
    double ViewLow = 0;                       // MHz
    double ViewHigh = 100000;                 // MHz
    bool plotFirstOrder = false;              // "&fundamental"
    std::array<bool, 10> orders{};            // the order boxes, indexed by order
    bool showRemarks = false;                 // "&Show remarks"
    bool levelView = false; // products at their levels on a dBm scale instead of by order
};

struct FrequencyEntry;
struct Locale;

// Receive and transmit bands of one entry, MHz, read from its texts.
struct EntryBands {
    double f = 0;  // receive frequency
    double hr = 0; // receive half-bandwidth
    double ft = 0; // transmit frequency
    double ht = 0; // transmit half-bandwidth
};
EntryBands ReadEntryBands(const FrequencyEntry& entry, const Locale& locale);

// What the drawing asks of the window around it; every step may be left out.
class IGraphDrawHost {
public:
    virtual ~IGraphDrawHost() = default;
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets waiting window events run once.
    virtual void LetEventsRun() = 0;
};

// Draw colours.
namespace graphcolours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Grey = 0x808080;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Yellow = 0x00FFFF; // red and green
} // namespace graphcolours

inline const char* const AxisTitle = " Frequency (MHz)";

// Redraws the whole spectrum graph from scratch: the frame (axis, ticks, axis title, legend, site
// name), then the products by order, then the ticked entries with their remark labels; in the
// level view the products at their levels and the receivers' sensitivities instead. Leaves the
// canvas scaled in graph units (x = MHz x 10, y 0 to 100), so mouse positions read as
// frequencies. A view without width (ViewHigh not above ViewLow, or not finite) cannot be scaled:
// nothing is drawn and false is returned.
bool DrawGraph(ICanvas& picSpectrum, const GraphInputs& inputs, IGraphDrawHost* host = nullptr);

// The separate steps of DrawGraph, each on a canvas already scaled by it.
GraphLayout DrawFrame(ICanvas& canvas, const GraphInputs& inputs);
void DrawProducts(ICanvas& canvas, const GraphLayout& layout, const cIntermodItems& products);
void DrawEntries(ICanvas& canvas, const GraphLayout& layout, const GraphInputs& inputs);

} // namespace spurline
