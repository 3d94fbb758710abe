#include "document/AddFreqDialogModel.h"

#include "document/FrequencySelection.h"
#include "document/ListCommandStates.h"
#include "support/ListEvents.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using Model = AddFreqDialogModel;
using RangeBox = AddFreqDialogModel::RangeBox;
using Result = AddFreqDialogModel::CommitResult;
using Texts4 = std::array<std::string, 4>;
using Texts = std::array<std::string, 8>;
constexpr auto Tx = AddFreqDialogModel::Group::Transmitter;
constexpr auto Rx = AddFreqDialogModel::Group::Receiver;

// The dialog's logic over a list, with one helper per field the user types into and leaves.
struct Site {
    explicit Site(const Locale& locale)
        : list(locale), m(locale), comma(locale.decimalSeparator == ",") {}
    testing::ScriptedMessageBox box;
    FrequencyList list;
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    Model m;
    bool comma;
    testing::ListEvents events{list};

    // A number written the English way, in this locale: point and comma swap places.
    std::string L(std::string text) const {
        for (char& c : text) {
            if (comma && (c == '.' || c == ','))
                c = c == '.' ? ',' : '.';
        }
        return text;
    }
    void Edit(int row) {
        selection.SetCurrentRow(row);
        m.Activate(list, selection.currentRow());
    }
    void Add() { m.Activate(list, -1); }
    Result Commit() { return m.Commit(list, selection, states); }
    void Frequency(const std::string& text) {
        m.SetFrequencyText(text);
        m.FrequencyLostFocus();
    }
    void Offset(const std::string& text) {
        m.SetOffsetText(text);
        m.OffsetLostFocus();
    }
    void Other(Model::Group g, const std::string& text) {
        m.SetOtherText(g, text);
        m.OtherLostFocus(g);
    }
    // Types one end of a range (English text) and leaves it; within says the focus stays in the
    // range.
    void Type(RangeBox box, const std::string& text, bool within = false) {
        m.SetRangeText(box, L(text));
        m.RangeLostFocus(box, within);
    }
    // Types both ends of a range (English texts) and leaves the box given last.
    void Range(RangeBox start, const std::string& from, RangeBox stop, const std::string& to,
               RangeBox leaving) {
        m.SetRangeText(start, L(from));
        m.SetRangeText(stop, L(to));
        m.RangeLostFocus(leaving);
    }
    Texts4 Ranges() const {
        return {m.rangeText(RangeBox::TxStart), m.rangeText(RangeBox::TxStop),
                m.rangeText(RangeBox::RxStart), m.rangeText(RangeBox::RxStop)};
    }
    Texts4 L(const Texts4& texts) const {
        return {L(texts[0]), L(texts[1]), L(texts[2]), L(texts[3])};
    }
    // What an opening fills in, as one line: frequency, offset, per group the bandwidth choice
    // and the "Other" text, the Tx/Rx and status choices, the remarks and "X" for the red cross.
    std::string Fields() const {
        std::string line = m.frequency() + "|" + m.offset();
        for (auto g : {Model::Group::Transmitter, Model::Group::Receiver})
            line += "|" + std::to_string(m.bandwidthChoice(g)) + ":" + m.otherBandwidth(g);
        return line + "|" + std::to_string(m.txrxChoice()) + "|" +
               std::to_string(m.statusChoice()) + "|" + m.remarks() + (m.redCross() ? "|X" : "");
    }
};

const Locale kLocales[] = {Locale::English(), Locale::German()};

TEST(AddFreqDialogModel, DesignContentsAndFirstActivation) {
    for (const Locale& locale : kLocales) {
        Site s(locale);
        const Model& m = s.m;
        EXPECT_EQ(s.Fields(), "174.000|0|3:100|3:100|2|1|");
        EXPECT_EQ(s.Ranges(), Texts4({"250.00000", "250.00000", "250.00000", "250.00000"}));
        EXPECT_EQ(m.buttonCaption(), "&Add");
        // The first showing writes the design's numbers in the locale; a second changes nothing.
        for (int showing = 0; showing < 2; ++showing) {
            s.Add();
            EXPECT_EQ(s.Fields(), s.L("174.000|0|3:100|3:100|2|1|"));
            EXPECT_EQ(s.Ranges(), s.L(Texts4{"173.99375", "174.00625", "173.99375", "174.00625"}));
            const std::array<std::string, 7> captions{"Other",  "6.25 kHz", "8.33 kHz", "12.5 kHz",
                                                      "25 kHz", "50 kHz",   "200 kHz"};
            for (int i = 0; i < Model::BandwidthChoiceCount; ++i) {
                EXPECT_EQ(m.choiceCaption(i), s.L(captions[static_cast<std::size_t>(i)]));
            }
        }
    }
}

TEST(AddFreqDialogModel, DecimalCommaActivationTrimsAndKeepsLocaleTexts) {
    Site de(Locale::German());
    de.m.SetFrequencyText(" 12.5 ");
    de.m.SetOffsetText(" 0.5");
    de.m.SetOtherText(Rx, "6.25 ");
    de.m.SetOtherText(Tx, " 1.5");
    de.Add();
    EXPECT_EQ(de.Fields(), "12,5|0,5|3:1,5|3:6,25|2|1|");
    // Texts the dialog itself wrote in the locale keep their grouping points on the next showing.
    de.Frequency("1234,5");
    de.Offset("4600");
    de.m.ChooseBandwidth(Tx, Model::BandwidthOther);
    de.Other(Tx, "1500");
    for (int showing = 0; showing < 2; ++showing) {
        EXPECT_EQ(de.Fields(), "1.234,50000|+4.600,00|0:1.500,00|3:6,25|2|1|");
        de.Add();
    }
    EXPECT_DOUBLE_EQ(de.m.TransmitterBandwidth(), 1500.0);
    EXPECT_EQ(de.m.rangeText(RangeBox::TxStart), "1.238,35000");
    // A decimal-point locale leaves the texts alone.
    Site en(Locale::English());
    en.m.SetFrequencyText(" 12.5 ");
    en.Add();
    EXPECT_EQ(en.m.frequency(), " 12.5 ");
}

TEST(AddFreqDialogModel, FrequencyLosingFocusNormalisesOrTurnsRed) {
    struct Case {
        const char* typed; // English; swapped for the decimal-comma locale
        const char* shown;
        bool red;
    };
    const Case cases[] = {{"174", "174.00000", false},
                          {" 1234.5 ", "1,234.50000", false},
                          {"99999.99999", "99,999.99999", false},
                          {"100000", "100000", true},
                          {"-5", "-5", true},
                          {"0", "", false},
                          {"abc", "", false},
                          {"174.5 MHz", "174.5 MHz", false}}; // not wholly a number: stays as typed
    for (const Locale& locale : kLocales) {
        Site s(locale);
        s.Add();
        for (const Case& c : cases) {
            SCOPED_TRACE(locale.decimalSeparator + c.typed);
            s.Frequency(s.L(c.typed));
            EXPECT_EQ(s.m.frequency(), s.L(c.shown));
            EXPECT_EQ(s.m.frequencyRed(), c.red);
            EXPECT_EQ(s.m.frequencyToolTip(), c.red ? "The frequency is out of range" : "");
            if (c.red || *c.shown == '\0') {
                EXPECT_FALSE(s.m.CanCommit());
            }
        }
        s.Frequency("174");
        EXPECT_TRUE(s.m.CanCommit());
        // The ranges still follow a red text.
        s.Frequency("100000");
        EXPECT_EQ(s.m.rangeText(RangeBox::RxStart), s.L("99,999.99375"));
        s.Frequency(s.L("174.5 MHz"));
        EXPECT_EQ(s.m.rangeText(RangeBox::RxStart), s.L("174.49375"));
    }
}

TEST(AddFreqDialogModel, OffsetAndOtherBoxesNormaliseAndStep) {
    const std::pair<const char*, const char*> offsets[] = {
        {"4600", "+4,600.00"}, {"0", "0"}, {"", "0"}, {"abc", "0"}, {"-0", "0"}};
    const std::pair<int, const char*> offsetSteps[] = {
        {+1, "+0.50"}, {+1, "+1.00"}, {-1, "+0.50"}, {-1, "0"}, {-1, "-0.50"}};
    const std::pair<const char*, const char*> others[] = {
        {"1000", "1,000.00"}, {"abc", "0"}, {"0", "0"}, {"-5", "0"}, {"", "0"}, {"0.001", "0"}};
    const std::pair<int, const char*> otherSteps[] = {
        {-1, "0"}, {+1, "0.50"}, {+1, "1.00"}, {-1, "0.50"}, {-1, "0"}};
    for (const Locale& locale : kLocales) {
        Site s(locale);
        Model& m = s.m;
        s.Add();
        for (const auto& [text, shown] : offsets) {
            s.Offset(s.L(text));
            EXPECT_EQ(m.offset(), s.L(shown)) << text;
        }
        for (const auto& [step, shown] : offsetSteps) {
            m.OffsetUpDown(step);
            EXPECT_EQ(m.offset(), s.L(shown));
        }
        EXPECT_EQ(m.rangeText(RangeBox::TxStop), s.L("174.00575"));
        for (int step = 0; step < 3; ++step)
            m.OffsetUpDown(+1);
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), s.L("173.99475"));
        s.Offset("0");
        for (auto g : {Tx, Rx}) {
            m.ChooseBandwidth(g, Model::BandwidthOther);
            EXPECT_TRUE(m.otherEnabled(g));
            EXPECT_DOUBLE_EQ(m.BandwidthValue(g), 100.0);
            for (const auto& [text, shown] : others) {
                s.Other(g, s.L(text));
                EXPECT_EQ(m.otherBandwidth(g), s.L(shown)) << text;
            }
            EXPECT_DOUBLE_EQ(m.BandwidthValue(g), 0.0);
            for (const auto& [step, shown] : otherSteps) {
                m.OtherUpDown(g, step);
                EXPECT_EQ(m.otherBandwidth(g), s.L(shown));
            }
            m.SetOtherText(g, "N/A");
            m.OtherUpDown(g, +1);
            EXPECT_EQ(m.otherBandwidth(g), s.L("0.50"));
        }
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), s.L("173.99975"));
        EXPECT_EQ(m.rangeText(RangeBox::RxStop), s.L("174.00025"));
        m.ChooseBandwidth(Tx, 5);
        EXPECT_FALSE(m.otherEnabled(Tx));
        EXPECT_TRUE(m.otherEnabled(Rx));
    }
}

TEST(AddFreqDialogModel, RangesFollowTheRoleAndTheBandwidths) {
    for (const Locale& locale : kLocales) {
        Site s(locale);
        Model& m = s.m;
        s.Add();
        s.Frequency("174");
        s.Offset("4600");
        m.ChooseBandwidth(Tx, 3);
        m.ChooseBandwidth(Rx, 4);
        EXPECT_DOUBLE_EQ(m.TransmitterBandwidth(), 12.5);
        const Texts4 both = s.L(Texts4{"178.59375", "178.60625", "173.98750", "174.01250"});
        EXPECT_EQ(s.Ranges(), both);
        // The role alone does not recompute; the next recomputing event does.
        m.ChooseTxRx(Model::ChoiceTx);
        EXPECT_EQ(s.Ranges(), both);
        m.ChooseBandwidth(Rx, 4);
        EXPECT_EQ(s.Ranges(), Texts4({both[0], both[1], "N/A", "N/A"}));
        m.ChooseTxRx(Model::ChoiceRx);
        m.FrequencyLostFocus();
        EXPECT_EQ(s.Ranges(), Texts4({"N/A", "N/A", both[2], both[3]}));
        // Every fixed choice, and the last one for anything unknown.
        const std::array<double, 7> widths{100.0, 6.25, 8.33, 12.5, 25.0, 50.0, 200.0};
        for (int i = 0; i < Model::BandwidthChoiceCount; ++i) {
            m.ChooseBandwidth(Rx, i);
            EXPECT_DOUBLE_EQ(m.ReceiverBandwidth(), widths[static_cast<std::size_t>(i)]);
            EXPECT_EQ(m.otherEnabled(Rx), i == 0);
        }
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), s.L("173.90000"));
        m.ChooseBandwidth(Rx, 9);
        EXPECT_DOUBLE_EQ(m.ReceiverBandwidth(), 200.0);
    }
}

TEST(AddFreqDialogModel, EditModeFillsFromTheCurrentRow) {
    for (const Locale& locale : kLocales) {
        Site s(locale);
        Model& m = s.m;
        ASSERT_TRUE(s.list.AddEntry({"174", "4600", s.L("8.33"), "Both", "Plan", "200", "Mast A"}));
        ASSERT_TRUE(s.list.AddEntry({s.L("165.25"), "0", "12", "Rx", "Exist", "100", "Ctl"}));
        ASSERT_TRUE(s.list.AddEntry({"150", "-100", "50", "Tx", "Exist", "25", ""}));
        s.Edit(0);
        EXPECT_EQ(m.buttonCaption(), "Update");
        EXPECT_EQ(m.windowCaption(), "Edit frequency  1");
        EXPECT_EQ(s.Fields(), s.L("174.00000|+4,600.00|2:100|6:100|2|0|Mast A"));
        EXPECT_EQ(s.Ranges(), s.L(Texts4{"178.59584", "178.60417", "173.90000", "174.10000"}));
        // A receiver's Tx BW "N/A" opens "Other" with that text, read as 0; unchecked shows the
        // red cross.
        s.list.SetChecked(1, false);
        s.Edit(1);
        EXPECT_EQ(m.windowCaption(), "Edit frequency  2");
        EXPECT_EQ(s.Fields(), s.L("165.25000|0|0:N/A|0:100.00|1|1|Ctl|X"));
        EXPECT_DOUBLE_EQ(m.TransmitterBandwidth(), 0.0);
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), "N/A");
        s.Edit(2);
        EXPECT_EQ(s.Fields(), s.L("150.00000|-100.00|5:N/A|0:N/A|0|1|"));
        EXPECT_EQ(s.Ranges(), Texts4({s.L("149.87500"), s.L("149.92500"), "N/A", "N/A"}));
        // A red mark left from an earlier opening does not block the row's stored frequency.
        s.Add();
        s.Frequency("200000");
        ASSERT_TRUE(m.frequencyRed());
        s.Edit(0);
        EXPECT_FALSE(m.frequencyRed());
        EXPECT_EQ(m.frequencyToolTip(), "");
        EXPECT_TRUE(m.CanCommit());
        // Add mode keeps what the last opening showed, and takes the cross away.
        s.Edit(1);
        const std::string shown = s.Fields();
        s.Add();
        EXPECT_EQ(m.windowCaption(), "Add new frequency");
        EXPECT_EQ(m.buttonCaption(), "Add");
        EXPECT_EQ(s.Fields() + "|X", shown);
        // Edit mode without a current row adds.
        s.selection.SetCurrentRow(-1);
        m.Activate(s.list, s.selection.currentRow());
        EXPECT_EQ(m.buttonCaption(), "Add");
    }
}

TEST(AddFreqDialogModel, TypedRangesSetBandwidthAndFrequency) {
    using enum RangeBox;
    for (const Locale& locale : kLocales) {
        Site s(locale);
        Model& m = s.m;
        s.Add();
        s.Frequency("174");
        s.Offset("4600");
        // Leaving a box nobody typed into changes nothing.
        const std::string before = s.Fields();
        const Texts4 ranges = s.Ranges();
        for (RangeBox box : {TxStart, TxStop, RxStart, RxStop})
            m.RangeLostFocus(box);
        EXPECT_EQ(s.Fields(), before);
        EXPECT_EQ(s.Ranges(), ranges);
        // Receiver range of a transceiver: the frequency and the receiver group; the duplex
        // spacing stays, so the Tx range moves along. Moving within the range changes nothing.
        s.Type(RxStart, "150", true);
        EXPECT_EQ(s.Fields(), before);
        EXPECT_EQ(m.rangeText(RxStart), s.L("150"));
        s.Type(RxStop, "150.025");
        EXPECT_EQ(s.Fields(), s.L("150.01250|+4,600.00|3:100|4:100|2|1|"));
        EXPECT_EQ(s.Ranges(), s.L(Texts4{"154.60625", "154.61875", "150.00000", "150.02500"}));
        // One end typed, and the focus leaves the range: the other end stays.
        s.Type(RxStop, "150.0375");
        EXPECT_EQ(s.Fields(), s.L("150.01875|+4,600.00|3:100|0:37.50|2|1|"));
        EXPECT_EQ(m.rangeText(RxStart), s.L("150.00000"));
        s.Type(RxStop, "150.025");
        EXPECT_EQ(s.Fields(), s.L("150.01250|+4,600.00|3:100|4:37.50|2|1|"));
        // Ranges shown after a change are no input: the rounded ends of 8.33 kHz would move
        // the frequency if leaving them counted as typing.
        m.ChooseBandwidth(Rx, 2);
        const std::string shown = s.Fields();
        for (RangeBox box : {RxStart, RxStop})
            m.RangeLostFocus(box);
        EXPECT_EQ(s.Fields(), shown);
        m.ChooseBandwidth(Rx, 4);
        // Transmitter range of a transceiver: the offset and the transmitter group.
        s.Range(TxStart, "155", TxStop, "155.025", TxStop);
        EXPECT_EQ(s.Fields(), s.L("150.01250|+5,000.00|4:100|4:37.50|2|1|"));
        EXPECT_EQ(m.rangeText(RxStop), s.L("150.02500"));
        // 8.334 kHz chooses "8.33 kHz", 8.336 kHz chooses Other with 8.34.
        s.Range(TxStart, "155", TxStop, "155.008334", TxStart);
        EXPECT_EQ(m.bandwidthChoice(Tx), 2);
        s.Range(TxStart, "155", TxStop, "155.008336", TxStart);
        EXPECT_EQ(s.Fields(), s.L("150.01250|+4,991.67|0:8.34|4:37.50|2|1|"));
        EXPECT_TRUE(m.otherEnabled(Tx));
        // A reversed or unreadable range waits for its other end, as typed.
        s.Type(RxStart, "180");
        EXPECT_EQ(m.rangeText(RxStart), s.L("180"));
        EXPECT_EQ(m.frequency(), s.L("150.01250"));
        s.Type(RxStop, "abc");
        EXPECT_EQ(m.frequency(), s.L("150.01250"));
        s.Type(RxStop, "180.2");
        EXPECT_EQ(s.Fields(), s.L("180.10000|+4,991.67|0:8.34|6:37.50|2|1|"));
        // With "Tx" any range is the transmitter's, and the frequency moves under the offset.
        m.ChooseTxRx(Model::ChoiceTx);
        s.Offset("-100");
        s.Range(RxStart, "99.9875", RxStop, "100.0125", RxStop);
        EXPECT_EQ(s.Fields(), s.L("100.10000|-100.00|4:8.34|6:37.50|0|1|"));
        EXPECT_EQ(s.Ranges(), Texts4({s.L("99.98750"), s.L("100.01250"), "N/A", "N/A"}));
        // With "Rx" any range is the receiver's.
        m.ChooseTxRx(Model::ChoiceRx);
        s.Range(TxStart, "10", TxStop, "10.05", TxStart);
        EXPECT_EQ(s.Fields(), s.L("10.02500|-100.00|4:8.34|5:37.50|1|1|"));
        // A transceiver without a valid frequency takes its frequency from the Tx range.
        m.ChooseTxRx(Model::ChoiceBoth);
        s.Frequency("");
        s.Range(TxStart, "99.9875", TxStop, "100.0125", TxStart);
        EXPECT_EQ(s.Fields(), s.L("100.10000|-100.00|4:8.34|5:37.50|2|1|"));
        // A range beyond the limits leaves a red frequency.
        m.ChooseTxRx(Model::ChoiceRx);
        s.Range(RxStart, "100000", RxStop, "100001", RxStart);
        EXPECT_TRUE(m.frequencyRed());
        EXPECT_EQ(s.Fields(), s.L("100,000.50000|-100.00|4:8.34|0:1,000.00|1|1|"));
    }
}

TEST(AddFreqDialogModel, RemarksLoseTheFileSeparator) {
    struct Case {
        Locale locale;
        int caret;
        const char* text;
        int caretAfter;
    };
    // A separator before the caret moves it back; one at or after it leaves it.
    for (const Case& c :
         {Case{Locale::English(), 3, "ab;c", 2}, Case{Locale::English(), 1, "ab;c", 1},
          Case{Locale::German(), 5, "a,bc", 4}}) {
        Site s(c.locale);
        const FilteredText t = s.m.RemarksChanged("a,b;c", c.caret);
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(t.caret, c.caretAfter);
        EXPECT_EQ(s.m.remarks(), c.text);
    }
}

TEST(AddFreqDialogModel, CommitAddsUpdatesAndRefusesDuplicates) {
    for (const Locale& locale : kLocales) {
        Site s(locale);
        Model& m = s.m;
        s.Add();
        s.Frequency("174");
        s.Offset("4600");
        m.ChooseBandwidth(Rx, 4);
        m.ChooseStatus(Model::StatusPlanned);
        m.RemarksChanged("Mast A", 6);
        ASSERT_EQ(s.Commit(), Result::Stored);
        ASSERT_EQ(s.list.count(), 1);
        const FrequencyEntry& first = s.list.entry(0);
        EXPECT_EQ(first.texts, (Texts{" 1", s.L("      174.00000"), s.L("+4,600.00"), s.L("12.50"),
                                      "Both", "Plan", s.L("25.00"), "Mast A"}));
        EXPECT_TRUE(first.checked && s.selection.selected(0));
        EXPECT_EQ(s.selection.currentRow(), 0);
        EXPECT_TRUE(s.list.changed() && s.states.commands().clear && s.states.commands().calculate);
        EXPECT_EQ(s.events.recalculations, 1);
        // The same values again are a duplicate, and so is 178.6 MHz without offset, which
        // transmits where the first entry does.
        s.Add();
        EXPECT_EQ(m.frequency(), s.L("174.00000"));
        EXPECT_EQ(s.Commit(), Result::Duplicate);
        s.Frequency(s.L("178.6"));
        s.Offset("0");
        EXPECT_EQ(s.Commit(), Result::Duplicate);
        EXPECT_EQ(s.list.count(), 1);
        // A receiver only; the bandwidth of the unused side is "N/A".
        m.ChooseTxRx(Model::ChoiceRx);
        m.ChooseStatus(Model::StatusExisting);
        s.Frequency("174");
        ASSERT_EQ(s.Commit(), Result::Stored);
        ASSERT_EQ(s.list.count(), 2);
        EXPECT_EQ(s.list.entry(1).texts, (Texts{" 2", s.L("      174.00000"), "0", "N/A", "Rx",
                                                "Exist", s.L("25.00"), "Mast A"}));
        // Empty or red frequencies commit nothing.
        for (const char* bad : {"0", "100000"}) {
            s.Frequency(bad);
            EXPECT_EQ(s.Commit(), Result::Incomplete);
        }
        EXPECT_EQ(s.list.count(), 2);
        // Update: the edited row itself is no duplicate; its ID, key and check mark stay.
        s.list.SetChecked(0, false);
        s.Edit(0);
        EXPECT_TRUE(m.redCross());
        EXPECT_EQ(s.Commit(), Result::Stored);
        m.ChooseTxRx(Model::ChoiceTx);
        m.ChooseBandwidth(Tx, 6);
        s.Offset("0");
        // Now it would sit on the receiver at 174 MHz.
        EXPECT_EQ(s.Commit(), Result::Duplicate);
        m.OffsetUpDown(+1);
        ASSERT_EQ(s.Commit(), Result::Stored);
        ASSERT_EQ(s.list.count(), 2);
        const FrequencyEntry& edited = s.list.entry(0);
        EXPECT_EQ(edited.texts, (Texts{" 1", s.L("      174.00000"), s.L("+0.50"), s.L("200.00"),
                                       "Tx", "Plan", "N/A", "Mast A"}));
        EXPECT_EQ(edited.key, s.L("F:178.60000"));
        EXPECT_TRUE(!edited.checked && s.selection.selected(0));
        EXPECT_FALSE(s.selection.selected(1));
    }
}

} // namespace
} // namespace spurline
