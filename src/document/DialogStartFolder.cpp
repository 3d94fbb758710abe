#include "document/DialogStartFolder.h"

namespace spurline {

std::string DialogStartFolder(const std::vector<std::string>& choices,
                              const std::function<bool(const std::string&)>& writable) {
    for (const std::string& choice : choices) {
        if (!choice.empty() && writable(choice)) {
            return choice;
        }
    }
    return choices.empty() ? std::string() : choices.back();
}

} // namespace spurline
