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

// Records the next box that comes up and closes it with answer(box). The timer fires inside the
// box's own event loop, so the box is up by then; if none is, the dialog that is modal instead is
// rejected so that nothing can keep the test waiting.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
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

void ExpectSameCentre(const QRect& box, const QRect& owner) {
    EXPECT_LE(std::abs(box.center().x() - owner.center().x()), 1);
    EXPECT_LE(std::abs(box.center().y() - owner.center().y()), 1);
}

TEST_F(QtMessageBoxTest, BoxesShowTheirPlainTextIconAndButtonsAndGiveTheAnswer) {
    struct Case {
        const char* prompt;
        int buttons;
        const char* title; // null: the program's name
        QMessageBox::StandardButton click;
        Qt::Key key; // pressed instead of a click when set
        int answer;
        const char* shown;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons standard;
    };
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    const Case cases[] = {
        {"Do you want to save the\r\ncurrent frequency list?", msgbox::Question, nullptr,
         QMessageBox::No, Qt::Key_unknown, msgbox::No,
         "Do you want to save the\ncurrent frequency list?", QMessageBox::Question, yesNo},
        {"Duplicate", msgbox::ExclamationYesNo, nullptr, QMessageBox::Yes, Qt::Key_unknown,
         msgbox::Yes, "Duplicate", QMessageBox::Warning, yesNo},
        {"Remove?", msgbox::InformationYesNo, nullptr, QMessageBox::NoButton, Qt::Key_Escape,
         msgbox::No, "Remove?", QMessageBox::Information, yesNo},
        {"Error: 53", msgbox::Critical, nullptr, QMessageBox::Ok, Qt::Key_unknown, msgbox::Ok,
         "Error: 53", QMessageBox::Critical, QMessageBox::Ok},
        {"Limit reached", msgbox::Exclamation, nullptr, QMessageBox::NoButton, Qt::Key_Return,
         msgbox::Ok, "Limit reached", QMessageBox::Warning, QMessageBox::Ok},
        {"<b>a</b> & b", msgbox::Exclamation, "Own title", QMessageBox::Ok, Qt::Key_unknown,
         msgbox::Ok, "<b>a</b> & b", QMessageBox::Warning, QMessageBox::Ok}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        SeenBox seen;
        AnswerNextBox(seen, [&c](QMessageBox& box) {
            if (c.key != Qt::Key_unknown) {
                QTest::keyClick(&box, c.key);
            } else {
                Click(box, c.click);
            }
        });
        const int answer = c.title ? messages.CenteredMsgBox(c.prompt, c.buttons, c.title)
                                   : messages.CenteredMsgBox(c.prompt, c.buttons);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.text, QString::fromLatin1(c.shown));
        EXPECT_EQ(seen.title, QString::fromLatin1(c.title ? c.title : "Spurline"));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.standard);
    }
}

TEST_F(QtMessageBoxTest, BoxIsCentredOverTheMainWindowOrTheDialogOverItAndStaysOnScreen) {
    main.setGeometry(40, 30, 900, 700);
    // A load disables the main window and may still ask about a duplicate frequency.
    main.setEnabled(false);
    SeenBox seen;
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(messages.CenteredMsgBox("Duplicate", msgbox::ExclamationYesNo), msgbox::Yes);
    main.setEnabled(true);
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.enabled);
    ExpectSameCentre(seen.frame, main.frameGeometry());

    QDialog dialog(&main);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setGeometry(360, 340, 240, 120); // away from the main window's centre
    dialog.show();
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(messages.CenteredMsgBox("A somewhat longer question so the box is wider than the "
                                      "dialog it is centred over?",
                                      msgbox::Question),
              msgbox::Yes);
    const QRect owner = dialog.frameGeometry();
    ExpectSameCentre(seen.frame, owner);
    EXPECT_GT(seen.frame.width(), owner.width());
    EXPECT_LT(seen.frame.left(), owner.left());

    // Over a dialog at the screen's corner the box is moved back onto the screen.
    const QRect screen = main.screen()->availableGeometry();
    dialog.setGeometry(screen.right() - 100, screen.bottom() - 60, 90, 50);
    seen = SeenBox();
    AnswerNextBox(seen, [](QMessageBox& box) { Click(box, QMessageBox::Ok); });
    messages.CenteredMsgBox("A notice long enough to be wider than the small dialog",
                            msgbox::Exclamation);
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(screen.contains(seen.frame)) << seen.frame.x() << "," << seen.frame.y();
}

} // namespace
} // namespace spurline
