#include "platform/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(QtFileDialogsTest, FilterPairsBecomeQtNameFiltersWithTheirPatterns) {
    EXPECT_EQ(ToQtNameFilters("Frequency list (*.frq)|*.frq"),
              QStringLiteral("Frequency list (*.frq)"));
    EXPECT_EQ(ToQtNameFilters("Text|*.txt;*.log|All files|*.*"),
              QStringLiteral("Text (*.txt *.log);;All files (*.*)"));
}

TEST(QtFileDialogsTest, SaveAsksBeforeOverwritingAndOpenWantsAnExistingFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileDialogOptions options;
    options.title = "Save frequency list";
    options.filter = "Frequency list (*.frq)|*.frq";
    options.initialDirectory = folder.path().toStdString();
    options.confirmOverwrite = true;
    options.mustExist = true;

    QFileDialog dialog;
    ConfigureFileDialog(dialog, options, FileDialogKind::Save);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save frequency list"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Frequency list (*.frq)")});
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
    options.confirmOverwrite = false;
    ConfigureFileDialog(dialog, options, FileDialogKind::Save);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));

    ConfigureFileDialog(dialog, options, FileDialogKind::Open);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    options.mustExist = false;
    ConfigureFileDialog(dialog, options, FileDialogKind::Open);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
}

} // namespace
} // namespace spurline
