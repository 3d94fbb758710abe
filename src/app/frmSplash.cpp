#include "app/frmSplash.h"

#include "graph/Splash.h"
#include "platform/QtMonitors.h"
#include "platform/QtStrings.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <array>
#include <optional>

namespace spurline {

namespace {

constexpr int BandWidth = 400;
constexpr int BandHeight = 72;

// Heights of the spectrum lines drawn over the band, as parts of its height.
constexpr std::array<double, 15> LineHeights{0.35, 0.55, 0.25, 0.8, 0.45, 0.3, 0.95, 0.6,
                                             0.4,  0.7,  0.2,  0.5, 0.85, 0.3, 0.45};

// The overlay: the mask is white with the spectrum lines black, the text picture white with the
// lines in navy. Raster-combined with the band the lines come out navy on the hue band.
void DrawOverlay(QImage& text, QImage& mask) {
    text = QImage(BandWidth, BandHeight, QImage::Format_RGB32);
    mask = QImage(BandWidth, BandHeight, QImage::Format_RGB32);
    text.fill(Qt::white);
    mask.fill(Qt::white);
    QPainter textPainter(&text);
    QPainter maskPainter(&mask);
    const int pitch = BandWidth / static_cast<int>(LineHeights.size() + 1);
    for (std::size_t i = 0; i < LineHeights.size(); ++i) {
        const int x = pitch * static_cast<int>(i + 1);
        const int height = static_cast<int>(LineHeights[i] * BandHeight);
        const QRect line(x - 2, BandHeight - height, 4, height);
        textPainter.fillRect(line, QColor(0, 0, 128));
        maskPainter.fillRect(line, Qt::black);
    }
}

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace

frmSplash::frmSplash(const IMonitorSource& monitors, ITimerFactory& timers, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), monitors_(monitors),
      tmrSplash(timers.CreateTimer()), tmrAnimate(timers.CreateTimer()) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(palette);

    lblApplication = new QLabel(QString::fromLatin1(ProgramTitle), this);
    lblApplication->setObjectName(QStringLiteral("lblApplication"));
    QFont title = lblApplication->font();
    title.setPointSize(title.pointSize() * 3);
    title.setBold(true);
    lblApplication->setFont(title);
    lblApplication->setAlignment(Qt::AlignCenter);

    picSpectrum = new QLabel(this);
    picSpectrum->setObjectName(QStringLiteral("picSpectrum"));
    picSpectrum->setFixedSize(BandWidth, BandHeight);

    lblVersion =
        new QLabel(ToQString(SplashVersionLabel(SPURLINE_VERSION_MAJOR, SPURLINE_VERSION_MINOR,
                                                SPURLINE_VERSION_PATCH)),
                   this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(lblApplication);
    layout->addWidget(picSpectrum, 0, Qt::AlignHCenter);
    layout->addWidget(lblVersion);

    DrawOverlay(picText, picMask);
    tmrSplash->timeout = [this] { CloseSplash(); };
    tmrAnimate->timeout = [this] { Animate(); };
}

frmSplash::~frmSplash() {
    tmrSplash->timeout = nullptr;
    tmrAnimate->timeout = nullptr;
}

bool frmSplash::SetTopMostWindow(bool Topmost, QWidget* hWndOwner) {
    if (hWndOwner != nullptr) {
        owner_ = hWndOwner;
    }
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == Topmost) {
        return Topmost;
    }
    // Changing the flag hides a shown window; show it again where it was.
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, Topmost);
    if (wasVisible) {
        show();
    }
    return Topmost;
}

void frmSplash::ShowSplash() {
    // A window already shown gets no show event.
    const bool shown = isVisible();
    show();
    raise();
    if (shown) {
        Activate();
    }
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Activate();
}

void frmSplash::hideEvent(QHideEvent* event) {
    tmrSplash->Stop();
    tmrAnimate->Stop();
    QWidget::hideEvent(event);
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    CloseSplash();
}

void frmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The window has no frame of its own.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void frmSplash::Activate() {
    tmrSplash->Start(SplashAutoCloseMs);
    tmrAnimate->Start(SplashAnimationMs);
    phase_ = 0;
    DrawBand(phase_);
    CentreOnMonitor();
}

void frmSplash::CentreOnMonitor() {
    monitors_.Refresh();
    const QWidget* reference = owner_ ? owner_->window() : this;
    std::optional<cMonitor> monitor =
        monitors_.MonitorForWindow(ToScreenRect(reference->frameGeometry()));
    if (!monitor) {
        // The window lies on no monitor (not placed yet): the primary one takes it.
        for (int i = 1; i <= monitors_.MonitorCount() && !monitor; ++i) {
            if (monitors_.Monitor(i).IsPrimary || i == monitors_.MonitorCount()) {
                monitor = monitors_.Monitor(i);
            }
        }
    }
    if (!monitor) {
        return;
    }
    if (isMaximized()) {
        showNormal();
    }
    const QRect frame = frameGeometry();
    const ScreenRect place = CentreInWorkArea(*monitor, frame.width(), frame.height());
    move(place.left, place.top);
}

void frmSplash::DrawBand(int phase) {
    band_ = QImage(BandWidth, BandHeight, QImage::Format_RGB32);
    QPainter painter(&band_);
    const std::vector<std::uint32_t> columns = HueBandColumns(BandWidth, phase);
    for (int x = 0; x < BandWidth; ++x) {
        painter.setPen(ToQColor(columns[static_cast<std::size_t>(x)]));
        painter.drawLine(x, 0, x, BandHeight - 1);
    }
    painter.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    painter.drawImage(0, 0, picMask);
    painter.drawImage(0, 0, picText);
    painter.end();
    picSpectrum->setPixmap(QPixmap::fromImage(band_));
}

void frmSplash::Animate() {
    DrawBand(phase_);
    phase_ = NextAnimationPhase(phase_);
}

void frmSplash::CloseSplash() {
    tmrSplash->Stop();
    tmrAnimate->Stop();
    unsetCursor();
    if (isVisible()) {
        hide();
    }
}

} // namespace spurline
