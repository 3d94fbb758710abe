#pragma once

#include "document/Locale.h"
#include "engine/CalculationCallbacks.h"
#include "platform/BusyCursor.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QFrame;
class QLabel;
class QWidget;

namespace spurline {

class IntermodCalculation;

// Runs the calculation inside the window: shows the progress frame and percentage, keeps the
// window from taking mouse and keyboard input while letting repaints and timers through, and
// watches the Escape key (the Escape poll and the calculation's own checks).
class CalculationRunner final : public QObject, public CalculationCallbacks {
    Q_OBJECT

public:
    CalculationRunner(QWidget& window, IntermodCalculation& calculation, QFrame& progressbarouter,
                      QFrame& progressbarinner, QLabel& pcdone, const Locale& locale);
    ~CalculationRunner() override;

    // Called by the Escape poll after it requested the abort.
    std::function<void()> recalculateDue;

    // Before the calculation: the progress frame at 0%, the window closed to input, the poll on.
    void Begin();
    // After it: the window open again. The poll stops and the frame hides in End.
    void EnableWindow();
    void End();

    bool active() const { return active_; }

    // CalculationCallbacks
    void Progress(int first, int count) override;
    bool InputWaiting() override;
    void LetEventsRun() override;
    bool EscapeHeld() override;
    void SetBusyCursor(bool busy) override;

    // The Escape poll's tick (every 500 ms while a calculation runs).
    void tmrEscape_Timer();

signals:
    void progressed(int first, int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* object) const;

    QWidget& window_;
    IntermodCalculation& calculation_;
    QFrame& progressbarouter_;
    QFrame& progressbarinner_;
    QLabel& pcdone_;
    Locale locale_;
    QTimer tmrEscape_;
    QElapsedTimer sinceEventsRan_;
    bool active_ = false;
    bool escape_ = false; // Escape went down during this calculation
    BusyCursor busyCursor_;
};

} // namespace spurline
