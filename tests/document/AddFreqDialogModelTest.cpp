#include "document/AddFreqDialogModel.h"

#include "document/TextHelpers.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using Model = AddFreqDialogModel;
using Group = AddFreqDialogModel::Group;
using RangeBox = AddFreqDialogModel::RangeBox;
using Result = AddFreqDialogModel::CommitResult;

struct Site {
    explicit Site(const Locale& locale) : list(locale, box), model(locale) {
        list.recalculateDue = [this] { ++recalculations; };
    }
    testing::ScriptedMessageBox box;
    FrequencyList list;
    Model model;
    int recalculations = 0;

    // Opens the dialog's logic to edit the given row.
    void Edit(int row) {
        list.EditMode = true;
        list.SetCurrentRow(row);
        model.Activate(list);
    }
    void Add() {
        list.EditMode = false;
        model.Activate(list);
    }
};

std::array<std::string, 4> Ranges(const Model& m) {
    return {m.rangeText(RangeBox::TxStart), m.rangeText(RangeBox::TxStop),
            m.rangeText(RangeBox::RxStart), m.rangeText(RangeBox::RxStop)};
}

TEST(AddFreqDialogModel, DesignContentsAndFirstActivation) {
    Site en(Locale::English());
    const Model& m = en.model;
    EXPECT_EQ(m.frequency(), "174.000");
    EXPECT_EQ(m.offset(), "0");
    EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 3);
    EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 3);
    EXPECT_EQ(m.otherBandwidth(Group::Transmitter), "100");
    EXPECT_EQ(m.otherBandwidth(Group::Receiver), "100");
    EXPECT_FALSE(m.otherEnabled(Group::Transmitter));
    EXPECT_FALSE(m.otherEnabled(Group::Receiver));
    EXPECT_EQ(m.txrxChoice(), Model::ChoiceBoth);
    EXPECT_EQ(m.statusChoice(), Model::StatusExisting);
    EXPECT_EQ(m.remarks(), "");
    EXPECT_EQ(Ranges(m),
              (std::array<std::string, 4>{"250.00000", "250.00000", "250.00000", "250.00000"}));
    EXPECT_EQ(m.buttonCaption(), "&Add");
    const std::array<std::string, 7> captions{"Other",  "6.25 kHz", "8.33 kHz", "12.5 kHz",
                                              "25 kHz", "50 kHz",   "200 kHz"};
    for (int i = 0; i < Model::BandwidthChoiceCount; ++i) {
        EXPECT_EQ(m.choiceCaption(i), captions[static_cast<std::size_t>(i)]);
    }

    en.Add();
    EXPECT_EQ(m.buttonCaption(), "Add");
    EXPECT_EQ(m.windowCaption(), "Add new frequency");
    EXPECT_EQ(m.frequency(), "174.000");
    EXPECT_EQ(m.choiceCaption(3), "12.5 kHz");
    EXPECT_EQ(Ranges(m),
              (std::array<std::string, 4>{"173.99375", "174.00625", "173.99375", "174.00625"}));
    EXPECT_FALSE(m.redCross());

    Site de(Locale::German());
    de.Add();
    EXPECT_EQ(de.model.frequency(), "174,000");
    EXPECT_EQ(de.model.offset(), "0");
    EXPECT_EQ(de.model.otherBandwidth(Group::Transmitter), "100");
    const std::array<std::string, 7> comma{"Other",  "6,25 kHz", "8,33 kHz", "12,5 kHz",
                                           "25 kHz", "50 kHz",   "200 kHz"};
    for (int i = 0; i < Model::BandwidthChoiceCount; ++i) {
        EXPECT_EQ(de.model.choiceCaption(i), comma[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(Ranges(de.model),
              (std::array<std::string, 4>{"173,99375", "174,00625", "173,99375", "174,00625"}));
    // A second showing changes nothing more.
    de.Add();
    EXPECT_EQ(de.model.frequency(), "174,000");
    EXPECT_EQ(de.model.choiceCaption(1), "6,25 kHz");
}

TEST(AddFreqDialogModel, DecimalCommaActivationTrimsAndKeepsLocaleTexts) {
    Site de(Locale::German());
    de.model.SetFrequencyText(" 12.5 ");
    de.model.SetOffsetText(" 0.5");
    de.model.SetOtherText(Group::Receiver, "6.25 ");
    de.model.SetOtherText(Group::Transmitter, " 1.5");
    de.Add();
    EXPECT_EQ(de.model.frequency(), "12,5");
    EXPECT_EQ(de.model.offset(), "0,5");
    EXPECT_EQ(de.model.otherBandwidth(Group::Receiver), "6,25");
    EXPECT_EQ(de.model.otherBandwidth(Group::Transmitter), "1,5");

    // Texts the dialog itself wrote in the locale keep their grouping points: a frequency of
    // 1234.5 MHz and an offset of 4600 kHz survive the next showing.
    de.model.SetFrequencyText("1234,5");
    de.model.FrequencyLostFocus();
    de.model.SetOffsetText("4600");
    de.model.OffsetLostFocus();
    de.model.ChooseBandwidth(Group::Transmitter, Model::BandwidthOther);
    de.model.SetOtherText(Group::Transmitter, "1500");
    de.model.OtherLostFocus(Group::Transmitter);
    EXPECT_EQ(de.model.frequency(), "1.234,50000");
    EXPECT_EQ(de.model.offset(), "+4.600,00");
    EXPECT_EQ(de.model.otherBandwidth(Group::Transmitter), "1.500,00");
    de.Add();
    EXPECT_EQ(de.model.frequency(), "1.234,50000");
    EXPECT_EQ(de.model.offset(), "+4.600,00");
    EXPECT_EQ(de.model.otherBandwidth(Group::Transmitter), "1.500,00");
    EXPECT_DOUBLE_EQ(de.model.TransmitterBandwidth(), 1500.0);
    EXPECT_EQ(de.model.rangeText(RangeBox::TxStart), "1.238,35000");

    // A decimal-point locale leaves the texts alone.
    Site en(Locale::English());
    en.model.SetFrequencyText(" 12.5 ");
    en.Add();
    EXPECT_EQ(en.model.frequency(), " 12.5 ");
}

TEST(AddFreqDialogModel, FrequencyLosingFocusNormalisesOrTurnsRed) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        Site s(locale);
        Model& m = s.model;
        s.Add();
        m.SetFrequencyText("174");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.frequency(), comma ? "174,00000" : "174.00000");
        EXPECT_FALSE(m.frequencyRed());
        EXPECT_EQ(m.frequencyToolTip(), "");
        EXPECT_TRUE(m.CanCommit());

        m.SetFrequencyText(comma ? " 1234,5 " : " 1234.5 ");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.frequency(), comma ? "1.234,50000" : "1,234.50000");

        m.SetFrequencyText(comma ? "99999,99999" : "99999.99999");
        m.FrequencyLostFocus();
        EXPECT_FALSE(m.frequencyRed());

        m.SetFrequencyText("100000");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.frequency(), "100000");
        EXPECT_TRUE(m.frequencyRed());
        EXPECT_EQ(m.frequencyToolTip(), "The frequency is out of range");
        EXPECT_FALSE(m.CanCommit());
        // The ranges still follow the text.
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), comma ? "99.999,99375" : "99,999.99375");

        m.SetFrequencyText("-5");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.frequency(), "-5");
        EXPECT_TRUE(m.frequencyRed());

        // A valid value clears the red mark and the tooltip.
        m.SetFrequencyText("50");
        m.FrequencyLostFocus();
        EXPECT_FALSE(m.frequencyRed());
        EXPECT_EQ(m.frequencyToolTip(), "");
        EXPECT_EQ(m.frequency(), comma ? "50,00000" : "50.00000");

        // Zero and text without a leading number empty the field.
        for (const char* empty : {"0", "abc", "N/A", "1-2"}) {
            m.SetFrequencyText(empty);
            m.FrequencyLostFocus();
            EXPECT_EQ(m.frequency(), "") << empty;
            EXPECT_FALSE(m.frequencyRed());
            EXPECT_FALSE(m.CanCommit());
        }

        // A text that is not wholly a number stays as typed.
        m.SetFrequencyText(comma ? "174,5 MHz" : "174.5 MHz");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.frequency(), comma ? "174,5 MHz" : "174.5 MHz");
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), comma ? "174,49375" : "174.49375");
    }
}

TEST(AddFreqDialogModel, OffsetLosingFocusAndUpDown) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        Site s(locale);
        Model& m = s.model;
        s.Add();
        m.SetOffsetText("4600");
        m.OffsetLostFocus();
        EXPECT_EQ(m.offset(), comma ? "+4.600,00" : "+4,600.00");
        m.SetOffsetText("-100");
        m.OffsetLostFocus();
        EXPECT_EQ(m.offset(), comma ? "-100,00" : "-100.00");
        m.SetOffsetText(comma ? "12,5" : "12.5");
        m.OffsetLostFocus();
        EXPECT_EQ(m.offset(), comma ? "+12,50" : "+12.50");
        for (const char* zero : {"0", "", "abc", "-0"}) {
            m.SetOffsetText(zero);
            m.OffsetLostFocus();
            EXPECT_EQ(m.offset(), "0") << zero;
        }

        m.OffsetUpDown(+1);
        EXPECT_EQ(m.offset(), comma ? "+0,50" : "+0.50");
        m.OffsetUpDown(+1);
        EXPECT_EQ(m.offset(), comma ? "+1,00" : "+1.00");
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), comma ? "173,99475" : "173.99475");
        m.OffsetUpDown(-1);
        m.OffsetUpDown(-1);
        EXPECT_EQ(m.offset(), "0");
        m.OffsetUpDown(-1);
        EXPECT_EQ(m.offset(), comma ? "-0,50" : "-0.50");
        EXPECT_EQ(m.rangeText(RangeBox::TxStop), comma ? "174,00575" : "174.00575");
    }
}

TEST(AddFreqDialogModel, RangesFollowTheRoleAndTheBandwidths) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        Site s(locale);
        Model& m = s.model;
        s.Add();
        m.SetFrequencyText("174");
        m.FrequencyLostFocus();
        m.SetOffsetText("4600");
        m.OffsetLostFocus();
        m.ChooseBandwidth(Group::Transmitter, 3);
        m.ChooseBandwidth(Group::Receiver, 4);
        EXPECT_DOUBLE_EQ(m.TransmitterBandwidth(), 12.5);
        EXPECT_DOUBLE_EQ(m.ReceiverBandwidth(), 25.0);
        const std::array<std::string, 4> both =
            comma ? std::array<std::string, 4>{"178,59375", "178,60625", "173,98750", "174,01250"}
                  : std::array<std::string, 4>{"178.59375", "178.60625", "173.98750", "174.01250"};
        EXPECT_EQ(Ranges(m), both);

        // The role alone does not recompute; the next recomputing event does.
        m.ChooseTxRx(Model::ChoiceTx);
        EXPECT_EQ(Ranges(m), both);
        m.ChooseBandwidth(Group::Receiver, 4);
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), both[0]);
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), "N/A");
        EXPECT_EQ(m.rangeText(RangeBox::RxStop), "N/A");

        m.ChooseTxRx(Model::ChoiceRx);
        m.FrequencyLostFocus();
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), "N/A");
        EXPECT_EQ(m.rangeText(RangeBox::TxStop), "N/A");
        EXPECT_EQ(m.rangeText(RangeBox::RxStop), both[3]);

        // Every fixed choice, and the last one for anything unknown.
        const std::array<double, 7> widths{100.0, 6.25, 8.33, 12.5, 25.0, 50.0, 200.0};
        for (int i = 0; i < Model::BandwidthChoiceCount; ++i) {
            m.ChooseBandwidth(Group::Receiver, i);
            EXPECT_DOUBLE_EQ(m.ReceiverBandwidth(), widths[static_cast<std::size_t>(i)]);
            EXPECT_EQ(m.otherEnabled(Group::Receiver), i == 0);
        }
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), comma ? "173,90000" : "173.90000");
        m.ChooseBandwidth(Group::Receiver, 9);
        EXPECT_DOUBLE_EQ(m.ReceiverBandwidth(), 200.0);
    }
}

TEST(AddFreqDialogModel, OtherBoxesNormaliseAndStep) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        Site s(locale);
        Model& m = s.model;
        s.Add();
        for (Group g : {Group::Transmitter, Group::Receiver}) {
            m.ChooseBandwidth(g, Model::BandwidthOther);
            EXPECT_TRUE(m.otherEnabled(g));
            EXPECT_DOUBLE_EQ(m.BandwidthValue(g), 100.0);

            m.SetOtherText(g, "1000");
            m.OtherLostFocus(g);
            EXPECT_EQ(m.otherBandwidth(g), comma ? "1.000,00" : "1,000.00");
            m.SetOtherText(g, comma ? "12,345" : "12.345");
            m.OtherLostFocus(g);
            EXPECT_EQ(m.otherBandwidth(g), comma ? "12,35" : "12.35");
            for (const char* zero : {"abc", "0", "-5", "", comma ? "0,001" : "0.001"}) {
                m.SetOtherText(g, zero);
                m.OtherLostFocus(g);
                EXPECT_EQ(m.otherBandwidth(g), "0") << zero;
            }
            EXPECT_DOUBLE_EQ(m.BandwidthValue(g), 0.0);

            m.OtherUpDown(g, -1);
            EXPECT_EQ(m.otherBandwidth(g), "0");
            m.OtherUpDown(g, +1);
            EXPECT_EQ(m.otherBandwidth(g), comma ? "0,50" : "0.50");
            m.OtherUpDown(g, +1);
            EXPECT_EQ(m.otherBandwidth(g), comma ? "1,00" : "1.00");
            m.OtherUpDown(g, -1);
            m.OtherUpDown(g, -1);
            EXPECT_EQ(m.otherBandwidth(g), "0");
            m.SetOtherText(g, "N/A");
            m.OtherUpDown(g, +1);
            EXPECT_EQ(m.otherBandwidth(g), comma ? "0,50" : "0.50");
        }
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), comma ? "173,99975" : "173.99975");
        EXPECT_EQ(m.rangeText(RangeBox::RxStop), comma ? "174,00025" : "174.00025");
        m.ChooseBandwidth(Group::Transmitter, 5);
        EXPECT_FALSE(m.otherEnabled(Group::Transmitter));
        EXPECT_TRUE(m.otherEnabled(Group::Receiver));
    }
}

TEST(AddFreqDialogModel, EditModeFillsFromTheCurrentRow) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        Site s(locale);
        Model& m = s.model;
        const auto num = [comma](std::string text) {
            return comma ? ReplaceAll(text, ".", ",") : text;
        };
        ASSERT_TRUE(s.list.AddEntry({"174", "4600", num("8.33"), "Both", "Plan", "200", "Mast A"}));
        ASSERT_TRUE(s.list.AddEntry({num("165.25"), "0", "12", "Rx", "Exist", "100", "Ctl"}));
        ASSERT_TRUE(s.list.AddEntry({"150", "-100", "50", "Tx", "Exist", "25", ""}));

        s.Edit(0);
        EXPECT_EQ(m.buttonCaption(), "Update");
        EXPECT_EQ(m.windowCaption(), "Edit frequency  1");
        EXPECT_EQ(m.frequency(), num("174.00000"));
        EXPECT_EQ(m.offset(), comma ? "+4.600,00" : "+4,600.00");
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 2);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 6);
        EXPECT_EQ(m.txrxChoice(), Model::ChoiceBoth);
        EXPECT_EQ(m.statusChoice(), Model::StatusPlanned);
        EXPECT_EQ(m.remarks(), "Mast A");
        EXPECT_FALSE(m.redCross());
        EXPECT_EQ(Ranges(m), (std::array<std::string, 4>{num("178.59584"), num("178.60417"),
                                                         num("173.90000"), num("174.10000")}));

        // A receiver's Tx BW "N/A" opens "Other" with that text, read as 0; unchecked shows the
        // red cross.
        s.list.SetChecked(1, false);
        s.Edit(1);
        EXPECT_EQ(m.windowCaption(), "Edit frequency  2");
        EXPECT_EQ(m.frequency(), num("165.25000"));
        EXPECT_EQ(m.offset(), "0");
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), Model::BandwidthOther);
        EXPECT_EQ(m.otherBandwidth(Group::Transmitter), "N/A");
        EXPECT_TRUE(m.otherEnabled(Group::Transmitter));
        EXPECT_DOUBLE_EQ(m.TransmitterBandwidth(), 0.0);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), Model::BandwidthOther);
        EXPECT_EQ(m.otherBandwidth(Group::Receiver), num("100.00"));
        EXPECT_EQ(m.txrxChoice(), Model::ChoiceRx);
        EXPECT_EQ(m.statusChoice(), Model::StatusExisting);
        EXPECT_EQ(m.remarks(), "Ctl");
        EXPECT_TRUE(m.redCross());
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), "N/A");

        s.Edit(2);
        EXPECT_FALSE(m.redCross());
        EXPECT_EQ(m.txrxChoice(), Model::ChoiceTx);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 5);
        EXPECT_EQ(m.otherBandwidth(Group::Receiver), "N/A");
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), num("149.87500"));
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), "N/A");

        // A red mark left from an earlier opening does not block the row's stored frequency.
        s.Add();
        m.SetFrequencyText("200000");
        m.FrequencyLostFocus();
        ASSERT_TRUE(m.frequencyRed());
        s.Edit(0);
        EXPECT_FALSE(m.frequencyRed());
        EXPECT_EQ(m.frequencyToolTip(), "");
        EXPECT_TRUE(m.CanCommit());

        // Add mode keeps what the last opening showed, and takes the cross away.
        s.Edit(1);
        s.Add();
        EXPECT_EQ(m.windowCaption(), "Add new frequency");
        EXPECT_EQ(m.buttonCaption(), "Add");
        EXPECT_EQ(m.frequency(), num("165.25000"));
        EXPECT_EQ(m.remarks(), "Ctl");
        EXPECT_FALSE(m.redCross());

        // Edit mode without a current row adds.
        s.list.SetCurrentRow(-1);
        s.list.EditMode = true;
        m.Activate(s.list);
        EXPECT_EQ(m.buttonCaption(), "Add");
    }
}

TEST(AddFreqDialogModel, TypedRangesSetBandwidthAndFrequency) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        const auto num = [comma](std::string text) {
            return comma ? ReplaceAll(text, ".", ",") : text;
        };
        Site s(locale);
        Model& m = s.model;
        s.Add();
        m.SetFrequencyText("174");
        m.FrequencyLostFocus();
        m.SetOffsetText("4600");
        m.OffsetLostFocus();

        // Leaving a box nobody typed into changes nothing.
        const auto before = Ranges(m);
        for (RangeBox box :
             {RangeBox::TxStart, RangeBox::TxStop, RangeBox::RxStart, RangeBox::RxStop}) {
            m.RangeLostFocus(box);
        }
        EXPECT_EQ(Ranges(m), before);
        EXPECT_EQ(m.frequency(), num("174.00000"));

        // Receiver range of a transceiver: the frequency and the receiver group; the duplex
        // spacing stays, so the Tx range moves along.
        m.SetRangeText(RangeBox::RxStart, num("150"));
        m.RangeLostFocus(RangeBox::RxStart, true);
        EXPECT_EQ(m.frequency(), num("174.00000"));
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), num("150"));
        m.SetRangeText(RangeBox::RxStop, num("150.025"));
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.frequency(), num("150.01250"));
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 4);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 3);
        EXPECT_EQ(m.offset(), comma ? "+4.600,00" : "+4,600.00");
        EXPECT_EQ(Ranges(m), (std::array<std::string, 4>{num("154.60625"), num("154.61875"),
                                                         num("150.00000"), num("150.02500")}));

        // One end typed, and the focus leaves the range: the other end stays.
        m.SetRangeText(RangeBox::RxStop, num("150.0375"));
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), Model::BandwidthOther);
        EXPECT_EQ(m.otherBandwidth(Group::Receiver), num("37.50"));
        EXPECT_EQ(m.frequency(), num("150.01875"));
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), num("150.00000"));
        m.SetRangeText(RangeBox::RxStop, num("150.025"));
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 4);
        EXPECT_EQ(m.frequency(), num("150.01250"));

        // Transmitter range of a transceiver: the offset and the transmitter group.
        m.SetRangeText(RangeBox::TxStart, num("155"));
        m.SetRangeText(RangeBox::TxStop, num("155.025"));
        m.RangeLostFocus(RangeBox::TxStop);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 4);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 4);
        EXPECT_EQ(m.frequency(), num("150.01250"));
        EXPECT_EQ(m.offset(), comma ? "+5.000,00" : "+5,000.00");
        EXPECT_EQ(m.rangeText(RangeBox::RxStop), num("150.02500"));

        // 8.334 kHz chooses "8.33 kHz", 8.336 kHz chooses Other with 8.34.
        m.SetRangeText(RangeBox::TxStart, num("155"));
        m.SetRangeText(RangeBox::TxStop, num("155.008334"));
        m.RangeLostFocus(RangeBox::TxStart);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 2);
        m.SetRangeText(RangeBox::TxStart, num("155"));
        m.SetRangeText(RangeBox::TxStop, num("155.008336"));
        m.RangeLostFocus(RangeBox::TxStart);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), Model::BandwidthOther);
        EXPECT_EQ(m.otherBandwidth(Group::Transmitter), num("8.34"));
        EXPECT_TRUE(m.otherEnabled(Group::Transmitter));

        // A reversed or unreadable range waits for its other end, as typed.
        m.SetRangeText(RangeBox::RxStart, num("180"));
        m.RangeLostFocus(RangeBox::RxStart);
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), num("180"));
        EXPECT_EQ(m.frequency(), num("150.01250"));
        m.SetRangeText(RangeBox::RxStop, "abc");
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.frequency(), num("150.01250"));
        m.SetRangeText(RangeBox::RxStop, num("180.2"));
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.frequency(), num("180.10000"));
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 6);

        // With "Tx" any range is the transmitter's, and the frequency moves under the offset.
        m.ChooseTxRx(Model::ChoiceTx);
        m.SetOffsetText("-100");
        m.OffsetLostFocus();
        m.SetRangeText(RangeBox::RxStart, num("99.9875"));
        m.SetRangeText(RangeBox::RxStop, num("100.0125"));
        m.RangeLostFocus(RangeBox::RxStop);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 4);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 6);
        EXPECT_EQ(m.frequency(), num("100.10000"));
        EXPECT_EQ(m.rangeText(RangeBox::TxStart), num("99.98750"));
        EXPECT_EQ(m.rangeText(RangeBox::RxStart), "N/A");

        // With "Rx" any range is the receiver's.
        m.ChooseTxRx(Model::ChoiceRx);
        m.SetRangeText(RangeBox::TxStart, num("10"));
        m.SetRangeText(RangeBox::TxStop, num("10.05"));
        m.RangeLostFocus(RangeBox::TxStart);
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), 5);
        EXPECT_EQ(m.bandwidthChoice(Group::Transmitter), 4);
        EXPECT_EQ(m.frequency(), num("10.02500"));

        // A transceiver without a valid frequency takes its frequency from the Tx range.
        m.ChooseTxRx(Model::ChoiceBoth);
        m.SetFrequencyText("");
        m.FrequencyLostFocus();
        m.SetRangeText(RangeBox::TxStart, num("99.9875"));
        m.SetRangeText(RangeBox::TxStop, num("100.0125"));
        m.RangeLostFocus(RangeBox::TxStart);
        EXPECT_EQ(m.frequency(), num("100.10000"));
        EXPECT_EQ(m.offset(), comma ? "-100,00" : "-100.00");

        // A range beyond the limits leaves a red frequency.
        m.ChooseTxRx(Model::ChoiceRx);
        m.SetRangeText(RangeBox::RxStart, "100000");
        m.SetRangeText(RangeBox::RxStop, "100001");
        m.RangeLostFocus(RangeBox::RxStart);
        EXPECT_TRUE(m.frequencyRed());
        EXPECT_EQ(m.bandwidthChoice(Group::Receiver), Model::BandwidthOther);
        EXPECT_EQ(m.otherBandwidth(Group::Receiver), comma ? "1.000,00" : "1,000.00");
    }
}

TEST(AddFreqDialogModel, RemarksLoseTheFileSeparator) {
    Site en(Locale::English());
    FilteredText t = en.model.RemarksChanged("a,b;c", 3);
    EXPECT_EQ(t.text, "ab;c");
    EXPECT_EQ(t.caret, 2);
    EXPECT_EQ(en.model.remarks(), "ab;c");

    Site de(Locale::German());
    t = de.model.RemarksChanged("a,b;c", 5);
    EXPECT_EQ(t.text, "a,bc");
    EXPECT_EQ(t.caret, 4);
    EXPECT_EQ(de.model.remarks(), "a,bc");
}

TEST(AddFreqDialogModel, CommitAddsUpdatesAndRefusesDuplicates) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        const bool comma = locale.decimalSeparator == ",";
        const auto num = [comma](std::string text) {
            return comma ? ReplaceAll(text, ".", ",") : text;
        };
        Site s(locale);
        Model& m = s.model;
        s.Add();
        m.SetFrequencyText("174");
        m.FrequencyLostFocus();
        m.SetOffsetText("4600");
        m.OffsetLostFocus();
        m.ChooseBandwidth(Group::Receiver, 4);
        m.ChooseStatus(Model::StatusPlanned);
        m.RemarksChanged("Mast A", 6);

        const DialogEntry e = m.Entry();
        EXPECT_EQ(e.frequency, num("174.00000"));
        EXPECT_EQ(e.offset, comma ? "+4.600,00" : "+4,600.00");
        EXPECT_EQ(e.txBandwidth, num("12.50"));
        EXPECT_EQ(e.rxBandwidth, num("25.00"));
        EXPECT_EQ(e.txrx, TxRxChoice::Both);
        EXPECT_TRUE(e.planned);
        EXPECT_EQ(e.remarks, "Mast A");

        ASSERT_EQ(m.Commit(s.list), Result::Stored);
        ASSERT_EQ(s.list.count(), 1);
        const FrequencyEntry& first = s.list.entry(0);
        EXPECT_EQ(first.id(), " 1");
        EXPECT_EQ(first.frequency(), num("      174.00000"));
        EXPECT_EQ(first.offset(), comma ? "+4.600,00" : "+4,600.00");
        EXPECT_EQ(first.txbandwidth(), num("12.50"));
        EXPECT_EQ(first.txrx(), "Both");
        EXPECT_EQ(first.status(), "Plan");
        EXPECT_EQ(first.rxbandwidth(), num("25.00"));
        EXPECT_EQ(first.remarks(), "Mast A");
        EXPECT_TRUE(first.checked);
        EXPECT_TRUE(first.selected);
        EXPECT_TRUE(s.list.changed());
        EXPECT_EQ(s.recalculations, 1);

        // The same values again are a duplicate: nothing stored.
        s.Add();
        EXPECT_EQ(m.frequency(), num("174.00000"));
        EXPECT_EQ(m.Commit(s.list), Result::Duplicate);
        EXPECT_EQ(s.list.count(), 1);
        // 178.6 MHz without offset transmits where the first entry does.
        m.SetFrequencyText(num("178.6"));
        m.FrequencyLostFocus();
        m.SetOffsetText("0");
        m.OffsetLostFocus();
        EXPECT_EQ(m.Commit(s.list), Result::Duplicate);

        // A receiver only; the bandwidth of the unused side is "N/A".
        m.ChooseTxRx(Model::ChoiceRx);
        m.ChooseStatus(Model::StatusExisting);
        m.SetFrequencyText("174");
        m.FrequencyLostFocus();
        ASSERT_EQ(m.Commit(s.list), Result::Stored);
        ASSERT_EQ(s.list.count(), 2);
        EXPECT_EQ(s.list.entry(1).id(), " 2");
        EXPECT_EQ(s.list.entry(1).offset(), "0");
        EXPECT_EQ(s.list.entry(1).txbandwidth(), "N/A");
        EXPECT_EQ(s.list.entry(1).rxbandwidth(), num("25.00"));
        EXPECT_EQ(s.list.entry(1).txrx(), "Rx");
        EXPECT_EQ(s.list.entry(1).status(), "Exist");

        // Empty or red frequencies commit nothing.
        m.SetFrequencyText("0");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.Commit(s.list), Result::Incomplete);
        m.SetFrequencyText("100000");
        m.FrequencyLostFocus();
        EXPECT_EQ(m.Commit(s.list), Result::Incomplete);
        EXPECT_EQ(s.list.count(), 2);

        // Update: the edited row itself is no duplicate; its ID, key and check mark stay.
        s.list.SetChecked(0, false);
        s.Edit(0);
        EXPECT_TRUE(m.redCross());
        EXPECT_EQ(m.Commit(s.list), Result::Stored);
        m.ChooseTxRx(Model::ChoiceTx);
        m.ChooseBandwidth(Group::Transmitter, 6);
        m.SetOffsetText("0");
        m.OffsetLostFocus();
        // Now it would sit on the receiver at 174 MHz.
        EXPECT_EQ(m.Commit(s.list), Result::Duplicate);
        m.OffsetUpDown(+1);
        ASSERT_EQ(m.Commit(s.list), Result::Stored);
        ASSERT_EQ(s.list.count(), 2);
        const FrequencyEntry& edited = s.list.entry(0);
        EXPECT_EQ(edited.id(), " 1");
        EXPECT_EQ(edited.offset(), comma ? "+0,50" : "+0.50");
        EXPECT_EQ(edited.txbandwidth(), num("200.00"));
        EXPECT_EQ(edited.rxbandwidth(), "N/A");
        EXPECT_EQ(edited.txrx(), "Tx");
        EXPECT_EQ(edited.key, num("F:178.60000"));
        EXPECT_FALSE(edited.checked);
        EXPECT_TRUE(edited.selected);
        EXPECT_FALSE(s.list.entry(1).selected);
    }
}

} // namespace
} // namespace spurline
