#include "app/MainWindowFixture.h"
#include "app/UpDownControl.h"
#include "app/frmAddFreq.h"
#include "support/ListEvents.h"

#include <QApplication>
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

// In one locale: the dialog shows its model's texts, which are pinned in both locales.
class AddFreqDialogTest : public ::testing::Test {
protected:
    AddFreqDialogTest() : list(Locale::English()), dialog(list, selection, states) {
        dialog.beep = [this] { ++beeps; };
    }

    // Expects the texts of the named boxes, given as name, text, name, text...
    void ExpectTexts(std::initializer_list<const char*> namesAndTexts) const {
        for (auto it = namesAndTexts.begin(); it != namesAndTexts.end(); it += 2) {
            EXPECT_EQ(Text(it[0]).toStdString(), it[1]) << it[0];
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

    template <typename T> T* Child(const char* name) const {
        auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* Box(const char* name) const { return Child<QLineEdit>(name); }
    QString Text(const char* name) const { return Box(name)->text(); }
    QRadioButton* Option(const char* name) const { return Child<QRadioButton>(name); }
    QPushButton* Button(const char* name) const { return Child<QPushButton>(name); }
    void Step(const char* upDown, const char* direction, int times = 1) {
        auto* button = Child<UpDownControl>(upDown)->findChild<QToolButton*>(direction);
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
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

    FrequencyList list;
    FrequencySelection selection{list};
    ListCommandStates states{list, selection};
    frmAddFreq dialog;
    testing::ListEvents events{list};
    int beeps = 0;
};

// The values themselves are the dialog model's (pinned by its own tests); here every field,
// button and key reaches it.
TEST_F(AddFreqDialogTest, AddsAnEntryTypedIntoTheFields) {
    Show(false);
    EXPECT_EQ(Button("cmdAdd")->text() + Button("cmdCancel")->text(), QStringLiteral("Add&Cancel"));
    ExpectTexts(
        {"txtFrequency", "174.000", "chspaceother", "100", "txtStartFrequency1", "173.99375"});
    ExpectChecked({"chspacing3", "rxprot3", "chktxrx2", "chstatus1"});
    QStringList captions;
    for (const char* name : {"chspacing1", "rxprot2", "chktxrx0", "chstatus0"}) {
        captions << Option(name)->text();
    }
    EXPECT_EQ(captions.join('|'), QStringLiteral("6.25 kHz|8.33 kHz|Tx|Planned"));

    TypeInto("txtFrequency", "174");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtOffset"));
    TypeInto("txtOffset", "4600");
    Click(Option("rxprot4"));
    Click(Option("chstatus0"));
    // The file's field separator never reaches the remarks.
    TypeInto("txtRemarks", "Mast, A", false);
    EXPECT_EQ(Text("txtRemarks"), QStringLiteral("Mast A"));

    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).texts,
              (std::array<std::string, 8>{" 1", "      174.00000", "+4,600.00", "12.50", "Both",
                                          "Plan", "25.00", "Mast A"}));
    EXPECT_EQ(events.recalculations, 1);

    // Shown again with the last entry's values, which are a duplicate: a beep, and the dialog
    // stays.
    Show(false);
    // The frequency box selects its text also when a mouse click gives it the focus.
    QTest::mouseClick(Box("txtOffset"), Qt::LeftButton);
    QTest::mouseClick(Box("txtFrequency"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Box("txtFrequency"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Box("txtFrequency")->selectedText(), Text("txtFrequency"));
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 1);

    // Return in a box presses Add; the box's rule runs first.
    TypeInto("txtOffset", "12.5", false);
    QTest::keyClick(Box("txtOffset"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).offset(), "+12.50");

    // Cancel hides without storing anything.
    Show(false);
    TypeInto("txtFrequency", "300");
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(AddFreqDialogTest, RedFrequencyBlocksAddAndTheRoleSetsTheRanges) {
    Show(false);
    // Add pressed at once: the frequency's rule runs before the commit.
    TypeInto("txtFrequency", "250000", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(Text("txtFrequency"), QStringLiteral("250000"));
    EXPECT_EQ(FrequencyColour(), QColor(255, 0, 0));
    EXPECT_EQ(Box("txtFrequency")->toolTip(), QStringLiteral("The frequency is out of range"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(beeps, 0);
    // A good number turns the text black again.
    TypeInto("txtFrequency", "1234.5", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(0).frequency(), "    1,234.50000");
    EXPECT_EQ(FrequencyColour(), QColor(0, 0, 0));

    // With "Tx" the receiver's range reads "N/A" once the ranges are recomputed.
    Show(false);
    Click(Option("chktxrx0"));
    TypeInto("txtFrequency", "150");
    ExpectTexts({"txtStopFrequency0", "N/A", "txtStartFrequency1", "149.99375"});
}

TEST_F(AddFreqDialogTest, UpDownsAndOtherBoxes) {
    Show(false);
    Step("UpDown1", "up", 2);
    ExpectTexts({"txtOffset", "+1.00", "txtStartFrequency1", "173.99475"});
    Step("UpDown1", "down", 3);
    EXPECT_EQ(Text("txtOffset").toStdString(), "-0.50");

    // The Other box, its up-down and its unit follow the "Other" choice.
    auto* otherUpDown = Child<UpDownControl>("UpDown3");
    EXPECT_FALSE(otherUpDown->isEnabled());
    Click(Option("chspacing0"));
    EXPECT_TRUE(Box("chspaceother")->isEnabled() && otherUpDown->isEnabled());
    EXPECT_TRUE(Child<QWidget>("lblTxOtherUnit")->isEnabled());
    EXPECT_FALSE(Box("rxprotother")->isEnabled());
    Step("UpDown3", "up");
    EXPECT_EQ(Text("chspaceother").toStdString(), "100.50");
    TypeInto("chspaceother", "1500");
    ExpectTexts({"chspaceother", "1,500.00", "txtStopFrequency1", "174.74950"});
    Click(Option("chspacing5"));
    EXPECT_FALSE(Box("chspaceother")->isEnabled());

    Click(Option("rxprot0"));
    Step("UpDown2", "down");
    EXPECT_EQ(Text("rxprotother").toStdString(), "99.50");
    TypeInto("rxprotother", "-4");
    ExpectTexts({"rxprotother", "0", "txtStartFrequency0", "174.00000"});
}

TEST_F(AddFreqDialogTest, TypedRangesAreReadWhenTheFocusLeavesThem) {
    Show(false);
    TypeInto("txtFrequency", "174");
    TypeInto("txtOffset", "4600");
    // Tabbing through a range box without typing changes nothing.
    QTest::mouseClick(Box("txtStartFrequency0"), Qt::LeftButton);
    QTest::keyClick(Box("txtStartFrequency0"), Qt::Key_Tab);
    EXPECT_TRUE(Option("rxprot3")->isChecked());

    // Both ends of the receiver's range, Tab from one to the other: the range is read when the
    // focus leaves it, not between its ends.
    TypeInto("txtStartFrequency0", "150");
    EXPECT_EQ(QApplication::focusWidget(), Box("txtStopFrequency0"));
    EXPECT_EQ(Text("txtFrequency").toStdString(), "174.00000");
    TypeInto("txtStopFrequency0", "150.025");
    ExpectTexts({"txtFrequency", "150.01250", "txtOffset", "+4,600.00"});
    EXPECT_TRUE(Option("rxprot4")->isChecked());

    // The transceiver's transmit range sets the duplex spacing; 8.336 kHz chooses Other.
    TypeInto("txtStartFrequency1", "155");
    TypeInto("txtStopFrequency1", "155.008336");
    EXPECT_TRUE(Option("chspacing0")->isChecked());
    ExpectTexts({"chspaceother", "8.34", "txtOffset", "+4,991.67"});
}

TEST_F(AddFreqDialogTest, EditModeFillsFromTheCurrentRowAndUpdatesIt) {
    ASSERT_TRUE(list.AddEntry({"174", "4600", "8.33", "Both", "Plan", "200", "Mast A"}));
    ASSERT_TRUE(list.AddEntry({"165.25", "0", "12", "Rx", "Exist", "100", "Control"}));
    list.SetChecked(1, false);

    selection.SetCurrentRow(0);
    Show(true);
    ExpectTexts({"txtOffset", "+4,600.00", "txtRemarks", "Mast A"});
    ExpectChecked({"chspacing2", "rxprot6", "chktxrx2", "chstatus0"});
    EXPECT_NE(dialog.grab().toImage().pixelColor(4, 4), QColor(255, 0, 0));

    // An unchecked row: the red cross, corner to corner on the dialog's surface.
    dialog.hide();
    selection.SetCurrentRow(1);
    Show(true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit frequency  2"));
    const QImage crossed = dialog.grab().toImage();
    for (const QPoint corner :
         {QPoint(4, 4), QPoint(crossed.width() - 5, 4), QPoint(4, crossed.height() - 5)}) {
        EXPECT_EQ(crossed.pixelColor(corner), QColor(255, 0, 0));
    }

    Click(Option("chktxrx2"));
    Click(Option("chspacing4"));
    TypeInto("txtRemarks", "Control room", false);
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).texts,
              (std::array<std::string, 8>{" 2", "      165.25000", "0", "25.00", "Both", "Exist",
                                          "100.00", "Control room"}));
}

using AddThroughDialog = MainWindowFixture;

// The real add dialog, opened modally from the main window and driven from inside its own event
// loop; its fields and buttons are pinned by the dialog's own tests.
TEST_F(AddThroughDialog, TypedEntryIsAddedToTheWindowsList) {
    CreateWindow(Locale::English());
    ShowWindow();
    OpenExample();
    const int before = window->document().count();
    bool driven = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto* dialog = qobject_cast<frmAddFreq*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        driven = true;
        QPointer<frmAddFreq> guard(dialog);
        QApplication::setActiveWindow(dialog);
        const auto type = [dialog](const char* name, const char* text) {
            auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(text));
        };
        type("txtFrequency", "459");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // formats itself on leaving
        type("txtRemarks", "Crane hire");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
        if (guard && guard->isVisible()) {
            guard->reject(); // never leave the modal loop running
        }
    });
    QTest::mouseClick(Find<QPushButton>("cmdAdd"), Qt::LeftButton);
    ASSERT_TRUE(driven);
    ASSERT_EQ(window->document().count(), before + 1);
    EXPECT_EQ(window->document().entry(before).frequency(), "      459.00000");
    EXPECT_EQ(Cell(before, ColRemarks), QStringLiteral("Crane hire"));
}

} // namespace
} // namespace spurline
