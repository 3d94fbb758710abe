#include "platform/QtDialogStartFolder.h"

#include "support/ScopedVariable.h"
#include "support/TemporaryFolder.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <unistd.h>

namespace spurline {
namespace {

using testing::ScopedVariable;

TEST(QtDialogStartFolder, AProgramFolderThatCannotBeWrittenGivesTheDocumentsFolder) {
    testing::TemporaryFolder folder;
    const auto home = folder.path() / "home";
    const auto program = folder.path() / "program";
    std::filesystem::create_directories(home / ".config");
    std::filesystem::create_directories(program);
    testing::WriteBytes(folder.File("file"), "x");
    ScopedVariable homeVariable("HOME", home.string());
    ScopedVariable configVariable("XDG_CONFIG_HOME", (home / ".config").string());
    const QString missing = QString::fromStdString(folder.File("missing"));
    const QString notFolder = QString::fromStdString(folder.File("file"));

    EXPECT_EQ(QtDialogStartFolder(QString::fromStdString(program.string())), program.string());
    // Without a documents folder: the home folder.
    EXPECT_EQ(QtDialogStartFolder(missing), home.string());
    std::filesystem::create_directories(home / "Documents");
    EXPECT_EQ(QtDialogStartFolder(missing), (home / "Documents").string());
    EXPECT_EQ(QtDialogStartFolder(notFolder), (home / "Documents").string());
    // Read-only: root may write anyway, so only an ordinary user sees the documents folder.
    std::filesystem::permissions(program, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    if (geteuid() != 0) {
        EXPECT_EQ(QtDialogStartFolder(QString::fromStdString(program.string())),
                  (home / "Documents").string());
    }
}

} // namespace
} // namespace spurline
