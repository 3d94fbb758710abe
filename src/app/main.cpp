#include "app/AppShell.h"
#include "app/MainWindow.h"
#include "app/ProgramInfo.h"
#include "document/StreamMessageBox.h"
#include "document/TextHelpers.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtLocale.h"
#include "platform/QtMonitors.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Ends the program once the window is on screen: status 0 when nothing was reported, 1 when a
// message (a failed load) was, 2 when the window never showed.
void QuitOnceShown(QWidget& window, const spurline::StreamMessageBox& reported) {
    constexpr int PollMs = 50;
    constexpr int GiveUpMs = 20000;
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window,
                     [&window, &reported, poll, waited = 0]() mutable {
                         waited += PollMs;
                         const bool shown =
                             window.windowHandle() != nullptr && window.windowHandle()->isExposed();
                         if (shown || waited >= GiveUpMs) {
                             poll->stop();
                             if (!shown) {
                                 std::cerr << "spurline: the window did not show\n";
                             }
                             QApplication::exit(!shown ? 2 : reported.shown() > 0 ? 1 : 0);
                         }
                     });
    poll->start(PollMs);
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer on a machine without a display too (the manual page is made
    // from them at build time).
    if (const auto answer = spurline::CommandLineAnswer(
            std::vector<std::string>(argv + 1, argv + argc), SPURLINE_DOC_DIR)) {
        std::cout << *answer << std::flush;
        if (!std::cout) {
            std::cerr << "spurline: write error\n";
            return 1;
        }
        return 0;
    }

    // Without a display Qt would abort with a message few users understand.
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        std::cerr << "spurline: no display found; start it from a desktop session or under "
                     "xvfb-run\n";
        return 1;
    }

    QApplication application(argc, argv);
    // QApplication has put the desktop's C locale in force, and under a German or French one
    // printf and strtod write and read "0,5". Numbers reach the user through the Locale that
    // SystemLocale() gives the core, never through the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Spurline"));
    QApplication::setApplicationName(QStringLiteral("Spurline"));

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(spurline::ToStdString(all[i]));
    }

    // A start-up check (CI, packaging) needs a program that ends by itself and never waits for
    // an answer: its message boxes go to standard error and count as failures.
    const bool quitAfterLoad = IsSet("SPURLINE_QUIT_AFTER_LOAD");
    spurline::StreamMessageBox reported(std::cerr);
    spurline::QtFileDialogs dialogs;
    // Declared before the window: the splash uses them until the window has gone.
    spurline::QtSettingsStore settings;
    spurline::QtMonitorSource monitors;
    spurline::QtTimerFactory timers;
    std::unique_ptr<spurline::frmMain> owned =
        quitAfterLoad
            ? std::make_unique<spurline::frmMain>(spurline::SystemLocale(), reported, dialogs)
            : std::make_unique<spurline::frmMain>(spurline::SystemLocale());
    spurline::frmMain& window = *owned;
    spurline::AppShell shell(window, settings, monitors, timers);
    // Before the command-line file opens; written again when the window closes.
    shell.LoadSettings();
    window.show();
    window.activateWindow();

    // A file named on the command line is opened but not added to the recent files.
    const std::string file = spurline::CommandLineFile(arguments, FileExists);
    if (!file.empty()) {
        // The file field and later saves show where the file really is, not the start folder.
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(file, error);
        window.fileCommands().LoadFrequencyList(error ? file : absolute.string());
    }
    if (quitAfterLoad) {
        QuitOnceShown(window, reported);
    }
    return QApplication::exec();
}
