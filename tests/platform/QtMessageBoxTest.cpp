#include "platform/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// What the test saw of a box while it was up.
struct SeenBox {
    bool found = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QRect frame;
    bool enabled = false;
};

QMessageBox* OpenMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        return box;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// Records the next box that comes up and closes it with answer(box). The timer fires inside the
// box's own event loop, so the box is up by then; if none is, the dialog that is modal instead is
// rejected so that nothing can keep the test waiting.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        QMessageBox* box = OpenMessageBox();
        if (box == nullptr) {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
            }
            return;
        }
        seen.found = true;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.frame = box->frameGeometry();
        seen.enabled = box->isEnabled();
        answer(*box);
    });
}

void Click(QMessageBox& box, QMessageBox::StandardButton which) {
    QAbstractButton* button = box.button(which);
    if (button == nullptr) {
        ADD_FAILURE() << "the box has no such button";
        box.done(0); // never leave the box waiting
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

class QtMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.setGeometry(0, 0, 800, 600);
        main.show();
    }

    QMainWindow main;
    QtMessageBox messages{&main};
};

TEST_F(QtMessageBoxTest, CentredBoxFrameCentresOnOwner) {
    const ScreenRect place = CentredBoxFrame(QRect(100, 50, 400, 300), QRect(0, 0, 200, 100));
    EXPECT_EQ(place.left, 200);
    EXPECT_EQ(place.top, 150);
    EXPECT_EQ(place.width, 200);
    EXPECT_EQ(place.height, 100);
}

TEST_F(QtMessageBoxTest, BoxLargerThanOwnerStillSharesItsCentre) {
    const ScreenRect place = CentredBoxFrame(QRect(100, 100, 100, 60), QRect(0, 0, 300, 200));
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 30);
}

TEST_F(QtMessageBoxTest, ModalDialogIsTheOwnerRatherThanTheMainWindow) {
    QDialog dialog(&main);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_EQ(ForegroundOwner(&main), &dialog);
    dialog.hide();
    EXPECT_NE(ForegroundOwner(&main), &dialog);
}

TEST_F(QtMessageBoxTest, QuestionShowsBothLinesAndReturnsNo) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::No); });
    const int answer = messages.CenteredMsgBox("Do you want to save the\r\ncurrent frequency list?",
                                               msgbox::Question);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(answer, msgbox::No);
    EXPECT_EQ(seen.text, QStringLiteral("Do you want to save the\ncurrent frequency list?"));
    EXPECT_EQ(seen.title, QStringLiteral("Spurline"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(QtMessageBoxTest, YesIsButtonCodeSix) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(messages.CenteredMsgBox("Duplicate frequency 174.00000MHz\r\nwas not added. Show "
                                      "further messages?",
                                      msgbox::ExclamationYesNo),
              msgbox::Yes);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST_F(QtMessageBoxTest, EscapeAnswersNo) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(messages.CenteredMsgBox("Are you sure you want to\r\nclear all of the data?",
                                      msgbox::Question),
              msgbox::No);
    EXPECT_TRUE(seen.found);
}

TEST_F(QtMessageBoxTest, ErrorBoxHasCriticalIconAndOk) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    EXPECT_EQ(messages.CenteredMsgBox("Error: 53 description: File not found", msgbox::Critical),
              msgbox::Ok);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST_F(QtMessageBoxTest, ExclamationBoxHasWarningIconAndOk) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(messages.CenteredMsgBox("Limit reached", msgbox::Exclamation), msgbox::Ok);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST_F(QtMessageBoxTest, GivenTitleIsShown) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    messages.CenteredMsgBox("text", msgbox::Exclamation, "Own title");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, QStringLiteral("Own title"));
}

TEST_F(QtMessageBoxTest, PromptIsPlainTextNotMarkup) {
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    messages.CenteredMsgBox("<b>a</b> & b", msgbox::Exclamation);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, QStringLiteral("<b>a</b> & b"));
}

TEST_F(QtMessageBoxTest, BoxIsCentredOverTheMainWindow) {
    main.setGeometry(40, 30, 900, 700);
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    messages.CenteredMsgBox("Centred", msgbox::Exclamation);
    ASSERT_TRUE(seen.found);
    const QRect owner = main.frameGeometry();
    EXPECT_LE(std::abs(seen.frame.center().x() - owner.center().x()), 1);
    EXPECT_LE(std::abs(seen.frame.center().y() - owner.center().y()), 1);
}

TEST_F(QtMessageBoxTest, BoxRaisedOverADialogIsCentredOverTheDialog) {
    QDialog dialog(&main);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setGeometry(360, 340, 240, 120); // away from the main window's centre
    dialog.show();

    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(messages.CenteredMsgBox("A somewhat longer question so the box is wider than the "
                                      "dialog it is centred over?",
                                      msgbox::Question),
              msgbox::Yes);
    ASSERT_TRUE(seen.found);
    const QRect owner = dialog.frameGeometry();
    EXPECT_LE(std::abs(seen.frame.center().x() - owner.center().x()), 1);
    EXPECT_LE(std::abs(seen.frame.center().y() - owner.center().y()), 1);
    EXPECT_GT(seen.frame.width(), owner.width());
    EXPECT_LT(seen.frame.left(), owner.left());
}

TEST_F(QtMessageBoxTest, BoxOverAWindowAtTheScreenEdgeStaysOnTheScreen) {
    QDialog dialog(&main);
    dialog.setWindowModality(Qt::ApplicationModal);
    const QRect screen = main.screen()->availableGeometry();
    dialog.setGeometry(screen.right() - 100, screen.bottom() - 60, 90, 50);
    dialog.show();
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    messages.CenteredMsgBox("A notice long enough to be wider than the small dialog",
                            msgbox::Exclamation);
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(screen.contains(seen.frame)) << seen.frame.x() << "," << seen.frame.y();
}

TEST_F(QtMessageBoxTest, BoxCanBeAnsweredWhileTheMainWindowIsDisabled) {
    // A load disables the main window and may still ask about a duplicate frequency.
    main.setEnabled(false);
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    const int answer = messages.CenteredMsgBox("Duplicate", msgbox::ExclamationYesNo);
    main.setEnabled(true);
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.enabled);
    EXPECT_EQ(answer, msgbox::Yes);
}

} // namespace
} // namespace spurline
