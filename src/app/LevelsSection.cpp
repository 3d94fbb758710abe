#include "app/LevelsSection.h"

#include "document/NumberFormat.h"
#include "platform/QtStrings.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace spurline {

QString LevelBoxText(const std::optional<double>& value, const Locale& locale) {
    if (!value) {
        return {};
    }
    std::string text = FixedText(*value);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, locale.decimalSeparator);
    }
    return ToQString(text);
}

std::optional<std::optional<double>> ReadLevelBox(const QString& text, int rule,
                                                  const Locale& locale) {
    if (text.trimmed().isEmpty()) {
        return std::optional<double>{};
    }
    const std::optional<double> value = ParseNumber(text.toStdString(), locale);
    if (!value || !LevelValueAllowed(rule, *value)) {
        return std::nullopt;
    }
    return value;
}

LevelsSection::LevelsSection(const Locale& locale, QWidget* parent)
    : QWidget(parent), locale_(locale) {
    setObjectName(QStringLiteral("fraLevels"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    toggle_ = new QToolButton(this);
    toggle_->setObjectName(QStringLiteral("cmdLevels"));
    toggle_->setText(QStringLiteral("Levels"));
    toggle_->setCheckable(true);
    toggle_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toggle_->setArrowType(Qt::RightArrow);
    toggle_->setAutoRaise(true);
    layout->addWidget(toggle_);
    body_ = new QWidget(this);
    auto* form = new QFormLayout(body_);
    for (int k = 0; k < LevelFieldCount; ++k) {
        auto* box = new QLineEdit(body_);
        box->setObjectName(QStringLiteral("txtLevel%1").arg(k));
        box->setPlaceholderText(QStringLiteral("site value"));
        form->addRow(QString::fromLatin1(LevelFieldCaptions[static_cast<std::size_t>(k)]), box);
        boxes_[static_cast<std::size_t>(k)] = box;
    }
    layout->addWidget(body_);
    body_->hide();
    connect(toggle_, &QToolButton::toggled, this, &LevelsSection::SetExpanded);
}

void LevelsSection::SetExpanded(bool expanded) {
    toggle_->setChecked(expanded);
    toggle_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    body_->setVisible(expanded);
}

bool LevelsSection::expanded() const {
    return toggle_->isChecked();
}

void LevelsSection::Show(const EntryLevels& levels) {
    for (int k = 0; k < LevelFieldCount; ++k) {
        box(k)->setText(LevelBoxText(LevelValue(levels, k), locale_));
    }
}

std::optional<EntryLevels> LevelsSection::Values() const {
    EntryLevels levels;
    for (int k = 0; k < LevelFieldCount; ++k) {
        const auto value = ReadLevelBox(box(k)->text(), k, locale_);
        if (!value) {
            // A refused value must be seen to be mended.
            const_cast<LevelsSection*>(this)->SetExpanded(true);
            box(k)->setFocus(Qt::OtherFocusReason);
            box(k)->selectAll();
            return std::nullopt;
        }
        LevelValue(levels, k) = *value;
    }
    return levels;
}

} // namespace spurline
