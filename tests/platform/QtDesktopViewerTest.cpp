#include "platform/QtDesktopViewer.h"

#include "support/ScopedVariable.h"
#include "support/TemporaryFolder.h"

#include <QObject>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace spurline {
namespace {

// xdg-open's own answer reaches the caller: 0 when a viewer showed the file, anything else (3: no
// viewer for its type, 4: the viewer failed, killed) when none could.
TEST(QtDesktopViewer, XdgOpensAnswerReachesTheCaller) {
    testing::TemporaryFolder folder;
    struct Case {
        const char* ending;
        bool shown;
    };
    const Case cases[] = {
        {"exit 0", true}, {"exit 3", false}, {"exit 4", false}, {"kill -9 $$", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ending);
        const std::string script = folder.File("xdg-open");
        testing::WriteBytes(script, "#!/bin/sh\nprintf '%s' \"$1\" > '" + folder.File("asked") +
                                        "'\n" + c.ending + "\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        const testing::ScopedVariable path("PATH", folder.path().string() + ":/usr/bin:/bin");
        QObject context;
        std::optional<bool> shown;
        ASSERT_TRUE(OpenInDesktopViewer(QStringLiteral("/guides/Spurline guide.pdf"), context,
                                        [&](bool answer) { shown = answer; }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown.has_value(); }, 20000));
        EXPECT_EQ(*shown, c.shown);
        EXPECT_EQ(testing::ReadBytes(folder.File("asked")), "/guides/Spurline guide.pdf");
    }
}

} // namespace
} // namespace spurline
