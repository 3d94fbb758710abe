#include "document/HelpDocument.h"

namespace spurline {

std::vector<std::string> HelpDocumentCandidates(const std::string& installedFolder,
                                                const std::string& programDirectory) {
    return {installedFolder + "/" + HelpDocumentName, programDirectory + "/" + HelpDocumentName,
            programDirectory + "/../share/doc/spurline/" + HelpDocumentName};
}

std::string HelpDocumentMissing(const std::string& path) {
    return "The user guide " + path + " was not found." + "\r\n" +
           "Reinstall Spurline to restore it.";
}

std::string HelpDocumentNoViewer(const std::string& path) {
    return "No program to show PDF files was found." + std::string("\r\n") + "The user guide is " +
           path;
}

} // namespace spurline
