#include "app/AppShell.h"

#include "app/LevelCommands.h"
#include "app/MainWindowFixture.h"
#include "app/RecentFilesMenu.h"
#include "app/frmSplash.h"
#include "platform/QtSettingsStore.h"
#include "support/FakeMonitors.h"
#include "support/TemporaryFolder.h"
#include "support/TestClock.h"

#include <filesystem>

namespace spurline {
namespace {

// A main window with the shell around it, its settings in an INI file of a temporary folder.
class AppShellTest : public MainWindowFixture {
protected:
    void Start() {
        CreateWindow(Locale::English());
        store = std::make_unique<QtSettingsStore>(QString::fromStdString(folder.File("s.conf")));
        shell = std::make_unique<AppShell>(*window, *store, monitors, clock);
        shell->LoadSettings();
        ShowWindow();
    }
    // Closes the window as the user does (settings written) and starts again.
    void Restart() {
        window->close();
        ASSERT_FALSE(window->isVisible());
        shell.reset();
        store.reset();
        window.reset();
        Start();
    }

    QStringList MenuCaptions() {
        QStringList captions;
        for (const QAction* item : window->menus().mnuOpenRecent->actions()) {
            captions << item->text() + (item->isEnabled() ? "" : " (greyed)");
        }
        return captions;
    }
    std::string CopyOfExample(const std::string& folderName) {
        std::filesystem::create_directories(folder.path() / folderName);
        const std::string copy = (folder.path() / folderName / "north-ridge.frq").string();
        std::filesystem::copy_file(ExampleSite(), copy);
        return copy;
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        shell.reset();
    }

    testing::TemporaryFolder folder;
    testing::FakeMonitorSource monitors;
    testing::TestClock clock;
    std::unique_ptr<QtSettingsStore> store;
    std::unique_ptr<AppShell> shell;
};

TEST_F(AppShellTest, FirstStartShowsTheDefaultsAndTheSplashOnce) {
    Start();
    // Each option's mark in this order, 1 for checked.
    QString marks;
    for (const char* name : {"chkPlotFirstOrder", "chkImOrder2", "chkImOrder3", "chkImOrder5",
                             "chkImOrder7", "chkImOrder9", "chkWideband", "chkSuperWideband",
                             "chkThreeFrequencies", "optShow0", "mnuShowRemarks", "mnuAutoRefresh",
                             "mnuAutoExtents", "mnuAutoVictims", "mnuLevels", "mnuLevelView"}) {
        const auto* item = window->findChild<QObject*>(QString::fromLatin1(name));
        marks += item != nullptr && item->property("checked").toBool() ? '1' : '0';
    }
    EXPECT_EQ(marks, QStringLiteral("1110001111111000"));
    const MainMenus& m = window->menus();
    EXPECT_EQ(MenuCaptions(), QStringList{"none (greyed)"});

    frmSplash* splash = shell->splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->findChild<QLabel*>("lblApplication")->text(), "Spurline");
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(), "Version 0.1");
    splash->CloseSplash();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(splash->isVisible());
    // The right button on "&Help" and "&About..." show it every time.
    QTest::mousePress(Find<QPushButton>("cmdHelp"), Qt::RightButton);
    EXPECT_TRUE(splash->isVisible());
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_FALSE(splash->isVisible());
    m.mnuAbout->trigger();
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(AppShellTest, OptionsSurviveARestart) {
    Start();
    Find<QCheckBox>("chkImOrder5")->click();
    Find<QCheckBox>("chkPlotFirstOrder")->click();
    Find<QRadioButton>("optShow2")->click();
    window->menus().mnuShowRemarks->trigger();
    window->menus().mnuAutoVictims->trigger();
    Find<QAction>("mnuLevels")->trigger();
    Find<QAction>("mnuLevelView")->trigger();
    Find<QCheckBox>("chkImOrder7")->setCheckState(Qt::PartiallyChecked);
    const StoredOptions before = shell->CurrentOptions();
    Restart();
    EXPECT_EQ(shell->CurrentOptions(), before);
    EXPECT_TRUE(Find<QCheckBox>("chkImOrder5")->isChecked());
    EXPECT_EQ(Find<QCheckBox>("chkImOrder7")->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(Find<QRadioButton>("optShow2")->isChecked());
    EXPECT_FALSE(window->menus().mnuShowRemarks->isChecked());
    EXPECT_EQ(window->graph().autoZoom.victims, window->menus().mnuAutoVictims->isChecked());
    EXPECT_TRUE(window->levels().on());
    EXPECT_TRUE(window->graph().levelView);
    // Untouched, the options are written back as they were read.
    Restart();
    EXPECT_EQ(shell->CurrentOptions(), before);
}

TEST_F(AppShellTest, RecentFilesInTheMenuAcrossRestarts) {
    Start();
    const std::string a = CopyOfExample("A");
    const std::string b = CopyOfExample("B");
    const std::string c = CopyOfExample("C");
    Open(a);
    Open(b);
    Open(c);
    // The captions' rules are pinned with the recent files list; here they reach the menu.
    ASSERT_EQ(MenuCaptions().size(), 3);
    EXPECT_TRUE(MenuCaptions()[1].endsWith("/B/north-ridge.frq)"));
    Restart();
    ASSERT_EQ(MenuCaptions().size(), 3);
    EXPECT_TRUE(MenuCaptions()[2].endsWith("/A/north-ridge.frq)"));

    // Choosing an entry loads it, after the save question, and moves it to the top.
    Open(c);
    window->document().SetChanged(true);
    messages.answers = {msgbox::No};
    Find<QAction>("mnuMRU2")->trigger(); // the answer is used up, so the question came
    EXPECT_EQ(window->document().filePath(), a);
    EXPECT_EQ(shell->recentFiles().list().entries()[0].path, a);

    // A file that has gone: Yes removes it, and it stays removed.
    std::filesystem::remove(b);
    messages.answers = {msgbox::Yes};
    Find<QAction>("mnuMRU2")->trigger();
    EXPECT_EQ(messages.shown.back().prompt, "File unavailable.\r\nRemove menu item?");
    EXPECT_EQ(messages.shown.back().buttons, msgbox::InformationYesNo);
    Restart();
    EXPECT_EQ(MenuCaptions().size(), 2);
}

TEST(Splash, CentredOnTheOwnersMonitorClosedByItsClock) {
    testing::FakeMonitorSource monitors;
    testing::TestClock clock;
    QWidget owner;
    owner.setGeometry(2000, 100, 600, 400); // on the second screen
    frmSplash splash(monitors, clock);
    EXPECT_TRUE(splash.SetTopMostWindow(true, &owner));
    splash.show();
    const QRect frame = splash.frameGeometry();
    EXPECT_EQ(frame.left(), 1920 + (1280 - frame.width()) / 2);
    EXPECT_EQ(frame.top(), 30 + (994 - frame.height()) / 2);

    clock.Advance(25 * 40);
    EXPECT_EQ(splash.phase(), 40);
    clock.Advance(10000 - 25 * 40 - 1);
    EXPECT_TRUE(splash.isVisible());
    clock.Advance(1);
    EXPECT_FALSE(splash.isVisible());
    // Shown again, and again while it shows: another ten seconds, the band from phase 0.
    splash.ShowSplash();
    clock.Advance(5000);
    splash.ShowSplash();
    EXPECT_EQ(splash.phase(), 0);
    clock.Advance(9999);
    EXPECT_TRUE(splash.isVisible());
    QTest::mouseClick(splash.findChild<QLabel*>("picSpectrum"), Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
} // namespace spurline
