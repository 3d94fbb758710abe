#include "app/CalculationRunner.h"

#include "document/NumberFormat.h"
#include "engine/IntermodCalculation.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace spurline {

namespace {
// Without a way to ask the platform for waiting input, input counts as waiting this often, so
// that repaints, the poll's ticks and the Escape key get their turn.
constexpr int EventSliceMs = 50;
} // namespace

CalculationRunner::CalculationRunner(QWidget& window, IntermodCalculation& calculation,
                                     QFrame& progressbarouter, QFrame& progressbarinner,
                                     QLabel& pcdone, const Locale& locale)
    : window_(window), calculation_(calculation), progressbarouter_(progressbarouter),
      progressbarinner_(progressbarinner), pcdone_(pcdone), locale_(locale) {
    tmrEscape_.setInterval(500);
    connect(&tmrEscape_, &QTimer::timeout, this, &CalculationRunner::tmrEscape_Timer);
}

CalculationRunner::~CalculationRunner() {
    if (active_) {
        qApp->removeEventFilter(this);
    }
}

void CalculationRunner::Begin() {
    progressbarinner_.resize(1, progressbarinner_.height());
    pcdone_.setText(QStringLiteral("0%"));
    progressbarouter_.show();
    escape_ = false;
    active_ = true;
    qApp->installEventFilter(this);
    window_.setEnabled(false);
    tmrEscape_.start();
    sinceEventsRan_.start();
}

void CalculationRunner::EnableWindow() {
    window_.setEnabled(true);
}

void CalculationRunner::End() {
    tmrEscape_.stop();
    if (active_) {
        qApp->removeEventFilter(this);
    }
    active_ = false;
    progressbarouter_.hide();
    SetBusyCursor(false);
}

void CalculationRunner::Progress(int first, int count) {
    const double fraction = count > 0 ? static_cast<double>(first) / count : 0.0;
    pcdone_.setText(ToQString(FormatNumber(fraction * 100.0, "##0.0", locale_)) + QLatin1Char('%'));
    const int inner = progressbarouter_.contentsRect().width();
    progressbarinner_.resize(std::max(1, static_cast<int>(inner * fraction)),
                             progressbarinner_.height());
    emit progressed(first, count);
}

bool CalculationRunner::InputWaiting() {
    return escape_ || !sinceEventsRan_.isValid() || sinceEventsRan_.elapsed() >= EventSliceMs;
}

void CalculationRunner::LetEventsRun() {
    QCoreApplication::processEvents();
    sinceEventsRan_.start();
}

bool CalculationRunner::EscapeHeld() {
    return escape_;
}

void CalculationRunner::SetBusyCursor(bool busy) {
    busyCursor_.Set(busy);
}

void CalculationRunner::tmrEscape_Timer() {
    if (InputWaiting() && EscapeHeld()) {
        calculation_.RequestAbort();
        if (recalculateDue) {
            recalculateDue();
        }
    }
}

bool CalculationRunner::InWindow(QObject* object) const {
    if (!object->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(object);
    // Menus pop up as windows of their own; they belong to the main window all the same.
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == &window_) {
            return true;
        }
    }
    return false;
}

bool CalculationRunner::eventFilter(QObject* watched, QEvent* event) {
    if (!active_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            escape_ = true;
        }
        [[fallthrough]];
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        // The window takes no input while the calculation runs; the Escape key is only watched.
        return InWindow(watched);
    case QEvent::ShortcutOverride:
        if (InWindow(watched)) {
            // An accepted override keeps menu shortcuts (F5, Ctrl+N ...) from firing.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                escape_ = true;
            }
            event->accept();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace spurline
