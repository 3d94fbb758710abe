#pragma once

#include <QApplication>

namespace spurline {

// The busy mouse pointer of a long operation, pushed at most once and always taken back, also
// when its owner goes away mid-operation.
class BusyCursor final {
public:
    BusyCursor() = default;
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor() { Set(false); }

    void Set(bool busy) {
        if (busy == busy_) {
            return;
        }
        busy_ = busy;
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool busy_ = false;
};

} // namespace spurline
