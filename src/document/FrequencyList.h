#pragma once

#include "document/FrequencyEntry.h"
#include "document/Locale.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace spurline {

enum class TxRxChoice { Tx, Rx, Both };

// The add/edit dialog's validated values, as display texts.
struct DialogEntry {
    std::string frequency;   // "#,###,##0.00000" (MHz), not yet padded
    std::string offset;      // "+#,##0.00;-#,##0.00;0" (kHz)
    std::string txBandwidth; // kHz
    std::string rxBandwidth; // kHz
    TxRxChoice txrx = TxRxChoice::Both;
    bool planned = false;
    std::string remarks;
};

// Why AddEntry left an entry out (a blank line is not an entry and is no skip).
enum class SkipReason { Duplicate, OutOfRange };

// Told about every change of the document so that views and commands can follow it; each
// observer overrides what it needs.
class IFrequencyListObserver {
public:
    virtual ~IFrequencyListObserver() = default;
    virtual void EntriesReset() {}             // rows removed, reordered or cleared
    virtual void EntryAppended(int /*row*/) {} // 0-based
    virtual void EntryChanged(int /*row*/) {}  // texts, check mark or victim mark
    // Rows were removed or reordered: row i now holds what was row from[i]. EntriesReset follows.
    virtual void RowsRearranged(const std::vector<int>& /*from*/) {}
    virtual void DocumentStateChanged() {} // header fields, changed state
    virtual void RecalculationDue() {}     // calculated products may be stale
    // The intermod list and the product collection are to be emptied (Clear and the start of a
    // load).
    virtual void IntermodResultsCleared() {}
    // An entry AddEntry left out; frequency as the duplicate message shows it.
    virtual void EntrySkipped(SkipReason /*reason*/, const std::string& /*frequency*/) {}
};

struct SortState {
    bool sorted = false;
    int column = 0; // 0 for ID, 1 to 7 for the other columns
    int order = 0;  // 0 ascending, 1 descending
};

// The document: the site's entries in display order, the site name, comment, last-saved date and
// file, and the changed state. What the view selects and which commands it offers live beside it
// (FrequencySelection, ListCommandStates).
class FrequencyList {
public:
    explicit FrequencyList(Locale locale);

    // Observers are told in the order they were added.
    void AddObserver(IFrequencyListObserver* observer);
    void RemoveObserver(IFrequencyListObserver* observer);
    // Tells the observers that calculated products may be stale (after a command that changed
    // the list in several steps, or failed halfway).
    void NotifyRecalculationDue();

    const Locale& locale() const { return locale_; }

    // --- reading
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const FrequencyEntry& entry(int row) const { return entries_.at(row); } // 0-based
    const std::vector<FrequencyEntry>& entries() const { return entries_; }
    // frequency + offset / 1000 in MHz, read back from the row's texts
    double OffsetFrequency(int row) const;

    // --- changes
    // Adds one entry from raw field texts (frequency MHz, offset kHz, Tx BW kHz, Tx/Rx, status,
    // Rx BW kHz, remarks); a duplicate or a frequency out of range is reported and left out.
    // Used by the loader. Returns whether added.
    bool AddEntry(const std::array<std::string, 7>& fields);
    // Stores the dialog's values into editRow, or as a new last entry when editRow is no row; the
    // document is then changed. Returns false, storing nothing, when another entry has the same
    // offset frequency. Like DeleteRows it leaves NotifyRecalculationDue to the command, which
    // calls it once the selection and command states have followed.
    bool CommitDialogEntry(const DialogEntry& values, int editRow = -1);
    // Deletes the rows (0-based, any order) and renumbers the rest; the document is then changed.
    void DeleteRows(const std::vector<int>& rows);
    // Removes everything: entries, header fields, file and intermod results; nothing is changed.
    void Clear();
    // Removes every entry and the intermod results without asking (start of a load).
    void RemoveAllEntries();

    void SetChecked(int row, bool checked);
    void SetVictimMark(int row, const VictimMark& mark);
    // The entry's level values; the document is then changed and calculated levels are stale.
    void SetEntryLevels(int row, const EntryLevels& levels);
    // The site-wide level values (defaults again once every entry is removed).
    const SiteLevels& siteLevels() const { return siteLevels_; }
    void SetSiteLevels(const SiteLevels& levels);

    // Sorts by a column's display text; the order toggles on every call.
    void SortByColumn(int column);
    void SwitchSortingOff();
    const SortState& sortState() const { return sort_; }

    // --- header fields; setting them filters out the file's field separator and marks the
    // document changed when the text differs.
    void SetSiteName(std::string_view text);
    void SetComment(std::string_view text);
    void SetLastSaved(std::string text);
    void SetFile(std::string fullPath, std::string displayPath);
    const std::string& siteName() const { return siteName_; }
    const std::string& comment() const { return comment_; }
    const std::string& lastSaved() const { return lastSaved_; }
    const std::string& filePath() const { return filePath_; }
    const std::string& fileDisplayPath() const { return fileDisplayPath_; }

    // --- changed state
    bool changed() const { return changed_; }
    void SetChanged(bool changed);

    // The character the file format uses between fields in this locale: ";" or ",".
    char FieldSeparator() const;

private:
    // Reports an entry line left out, with its frequency as shown; returns false for AddEntry to
    // return.
    bool SkipEntry(SkipReason reason, std::string_view frequencyText);
    void AppendRow(double offsetFrequency);
    void WriteRole(FrequencyEntry& e, TxRxChoice role, std::string_view txBandwidth,
                   std::string_view rxBandwidth) const;
    void IndexRow(int row);
    void UnindexRow(int row);
    void RebuildIndex();
    std::string NextId() const;
    // A key for the offset frequency that no row holds and that is not avoid.
    std::string UniqueKeyFor(double offsetFrequency, std::string_view avoid);
    // Reports an entry AddEntry leaves out; returns false for AddEntry to return.
    bool Skip(SkipReason reason, const std::string& frequency);
    std::string FilterHeaderText(std::string_view text) const;
    // Tells the observers the new order (row i was from[i]), then the reset.
    void NotifyRearranged(const std::vector<int>& from);
    void NotifyChanged(int row);
    void NotifyState();

    Locale locale_;
    std::vector<FrequencyEntry> entries_;
    std::unordered_map<double, int> offsetFrequencyCount_;
    std::unordered_set<std::string> keys_;
    // Per base key, the first " (n)" suffix not yet tried, so entries sharing a key (offset
    // frequencies that differ beyond its five decimals) are keyed in linear time.
    std::unordered_map<std::string, int> nextKeySuffix_;
    SortState sort_;
    SiteLevels siteLevels_;
    bool changed_ = false;
    std::string siteName_, comment_, lastSaved_, filePath_, fileDisplayPath_;
    std::vector<IFrequencyListObserver*> observers_;
};

// Removes the file's field separator of the locale from a header or remarks text and moves the
// caret (a byte offset into text) back by the characters removed before it.
struct FilteredText {
    std::string text;
    int caret = 0;
};
FilteredText RemoveFieldSeparator(std::string_view text, int caret, const Locale& locale);

} // namespace spurline
