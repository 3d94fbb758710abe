#include "app/HelpDocument.h"

#include "app/MenuBar.h"
#include "support/ScriptedMessageBox.h"
#include "support/TemporaryFolder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>
#include <gtest/gtest.h>

namespace spurline {
namespace {

QString RunCommand(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void CollectCaptions(const QList<QAction*>& actions, QStringList& captions) {
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        QString caption = action->text();
        caption.remove(QLatin1Char('&'));
        captions << caption;
        if (action->menu() != nullptr) {
            CollectCaptions(action->menu()->actions(), captions);
        }
    }
}

TEST(HelpDocument, TheBuiltGuideExplainsEveryMenuCommand) {
    const std::string pdf = SPURLINE_HELP_PDF;
    ASSERT_TRUE(std::filesystem::is_regular_file(pdf)) << pdf;
    const QString file = QString::fromStdString(pdf);
    const QString info = RunCommand("pdfinfo", {file});
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_GT(pages.captured(1).toInt(), 1);

    const QString text = RunCommand("pdftotext", {file, "-"}).simplified();
    QMenuBar bar;
    BuildMainMenus(bar);
    QStringList captions;
    CollectCaptions(bar.actions(), captions);
    EXPECT_GT(captions.size(), 25);
    for (const QString& caption : captions) {
        EXPECT_TRUE(text.contains(caption)) << caption.toStdString();
    }
}

TEST(HelpDocument, FoundInTheInstalledFolderThenBesideTheProgramElseReported) {
    testing::TemporaryFolder folder;
    const auto bin = folder.path() / "bin";
    const auto installed = folder.path() / "doc";
    const auto moved = folder.path() / "share/doc/spurline"; // beside bin, another prefix
    for (const auto& made : {bin, installed, moved}) {
        std::filesystem::create_directories(made);
    }
    const QString binText = QString::fromStdString(bin.string());
    const QString installedText = QString::fromStdString(installed.string());
    testing::ScriptedMessageBox messages;
    QStringList opened;
    bool viewerStarts = true;
    std::function<void()> failLater;
    const auto open = [&](const QString& path, std::function<void()> failed) {
        opened << path;
        failLater = std::move(failed);
        return viewerStarts;
    };

    OpenHelpDocument(installedText, binText, messages, open);
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "The user guide " + installed.string() +
                                            "/Spurline.pdf was not found.\r\n"
                                            "Reinstall Spurline to restore it.");
    EXPECT_EQ(messages.shown[0].buttons, msgbox::Exclamation);

    // Each guide added is found before those added earlier.
    for (const auto& guideFolder : {moved, bin, installed}) {
        testing::WriteBytes((guideFolder / "Spurline.pdf").string(), "%PDF");
        OpenHelpDocument(installedText, binText, messages, open);
    }
    EXPECT_EQ(opened, QStringList({QString::fromStdString((moved / "Spurline.pdf").string()),
                                   binText + QStringLiteral("/Spurline.pdf"),
                                   installedText + QStringLiteral("/Spurline.pdf")}));
    EXPECT_EQ(messages.shown.size(), 1u);

    // No program could show it, found at once or when the viewer gives up: the user is told
    // where the guide is.
    const std::string noViewer = "No program to show PDF files was found.\r\n"
                                 "The user guide is " +
                                 installed.string() + "/Spurline.pdf";
    ASSERT_TRUE(failLater);
    failLater();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].prompt, noViewer);
    viewerStarts = false;
    OpenHelpDocument(installedText, binText, messages, open);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].prompt, noViewer);
    EXPECT_EQ(messages.shown[2].buttons, msgbox::Exclamation);
}

} // namespace
} // namespace spurline
