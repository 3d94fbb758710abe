#include "app/MainWindow.h"
#include "app/frmAddFreq.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// A planner's whole round through the real add/edit dialog, opened modally from the main window
// and driven by typing and clicking from inside its own event loop.
TEST(AddThroughDialog, TypedEntryIsAddedAndTakesPartInTheCalculation) {
    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialogs dialogs;
    frmMain window(Locale::English(), messages, dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    dialogs.answers.push_back(std::string(SPURLINE_EXAMPLES_DIR) + "/north-ridge.frq");
    window.findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    const int before = window.document().count();
    ASSERT_EQ(before, 17);

    bool driven = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<frmAddFreq*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        driven = true;
        QPointer<frmAddFreq> guard(dialog);
        QApplication::setActiveWindow(dialog);
        auto* frequency = dialog->findChild<QLineEdit*>(QStringLiteral("txtFrequency"));
        frequency->setFocus();
        frequency->selectAll();
        QTest::keyClicks(frequency, QStringLiteral("459"));
        QTest::keyClick(frequency, Qt::Key_Tab); // the field formats itself on leaving
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("chktxrx0")),
                          Qt::LeftButton);
        auto* remarks = dialog->findChild<QLineEdit*>(QStringLiteral("txtRemarks"));
        remarks->setFocus();
        remarks->selectAll();
        QTest::keyClicks(remarks, QStringLiteral("Crane hire, north gate"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd")),
                          Qt::LeftButton);
        if (guard && guard->isVisible()) {
            guard->reject(); // never leave the modal loop running
        }
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdAdd")), Qt::LeftButton);
    ASSERT_TRUE(driven);

    ASSERT_EQ(window.document().count(), before + 1);
    const FrequencyEntry& added = window.document().entry(before);
    EXPECT_EQ(added.id(), "18");
    EXPECT_EQ(added.frequency(), "      459.00000");
    EXPECT_EQ(added.txrx(), "Tx");
    EXPECT_EQ(added.rxbandwidth(), "N/A");
    // The remarks field refuses the file's separator as it is typed.
    EXPECT_EQ(added.remarks(), "Crane hire north gate");
    EXPECT_TRUE(added.selected);
    EXPECT_TRUE(added.checked);
    EXPECT_TRUE(window.document().changed());

    // The new transmitter takes part in the next calculation.
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdCalculate")),
                      Qt::LeftButton);
    auto* intermods = window.findChild<QTableView*>(QStringLiteral("lvIntermods"));
    ASSERT_NE(intermods, nullptr);
    int withNewEntry = 0;
    for (int row = 0; row < intermods->model()->rowCount(); ++row) {
        if (intermods->model()->index(row, 3).data().toString().contains(QStringLiteral("[18]"))) {
            ++withNewEntry;
        }
    }
    EXPECT_GT(withNewEntry, 0);

    window.document().SetChanged(false);
    window.close();
    EXPECT_EQ(messages.unansweredQuestions, 0);
}

} // namespace
} // namespace spurline
