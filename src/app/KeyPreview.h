#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace spurline {

// The main window's key preview: the window sees its menu keys and a few keys of its own (F1,
// Insert, Page Up, Page Down) before its controls do. Watches the whole application while it
// lives.
class KeyPreview final : public QObject {
    Q_OBJECT

public:
    // busy: while it says so, menu keys go to the controls as usual (a calculation is running).
    KeyPreview(QWidget& window, std::function<bool()> busy);
    ~KeyPreview() override;

    // What a key the controls leave does when it reaches the window.
    void SetKey(int key, std::function<void()> command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Preview(QObject* receiver, QEvent* event);

    QWidget& window_;
    std::function<bool()> busy_;
    std::vector<std::pair<int, std::function<void()>>> keys_;
    const QEvent* previewedKey_ = nullptr; // compared only: the key press the preview acted on
    bool previewing_ = false;              // the preview's command (perhaps a dialog) is running
};

} // namespace spurline
