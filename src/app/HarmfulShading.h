#pragma once

#include <QBrush>
#include <QColor>

namespace spurline {

// The background of a row whose level is harmful, the same in every table that shows levels.
inline QBrush HarmfulRowBrush() {
    return QBrush(QColor(255, 205, 205));
}

} // namespace spurline
