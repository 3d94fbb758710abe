#pragma once

#include "output/PrintWhat.h"
#include "output/ReportContent.h"

#include <functional>
#include <string>

namespace spurline {

class IFileDialogs;
class IMessageBox;

// The export's text (UTF-8, CR LF line ends, TAB between fields): the header block before the
// first selected section, the frequency list, the intermod list and the filter note.
std::string ExportText(const ReportContent& content, const PrintWhat& what);

// Told instead of asking for a file when neither list is selected in "Print What".
inline constexpr const char* NothingToExport =
    "There is nothing to export: neither the frequency list nor the intermod list is selected "
    "under \"Print What\" (File > Print...).";

// send_to_file: asks for a file name in the shared file dialog and writes the export there. The
// file is replaced only once it is complete, so a failure leaves the earlier file as it was.
class TextExport {
public:
    TextExport(IFileDialogs& dialogs, IMessageBox& messages);

    std::function<void(bool)> setBusyCursor;
    std::function<std::string()> programDirectory;
    // The shared dialog's file name: cleared before the dialog, then the chosen name.
    std::function<void(const std::string&)> setDialogFileName;

    // Returns whether a file was written.
    bool send_to_file(const std::function<ReportContent()>& content, const PrintWhat& what);

private:
    IFileDialogs& dialogs_;
    IMessageBox& messages_;
};

} // namespace spurline
