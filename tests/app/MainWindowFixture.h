#pragma once

#include "app/MainWindow.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessageBox.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace spurline {

// A main window with scripted message boxes and file dialogs. Leaving a test checks that every
// prepared answer was used, no question went unanswered and no busy pointer was left behind.
class MainWindowFixture : public ::testing::Test {
protected:
    void CreateWindow(const Locale& locale) {
        testers.clear();
        window = std::make_unique<frmMain>(locale, messages, dialogs);
        lvFreqs = Find<QTableView>("lvFreqs");
        lvIntermods = Find<QTableView>("lvIntermods");
        // Every test that drives the window also checks that both list models keep Qt's model
        // rules (a broken rule aborts the test).
        Check(lvFreqs->model());
        Check(lvIntermods->model());
    }

    void Check(QAbstractItemModel* model) {
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Fatal));
    }

    void ShowWindow() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override {
        if (window && window->isVisible()) {
            // Leave without questions: the document is marked saved.
            window->document().SetChanged(false);
            window->close();
        }
        EXPECT_EQ(messages.unansweredQuestions, 0);
        EXPECT_TRUE(messages.answers.empty());
        EXPECT_TRUE(dialogs.answers.empty());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    template <typename T> T* Find(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static std::string ExampleSite() {
        return std::string(SPURLINE_EXAMPLES_DIR) + "/north-ridge.frq";
    }

    // Opens a file through File > Open.
    void Open(const std::string& path) {
        dialogs.answers.push_back(path);
        Find<QAction>("mnuOpen")->trigger();
    }
    void OpenExample() {
        Open(ExampleSite());
        ASSERT_GT(window->document().count(), 10);
    }

    static QString Cell(const QTableView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }
    QString Cell(int row, int column) const { return Cell(lvFreqs, row, column); }

    // Clicks a row of the frequency list (its remarks cell).
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect cell = lvFreqs->visualRect(lvFreqs->model()->index(row, ColRemarks));
        QTest::mouseClick(lvFreqs->viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    testing::ScriptedMessageBox messages;
    testing::ScriptedFileDialogs dialogs;
    std::unique_ptr<frmMain> window;
    // After the window, so they go before the models they watch.
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    QTableView* lvFreqs = nullptr;
    QTableView* lvIntermods = nullptr;
};

} // namespace spurline
