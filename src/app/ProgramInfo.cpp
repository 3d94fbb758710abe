#include "app/ProgramInfo.h"

#include "document/HelpDocument.h"

namespace spurline {

std::string ProgramVersion() {
    return "spurline " + std::to_string(SPURLINE_VERSION_MAJOR) + "." +
           std::to_string(SPURLINE_VERSION_MINOR) + "." + std::to_string(SPURLINE_VERSION_PATCH) +
           "\n";
}

std::string ProgramUsage(const std::string& guideFolder) {
    return "Usage: spurline [options] [FILE.frq]\n"
           "\n"
           "Plans the frequencies of one radio site: keeps its transmitters and receivers in a\n"
           "frequency list, calculates the intermodulation products they form (2nd to 9th\n"
           "order), finds the receivers each product lands on and shows them as a list and as\n"
           "a spectrum graph. FILE, a frequency list (.frq), is opened at the start.\n"
           "\n"
           "The user guide is " +
           guideFolder + "/" + HelpDocumentName +
           " (Help > Contents, F1). Options are kept in\n"
           "~/.config/Spurline/Spurline.conf. spurline-calc runs the calculation without a\n"
           "window.\n"
           "\n"
           "Exit status: 0 normally; 1 no display was found, or with SPURLINE_QUIT_AFTER_LOAD\n"
           "a message was shown (such as a failed load); 2 the window did not show.\n"
           "\n"
           "Options:\n"
           "  --help       this text\n"
           "  --version    the program's name and version\n"
           "Qt's own options (-platform NAME, -style NAME, -geometry WxH+X+Y ...) are taken too.\n"
           "\n"
           "Environment:\n"
           "With SPURLINE_QUIT_AFTER_LOAD=1 set, spurline closes once the window has shown and\n"
           "FILE has loaded, and prints every message on standard error instead of asking\n"
           "(for start-up checks).\n";
}

std::optional<std::string> CommandLineAnswer(const std::vector<std::string>& arguments,
                                             const std::string& guideFolder) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument == "--help" || argument == "-h") {
            return ProgramUsage(guideFolder);
        }
        if (argument == "--version") {
            return ProgramVersion();
        }
    }
    return std::nullopt;
}

} // namespace spurline
