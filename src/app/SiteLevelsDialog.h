#pragma once

#include "document/FrequencyList.h"

#include <QDialog>
#include <array>
#include <functional>

class QLineEdit;

namespace spurline {

// The site's level values: the isolation between antennas, the harmonic attenuation and the
// defaults of the entries' own values. OK stores them in the list; a box with a value its field
// refuses keeps the dialog open with that box selected.
class SiteLevelsDialog final : public QDialog {
    Q_OBJECT

public:
    SiteLevelsDialog(FrequencyList& list, QWidget* parent = nullptr);

    // Fills the boxes from the list and shows the dialog modally.
    int Open();
    void Load();
    void cmdOK_Click();

    QLineEdit* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    // The beep of a refused value; tests count it instead.
    std::function<void()> beep;

private:
    FrequencyList& list_;
    std::array<QLineEdit*, SiteLevelCount> boxes_{};
};

} // namespace spurline
