#include "app/MainWindowFixture.h"
#include "app/frmAddFreq.h"

#include <QPointer>
#include <QTimer>

namespace spurline {
namespace {

using AddThroughDialog = MainWindowFixture;

// A planner's whole round through the real add/edit dialog, opened modally from the main window
// and driven by typing and clicking from inside its own event loop.
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
        QTest::mouseClick(dialog->findChild<QRadioButton*>("chktxrx0"), Qt::LeftButton);
        type("txtRemarks", "Crane hire, north gate");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
        if (guard && guard->isVisible()) {
            guard->reject(); // never leave the modal loop running
        }
    });
    QTest::mouseClick(Find<QPushButton>("cmdAdd"), Qt::LeftButton);
    ASSERT_TRUE(driven);
    ASSERT_EQ(window->document().count(), before + 1);
    const FrequencyEntry& added = window->document().entry(before);
    EXPECT_EQ(added.id(), std::to_string(before + 1));
    EXPECT_EQ(added.frequency(), "      459.00000");
    EXPECT_EQ(added.txrx(), "Tx");
    EXPECT_EQ(added.rxbandwidth(), "N/A");
    // The remarks field refuses the file's separator as it is typed.
    EXPECT_EQ(added.remarks(), "Crane hire north gate");
    EXPECT_TRUE(added.selected && added.checked && window->document().changed());
    EXPECT_EQ(Cell(Find<QTableView>("lvFreqs"), before, ColRemarks),
              QStringLiteral("Crane hire north gate"));
}

} // namespace
} // namespace spurline
