#include "app/MainWindowLayout.h"

namespace spurline {

namespace {

// Moves a control; a placement the window could not take (negative size) leaves it where it is.
void Move(ControlRect& control, int left, int top, int width, int height) {
    if (width < 0 || height < 0) {
        return;
    }
    control = {left, top, width, height};
}

void Move(ControlRect& control, int left, int top) {
    Move(control, left, top, control.width, control.height);
}

} // namespace

MainWindowControls PlaceMainWindow(MainWindowControls c, int W, int Hc, int m,
                                   const TabClientInsets& tabs) {
    Move(c.cmdCalculate, m, Hc - c.cmdCalculate.height - m);
    Move(c.cmdPrint, c.cmdCalculate.left + c.cmdCalculate.width + m, c.cmdCalculate.top);
    Move(c.cmdClear, W - m - c.cmdClear.width, c.lblFrequencies.top - m);
    Move(c.cmdDelete, c.cmdClear.left - c.cmdDelete.width - m, c.cmdClear.top);
    Move(c.cmdAdd, c.cmdDelete.left - c.cmdAdd.width - m, c.cmdClear.top);
    Move(c.lblFrequencies, m, c.lblFrequencies.top);

    const int listTop = c.lblFrequencies.top + c.lblFrequencies.height + m;
    Move(c.lvFreqs, c.lblFrequencies.left, listTop);
    Move(c.lvFreqs, c.lvFreqs.left, c.lvFreqs.top, c.cmdClear.left + c.cmdClear.width - m,
         (c.cmdCalculate.top - c.lvFreqs.top - c.lblIntermods.height - 3 * m) / 3);

    Move(c.cmdQuit, W - m - c.cmdQuit.width, Hc - c.cmdQuit.height - m);
    Move(c.cmdHelp, c.cmdQuit.left - c.cmdHelp.width - m, c.cmdQuit.top);
    Move(c.progressbarouter, c.cmdPrint.left + c.cmdPrint.width + m, c.cmdPrint.top,
         c.cmdHelp.left - c.cmdPrint.left - c.cmdPrint.width - 2 * m, c.cmdQuit.height);
    Move(c.pcdone, (c.progressbarouter.width - c.pcdone.width) / 2, c.pcdone.top);
    Move(c.statusline, c.progressbarouter.left,
         c.progressbarouter.top + (c.progressbarouter.height - c.statusline.height) / 2,
         c.progressbarouter.width, c.statusline.height);

    Move(c.lblIntermods, c.lblFrequencies.left, c.lvFreqs.top + c.lvFreqs.height + m);
    Move(c.tbsIntermods, c.lvFreqs.left,
         c.lvFreqs.top + c.lvFreqs.height + c.lblIntermods.height + 2 * m);
    Move(c.tbsIntermods, c.tbsIntermods.left, c.tbsIntermods.top, c.lvFreqs.width,
         c.cmdCalculate.top - c.tbsIntermods.top - m);

    const int clientWidth = c.tbsIntermods.width - tabs.left - tabs.right;
    const int clientHeight = c.tbsIntermods.height - tabs.top - tabs.bottom;
    for (ControlRect& page : c.pages) {
        Move(page, tabs.left, tabs.top, clientWidth, clientHeight - tabs.pageShrink);
    }
    return c;
}

} // namespace spurline
