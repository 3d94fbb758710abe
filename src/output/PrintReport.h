#pragma once

#include "output/PagePrinter.h"
#include "output/PrintWhat.h"
#include "output/ReportContent.h"

#include <functional>
#include <string>
#include <string_view>

namespace spurline {

class IMessageBox;

// The printed report: the frequency list, the intermod list and the spectrum graph, each part
// that is selected starting on a new page, the header block once before the first list. Text in
// Arial 10 at character columns; the graph's picture and frame are placed 0.48 inch further right.
void LayOutReport(IPagePrinter& printer, const ReportContent& content, const PrintWhat& what);

// print_selection: lays the report out with the busy pointer; a failure gives the document up
// (so it does not block later jobs) and shows the error report.
void print_selection(IPagePrinter& printer, const ReportContent& content, const PrintWhat& what,
                     IMessageBox& messages, const std::function<void(bool)>& setBusyCursor);

// The print dialog's printer label: the device name, " on ", the port, every "&" doubled so that
// none is taken as an access key.
std::string PrinterLabel(std::string_view deviceName, std::string_view port);

} // namespace spurline
