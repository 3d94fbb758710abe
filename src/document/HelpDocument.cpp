#include "document/HelpDocument.h"

namespace spurline {

std::vector<std::string> HelpDocumentCandidates(const std::string& programDirectory) {
    return {programDirectory + "/" + HelpDocumentName,
            programDirectory + "/../share/doc/spurline/" + HelpDocumentName};
}

std::string HelpDocumentMissing(const std::string& path) {
    return "The user guide " + path + " was not found." + "\r\n" +
           "Reinstall Spurline to restore it.";
}

} // namespace spurline
