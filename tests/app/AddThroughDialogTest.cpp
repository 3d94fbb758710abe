#include "app/MainWindowFixture.h"
#include "app/frmAddFreq.h"

#include <QPointer>
#include <QTimer>

namespace spurline {
namespace {

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
    EXPECT_EQ(Cell(Find<QTableView>("lvFreqs"), before, ColRemarks), QStringLiteral("Crane hire"));
}

} // namespace
} // namespace spurline
