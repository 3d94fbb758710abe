#pragma once

#include "document/FrequencyList.h"
#include "document/Locale.h"

#include <array>
#include <string>
#include <string_view>

namespace spurline {

class FrequencySelection;
class ListCommandStates;

// The add/edit frequency dialog's fields and rules, without any window: the texts of every box,
// the option groups, their normalisation when a box loses the focus, the up-down steps, the
// occupied ranges, the red frequency and the red cross, and the entry handed to the list.
// One instance lives as long as the dialog, so its contents carry over between openings.
class AddFreqDialogModel {
public:
    // Option indexes of the two bandwidth groups (`chspacing`, `rxprot`).
    static constexpr int BandwidthOther = 0;
    static constexpr int BandwidthChoiceCount = 7;
    // Option indexes of `chktxrx` and `chstatus`.
    static constexpr int ChoiceTx = 0, ChoiceRx = 1, ChoiceBoth = 2;
    static constexpr int StatusPlanned = 0, StatusExisting = 1;

    enum class Group { Transmitter, Receiver };
    // The range boxes: `txtStartFrequency`/`txtStopFrequency` index 1 for Tx, index 0 for Rx.
    enum class RangeBox { RxStart, RxStop, TxStart, TxStop };

    enum class CommitResult {
        Incomplete, // empty or red frequency: nothing happens, the dialog stays open
        Duplicate,  // another entry has the offset frequency: beep, the dialog stays open
        Stored,     // the list holds the entry: the dialog hides
    };

    static constexpr std::string_view FrequencyOutOfRange = "The frequency is out of range";

    explicit AddFreqDialogModel(Locale locale);

    // --- texts as shown
    const std::string& frequency() const { return frequency_; }
    const std::string& offset() const { return offset_; }
    const std::string& otherBandwidth(Group group) const { return bandwidth(group).other; }
    const std::string& remarks() const { return remarks_; }
    const std::string& rangeText(RangeBox box) const;
    int bandwidthChoice(Group group) const { return bandwidth(group).choice; }
    int txrxChoice() const { return txrx_; }
    int statusChoice() const { return status_; }

    // The Other box, its up-down and its "kHz" label are enabled only while "Other" is chosen.
    bool otherEnabled(Group group) const { return bandwidthChoice(group) == BandwidthOther; }
    // Captions of the seven bandwidth choices, with the locale's decimal separator once the
    // dialog has been shown.
    const std::string& choiceCaption(int index) const;

    bool frequencyRed() const { return frequencyRed_; }
    const std::string& frequencyToolTip() const { return frequencyToolTip_; }
    // Drawn over an edited entry that is excluded from the calculation.
    bool redCross() const { return redCross_; }
    const std::string& windowCaption() const { return windowCaption_; }
    const std::string& buttonCaption() const { return buttonCaption_; }

    // --- typing: the text of a box as the user left it (no rule runs until the box is left)
    void SetFrequencyText(std::string text) { frequency_ = std::move(text); }
    void SetOffsetText(std::string text) { offset_ = std::move(text); }
    void SetOtherText(Group group, std::string text) { bandwidth(group).other = std::move(text); }
    // A range box typed into; only a typed range is taken as input when the box is left.
    void SetRangeText(RangeBox box, std::string text);
    // Removes the file's field separator from the remarks; caret and result are byte offsets.
    FilteredText RemarksChanged(std::string_view text, int caret);

    // --- events
    // Every time the dialog is shown: the locale's decimal comma, the captions, and in edit mode
    // (editRow is a row of the list; -1 adds) the fields from that row; then the ranges.
    void Activate(const FrequencyList& list, int editRow);
    void FrequencyLostFocus();
    void OffsetLostFocus();
    void OffsetUpDown(int steps); // +1 per up click, -1 per down click (0.5 kHz each)
    void ChooseBandwidth(Group group, int index);
    void OtherLostFocus(Group group);
    void OtherUpDown(Group group, int steps);
    // Changing the role alone does not recompute the ranges.
    void ChooseTxRx(int index) { txrx_ = index; }
    void ChooseStatus(int index) { status_ = index; }
    // A typed range is taken when the focus leaves its pair of boxes; moving between the start
    // and the stop box of one range (focusStaysInRange) waits for the other end.
    void RangeLostFocus(RangeBox box, bool focusStaysInRange = false);
    static RangeBox Partner(RangeBox box);
    void RecomputeRanges();

    // --- values
    double TransmitterBandwidth() const { return BandwidthValue(Group::Transmitter); } // kHz
    double ReceiverBandwidth() const { return BandwidthValue(Group::Receiver); }       // kHz
    double BandwidthValue(Group group) const;                                          // kHz
    bool CanCommit() const { return !frequency_.empty() && !frequencyRed_; }
    // The row being edited; -1 when adding.
    int editRow() const { return editRow_; }
    DialogEntry Entry() const;
    // Add/Update, once the box just left has been normalised: the stored row is then selected
    // alone and current, the list changed with Clear and Calculate on, and the products stale.
    CommitResult Commit(FrequencyList& list, FrequencySelection& selection,
                        ListCommandStates& commands) const;

private:
    struct Bandwidth {
        int choice = 3; // "12.5 kHz"
        std::string other = "100";
    };

    Bandwidth& bandwidth(Group group) {
        return group == Group::Transmitter ? txBandwidth_ : rxBandwidth_;
    }
    const Bandwidth& bandwidth(Group group) const {
        return group == Group::Transmitter ? txBandwidth_ : rxBandwidth_;
    }
    void ChooseBandwidthFromValue(Group group, double kHz);
    void FillBandwidthFromText(Group group, const std::string& text);
    void ToLocaleDecimalComma(std::string& text) const;
    std::string OtherText(double kHz) const;

    Locale locale_;
    int editRow_ = -1; // the row being edited, -1 when adding
    std::string frequency_ = "174.000";
    std::string offset_ = "0";
    Bandwidth txBandwidth_;
    Bandwidth rxBandwidth_;
    int txrx_ = ChoiceBoth;
    int status_ = StatusExisting;
    std::string remarks_;
    std::array<std::string, 4> ranges_; // indexed by RangeBox
    std::array<bool, 4> rangeTyped_{};
    std::array<std::string, BandwidthChoiceCount> captions_;
    bool frequencyRed_ = false;
    std::string frequencyToolTip_;
    bool redCross_ = false;
    std::string windowCaption_;
    std::string buttonCaption_ = "&Add";
};

} // namespace spurline
