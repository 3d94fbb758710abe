#include "app/UpDownControl.h"
#include "app/frmAddFreq.h"
#include "support/ScriptedMessageBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace spurline {
namespace {

class AddFreqDialogTest : public ::testing::TestWithParam<bool> {
protected:
    AddFreqDialogTest()
        : locale(GetParam() ? Locale::German() : Locale::English()), comma(GetParam()),
          list(locale, messages), dialog(list) {
        list.recalculateDue = [this] { ++recalculations; };
        dialog.beep = [this] { ++beeps; };
    }

    // A number written the English way, in this locale: "+4,600.00" is "+4.600,00" with commas.
    std::string L(std::string text) const {
        for (char& c : text) {
            c = !comma ? c : c == '.' ? ',' : c == ',' ? '.' : c;
        }
        return text;
    }
    // Expects the texts of the named boxes, given as name, English text, name, text...
    void ExpectTexts(std::initializer_list<const char*> namesAndTexts) const {
        for (auto it = namesAndTexts.begin(); it != namesAndTexts.end(); it += 2) {
            EXPECT_EQ(Text(it[0]).toStdString(), L(it[1])) << it[0];
        }
    }
    void ExpectChecked(std::initializer_list<const char*> options) const {
        for (const char* name : options) {
            EXPECT_TRUE(Option(name)->isChecked()) << name;
        }
    }

    // Shows the dialog as Open does, without its modal loop, and lets it take the focus.
    void Show(bool editMode) {
        dialog.Activate(editMode);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        ASSERT_EQ(QApplication::focusWidget(), Box("txtFrequency"));
    }

    QLineEdit* Box(const char* name) const {
        auto* box = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    QString Text(const char* name) const { return Box(name)->text(); }
    QRadioButton* Option(const char* name) const {
        auto* option = dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
        EXPECT_NE(option, nullptr) << name;
        return option;
    }
    QPushButton* Button(const char* name) const {
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    QToolButton* Step(const char* upDown, const char* direction) const {
        auto* control = dialog.findChild<UpDownControl*>(QString::fromLatin1(upDown));
        EXPECT_NE(control, nullptr) << upDown;
        return control->findChild<QToolButton*>(QString::fromLatin1(direction));
    }

    // Clicks into a box, replaces its text by typing, and leaves it with Tab.
    void TypeInto(const char* name, const std::string& text, bool leave = true) {
        QLineEdit* box = Box(name);
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromStdString(text));
        if (leave) {
            QTest::keyClick(box, Qt::Key_Tab);
            ASSERT_NE(QApplication::focusWidget(), box);
        }
    }
    void Click(QAbstractButton* button) {
        // Near the left edge: the option buttons' indicator, inside every button.
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    }

    QColor FrequencyColour() const { return Box("txtFrequency")->palette().color(QPalette::Text); }

    Locale locale;
    bool comma;
    testing::ScriptedMessageBox messages;
    FrequencyList list;
    frmAddFreq dialog;
    int recalculations = 0;
    int beeps = 0;
};

TEST_P(AddFreqDialogTest, AddsAnEntryTypedIntoTheFields) {
    Show(false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add new frequency"));
    EXPECT_EQ(Button("cmdAdd")->text(), QStringLiteral("Add"));
    EXPECT_EQ(Button("cmdCancel")->text(), QStringLiteral("&Cancel"));
    ExpectTexts({"txtFrequency", "174.000", "txtOffset", "0", "chspaceother", "100", "rxprotother",
                 "100", "txtStartFrequency1", "173.99375"});
    ExpectChecked({"chspacing3", "rxprot3", "chktxrx2", "chstatus1"});
    const std::pair<const char*, const char*> captions[] = {
        {"chspacing0", "Other"}, {"chspacing1", "6.25 kHz"}, {"rxprot2", "8.33 kHz"},
        {"rxprot3", "12.5 kHz"}, {"chspacing6", "200 kHz"},  {"chktxrx0", "Tx"},
        {"chstatus0", "Planned"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Option(name)->text().toStdString(), L(caption));
    }
    EXPECT_FALSE(Box("chspaceother")->isEnabled());
    EXPECT_FALSE(Box("rxprotother")->isEnabled());

    TypeInto("txtFrequency", "174");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtOffset"));
    TypeInto("txtOffset", "4600");
    Click(Option("rxprot4"));
    ExpectTexts({"txtFrequency", "174.00000", "txtOffset", "+4,600.00", "txtStartFrequency1",
                 "178.59375", "txtStopFrequency1", "178.60625", "txtStartFrequency0", "173.98750",
                 "txtStopFrequency0", "174.01250"});
    Click(Option("chstatus0"));
    // The file's field separator never reaches the remarks.
    TypeInto("txtRemarks", comma ? "Mast; A" : "Mast, A", false);
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));

    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(beeps, 0);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).texts,
              (std::array<std::string, 8>{" 1", L("      174.00000"), L("+4,600.00"), L("12.50"),
                                          "Both", "Plan", L("25.00"), "Mast A"}));
    EXPECT_TRUE(list.entry(0).checked && list.entry(0).selected && list.changed());
    EXPECT_EQ(recalculations, 1);

    // Shown again: the values of the last entry are offered, ranges included.
    Show(false);
    ExpectTexts({"txtFrequency", "174.00000", "txtOffset", "+4,600.00", "txtRemarks", "Mast A",
                 "txtStopFrequency0", "174.01250"});
    ExpectChecked({"rxprot4", "chstatus0"});
    // The frequency box selects its text also when a mouse click gives it the focus.
    QTest::mouseClick(Box("txtOffset"), Qt::LeftButton);
    QTest::mouseClick(Box("txtFrequency"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Box("txtFrequency"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Box("txtFrequency")->selectedText(), Text("txtFrequency"));

    // A duplicate, also one typed just before pressing Add, beeps; the dialog stays with its
    // values. 178.6 MHz without offset transmits where the first entry does.
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    TypeInto("txtFrequency", L("178.6"));
    TypeInto("txtOffset", "0", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 1);
    ExpectTexts({"txtOffset", "0", "txtRemarks", "Mast A"});

    // Return in a box presses Add; the box's rule runs first.
    TypeInto("txtOffset", "12.5", false);
    QTest::keyClick(Box("txtOffset"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(list.count(), 2);
    // "12.5" in the decimal-comma locale is 125 with a grouping point.
    EXPECT_EQ(list.entry(1).offset(), comma ? "+125,00" : "+12.50");
    EXPECT_EQ(list.entry(1).frequency(), L("      178.60000"));

    // Cancel hides without storing anything.
    Show(false);
    TypeInto("txtFrequency", "300");
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(list.count(), 2);
}

TEST_P(AddFreqDialogTest, RedOrEmptyFrequenciesBlockAddAndTheRoleSetsTheRanges) {
    Show(false);
    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    struct Case {
        const char* typed;
        bool leave; // Tab out, or press Add at once: the rule runs before the commit
        const char* shown;
        const QColor& colour;
        const char* tip;
    };
    const Case cases[] = {{"100000", true, "100000", red, "The frequency is out of range"},
                          {"99999.99999", true, "99,999.99999", black, ""},
                          {"-3", true, "-3", red, "The frequency is out of range"},
                          {"abc", true, "", black, ""},
                          {"250000", false, "250000", red, "The frequency is out of range"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypeInto("txtFrequency", L(c.typed), c.leave);
        const bool blocked = c.colour == red || !*c.shown;
        if (blocked) {
            QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
        }
        EXPECT_EQ(Text("txtFrequency").toStdString(), L(c.shown));
        EXPECT_EQ(FrequencyColour(), c.colour);
        EXPECT_EQ(Box("txtFrequency")->toolTip(), QString::fromLatin1(c.tip));
        if (blocked) {
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(list.count(), 0);
            EXPECT_EQ(beeps, 0);
        }
    }
    ASSERT_EQ(list.count(), 0);
    TypeInto("txtFrequency", L("1234.5"), false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).frequency(), L("    1,234.50000"));

    // With "Tx" the receiver's range reads "N/A" once the ranges are recomputed.
    Show(false);
    Click(Option("chktxrx0"));
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), L("1,234.49375"));
    TypeInto("txtFrequency", "150");
    ExpectTexts({"txtStartFrequency0", "N/A", "txtStopFrequency0", "N/A", "txtStartFrequency1",
                 "149.99375"});
    Click(Option("chktxrx1"));
    TypeInto("txtOffset", "0");
    ExpectTexts({"txtStartFrequency1", "N/A", "txtStartFrequency0", "149.99375"});
}

TEST_P(AddFreqDialogTest, UpDownsAndOtherBoxes) {
    Show(false);
    const auto click = [this](const char* upDown, const char* direction, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(Step(upDown, direction), Qt::LeftButton);
        }
    };
    click("UpDown1", "up", 2);
    ExpectTexts({"txtOffset", "+1.00", "txtStartFrequency1", "173.99475"});
    click("UpDown1", "down", 3);
    EXPECT_EQ(Text("txtOffset").toStdString(), L("-0.50"));

    // The Other box, its up-down and its unit follow the "Other" choice.
    auto* otherUpDown = dialog.findChild<UpDownControl*>(QStringLiteral("UpDown3"));
    EXPECT_FALSE(otherUpDown->isEnabled());
    Click(Option("chspacing0"));
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    EXPECT_TRUE(otherUpDown->isEnabled());
    EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("lblTxOtherUnit"))->isEnabled());
    EXPECT_FALSE(Box("rxprotother")->isEnabled());
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), L("173.94950"));
    click("UpDown3", "up");
    EXPECT_EQ(Text("chspaceother").toStdString(), L("100.50"));
    TypeInto("chspaceother", "1500");
    ExpectTexts({"chspaceother", "1,500.00", "txtStopFrequency1", "174.74950"});
    Click(Option("chspacing5"));
    EXPECT_FALSE(Box("chspaceother")->isEnabled());
    EXPECT_EQ(Text("txtStopFrequency1").toStdString(), L("174.02450"));

    Click(Option("rxprot0"));
    click("UpDown2", "down");
    EXPECT_EQ(Text("rxprotother").toStdString(), L("99.50"));
    TypeInto("rxprotother", "-4");
    ExpectTexts({"rxprotother", "0", "txtStartFrequency0", "174.00000"});
}

TEST_P(AddFreqDialogTest, TypedRangesAreInput) {
    Show(false);
    TypeInto("txtFrequency", "174");
    TypeInto("txtOffset", "4600");
    // Tabbing through the range boxes without typing changes nothing.
    for (const char* name :
         {"txtStartFrequency1", "txtStopFrequency1", "txtStartFrequency0", "txtStopFrequency0"}) {
        QTest::mouseClick(Box(name), Qt::LeftButton);
        QTest::keyClick(Box(name), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), Box(name));
    }
    EXPECT_EQ(Text("txtFrequency").toStdString(), L("174.00000"));
    EXPECT_TRUE(Option("rxprot3")->isChecked());

    // Both ends of the receiver's range, Tab from one to the other.
    TypeInto("txtStartFrequency0", L("150"));
    EXPECT_EQ(QApplication::focusWidget(), Box("txtStopFrequency0"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), L("174.00000"));
    TypeInto("txtStopFrequency0", L("150.025"));
    ExpectTexts({"txtFrequency", "150.01250", "txtStartFrequency0", "150.00000",
                 "txtStopFrequency0", "150.02500", "txtOffset", "+4,600.00"});
    EXPECT_TRUE(Option("rxprot4")->isChecked());

    // The transceiver's transmit range sets the duplex spacing; 8.336 kHz chooses Other.
    TypeInto("txtStartFrequency1", L("155"));
    TypeInto("txtStopFrequency1", L("155.008336"));
    EXPECT_TRUE(Option("chspacing0")->isChecked());
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    ExpectTexts({"chspaceother", "8.34", "txtFrequency", "150.01250", "txtOffset", "+4,991.67"});
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).txbandwidth(), L("8.34"));
    EXPECT_EQ(list.entry(0).rxbandwidth(), L("25.00"));
    EXPECT_EQ(list.entry(0).offset(), L("+4,991.67"));
}

TEST_P(AddFreqDialogTest, EditModeFillsFromTheCurrentRowAndUpdatesIt) {
    ASSERT_TRUE(list.AddEntry({"174", "4600", L("8.33"), "Both", "Plan", "200", "Mast A"}));
    ASSERT_TRUE(list.AddEntry({L("165.25"), "0", "12", "Rx", "Exist", "100", "Control"}));
    list.SetChecked(1, false);

    list.SetCurrentRow(0);
    Show(true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit frequency  1"));
    EXPECT_EQ(Button("cmdAdd")->text(), QStringLiteral("Update"));
    ExpectTexts({"txtFrequency", "174.00000", "txtOffset", "+4,600.00", "txtRemarks", "Mast A"});
    ExpectChecked({"chspacing2", "rxprot6", "chktxrx2", "chstatus0"});
    EXPECT_NE(dialog.grab().toImage().pixelColor(4, 4), QColor(255, 0, 0));

    // An unchecked row: the red cross, corner to corner on the dialog's surface.
    dialog.hide();
    list.SetCurrentRow(1);
    Show(true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit frequency  2"));
    ExpectChecked({"chspacing0", "rxprot0", "chktxrx1", "chstatus1"});
    ExpectTexts({"chspaceother", "N/A", "rxprotother", "100.00", "txtStartFrequency1", "N/A"});
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    const QImage crossed = dialog.grab().toImage();
    for (const QPoint corner :
         {QPoint(4, 4), QPoint(crossed.width() - 5, 4), QPoint(4, crossed.height() - 5)}) {
        EXPECT_EQ(crossed.pixelColor(corner), QColor(255, 0, 0));
    }

    // Update: the row's own offset frequency is no duplicate.
    Click(Option("chktxrx2"));
    Click(Option("chspacing4"));
    TypeInto("txtRemarks", "Control room", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(beeps, 0);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).texts,
              (std::array<std::string, 8>{" 2", L("      165.25000"), "0", L("25.00"), "Both",
                                          "Exist", L("100.00"), "Control room"}));
    EXPECT_FALSE(list.entry(1).checked);
    EXPECT_TRUE(list.entry(1).selected);
    EXPECT_FALSE(list.entry(0).selected);

    // Moving it onto the first entry's transmit frequency is refused.
    Show(true);
    TypeInto("txtFrequency", L("178.6"));
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.entry(1).frequency(), L("      165.25000"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), L("178.60000"));
}

TEST_P(AddFreqDialogTest, OpenRunsModallyAndHidesOnAdd) {
    QPointer<frmAddFreq> alive(&dialog);
    bool driven = false;
    QTimer::singleShot(0, &dialog, [this, &driven] {
        driven = dialog.isVisible();
        QApplication::setActiveWindow(&dialog);
        TypeInto("txtFrequency", "433", false);
        QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
        if (dialog.isVisible()) {
            dialog.reject(); // never leave the modal loop running
        }
    });
    EXPECT_EQ(dialog.Open(false), QDialog::Accepted);
    EXPECT_TRUE(driven);
    EXPECT_FALSE(list.EditMode);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).frequency(), L("      433.00000"));
    EXPECT_FALSE(alive.isNull());
    EXPECT_FALSE(dialog.isVisible());

    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    list.SetCurrentRow(0);
    EXPECT_EQ(dialog.Open(true), QDialog::Rejected);
    EXPECT_TRUE(list.EditMode);
    EXPECT_FALSE(alive.isNull());
    EXPECT_EQ(list.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Locales, AddFreqDialogTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("German") : std::string("English");
                         });

} // namespace
} // namespace spurline
