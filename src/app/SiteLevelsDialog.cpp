#include "app/SiteLevelsDialog.h"

#include "app/LevelsSection.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace spurline {

namespace {
// In SiteLevelValue's order.
constexpr std::array<const char*, SiteLevelCount> Captions{
    "Antenna isolation (dB)", "Harmonic attenuation (dB)", "Tx power (W)",     "Sensitivity (dBm)",
    "IM rejection (dB)",      "Tx isolation (dB)",         "Rx isolation (dB)"};
} // namespace

SiteLevelsDialog::SiteLevelsDialog(FrequencyList& list, QWidget* parent)
    : QDialog(parent), list_(list) {
    setObjectName(QStringLiteral("frmSiteLevels"));
    setWindowTitle(QStringLiteral("Site level values"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (int k = 0; k < SiteLevelCount; ++k) {
        if (k == 2) {
            auto* note = new QLabel(QStringLiteral("Entries without values of their own:"), this);
            form->addRow(note);
        }
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtSiteLevel%1").arg(k));
        form->addRow(QString::fromLatin1(Captions[static_cast<std::size_t>(k)]), box);
        boxes_[static_cast<std::size_t>(k)] = box;
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &SiteLevelsDialog::cmdOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    beep = [] { QApplication::beep(); };
}

void SiteLevelsDialog::Load() {
    for (int k = 0; k < SiteLevelCount; ++k) {
        box(k)->setText(LevelBoxText(SiteLevelValue(list_.siteLevels(), k), list_.locale()));
    }
}

int SiteLevelsDialog::Open() {
    Load();
    return exec();
}

void SiteLevelsDialog::cmdOK_Click() {
    SiteLevels levels;
    for (int k = 0; k < SiteLevelCount; ++k) {
        const auto value = ReadLevelBox(box(k)->text(), SiteLevelRule(k), list_.locale());
        // Every site value is needed: an empty box is refused like a bad one.
        if (!value || !value->has_value()) {
            beep();
            box(k)->setFocus(Qt::OtherFocusReason);
            box(k)->selectAll();
            return;
        }
        SiteLevelValue(levels, k) = **value;
    }
    list_.SetSiteLevels(levels);
    accept();
}

} // namespace spurline
