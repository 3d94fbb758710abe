#pragma once

#include "document/LevelValues.h"
#include "document/Locale.h"

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QLineEdit;
class QToolButton;

namespace spurline {

// A level value as a box shows it, in the locale's convention ("" for none), and read back: an
// empty box is none; a text that is no number or a value the field refuses is an error.
QString LevelBoxText(const std::optional<double>& value, const Locale& locale);
std::optional<std::optional<double>> ReadLevelBox(const QString& text, int rule,
                                                  const Locale& locale);

// The add/edit dialog's "Levels" section: a button that unfolds five boxes for the entry's own
// level values; an empty box takes the site's value.
class LevelsSection final : public QWidget {
    Q_OBJECT

public:
    LevelsSection(const Locale& locale, QWidget* parent);

    void Show(const EntryLevels& levels);
    // The typed values; nothing, with the first refused box focused and selected, when one holds
    // a text that is no number or a value its field refuses.
    std::optional<EntryLevels> Values() const;
    bool expanded() const;
    void SetExpanded(bool expanded);

    QToolButton* toggle() const { return toggle_; }
    QLineEdit* box(int field) const { return boxes_[static_cast<std::size_t>(field)]; }

private:
    Locale locale_;
    QToolButton* toggle_ = nullptr;
    QWidget* body_ = nullptr;
    std::array<QLineEdit*, LevelFieldCount> boxes_{};
};

} // namespace spurline
