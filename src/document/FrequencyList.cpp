#include "document/FrequencyList.h"

#include "document/NumberFormat.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <numeric>

namespace spurline {

namespace {

constexpr int FrequencyFieldWidth = 15;

std::string KeyFor(double offsetFrequency, const Locale& locale) {
    return "F:" + FormatNumber(offsetFrequency, patterns::Frequency, locale);
}

// Case-insensitive text order of the list view's column sort.
bool TextLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) <
               static_cast<unsigned char>(LowerAscii(y));
    });
}

} // namespace

FrequencyList::FrequencyList(Locale locale) : locale_(std::move(locale)) {}

void FrequencyList::AddObserver(IFrequencyListObserver* observer) {
    observers_.push_back(observer);
}

void FrequencyList::RemoveObserver(IFrequencyListObserver* observer) {
    std::erase(observers_, observer);
}

double FrequencyList::OffsetFrequency(int row) const {
    const FrequencyEntry& e = entries_.at(row);
    return LeadingNumber(e.frequency(), locale_) + LeadingNumber(e.offset(), locale_) / 1000.0;
}

char FrequencyList::FieldSeparator() const {
    return UsesDecimalComma(locale_) ? ';' : ',';
}

// --- indexes: duplicates and keys are looked up in constant time so loading stays linear.

void FrequencyList::IndexRow(int row) {
    ++offsetFrequencyCount_[OffsetFrequency(row)];
    keys_.insert(entries_[row].key);
}

void FrequencyList::UnindexRow(int row) {
    auto it = offsetFrequencyCount_.find(OffsetFrequency(row));
    if (it != offsetFrequencyCount_.end() && --it->second == 0) {
        offsetFrequencyCount_.erase(it);
    }
    keys_.erase(entries_[row].key);
}

void FrequencyList::RebuildIndex() {
    offsetFrequencyCount_.clear();
    keys_.clear();
    for (int row = 0; row < count(); ++row) {
        IndexRow(row);
    }
}

std::string FrequencyList::NextId() const {
    const std::string number = std::to_string(entries_.size() + 1);
    return number.size() < 2 ? PadLeft(number, 2, ' ') : number;
}

std::string FrequencyList::UniqueKeyFor(double offsetFrequency, std::string_view avoid) {
    std::string base = KeyFor(offsetFrequency, locale_);
    if (keys_.count(base) == 0 && base != avoid) {
        return base;
    }
    // Suffixes below the remembered one were taken when they were tried; one freed since then
    // stays unused, which costs nothing but a higher number.
    int& n = nextKeySuffix_.try_emplace(base, 2).first->second;
    std::string key;
    do {
        key = base + " (" + std::to_string(n++) + ")";
    } while (keys_.count(key) != 0 || key == avoid);
    return key;
}

bool FrequencyList::Skip(SkipReason reason, const std::string& frequency) {
    for (auto* o : observers_) {
        o->EntrySkipped(reason, frequency);
    }
    return false;
}

void FrequencyList::AppendRow(double offsetFrequency) {
    FrequencyEntry entry;
    entry.texts[ColId] = NextId();
    entry.key = KeyFor(offsetFrequency, locale_);
    entry.checked = true;
    entries_.push_back(std::move(entry));
}

// --- changes

// Tx/Rx and the two bandwidths (kHz): a transmitter has no receiver bandwidth and a receiver no
// transmitter bandwidth.
void FrequencyList::WriteRole(FrequencyEntry& e, TxRxChoice role, std::string_view txBandwidth,
                              std::string_view rxBandwidth) const {
    static constexpr const char* Captions[] = {"Tx", "Rx", "Both"};
    e.texts[ColTxRx] = Captions[static_cast<int>(role)];
    e.texts[ColTxBandwidth] = role == TxRxChoice::Rx
                                  ? "N/A"
                                  : FormatNumberText(txBandwidth, patterns::Bandwidth, locale_);
    e.texts[ColRxBandwidth] = role == TxRxChoice::Tx
                                  ? "N/A"
                                  : FormatNumberText(rxBandwidth, patterns::Bandwidth, locale_);
}

// Every entry the loader leaves out is reported here, with its frequency as shown.
bool FrequencyList::SkipEntry(SkipReason reason, std::string_view frequencyText) {
    return Skip(reason, FormatNumberText(frequencyText, patterns::Frequency, locale_));
}

bool FrequencyList::AddEntry(const std::array<std::string, 7>& fields) {
    if (fields[0].empty()) {
        return false;
    }
    // Only what the add/edit dialog would accept enters the list and its calculations, also as
    // shown and saved: 0.0000001 shows as 0.00000, which would not load back.
    const std::string shown = FormatNumberText(fields[0], patterns::Frequency, locale_);
    const std::string shownOffset = FormatNumberText(fields[1], patterns::Offset, locale_);
    const double shownFrequency = LeadingNumber(shown, locale_);
    if (!FrequencyInRange(LeadingNumber(fields[0], locale_)) || !FrequencyInRange(shownFrequency)) {
        return SkipEntry(SkipReason::OutOfRange, fields[0]);
    }
    // The entry is compared as it will show, like every entry already listed: a hand-written
    // 100.000002 after 100.000001 would show, calculate and save as a second 100.00000 and drop
    // out of the file at the next load.
    const double offsetFrequency = shownFrequency + LeadingNumber(shownOffset, locale_) / 1000.0;
    if (offsetFrequencyCount_.count(offsetFrequency) != 0) {
        return SkipEntry(SkipReason::Duplicate, fields[0]);
    }
    const bool keyTaken = keys_.count(KeyFor(offsetFrequency, locale_)) != 0;
    AppendRow(offsetFrequency);
    if (keyTaken) {
        // Offset frequencies that are not equal as doubles can still format to one key
        // (100.02501 and 100.00001 + 25 kHz): both are kept, each with a key of its own.
        entries_.back().key = UniqueKeyFor(offsetFrequency, {});
    }
    FrequencyEntry& e = entries_.back();
    e.texts[ColFrequency] = PadLeft(shown, FrequencyFieldWidth, ' ');
    e.texts[ColOffset] = shownOffset;
    const TxRxChoice role = EqualsIgnoringCase(fields[3], "Tx")   ? TxRxChoice::Tx
                            : EqualsIgnoringCase(fields[3], "Rx") ? TxRxChoice::Rx
                                                                  : TxRxChoice::Both;
    WriteRole(e, role, fields[2], fields[5]);
    e.texts[ColStatus] = EqualsIgnoringCase(fields[4], "Plan") ? "Plan" : "Exist";
    e.texts[ColRemarks] = fields[6];

    const int row = count() - 1;
    IndexRow(row);
    for (auto* o : observers_) {
        o->EntryAppended(row);
    }
    return true;
}

bool FrequencyList::CommitDialogEntry(const DialogEntry& values, int editRow) {
    int target = editRow >= 0 && editRow < count() ? editRow : -1;
    const double offsetFrequency =
        LeadingNumber(values.frequency, locale_) + LeadingNumber(values.offset, locale_) / 1000.0;
    for (int row = 0; row < count(); ++row) {
        if (row != target && OffsetFrequency(row) == offsetFrequency) {
            return false;
        }
    }

    const bool adding = target < 0;
    if (adding) {
        // An edited row keeps the key it was added with; when that stale key is the one this new
        // entry needs, the edited row moves to a key of its own so every key stays unique. The
        // same happens when two offset frequencies differ only beyond the key's five decimals
        // (100.02501 and 100.00001 + 0.025 are not equal as doubles but share "F:100.02501").
        const std::string key = KeyFor(offsetFrequency, locale_);
        for (int row = 0; row < count(); ++row) {
            if (entries_[row].key == key) {
                keys_.erase(key);
                entries_[row].key = UniqueKeyFor(OffsetFrequency(row), key);
                keys_.insert(entries_[row].key);
                break;
            }
        }
        AppendRow(offsetFrequency);
        target = count() - 1;
    } else {
        UnindexRow(target);
    }
    FrequencyEntry& e = entries_[target];
    e.texts[ColFrequency] = PadLeft(values.frequency, FrequencyFieldWidth, ' ');
    e.texts[ColOffset] = values.offset;
    WriteRole(e, values.txrx, values.txBandwidth, values.rxBandwidth);
    e.texts[ColStatus] = values.planned ? "Plan" : "Exist";
    e.texts[ColRemarks] = values.remarks;
    IndexRow(target);
    if (adding) {
        for (auto* o : observers_) {
            o->EntryAppended(target);
        }
    } else {
        NotifyChanged(target);
    }

    changed_ = true;
    NotifyState();
    return true;
}

void FrequencyList::DeleteRows(const std::vector<int>& rows) {
    std::vector<char> deleted(entries_.size(), 0);
    for (int row : rows) {
        if (row >= 0 && row < count()) {
            deleted[row] = 1;
        }
    }
    std::vector<int> from;
    std::vector<FrequencyEntry> kept;
    kept.reserve(entries_.size());
    for (int row = 0; row < count(); ++row) {
        if (deleted[row] == 0) {
            from.push_back(row);
            kept.push_back(std::move(entries_[row]));
        }
    }
    entries_ = std::move(kept);
    for (int row = 0; row < count(); ++row) {
        entries_[row].texts[ColId] = std::to_string(row + 1);
    }
    RebuildIndex();
    NotifyRearranged(from);

    changed_ = true;
    NotifyState();
}

void FrequencyList::Clear() {
    RemoveAllEntries();
    siteName_.clear();
    comment_.clear();
    filePath_.clear();
    fileDisplayPath_.clear();
    lastSaved_.clear();
    changed_ = false;
    NotifyState();
}

void FrequencyList::RemoveAllEntries() {
    for (auto* o : observers_) {
        o->IntermodResultsCleared();
    }
    entries_.clear();
    siteLevels_ = {};
    offsetFrequencyCount_.clear();
    keys_.clear();
    nextKeySuffix_.clear();
    NotifyRearranged({});
}

void FrequencyList::SetChecked(int row, bool checked) {
    FrequencyEntry& e = entries_.at(row);
    if (e.checked != checked) {
        e.checked = checked;
        NotifyChanged(row);
        NotifyRecalculationDue();
    }
}

void FrequencyList::SetVictimMark(int row, const VictimMark& mark) {
    entries_.at(row).mark = mark;
    NotifyChanged(row);
}

void FrequencyList::SetEntryLevels(int row, const EntryLevels& levels) {
    FrequencyEntry& e = entries_.at(row);
    if (e.levels != levels) {
        e.levels = levels;
        NotifyChanged(row);
        SetChanged(true);
        NotifyRecalculationDue();
    }
}

void FrequencyList::SetSiteLevels(const SiteLevels& levels) {
    if (siteLevels_ != levels) {
        siteLevels_ = levels;
        SetChanged(true);
        NotifyRecalculationDue();
    }
}

// --- sorting

void FrequencyList::SortByColumn(int column) {
    if (column < 0 || column >= FrequencyColumnCount) {
        return;
    }
    sort_.sorted = true;
    sort_.column = column;
    sort_.order = sort_.order == 0 ? 1 : 0;

    std::vector<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    const bool descending = sort_.order == 1;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& ta = entries_[a].texts[column];
        const std::string& tb = entries_[b].texts[column];
        return descending ? TextLess(tb, ta) : TextLess(ta, tb);
    });
    std::vector<FrequencyEntry> sorted;
    sorted.reserve(entries_.size());
    for (int from : order) {
        sorted.push_back(std::move(entries_[from]));
    }
    entries_ = std::move(sorted);
    NotifyRearranged(order);
}

void FrequencyList::SwitchSortingOff() {
    sort_.sorted = false;
}

// --- header fields

std::string FrequencyList::FilterHeaderText(std::string_view text) const {
    return RemoveFieldSeparator(text, 0, locale_).text;
}

void FrequencyList::SetSiteName(std::string_view text) {
    if (text == siteName_) {
        return;
    }
    siteName_ = FilterHeaderText(text);
    changed_ = true;
    NotifyState();
}

void FrequencyList::SetComment(std::string_view text) {
    if (text == comment_) {
        return;
    }
    comment_ = FilterHeaderText(text);
    changed_ = true;
    NotifyState();
}

void FrequencyList::SetLastSaved(std::string text) {
    lastSaved_ = std::move(text);
    NotifyState();
}

void FrequencyList::SetFile(std::string fullPath, std::string displayPath) {
    filePath_ = std::move(fullPath);
    fileDisplayPath_ = std::move(displayPath);
    NotifyState();
}

// --- changed state

void FrequencyList::SetChanged(bool changed) {
    changed_ = changed;
    NotifyState();
}

// --- notifications

void FrequencyList::NotifyRearranged(const std::vector<int>& from) {
    for (auto* o : observers_) {
        o->RowsRearranged(from);
    }
    for (auto* o : observers_) {
        o->EntriesReset();
    }
}

void FrequencyList::NotifyChanged(int row) {
    for (auto* o : observers_) {
        o->EntryChanged(row);
    }
}

void FrequencyList::NotifyState() {
    for (auto* o : observers_) {
        o->DocumentStateChanged();
    }
}

void FrequencyList::NotifyRecalculationDue() {
    for (auto* o : observers_) {
        o->RecalculationDue();
    }
}

FilteredText RemoveFieldSeparator(std::string_view text, int caret, const Locale& locale) {
    const char separator = UsesDecimalComma(locale) ? ';' : ',';
    FilteredText result;
    result.text.reserve(text.size());
    int removedBeforeCaret = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            if (static_cast<int>(i) < caret) {
                ++removedBeforeCaret;
            }
            continue;
        }
        result.text.push_back(text[i]);
    }
    result.caret = std::clamp(caret - removedBeforeCaret, 0, static_cast<int>(result.text.size()));
    return result;
}

} // namespace spurline
