#include "document/ErrorReport.h"

#include "document/MessageBox.h"

namespace spurline {

std::string FormatErrorReport(int number, const std::string& description, const std::string& step) {
    std::string text = "Error: " + std::to_string(number) + " description: " + description;
    // The report names the failing step when one is known; none, or a step number 0, adds nothing.
    if (!step.empty() && step != "0") {
        text += " at line: " + step;
    }
    return text;
}

std::string FormatErrorReport(const CommandFailure& failure) {
    return FormatErrorReport(failure.number(), failure.what(), failure.step());
}

void ShowErrorReport(IMessageBox& box, const CommandFailure& failure) {
    box.CenteredMsgBox(FormatErrorReport(failure), msgbox::Critical);
}

} // namespace spurline
