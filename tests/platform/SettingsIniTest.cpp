#include "document/CompactPath.h"
#include "document/RecentFiles.h"
#include "document/Settings.h"
#include "platform/QtSettingsStore.h"
#include "support/TemporaryFolder.h"

#include <QString>
#include <gtest/gtest.h>

namespace spurline {
namespace {

class NoMeasure final : public ITextMeasurer {
public:
    int TextWidth(std::string_view) const override { return 0; }
};

class SettingsIniTest : public ::testing::Test {
protected:
    std::string Ini() const { return folder.File("Spurline.conf"); }

    // Loads from an INI file holding text, over the defaults.
    StoredOptions LoadFrom(const std::string& text, const Locale& locale = Locale::English()) {
        testing::WriteBytes(Ini(), text);
        QtSettingsStore store(QString::fromStdString(Ini()));
        return LoadSettings(store, locale, recent);
    }

    static StoredOptions With(std::initializer_list<std::pair<SettingId, int>> changes,
                              int status = 0) {
        StoredOptions options = StoredOptions::Defaults();
        for (const auto& [id, value] : changes) {
            options[id] = value;
        }
        options.status = status;
        return options;
    }

    testing::TemporaryFolder folder;
    NoMeasure measurer;
    RecentFiles recent{measurer};
};

TEST_F(SettingsIniTest, StoredValuesAndDefaultsForBadOnes) {
    struct Case {
        const char* ini;
        StoredOptions expected;
    };
    const Case cases[] = {
        {"[Filter]\nOrder5=2\n", With({{SettingOrder5, 2}})},
        {"[Filter]\nOrder7=often\nOrder9=1.5\nStatus=2.5\n",
         With({{SettingOrder7, 0}, {SettingOrder9, 2}}, 2)},
        {"[Filter]\nOrder3=0.5\nOrder9=0.51\nHarmonics=\"  1 MHz\"\n",
         With({{SettingOrder3, 0}, {SettingOrder9, 1}})},
        // "Order2" holding 7 takes its default; the values after it are still read.
        {"[Filter]\nFundamental=0\nOrder2=7\nOrder3=0\nStatus=3\n",
         With({{SettingFundamental, 0}, {SettingOrder3, 0}}, 3)},
        {"[Graph]\nShowRemarks=fALSE\nAutoRefresh=TRUE\nAutoVictims=-1\nAutoExtents=0\n",
         With({{SettingShowRemarks, 0}, {SettingAutoVictims, 1}, {SettingAutoExtents, 0}})},
        // A word in "AutoRefresh" costs only that option.
        {"[Graph]\nShowRemarks=False\nAutoRefresh=Yes\nAutoVictims=True\nAutoExtents=False\n"
         "[Filter]\nHarmonics=0\nSumBandwidth=2\n3Frequencies=0\nStatus=1\n",
         With({{SettingShowRemarks, 0},
               {SettingAutoVictims, 1},
               {SettingAutoExtents, 0},
               {SettingHarmonics, 0},
               {SettingSumBandwidth, 2},
               {SettingThreeFrequencies, 0}},
              1)},
        {"[Levels]\nOn=True\n[Graph]\nLevelView=1\n",
         With({{SettingLevels, 1}, {SettingLevelView, 1}})},
        {"[Levels]\nOn=2\n[Graph]\nLevelView=maybe\n", With({{SettingLevels, 1}})},
        {"[Filter]\nStatus=4\n", With({})},
        {"[Filter]\nStatus=-0.4\nSumBandwidth=+1\n", With({})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        const StoredOptions loaded = LoadFrom(c.ini);
        EXPECT_EQ(loaded.values, c.expected.values);
        EXPECT_EQ(loaded.status, c.expected.status);
    }
    // Numbers in menu marks follow the locale: "0,0" is zero with a decimal comma.
    EXPECT_EQ(LoadFrom("[Graph]\nAutoExtents=\"0,0\"\n", Locale::German())[SettingAutoExtents], 0);
}

TEST_F(SettingsIniTest, EveryKeyRoundTrips) {
    StoredOptions changed;
    changed.values = {0, 2, 0, 1, 2, 1, 0, 0, 1, 0, 0, 2, 0, 1, 1};
    changed.status = 2;
    recent.AddMRUItem("/sites/b.frq");
    recent.AddMRUItem("/sites/a,b.frq");
    testing::WriteBytes(Ini(), "[MRUFiles]\n0=/old.frq\n5=/older.frq\n");
    {
        QtSettingsStore store(QString::fromStdString(Ini()));
        SaveSettings(store, changed, recent);
    }
    QtSettingsStore store(QString::fromStdString(Ini()));
    RecentFiles restored(measurer);
    EXPECT_EQ(LoadSettings(store, Locale::English(), restored), changed);
    ASSERT_EQ(restored.entries().size(), 2u);
    EXPECT_EQ(restored.entries()[0].path, "/sites/a,b.frq");
    EXPECT_FALSE(store.Read("MRUFiles", "5"));
}

TEST_F(SettingsIniTest, AFileThatCannotBeWrittenKeepsWhatWasStored) {
    testing::WriteBytes(Ini(), "[Filter]\nOrder5=1\n");
    {
        // A full disk: nothing can be written.
        const testing::FileSizeLimit full(0);
        QtSettingsStore store(QString::fromStdString(Ini()));
        SaveSettings(store, With({{SettingOrder5, 0}, {SettingOrder7, 1}}), recent);
        store.Sync();
    }
    // The next start reads what was stored before.
    EXPECT_EQ(testing::ReadBytes(Ini()), "[Filter]\nOrder5=1\n");
}

TEST_F(SettingsIniTest, UserSettingsLiveInSpurlineConf) {
    const QByteArray before =
        qEnvironmentVariableIsSet("XDG_CONFIG_HOME") ? qgetenv("XDG_CONFIG_HOME") : QByteArray();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.path().string()));
    {
        QtSettingsStore store;
        store.Write("Filter", "Order5", "1");
    }
    before.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", before);
    EXPECT_EQ(testing::ReadBytes(folder.File("Spurline/Spurline.conf")), "[Filter]\nOrder5=1\n");
}

} // namespace
} // namespace spurline
