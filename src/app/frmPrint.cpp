#include "app/frmPrint.h"

#include "platform/QtStrings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace spurline {

frmPrint::frmPrint(PrintWhat& what, QWidget* parent) : QDialog(parent), what_(what) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print"));

    auto* frame = new QGroupBox(QStringLiteral("Print What"), this);
    auto box = [frame](const char* caption, const char* name, PrintOption& option) {
        auto* check = new QCheckBox(QString::fromLatin1(caption), frame);
        check->setObjectName(QString::fromLatin1(name));
        connect(check, &QCheckBox::toggled, check, [&option](bool on) { option.checked = on; });
        return check;
    };
    chkSpectrumDisplay = box("Spectrum &display", "chkSpectrumDisplay", what_.spectrumDisplay);
    chkIntermodList = box("&Intermod list", "chkIntermodList", what_.intermodList);
    chkFrequencyList = box("&Frequency list", "chkFrequencyList", what_.frequencyList);
    auto* options = new QVBoxLayout(frame);
    options->addWidget(chkSpectrumDisplay);
    options->addWidget(chkIntermodList);
    options->addWidget(chkFrequencyList);

    auto* printerCaption = new QLabel(QStringLiteral("Printer:"), this);
    lblPrinter = new QLabel(QStringLiteral("none available"), this);
    lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    lblPrinter->setTextFormat(Qt::PlainText);

    auto button = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdSetup = button("&Setup...", "cmdSetup");
    cmdOK = button("&OK", "cmdOK");
    cmdCancel = button("&Cancel", "cmdCancel");
    cmdOK->setDefault(true);
    // As on a Windows label, "&&" shows as one "&"; the label's text doubles every "&" of the
    // device name, so no letter becomes an access key.
    lblPrinter->setBuddy(cmdSetup);
    connect(cmdSetup, &QPushButton::clicked, this, &frmPrint::cmdSetup_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrint::cmdOK_Click);
    // Escape rejects a QDialog, which hides it, as "&Cancel" does.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdSetup);
    buttons->addStretch(1);
    auto* printer = new QHBoxLayout;
    printer->addWidget(printerCaption);
    printer->addWidget(lblPrinter, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(frame, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addLayout(printer, 1, 0, 1, 2);
}

void frmPrint::ShowOptions() {
    const std::pair<QCheckBox*, const PrintOption*> boxes[] = {
        {chkSpectrumDisplay, &what_.spectrumDisplay},
        {chkIntermodList, &what_.intermodList},
        {chkFrequencyList, &what_.frequencyList},
    };
    for (const auto& [check, option] : boxes) {
        check->setChecked(option->checked);
        check->setEnabled(option->available);
    }
}

void frmPrint::RefreshPrinterLabel() {
    const std::string label = printerLabel ? printerLabel() : std::string();
    // With no printer the label keeps its last text.
    if (!label.empty()) {
        lblPrinter->setText(ToQString(label));
    }
}

void frmPrint::Open(int productCount, int frequencyRows, bool windowVisible) {
    what_.Recompute(productCount, frequencyRows, windowVisible);
    ShowOptions();
    RefreshPrinterLabel();
    if (runModal) {
        runModal(*this);
    }
}

void frmPrint::cmdOK_Click() {
    hide();
    if (print) {
        print();
    }
    accept();
}

void frmPrint::cmdSetup_Click() {
    if (setup) {
        setup();
    }
    RefreshPrinterLabel();
}

} // namespace spurline
