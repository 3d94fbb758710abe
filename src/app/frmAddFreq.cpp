#include "app/frmAddFreq.h"

#include "app/LevelsSection.h"
#include "app/UpDownControl.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace spurline {

namespace {

QLabel* MakeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

// One option button of a group, named after the group and its index.
QRadioButton* MakeOption(QButtonGroup* group, int index, QWidget* parent) {
    auto* option = new QRadioButton(parent);
    option->setObjectName(group->objectName() + QString::number(index));
    group->addButton(option, index);
    return option;
}

} // namespace

frmAddFreq::frmAddFreq(FrequencyList& list, FrequencySelection& selection,
                       ListCommandStates& commands, QWidget* parent)
    : QDialog(parent), beep([] { QApplication::beep(); }), list_(list), selection_(selection),
      commands_(commands), model_(list.locale()) {
    setObjectName(QStringLiteral("frmAddFreq"));
    setModal(true);
    BuildWidgets();
    ConnectFields();
    ShowModel();
}

void frmAddFreq::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    txtFrequency = MakeBox(QStringLiteral("txtFrequency"), this);
    txtOffset = MakeBox(QStringLiteral("txtOffset"), this);
    UpDown1 = new UpDownControl(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setFixedHeight(txtOffset->sizeHint().height());
    auto* lblFrequency =
        MakeLabel(QStringLiteral("Frequency"), QStringLiteral("lblFrequency"), this);
    auto* lblOffset = MakeLabel(QStringLiteral("Tx offset*"), QStringLiteral("lblOffset"), this);
    lblFrequency->setBuddy(txtFrequency);
    lblOffset->setBuddy(txtOffset);
    fields->addWidget(lblFrequency, 0, 0);
    fields->addWidget(txtFrequency, 0, 1);
    fields->addWidget(MakeLabel(QStringLiteral("MHz"), QStringLiteral("lblFrequencyUnit"), this), 0,
                      3);
    fields->addWidget(lblOffset, 1, 0);
    fields->addWidget(txtOffset, 1, 1);
    fields->addWidget(UpDown1, 1, 2);
    fields->addWidget(MakeLabel(QStringLiteral("kHz"), QStringLiteral("lblOffsetUnit"), this), 1,
                      3);
    fields->setColumnStretch(4, 1);
    layout->addLayout(fields);
    auto* note =
        MakeLabel(QStringLiteral(
                      "*Corresponds to the duplex spacing if specifying a transceiver (i.e.Tx/Rx)"),
                  QStringLiteral("lblNote"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* bandwidths = new QHBoxLayout;
    bandwidths->addWidget(BuildBandwidthFrame(Group::Transmitter));
    bandwidths->addWidget(BuildBandwidthFrame(Group::Receiver));
    layout->addLayout(bandwidths);

    auto* roles = new QHBoxLayout;
    auto* fraTxRx = new QGroupBox(QStringLiteral("Tx / Rx"), this);
    fraTxRx->setObjectName(QStringLiteral("fraTxRx"));
    auto* txrxLayout = new QHBoxLayout(fraTxRx);
    chktxrx = new QButtonGroup(this);
    chktxrx->setObjectName(QStringLiteral("chktxrx"));
    const std::array<QString, 3> txrxCaptions{QStringLiteral("Tx"), QStringLiteral("Rx"),
                                              QStringLiteral("Both")};
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = MakeOption(chktxrx, i, fraTxRx);
        option->setText(txrxCaptions[static_cast<std::size_t>(i)]);
        txrxLayout->addWidget(option);
    }
    auto* fraStatus = new QGroupBox(QStringLiteral("Status"), this);
    fraStatus->setObjectName(QStringLiteral("fraStatus"));
    auto* statusLayout = new QHBoxLayout(fraStatus);
    chstatus = new QButtonGroup(this);
    chstatus->setObjectName(QStringLiteral("chstatus"));
    const std::array<QString, 2> statusCaptions{QStringLiteral("Planned"),
                                                QStringLiteral("Existing")};
    for (int i = 0; i < 2; ++i) {
        QRadioButton* option = MakeOption(chstatus, i, fraStatus);
        option->setText(statusCaptions[static_cast<std::size_t>(i)]);
        statusLayout->addWidget(option);
    }
    roles->addWidget(fraTxRx);
    roles->addWidget(fraStatus);
    layout->addLayout(roles);

    auto* lower = new QGridLayout;
    txtRemarks = MakeBox(QStringLiteral("txtRemarks"), this);
    auto* lblRemarks = MakeLabel(QStringLiteral("Remarks"), QStringLiteral("lblRemarks"), this);
    lblRemarks->setBuddy(txtRemarks);
    lower->addWidget(lblRemarks, 0, 0);
    lower->addWidget(txtRemarks, 0, 1, 1, 4);
    const std::array<QString, 2> rangeNames{QStringLiteral("Rx"), QStringLiteral("Tx")};
    for (int index : {1, 0}) {
        const QString& side = rangeNames[static_cast<std::size_t>(index)];
        const int row = index == 1 ? 1 : 2;
        auto*& start = txtStartFrequency[static_cast<std::size_t>(index)];
        auto*& stop = txtStopFrequency[static_cast<std::size_t>(index)];
        start = MakeBox(QStringLiteral("txtStartFrequency") + QString::number(index), this);
        stop = MakeBox(QStringLiteral("txtStopFrequency") + QString::number(index), this);
        lower->addWidget(MakeLabel(side + QStringLiteral(" start"),
                                   QStringLiteral("lblStart") + QString::number(index), this),
                         row, 0);
        lower->addWidget(start, row, 1);
        lower->addWidget(MakeLabel(side + QStringLiteral(" stop"),
                                   QStringLiteral("lblStop") + QString::number(index), this),
                         row, 2);
        lower->addWidget(stop, row, 3);
        lower->addWidget(MakeLabel(QStringLiteral("MHz"),
                                   QStringLiteral("lblRangeUnit") + QString::number(index), this),
                         row, 4);
    }
    layout->addLayout(lower);
    levels_ = new LevelsSection(list_.locale(), this);
    layout->addWidget(levels_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdAdd = new QPushButton(ToQString(model_.buttonCaption()), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
}

QWidget* frmAddFreq::BuildBandwidthFrame(Group group) {
    const bool transmitter = group == Group::Transmitter;
    auto* frame = new QGroupBox(transmitter ? QStringLiteral("Transmitter Bandwidth")
                                            : QStringLiteral("Receiver Bandwidth"),
                                this);
    frame->setObjectName(transmitter ? QStringLiteral("fraTxBandwidth")
                                     : QStringLiteral("fraRxBandwidth"));
    auto* grid = new QGridLayout(frame);
    auto* options = new QButtonGroup(this);
    options->setObjectName(transmitter ? QStringLiteral("chspacing") : QStringLiteral("rxprot"));
    auto* other = MakeBox(
        transmitter ? QStringLiteral("chspaceother") : QStringLiteral("rxprotother"), frame);
    auto* upDown = new UpDownControl(frame);
    upDown->setObjectName(transmitter ? QStringLiteral("UpDown3") : QStringLiteral("UpDown2"));
    upDown->setFixedHeight(other->sizeHint().height());
    auto* unit = MakeLabel(
        QStringLiteral("kHz"),
        transmitter ? QStringLiteral("lblTxOtherUnit") : QStringLiteral("lblRxOtherUnit"), frame);

    // "Other" with its value in the first row, the fixed widths below in two columns.
    grid->addWidget(MakeOption(options, AddFreqDialogModel::BandwidthOther, frame), 0, 0);
    auto* otherRow = new QHBoxLayout;
    otherRow->setSpacing(2);
    otherRow->addWidget(other);
    otherRow->addWidget(upDown);
    otherRow->addWidget(unit);
    grid->addLayout(otherRow, 0, 1);
    for (int i = 1; i < AddFreqDialogModel::BandwidthChoiceCount; ++i) {
        grid->addWidget(MakeOption(options, i, frame), 1 + (i - 1) % 3, (i - 1) / 3);
    }

    if (transmitter) {
        chspacing = options;
        chspaceother = other;
        UpDown3 = upDown;
        lblTxOtherUnit = unit;
    } else {
        rxprot = options;
        rxprotother = other;
        UpDown2 = upDown;
        lblRxOtherUnit = unit;
    }
    return frame;
}

void frmAddFreq::ConnectFields() {
    for (QLineEdit* field :
         {txtFrequency, txtOffset, chspaceother, rxprotother, txtStartFrequency[0],
          txtStopFrequency[0], txtStartFrequency[1], txtStopFrequency[1], txtRemarks}) {
        field->installEventFilter(this);
    }

    // Typing only updates the texts; the rules run when a box loses the focus.
    connect(txtFrequency, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetFrequencyText(ToStdString(text)); });
    connect(txtOffset, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetOffsetText(ToStdString(text)); });
    connect(chspaceother, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetOtherText(Group::Transmitter, ToStdString(text));
    });
    connect(rxprotother, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetOtherText(Group::Receiver, ToStdString(text));
    });
    for (RangeBox box :
         {RangeBox::RxStart, RangeBox::RxStop, RangeBox::TxStart, RangeBox::TxStop}) {
        connect(RangeField(box), &QLineEdit::textEdited, this,
                [this, box](const QString& text) { model_.SetRangeText(box, ToStdString(text)); });
    }
    connect(txtRemarks, &QLineEdit::textChanged, this, &frmAddFreq::txtRemarks_Change);

    connect(UpDown1, &UpDownControl::upClicked, this, [this] {
        model_.OffsetUpDown(+1);
        ShowModel();
    });
    connect(UpDown1, &UpDownControl::downClicked, this, [this] {
        model_.OffsetUpDown(-1);
        ShowModel();
    });
    const auto otherSteps = [this](UpDownControl* upDown, Group group) {
        connect(upDown, &UpDownControl::upClicked, this, [this, group] {
            model_.OtherUpDown(group, +1);
            ShowModel();
        });
        connect(upDown, &UpDownControl::downClicked, this, [this, group] {
            model_.OtherUpDown(group, -1);
            ShowModel();
        });
    };
    otherSteps(UpDown3, Group::Transmitter);
    otherSteps(UpDown2, Group::Receiver);

    connect(chspacing, &QButtonGroup::idClicked, this, [this](int index) {
        model_.ChooseBandwidth(Group::Transmitter, index);
        ShowModel();
    });
    connect(rxprot, &QButtonGroup::idClicked, this, [this](int index) {
        model_.ChooseBandwidth(Group::Receiver, index);
        ShowModel();
    });
    connect(chktxrx, &QButtonGroup::idClicked, this, [this](int index) {
        model_.ChooseTxRx(index);
        ShowModel();
    });
    connect(chstatus, &QButtonGroup::idClicked, this, [this](int index) {
        model_.ChooseStatus(index);
        ShowModel();
    });

    connect(cmdAdd, &QPushButton::clicked, this, &frmAddFreq::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddFreq::cmdCancel_Click);
}

QLineEdit* frmAddFreq::RangeField(RangeBox box) const {
    switch (box) {
    case RangeBox::RxStart:
        return txtStartFrequency[0];
    case RangeBox::RxStop:
        return txtStopFrequency[0];
    case RangeBox::TxStart:
        return txtStartFrequency[1];
    case RangeBox::TxStop:
        break;
    }
    return txtStopFrequency[1];
}

void frmAddFreq::Activate(bool editMode) {
    fieldWithFocus_ = nullptr;
    const int row = editMode ? selection_.currentRow() : -1;
    model_.Activate(list_, row);
    ShowModel();
    // An entry being edited shows its own values; a new one starts from the site's.
    levels_->Show(row >= 0 && row < list_.count() ? list_.entry(row).levels : EntryLevels{});
    txtFrequency->setFocus(Qt::OtherFocusReason);
    update(); // the red cross comes or goes
}

int frmAddFreq::Open(bool editMode) {
    Activate(editMode);
    return exec();
}

void frmAddFreq::ShowText(QLineEdit* field, const std::string& text) {
    const QString shown = ToQString(text);
    if (field->text() != shown) {
        field->setText(shown);
    }
}

void frmAddFreq::ShowModel() {
    setWindowTitle(ToQString(model_.windowCaption()));
    cmdAdd->setText(ToQString(model_.buttonCaption()));

    ShowText(txtFrequency, model_.frequency());
    QPalette palette = txtFrequency->palette();
    palette.setColor(QPalette::Text, model_.frequencyRed() ? QColor(255, 0, 0) : QColor(0, 0, 0));
    txtFrequency->setPalette(palette);
    txtFrequency->setToolTip(ToQString(model_.frequencyToolTip()));
    ShowText(txtOffset, model_.offset());

    const auto showGroup = [this](Group group, QButtonGroup* options, QLineEdit* other,
                                  UpDownControl* upDown, QLabel* unit) {
        for (int i = 0; i < AddFreqDialogModel::BandwidthChoiceCount; ++i) {
            options->button(i)->setText(ToQString(model_.choiceCaption(i)));
        }
        if (QAbstractButton* chosen = options->button(model_.bandwidthChoice(group))) {
            chosen->setChecked(true);
        }
        ShowText(other, model_.otherBandwidth(group));
        const bool enabled = model_.otherEnabled(group);
        other->setEnabled(enabled);
        upDown->setEnabled(enabled);
        unit->setEnabled(enabled);
    };
    showGroup(Group::Transmitter, chspacing, chspaceother, UpDown3, lblTxOtherUnit);
    showGroup(Group::Receiver, rxprot, rxprotother, UpDown2, lblRxOtherUnit);

    if (QAbstractButton* chosen = chktxrx->button(model_.txrxChoice())) {
        chosen->setChecked(true);
    }
    if (QAbstractButton* chosen = chstatus->button(model_.statusChoice())) {
        chosen->setChecked(true);
    }
    ShowText(txtRemarks, model_.remarks());
    for (RangeBox box :
         {RangeBox::RxStart, RangeBox::RxStop, RangeBox::TxStart, RangeBox::TxStop}) {
        ShowText(RangeField(box), model_.rangeText(box));
    }
}

void frmAddFreq::txtRemarks_Change() {
    const QString text = txtRemarks->text();
    const FilteredText filtered =
        model_.RemarksChanged(ToStdString(text), Utf8OffsetOf(text, txtRemarks->cursorPosition()));
    const QString shown = ToQString(filtered.text);
    if (shown != text) {
        const QSignalBlocker blocker(txtRemarks);
        txtRemarks->setText(shown);
        txtRemarks->setCursorPosition(QtIndexOf(filtered.text, filtered.caret));
    }
}

void frmAddFreq::FieldLostFocus(QLineEdit* field) {
    if (field == txtFrequency) {
        model_.FrequencyLostFocus();
    } else if (field == txtOffset) {
        model_.OffsetLostFocus();
    } else if (field == chspaceother) {
        model_.OtherLostFocus(Group::Transmitter);
    } else if (field == rxprotother) {
        model_.OtherLostFocus(Group::Receiver);
    } else {
        for (RangeBox box :
             {RangeBox::RxStart, RangeBox::RxStop, RangeBox::TxStart, RangeBox::TxStop}) {
            if (field == RangeField(box)) {
                const bool toPartner =
                    QApplication::focusWidget() == RangeField(AddFreqDialogModel::Partner(box));
                model_.RangeLostFocus(box, toPartner);
            }
        }
    }
    ShowModel();
}

bool frmAddFreq::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::FocusIn) {
        fieldWithFocus_ = field;
        if (field == txtFrequency) {
            // After the mouse press that brought the focus has placed the caret.
            QMetaObject::invokeMethod(txtFrequency, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    } else if (field != nullptr && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window or a pop-up taking the focus is no move to another box of the dialog.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            field == fieldWithFocus_) {
            fieldWithFocus_ = nullptr;
            FieldLostFocus(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAddFreq::cmdAdd_Click() {
    cmdAdd->setFocus(Qt::OtherFocusReason);
    // The box just left must have had its rule applied, also when the window did not hand the
    // focus over (inactive window, keyboard shortcut).
    if (QLineEdit* field = fieldWithFocus_) {
        fieldWithFocus_ = nullptr;
        FieldLostFocus(field);
    }
    const std::optional<EntryLevels> levels = levels_->Values();
    if (!levels) {
        beep();
        return;
    }
    const int editRow = model_.editRow();
    switch (model_.Commit(list_, selection_, commands_)) {
    case AddFreqDialogModel::CommitResult::Incomplete:
        return;
    case AddFreqDialogModel::CommitResult::Duplicate:
        beep();
        return;
    case AddFreqDialogModel::CommitResult::Stored:
        // The row Commit stored: the edited one, or the new last one.
        list_.SetEntryLevels(editRow >= 0 && editRow < list_.count() ? editRow : list_.count() - 1,
                             *levels);
        accept();
        return;
    }
}

void frmAddFreq::cmdCancel_Click() {
    reject();
}

void frmAddFreq::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!model_.redCross()) {
        return;
    }
    // On the dialog's own surface, corner to corner; the controls stay on top of it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(255, 0, 0), 10));
    const QRect area = rect();
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
}

} // namespace spurline
