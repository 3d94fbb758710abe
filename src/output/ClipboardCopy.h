#pragma once

#include "output/ReportContent.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace spurline {

class FrequencyList;
class FrequencySelection;
class IMessageBox;

// The platform clipboard as the copy command needs it.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void Clear() = 0;
    virtual void SetText(const std::string& utf8) = 0;
    // The spectrum graph's picture as it is on screen, as a bitmap.
    virtual void SetGraphPicture() = 0;
};

// A list as the copy takes it: the captions of all its columns (hidden ones too) and the cell
// texts of its selected rows in displayed order. A column made for the copy (the margin, which
// the rows do not hold as text) stands at position extraColumn, one cell per row.
struct CopyTable {
    std::vector<std::string> captions;
    std::vector<std::span<const std::string>> rows;
    std::size_t extraColumn = NoExtraColumn;
    std::vector<std::string> extraCells;

    static constexpr std::size_t NoExtraColumn = static_cast<std::size_t>(-1);
};

CopyTable FrequencyCopyTable(const FrequencyList& list, const FrequencySelection& selection);
// The content's intermod rows, selected: per displayed row. While the window shows the margin,
// it follows the order as there.
CopyTable IntermodCopyTable(const ReportContent& content, const std::vector<bool>& selected);

struct CopyText {
    std::string text;
    bool truncated = false; // the limit was reached; text ends with the last whole cell
};

// Heading line, then CR LF and the TAB-separated cells of each row, no line end at the end.
// Stops before a cell that would take the text beyond limitBytes.
CopyText BuildCopyText(const CopyTable& table, std::size_t limitBytes);

// Edit > "&Copy": the selected rows of the list the Edit menu acts on (1 intermod list, 2
// frequency list) as text, otherwise the graph's picture. The table is only built for a list.
class ClipboardCopy {
public:
    // Far beyond the largest result (32700 rows); a text this long could not be pasted anyway.
    static constexpr std::size_t DefaultLimitBytes = std::size_t{256} << 20;

    ClipboardCopy(IClipboard& clipboard, IMessageBox& messages,
                  std::size_t limitBytes = DefaultLimitBytes);

    void Copy(int EditMenuTarget, const std::function<CopyTable()>& table);

private:
    IClipboard& clipboard_;
    IMessageBox& messages_;
    std::size_t limitBytes_;
};

} // namespace spurline
