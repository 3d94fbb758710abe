#include "document/AddFreqDialogModel.h"

#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"

#include <cmath>
#include <optional>

namespace spurline {

namespace {

constexpr double UpDownStep = 0.5; // kHz per click

// kHz of the fixed bandwidth choices 1 to 6; index 0 is "Other".
constexpr std::array<double, AddFreqDialogModel::BandwidthChoiceCount> ChoiceBandwidths{
    0.0, 6.25, 8.33, 12.5, 25.0, 50.0, 200.0};

constexpr std::array<std::string_view, AddFreqDialogModel::BandwidthChoiceCount> ChoiceCaptions{
    "Other", "6.25 kHz", "8.33 kHz", "12.5 kHz", "25 kHz", "50 kHz", "200 kHz"};

// The fixed choice whose bandwidth is exactly kHz, or Other.
int ChoiceFor(double kHz) {
    for (int i = 1; i < AddFreqDialogModel::BandwidthChoiceCount; ++i) {
        if (kHz == ChoiceBandwidths[static_cast<std::size_t>(i)]) {
            return i;
        }
    }
    return AddFreqDialogModel::BandwidthOther;
}

std::size_t Index(AddFreqDialogModel::RangeBox box) {
    return static_cast<std::size_t>(box);
}

} // namespace

AddFreqDialogModel::AddFreqDialogModel(Locale locale) : locale_(std::move(locale)) {
    ranges_.fill("250.00000");
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        captions_[i] = std::string(ChoiceCaptions[i]);
    }
}

const std::string& AddFreqDialogModel::rangeText(RangeBox box) const {
    return ranges_[Index(box)];
}

const std::string& AddFreqDialogModel::choiceCaption(int index) const {
    return captions_.at(static_cast<std::size_t>(index));
}

void AddFreqDialogModel::SetRangeText(RangeBox box, std::string text) {
    ranges_[Index(box)] = std::move(text);
    rangeTyped_[Index(box)] = true;
}

FilteredText AddFreqDialogModel::RemarksChanged(std::string_view text, int caret) {
    FilteredText filtered = RemoveFieldSeparator(text, caret, locale_);
    remarks_ = filtered.text;
    return filtered;
}

void AddFreqDialogModel::ToLocaleDecimalComma(std::string& text) const {
    // The boxes start out with a decimal point; a text that already holds a decimal comma was
    // written by this dialog in the locale, and turning its grouping points into commas as well
    // would make "1.234,50000" unreadable.
    if (text.find(',') == std::string::npos) {
        text = ReplaceAll(text, ".", ",");
    }
    text = TrimBlanks(text);
}

void AddFreqDialogModel::FillBandwidthFromText(Group group, const std::string& text) {
    Bandwidth& b = bandwidth(group);
    b.choice = ChoiceFor(LeadingNumber(text, locale_));
    if (b.choice == BandwidthOther) {
        b.other = text;
    }
}

void AddFreqDialogModel::Activate(const FrequencyList& list, int editRow) {
    if (UsesDecimalComma(locale_)) {
        ToLocaleDecimalComma(frequency_);
        ToLocaleDecimalComma(offset_);
        ToLocaleDecimalComma(rxBandwidth_.other);
        ToLocaleDecimalComma(txBandwidth_.other);
        for (std::string& caption : captions_) {
            caption = ReplaceAll(caption, ".", ",");
        }
    }

    const int row = editRow;
    const bool editing = row >= 0 && row < list.count();
    editRow_ = editing ? row : -1;
    if (!editing) {
        buttonCaption_ = "Add";
        windowCaption_ = "Add new frequency";
        redCross_ = false;
    } else {
        const FrequencyEntry& r = list.entry(row);
        buttonCaption_ = "Update";
        windowCaption_ = "Edit frequency " + r.id();
        frequency_ = TrimBlanks(r.frequency());
        // The row's frequency is a stored value; a red mark left from an earlier opening would
        // otherwise block Update until the box had been visited.
        frequencyRed_ = false;
        frequencyToolTip_.clear();
        offset_ = r.offset();
        FillBandwidthFromText(Group::Transmitter, r.txbandwidth());
        txrx_ = r.txrx() == "Tx" ? ChoiceTx : r.txrx() == "Rx" ? ChoiceRx : ChoiceBoth;
        status_ = r.status() == "Plan" ? StatusPlanned : StatusExisting;
        FillBandwidthFromText(Group::Receiver, r.rxbandwidth());
        remarks_ = r.remarks();
        redCross_ = !r.checked;
    }
    RecomputeRanges();
}

void AddFreqDialogModel::RecomputeRanges() {
    const double f = LeadingNumber(frequency_, locale_);
    const double transmit = f + LeadingNumber(offset_, locale_) / 1000.0;
    const double txHalf = TransmitterBandwidth() / 2000.0;
    const double rxHalf = ReceiverBandwidth() / 2000.0;
    const auto mhz = [this](double value) {
        return FormatNumber(value, patterns::Frequency, locale_);
    };
    const bool tx = txrx_ != ChoiceRx;
    const bool rx = txrx_ != ChoiceTx;
    ranges_[Index(RangeBox::TxStart)] = tx ? mhz(transmit - txHalf) : "N/A";
    ranges_[Index(RangeBox::TxStop)] = tx ? mhz(transmit + txHalf) : "N/A";
    ranges_[Index(RangeBox::RxStart)] = rx ? mhz(f - rxHalf) : "N/A";
    ranges_[Index(RangeBox::RxStop)] = rx ? mhz(f + rxHalf) : "N/A";
    rangeTyped_.fill(false);
}

void AddFreqDialogModel::FrequencyLostFocus() {
    frequencyRed_ = false;
    frequencyToolTip_.clear();
    const double n = LeadingNumber(frequency_, locale_);
    if (n == 0.0) {
        frequency_.clear();
    } else if (FrequencyInRange(n)) {
        frequency_ = TrimBlanks(FormatNumberText(frequency_, patterns::Frequency, locale_));
    } else {
        frequencyRed_ = true;
        frequencyToolTip_ = std::string(FrequencyOutOfRange);
    }
    RecomputeRanges();
}

void AddFreqDialogModel::OffsetLostFocus() {
    if (LeadingNumber(offset_, locale_) == 0.0) {
        offset_ = "0";
    } else {
        offset_ = FormatNumberText(offset_, patterns::DialogOffset, locale_);
    }
    RecomputeRanges();
}

void AddFreqDialogModel::OffsetUpDown(int steps) {
    const double value = LeadingNumber(offset_, locale_) + steps * UpDownStep;
    offset_ = FormatNumber(value, patterns::DialogOffset, locale_);
    RecomputeRanges();
}

void AddFreqDialogModel::ChooseBandwidth(Group group, int index) {
    bandwidth(group).choice = index;
    RecomputeRanges();
}

std::string AddFreqDialogModel::OtherText(double kHz) const {
    std::string text = FormatNumber(kHz, patterns::Bandwidth, locale_);
    return LeadingNumber(text, locale_) <= 0.0 ? "0" : text;
}

void AddFreqDialogModel::OtherLostFocus(Group group) {
    std::string& other = bandwidth(group).other;
    if (LeadingNumber(other, locale_) == 0.0) {
        other = "0";
    } else {
        other = FormatNumberText(other, patterns::Bandwidth, locale_);
        if (LeadingNumber(other, locale_) <= 0.0) {
            other = "0";
        }
    }
    RecomputeRanges();
}

void AddFreqDialogModel::OtherUpDown(Group group, int steps) {
    std::string& other = bandwidth(group).other;
    other = OtherText(LeadingNumber(other, locale_) + steps * UpDownStep);
    RecomputeRanges();
}

void AddFreqDialogModel::ChooseBandwidthFromValue(Group group, double kHz) {
    const double rounded = std::floor(kHz * 100.0 + 0.5) / 100.0;
    Bandwidth& b = bandwidth(group);
    b.choice = ChoiceFor(rounded);
    if (b.choice == BandwidthOther) {
        b.other = OtherText(kHz);
    }
}

AddFreqDialogModel::RangeBox AddFreqDialogModel::Partner(RangeBox box) {
    switch (box) {
    case RangeBox::RxStart:
        return RangeBox::RxStop;
    case RangeBox::RxStop:
        return RangeBox::RxStart;
    case RangeBox::TxStart:
        return RangeBox::TxStop;
    case RangeBox::TxStop:
        break;
    }
    return RangeBox::TxStart;
}

void AddFreqDialogModel::RangeLostFocus(RangeBox box, bool focusStaysInRange) {
    // Taking half a range would round the frequency to five decimals and move the other end,
    // so the range is read once both ends are typed.
    if (focusStaysInRange) {
        return;
    }
    const bool txBoxes = box == RangeBox::TxStart || box == RangeBox::TxStop;
    const RangeBox startBox = txBoxes ? RangeBox::TxStart : RangeBox::RxStart;
    const RangeBox stopBox = txBoxes ? RangeBox::TxStop : RangeBox::RxStop;
    // Only a range the user typed is input; leaving the boxes untouched must not move the
    // frequency by the rounding of the shown range.
    if (!rangeTyped_[Index(startBox)] && !rangeTyped_[Index(stopBox)]) {
        return;
    }
    const auto read = [this](const std::string& text) -> std::optional<double> {
        if (auto value = ParseNumber(text, locale_)) {
            return value;
        }
        const double leading = LeadingNumber(text, locale_);
        return leading != 0.0 ? std::optional<double>(leading) : std::nullopt;
    };
    const auto start = read(rangeText(startBox));
    const auto stop = read(rangeText(stopBox));
    // A half-typed or reversed range waits, as typed, for its other end.
    if (!start || !stop || *stop < *start) {
        return;
    }

    const bool transmitter = txrx_ == ChoiceTx || (txrx_ == ChoiceBoth && txBoxes);
    ChooseBandwidthFromValue(transmitter ? Group::Transmitter : Group::Receiver,
                             (*stop - *start) * 1000.0);
    const double centre = (*start + *stop) / 2.0;
    const double f = LeadingNumber(frequency_, locale_);
    const double offsetMHz = LeadingNumber(offset_, locale_) / 1000.0;
    const bool validFrequency = !frequencyRed_ && FrequencyInRange(f);
    if (transmitter && txrx_ == ChoiceBoth && validFrequency) {
        // A transceiver's receive frequency stays; its transmit channel is the duplex spacing.
        offset_ = FormatNumber((centre - f) * 1000.0, patterns::DialogOffset, locale_);
        RecomputeRanges();
        return;
    }
    frequency_ =
        FormatNumber(transmitter ? centre - offsetMHz : centre, patterns::Frequency, locale_);
    FrequencyLostFocus();
}

double AddFreqDialogModel::BandwidthValue(Group group) const {
    const Bandwidth& b = bandwidth(group);
    if (b.choice == BandwidthOther) {
        return LeadingNumber(b.other, locale_);
    }
    if (b.choice > BandwidthOther && b.choice < BandwidthChoiceCount) {
        return ChoiceBandwidths[static_cast<std::size_t>(b.choice)];
    }
    return ChoiceBandwidths.back();
}

DialogEntry AddFreqDialogModel::Entry() const {
    DialogEntry entry;
    entry.frequency = frequency_;
    entry.offset = offset_;
    entry.txBandwidth = FormatNumber(TransmitterBandwidth(), patterns::Bandwidth, locale_);
    entry.rxBandwidth = FormatNumber(ReceiverBandwidth(), patterns::Bandwidth, locale_);
    entry.txrx = txrx_ == ChoiceTx   ? TxRxChoice::Tx
                 : txrx_ == ChoiceRx ? TxRxChoice::Rx
                                     : TxRxChoice::Both;
    entry.planned = status_ == StatusPlanned;
    entry.remarks = remarks_;
    return entry;
}

AddFreqDialogModel::CommitResult AddFreqDialogModel::Commit(FrequencyList& list,
                                                            FrequencySelection& selection,
                                                            ListCommandStates& commands) const {
    if (!CanCommit()) {
        return CommitResult::Incomplete;
    }
    const bool editing = editRow_ >= 0 && editRow_ < list.count();
    if (!list.CommitDialogEntry(Entry(), editing ? editRow_ : -1)) {
        return CommitResult::Duplicate;
    }
    commands.MarkEntriesAdded();
    selection.SelectOnly(editing ? editRow_ : list.count() - 1);
    list.NotifyRecalculationDue();
    return CommitResult::Stored;
}

} // namespace spurline
