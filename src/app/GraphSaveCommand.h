#pragma once

class QImage;

namespace spurline {

class IFileDialogs;
class IMessageBox;
struct GraphInputs;

// Edit > "Save graph as...": the graph as a PNG of the picture on screen, or, for a name ending
// in .svg, as an SVG picture of the same size and view drawn by the same code.
void SaveGraphAs(IFileDialogs& dialogs, IMessageBox& messages, const QImage& onScreen,
                 const GraphInputs& inputs);

} // namespace spurline
