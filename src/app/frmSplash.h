#pragma once

#include "graph/Monitors.h"
#include "graph/Timer.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;

namespace spurline {

// The start-up splash and the about box in one window: title, version and an animated colour
// band. It closes itself after ten seconds or on a click, and is hidden, not destroyed.
class frmSplash final : public QWidget {
    Q_OBJECT

public:
    frmSplash(const IMonitorSource& monitors, ITimerFactory& timers, QWidget* parent = nullptr);
    ~frmSplash() override;

    // Remembers a non-null owner (the window it is centred over); topmost keeps it above other
    // windows. Returns whether it is now topmost.
    bool SetTopMostWindow(bool Topmost, QWidget* hWndOwner);
    // Shows the window, or when it shows already starts its ten seconds and its band afresh.
    void ShowSplash();
    // Stops the timers and hides the window.
    void CloseSplash();

    int phase() const { return phase_; }
    const QImage& band() const { return band_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Activate();
    void CentreOnMonitor();
    void DrawBand(int phase);
    void Animate();

    cMonitors monitors_;
    std::unique_ptr<ITimer> tmrSplash;
    std::unique_ptr<ITimer> tmrAnimate;
    QPointer<QWidget> owner_;
    QLabel* lblApplication = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* picSpectrum = nullptr;
    QImage picText;
    QImage picMask;
    QImage band_;
    int phase_ = 0;
};

} // namespace spurline
