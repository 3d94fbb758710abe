#include "app/GraphSaveCommand.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FileDialogs.h"
#include "document/MessageBox.h"
#include "document/TextHelpers.h"
#include "graph/DrawGraph.h"
#include "graph/GraphFile.h"
#include "platform/QtStrings.h"

#include <QBuffer>
#include <QImage>

namespace spurline {

void SaveGraphAs(IFileDialogs& dialogs, IMessageBox& messages, const QImage& onScreen,
                 const GraphInputs& inputs) {
    FileDialogOptions options;
    options.title = "Save graph as";
    options.filter = "PNG picture (*.png)|*.png|SVG picture (*.svg)|*.svg";
    options.confirmOverwrite = true;
    options.mustExist = true;
    const std::optional<std::string> path = dialogs.GetSaveFileName(options);
    if (!path) {
        return;
    }
    const bool svg = path->size() > 4 &&
                     EqualsIgnoringCase(std::string_view(*path).substr(path->size() - 4), ".svg");
    try {
        if (svg) {
            WriteFileAtomically(*path, GraphSvgOfView(inputs, onScreen.width(), onScreen.height()));
            return;
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        onScreen.save(&buffer, "PNG");
        WriteFileAtomically(
            *path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const CommandFailure& failure) {
        ShowErrorReport(messages, failure);
    }
}

} // namespace spurline
