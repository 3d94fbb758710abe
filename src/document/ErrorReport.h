#pragma once

#include <stdexcept>
#include <string>

namespace spurline {

// Error numbers of the report; the familiar numbers of the older tool's runtime.
namespace errors {
inline constexpr int OutOfMemory = 7;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIoError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidFileFormat = 321;
} // namespace errors

// An unexpected failure of a command: number, description and the step that failed.
class CommandFailure : public std::runtime_error {
public:
    CommandFailure(int number, const std::string& description, std::string step = {})
        : std::runtime_error(description), number_(number), step_(std::move(step)) {}
    int number() const { return number_; }
    const std::string& step() const { return step_; }

private:
    int number_;
    std::string step_;
};

// "Error: 53 description: File not found at line: load/open"; without a step (empty or "0"),
// no " at line: ".
std::string FormatErrorReport(int number, const std::string& description,
                              const std::string& step = {});
std::string FormatErrorReport(const CommandFailure& failure);

class IMessageBox;
// Shows the error report with the critical icon.
void ShowErrorReport(IMessageBox& box, const CommandFailure& failure);

} // namespace spurline
