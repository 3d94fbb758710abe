#include "app/UpDownControl.h"
#include "app/frmAddFreq.h"
#include "document/TextHelpers.h"
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

    // Numbers written with a decimal point in the test become the locale's.
    std::string Num(const std::string& text) const {
        return comma ? ReplaceAll(text, ".", ",") : text;
    }
    // A number with grouping: "+4,600.00" becomes "+4.600,00" in the decimal-comma locale.
    std::string Grouped(const std::string& text) const {
        if (!comma) {
            return text;
        }
        std::string result = text;
        for (char& c : result) {
            c = c == '.' ? ',' : c == ',' ? '.' : c;
        }
        return result;
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
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.000"));
    EXPECT_EQ(Text("txtOffset"), QStringLiteral("0"));
    EXPECT_EQ(Text("chspaceother"), QStringLiteral("100"));
    EXPECT_EQ(Text("rxprotother"), QStringLiteral("100"));
    EXPECT_TRUE(Option("chspacing3")->isChecked());
    EXPECT_TRUE(Option("rxprot3")->isChecked());
    EXPECT_TRUE(Option("chktxrx2")->isChecked());
    EXPECT_TRUE(Option("chstatus1")->isChecked());
    EXPECT_EQ(Option("chspacing0")->text(), QStringLiteral("Other"));
    EXPECT_EQ(Option("chspacing1")->text().toStdString(), Num("6.25 kHz"));
    EXPECT_EQ(Option("rxprot2")->text().toStdString(), Num("8.33 kHz"));
    EXPECT_EQ(Option("rxprot3")->text().toStdString(), Num("12.5 kHz"));
    EXPECT_EQ(Option("chspacing6")->text(), QStringLiteral("200 kHz"));
    EXPECT_EQ(Option("chktxrx0")->text(), QStringLiteral("Tx"));
    EXPECT_EQ(Option("chstatus0")->text(), QStringLiteral("Planned"));
    EXPECT_FALSE(Box("chspaceother")->isEnabled());
    EXPECT_FALSE(Box("rxprotother")->isEnabled());
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), Num("173.99375"));

    TypeInto("txtFrequency", "174");
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.00000"));
    EXPECT_EQ(QApplication::focusWidget(), Box("txtOffset"));
    TypeInto("txtOffset", "4600");
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,600.00"));
    Click(Option("rxprot4"));
    EXPECT_TRUE(Option("rxprot4")->isChecked());
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), Num("178.59375"));
    EXPECT_EQ(Text("txtStopFrequency1").toStdString(), Num("178.60625"));
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), Num("173.98750"));
    EXPECT_EQ(Text("txtStopFrequency0").toStdString(), Num("174.01250"));
    Click(Option("chstatus0"));
    // The file's field separator never reaches the remarks.
    TypeInto("txtRemarks", comma ? "Mast; A" : "Mast, A", false);
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));

    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(beeps, 0);
    ASSERT_EQ(list.count(), 1);
    const FrequencyEntry& e = list.entry(0);
    EXPECT_EQ(e.id(), " 1");
    EXPECT_EQ(e.frequency(), Num("      174.00000"));
    EXPECT_EQ(e.offset(), Grouped("+4,600.00"));
    EXPECT_EQ(e.txbandwidth(), Num("12.50"));
    EXPECT_EQ(e.txrx(), "Both");
    EXPECT_EQ(e.status(), "Plan");
    EXPECT_EQ(e.rxbandwidth(), Num("25.00"));
    EXPECT_EQ(e.remarks(), "Mast A");
    EXPECT_TRUE(e.checked);
    EXPECT_TRUE(e.selected);
    EXPECT_TRUE(list.changed());
    EXPECT_EQ(recalculations, 1);

    // Shown again: the values of the last entry are offered, ranges included.
    Show(false);
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.00000"));
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,600.00"));
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));
    EXPECT_TRUE(Option("rxprot4")->isChecked());
    EXPECT_TRUE(Option("chstatus0")->isChecked());
    EXPECT_EQ(Text("txtStopFrequency0").toStdString(), Num("174.01250"));
    // The frequency box selects its text also when a mouse click gives it the focus.
    QTest::mouseClick(Box("txtOffset"), Qt::LeftButton);
    QTest::mouseClick(Box("txtFrequency"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Box("txtFrequency"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Box("txtFrequency")->selectedText(), Text("txtFrequency"));

    // Adding the same again is a duplicate: a beep, the dialog stays with its values.
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,600.00"));
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));
    // 178.6 MHz without offset transmits where the first entry does.
    TypeInto("txtFrequency", Num("178.6"));
    TypeInto("txtOffset", "0", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(Text("txtOffset"), QStringLiteral("0"));
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(dialog.isVisible());

    // Return in a box presses Add; the box's rule runs first.
    TypeInto("txtOffset", "12.5", false);
    QTest::keyClick(Box("txtOffset"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(list.count(), 2);
    // "12.5" in the decimal-comma locale is 125 with a grouping point.
    EXPECT_EQ(list.entry(1).offset(), comma ? "+125,00" : "+12.50");
    EXPECT_EQ(list.entry(1).frequency(), Num("      178.60000"));

    // Cancel hides without storing anything.
    Show(false);
    TypeInto("txtFrequency", "300");
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(list.count(), 2);
}

TEST_P(AddFreqDialogTest, FrequencyRulesAndRange) {
    Show(false);
    TypeInto("txtFrequency", "100000");
    EXPECT_EQ(Text("txtFrequency"), QStringLiteral("100000"));
    EXPECT_EQ(FrequencyColour(), QColor(255, 0, 0));
    EXPECT_EQ(Box("txtFrequency")->toolTip(), QStringLiteral("The frequency is out of range"));
    // A red frequency blocks Add: nothing stored, no beep, the dialog stays.
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(beeps, 0);

    TypeInto("txtFrequency", Num("99999.99999"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), Grouped("99,999.99999"));
    EXPECT_EQ(FrequencyColour(), QColor(0, 0, 0));
    EXPECT_EQ(Box("txtFrequency")->toolTip(), QString());

    TypeInto("txtFrequency", "-3");
    EXPECT_EQ(FrequencyColour(), QColor(255, 0, 0));
    for (const char* empty : {"0", "abc"}) {
        TypeInto("txtFrequency", empty);
        EXPECT_EQ(Text("txtFrequency"), QString()) << empty;
        EXPECT_EQ(FrequencyColour(), QColor(0, 0, 0));
    }
    // An empty frequency blocks Add as well.
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 0);

    // A red value typed and Add pressed straight away: the rule runs before the commit.
    TypeInto("txtFrequency", "250000", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(FrequencyColour(), QColor(255, 0, 0));
    EXPECT_EQ(list.count(), 0);

    TypeInto("txtFrequency", Num("1234.5"), false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).frequency(), Grouped("    1,234.50000"));

    // With "Tx" the receiver's range reads "N/A" once the ranges are recomputed.
    Show(false);
    Click(Option("chktxrx0"));
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), Grouped("1,234.49375"));
    TypeInto("txtFrequency", "150");
    EXPECT_EQ(Text("txtStartFrequency0"), QStringLiteral("N/A"));
    EXPECT_EQ(Text("txtStopFrequency0"), QStringLiteral("N/A"));
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), Num("149.99375"));
    Click(Option("chktxrx1"));
    TypeInto("txtOffset", "0");
    EXPECT_EQ(Text("txtStartFrequency1"), QStringLiteral("N/A"));
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), Num("149.99375"));
}

TEST_P(AddFreqDialogTest, UpDownsAndOtherBoxes) {
    Show(false);
    QTest::mouseClick(Step("UpDown1", "up"), Qt::LeftButton);
    EXPECT_EQ(Text("txtOffset").toStdString(), Num("+0.50"));
    QTest::mouseClick(Step("UpDown1", "up"), Qt::LeftButton);
    EXPECT_EQ(Text("txtOffset").toStdString(), Num("+1.00"));
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), Num("173.99475"));
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(Step("UpDown1", "down"), Qt::LeftButton);
    }
    EXPECT_EQ(Text("txtOffset").toStdString(), Num("-0.50"));

    // The Other box, its up-down and its unit follow the "Other" choice.
    EXPECT_FALSE(dialog.findChild<UpDownControl*>(QStringLiteral("UpDown3"))->isEnabled());
    Click(Option("chspacing0"));
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    EXPECT_TRUE(dialog.findChild<UpDownControl*>(QStringLiteral("UpDown3"))->isEnabled());
    EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("lblTxOtherUnit"))->isEnabled());
    EXPECT_FALSE(Box("rxprotother")->isEnabled());
    EXPECT_EQ(Text("txtStartFrequency1").toStdString(), Num("173.94950"));
    QTest::mouseClick(Step("UpDown3", "up"), Qt::LeftButton);
    EXPECT_EQ(Text("chspaceother").toStdString(), Num("100.50"));
    TypeInto("chspaceother", "abc");
    EXPECT_EQ(Text("chspaceother"), QStringLiteral("0"));
    QTest::mouseClick(Step("UpDown3", "down"), Qt::LeftButton);
    EXPECT_EQ(Text("chspaceother"), QStringLiteral("0"));
    TypeInto("chspaceother", "1500");
    EXPECT_EQ(Text("chspaceother").toStdString(), Grouped("1,500.00"));
    EXPECT_EQ(Text("txtStopFrequency1").toStdString(), Num("174.74950"));
    Click(Option("chspacing5"));
    EXPECT_FALSE(Box("chspaceother")->isEnabled());
    EXPECT_EQ(Text("txtStopFrequency1").toStdString(), Num("174.02450"));

    Click(Option("rxprot0"));
    QTest::mouseClick(Step("UpDown2", "down"), Qt::LeftButton);
    EXPECT_EQ(Text("rxprotother").toStdString(), Num("99.50"));
    TypeInto("rxprotother", "-4");
    EXPECT_EQ(Text("rxprotother"), QStringLiteral("0"));
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), Num("174.00000"));
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
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.00000"));
    EXPECT_TRUE(Option("rxprot3")->isChecked());

    // Both ends of the receiver's range, Tab from one to the other.
    TypeInto("txtStartFrequency0", Num("150"));
    EXPECT_EQ(QApplication::focusWidget(), Box("txtStopFrequency0"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.00000"));
    TypeInto("txtStopFrequency0", Num("150.025"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("150.01250"));
    EXPECT_TRUE(Option("rxprot4")->isChecked());
    EXPECT_EQ(Text("txtStartFrequency0").toStdString(), Num("150.00000"));
    EXPECT_EQ(Text("txtStopFrequency0").toStdString(), Num("150.02500"));
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,600.00"));

    // The transceiver's transmit range sets the duplex spacing; 8.336 kHz chooses Other.
    TypeInto("txtStartFrequency1", Num("155"));
    TypeInto("txtStopFrequency1", Num("155.008336"));
    EXPECT_TRUE(Option("chspacing0")->isChecked());
    EXPECT_EQ(Text("chspaceother").toStdString(), Num("8.34"));
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("150.01250"));
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,991.67"));

    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).txbandwidth(), Num("8.34"));
    EXPECT_EQ(list.entry(0).rxbandwidth(), Num("25.00"));
    EXPECT_EQ(list.entry(0).offset(), Grouped("+4,991.67"));
}

TEST_P(AddFreqDialogTest, EditModeFillsFromTheCurrentRowAndUpdatesIt) {
    ASSERT_TRUE(list.AddEntry({"174", "4600", Num("8.33"), "Both", "Plan", "200", "Mast A"}));
    ASSERT_TRUE(list.AddEntry({Num("165.25"), "0", "12", "Rx", "Exist", "100", "Control"}));
    list.SetChecked(1, false);

    list.SetCurrentRow(0);
    Show(true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit frequency  1"));
    EXPECT_EQ(Button("cmdAdd")->text(), QStringLiteral("Update"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("174.00000"));
    EXPECT_EQ(Text("txtOffset").toStdString(), Grouped("+4,600.00"));
    EXPECT_TRUE(Option("chspacing2")->isChecked());
    EXPECT_TRUE(Option("rxprot6")->isChecked());
    EXPECT_TRUE(Option("chktxrx2")->isChecked());
    EXPECT_TRUE(Option("chstatus0")->isChecked());
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));
    const QImage checked = dialog.grab().toImage();
    EXPECT_NE(checked.pixelColor(4, 4), QColor(255, 0, 0));

    // An unchecked row: the red cross, corner to corner on the dialog's surface.
    dialog.hide();
    list.SetCurrentRow(1);
    Show(true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit frequency  2"));
    EXPECT_TRUE(Option("chspacing0")->isChecked());
    EXPECT_EQ(Text("chspaceother"), QStringLiteral("N/A"));
    EXPECT_TRUE(Box("chspaceother")->isEnabled());
    EXPECT_TRUE(Option("rxprot0")->isChecked());
    EXPECT_EQ(Text("rxprotother").toStdString(), Num("100.00"));
    EXPECT_TRUE(Option("chktxrx1")->isChecked());
    EXPECT_TRUE(Option("chstatus1")->isChecked());
    EXPECT_EQ(Text("txtStartFrequency1"), QStringLiteral("N/A"));
    const QImage crossed = dialog.grab().toImage();
    EXPECT_EQ(crossed.pixelColor(4, 4), QColor(255, 0, 0));
    EXPECT_EQ(crossed.pixelColor(crossed.width() - 5, 4), QColor(255, 0, 0));
    EXPECT_EQ(crossed.pixelColor(4, crossed.height() - 5), QColor(255, 0, 0));

    // Update: the row's own offset frequency is no duplicate.
    Click(Option("chktxrx2"));
    Click(Option("chspacing4"));
    TypeInto("txtRemarks", "Control room", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(beeps, 0);
    ASSERT_EQ(list.count(), 2);
    const FrequencyEntry& e = list.entry(1);
    EXPECT_EQ(e.id(), " 2");
    EXPECT_EQ(e.txrx(), "Both");
    EXPECT_EQ(e.txbandwidth(), Num("25.00"));
    EXPECT_EQ(e.rxbandwidth(), Num("100.00"));
    EXPECT_EQ(e.remarks(), "Control room");
    EXPECT_FALSE(e.checked);
    EXPECT_TRUE(e.selected);
    EXPECT_FALSE(list.entry(0).selected);

    // Moving it onto the first entry's transmit frequency is refused.
    Show(true);
    TypeInto("txtFrequency", Num("178.6"));
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.entry(1).frequency(), Num("      165.25000"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), Num("178.60000"));
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
    EXPECT_EQ(list.entry(0).frequency(), Num("      433.00000"));
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
