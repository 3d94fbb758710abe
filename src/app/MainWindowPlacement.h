#pragma once

#include "app/MainWindowWidgets.h"

#include <QObject>

class QWidget;

namespace spurline {

// Places the main window's controls whenever its client area changes size: measures the design
// sizes of the controls, hands them to PlaceMainWindow and applies the result.
class MainWindowPlacement final : public QObject {
    Q_OBJECT

public:
    // Lives as a child of widgets.central, which it watches.
    MainWindowPlacement(QWidget& window, const MainWindowWidgets& widgets);

    void PlaceControls();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    MainWindowWidgets w_;
};

} // namespace spurline
