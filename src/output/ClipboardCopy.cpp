#include "output/ClipboardCopy.h"

#include "document/EditMenuTarget.h"
#include "document/ErrorReport.h"
#include "document/FrequencyList.h"
#include "document/FrequencySelection.h"
#include "document/MessageBox.h"

#include <new>
#include <stdexcept>

namespace spurline {

CopyTable FrequencyCopyTable(const FrequencyList& list, const FrequencySelection& selection) {
    CopyTable table;
    table.captions.assign(FrequencyColumnCaptions.begin(), FrequencyColumnCaptions.end());
    for (int row = 0; row < list.count(); ++row) {
        if (selection.selected(row)) {
            table.rows.emplace_back(list.entry(row).texts);
        }
    }
    return table;
}

CopyTable IntermodCopyTable(const ReportContent& content, const std::vector<bool>& selected) {
    CopyTable table;
    table.captions.assign(IntermodColumnCaptions.begin(), IntermodColumnCaptions.end());
    if (content.marginShown) {
        table.extraColumn = ImColOrder + 1;
        table.captions.insert(table.captions.begin() + ImColOrder + 1, MarginColumnCaption);
    }
    const std::vector<const IntermodListRow*>& displayed = content.intermods;
    for (std::size_t row = 0; row < displayed.size() && row < selected.size(); ++row) {
        if (selected[row]) {
            table.rows.emplace_back(displayed[row]->texts);
            if (content.marginShown) {
                table.extraCells.push_back(MarginText(*displayed[row], content.locale));
            }
        }
    }
    return table;
}

CopyText BuildCopyText(const CopyTable& table, std::size_t limitBytes) {
    CopyText out;
    // A separator goes in only together with the cell after it.
    const auto append = [&](std::string_view separator, std::string_view cell) {
        if (out.text.size() + separator.size() + cell.size() > limitBytes) {
            out.truncated = true;
            return false;
        }
        const std::size_t before = out.text.size();
        try {
            out.text += separator;
            out.text += cell;
        } catch (...) {
            out.text.resize(before);
            throw;
        }
        return true;
    };
    try {
        for (std::size_t column = 0; column < table.captions.size(); ++column) {
            if (!append(column == 0 ? "" : "\t", table.captions[column])) {
                return out;
            }
        }
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const std::span<const std::string> row = table.rows[r];
            const bool extra = table.extraColumn <= row.size() && r < table.extraCells.size();
            const std::size_t cells = row.size() + (extra ? 1 : 0);
            for (std::size_t column = 0, own = 0; column < cells; ++column) {
                const std::string& cell =
                    extra && column == table.extraColumn ? table.extraCells[r] : row[own++];
                if (!append(column == 0 ? "\r\n" : "\t", cell)) {
                    return out;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        // The text still ends with a whole cell.
        out.truncated = true;
    } catch (const std::length_error&) {
        out.truncated = true;
    }
    return out;
}

ClipboardCopy::ClipboardCopy(IClipboard& clipboard, IMessageBox& messages, std::size_t limitBytes)
    : clipboard_(clipboard), messages_(messages), limitBytes_(limitBytes) {}

void ClipboardCopy::Copy(int EditMenuTarget, const std::function<CopyTable()>& table) {
    try {
        clipboard_.Clear();
        if (EditMenuTarget != EditIntermodList && EditMenuTarget != EditFrequencyList) {
            clipboard_.SetGraphPicture();
            return;
        }
        const CopyText copied = BuildCopyText(table(), limitBytes_);
        if (copied.truncated) {
            messages_.CenteredMsgBox(std::string("Selection too large!") + "\r\n" +
                                         "Copy to clipboard truncated",
                                     msgbox::Exclamation);
        }
        clipboard_.SetText(copied.text);
    } catch (const CommandFailure& failure) {
        ShowErrorReport(messages_, failure);
    } catch (const std::exception& failure) {
        constexpr int InvalidProcedureCall = 5;
        ShowErrorReport(messages_, CommandFailure(InvalidProcedureCall, failure.what(), "copy"));
    }
}

} // namespace spurline
