#pragma once

namespace spurline {

// A control's place in the window's client area, in any one unit (twips in the window's own
// terms, pixels on screen).
struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// The controls that follow the window's size, with their current geometry. Sizes that the
// placement does not set (the buttons, the labels' heights, the status line and the percentage
// label) and the top of lblFrequencies are the design's and are read from here.
struct MainWindowControls {
    ControlRect cmdCalculate, cmdPrint, cmdClear, cmdDelete, cmdAdd;
    ControlRect lblFrequencies, lvFreqs;
    ControlRect cmdQuit, cmdHelp;
    ControlRect progressbarouter, pcdone, statusline;
    ControlRect lblIntermods, tbsIntermods;
    ControlRect pages[3]; // frmIntermods(0) to (2): the list, the graph and the options
};

// Where the tab strip's pages go inside it, as distances from its own edges.
struct TabClientInsets {
    int left = 0;
    int top = 0;   // the tab row and the frame above the pages
    int right = 0; // total horizontal frame: client width = tab strip width - left - right
    int bottom = 0;
    int pageShrink = 0; // the pages end this much above the client area's bottom
};

// Places the controls for a client area of width W and height Hc with margin m, each step
// reading what earlier steps have set. A step that would give a control a negative width or
// height is skipped: that control keeps its geometry, and the later steps still run. The
// frequency list gets one third and the tab strip two thirds of the height left between the
// label "Frequencies" and the bottom buttons.
MainWindowControls PlaceMainWindow(MainWindowControls controls, int W, int Hc, int m,
                                   const TabClientInsets& tabs);

} // namespace spurline
