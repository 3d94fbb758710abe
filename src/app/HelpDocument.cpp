#include "app/HelpDocument.h"

#include "document/HelpDocument.h"
#include "document/MessageBox.h"
#include "platform/QtStrings.h"

#include <QDir>
#include <QFileInfo>

namespace spurline {

void OpenHelpDocument(const QString& installedFolder, const QString& programDirectory,
                      IMessageBox& messages, const DocumentOpener& open) {
    const std::vector<std::string> candidates =
        HelpDocumentCandidates(ToStdString(installedFolder), ToStdString(programDirectory));
    for (const std::string& candidate : candidates) {
        const QString path = QDir::cleanPath(ToQString(candidate));
        if (QFileInfo(path).isFile()) {
            const auto noViewer = [&messages, path] {
                messages.CenteredMsgBox(HelpDocumentNoViewer(ToStdString(path)),
                                        msgbox::Exclamation);
            };
            if (open && !open(path, noViewer)) {
                noViewer();
            }
            return;
        }
    }
    messages.CenteredMsgBox(HelpDocumentMissing(candidates.front()), msgbox::Exclamation);
}

} // namespace spurline
