#include "app/MainWindow.h"

#include "app/FileCommandHost.h"
#include "app/FrequencyListModel.h"
#include "document/TextHelpers.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageBox.h"
#include "platform/QtStrings.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <cstdio>

namespace spurline {

namespace {

// Column widths of the frequency list in twips (1/1440 inch).
constexpr std::array<int, FrequencyColumnCount> ColumnWidthsTwips{780, 1770, 1470, 1350,
                                                                  750, 840,  1350, 3000};

} // namespace

std::string MainCaption(int major, int minor, int revision, const std::string& path) {
    char minorText[16];
    std::snprintf(minorText, sizeof minorText, "%02d", minor);
    std::string caption = "Spurline V" + std::to_string(major) + "." + minorText + " build " +
                          std::to_string(revision);
    if (!path.empty()) {
        caption += " - [" + FileNameFromPath(path) + "]";
    }
    return caption;
}

frmMain::frmMain(const Locale& locale, QWidget* parent)
    : frmMain(locale, std::make_unique<QtMessageBox>(), nullptr, std::make_unique<QtFileDialogs>(),
              nullptr, parent) {
    static_cast<QtMessageBox&>(messages_).setMainWindow(this);
    static_cast<QtFileDialogs&>(dialogs_).setParent(this);
}

frmMain::frmMain(const Locale& locale, IMessageBox& messages, IFileDialogs& dialogs,
                 QWidget* parent)
    : frmMain(locale, nullptr, &messages, nullptr, &dialogs, parent) {}

frmMain::frmMain(const Locale& locale, std::unique_ptr<IMessageBox> ownMessages,
                 IMessageBox* messages, std::unique_ptr<IFileDialogs> ownDialogs,
                 IFileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), ownMessages_(std::move(ownMessages)), ownDialogs_(std::move(ownDialogs)),
      messages_(messages ? *messages : *ownMessages_), dialogs_(dialogs ? *dialogs : *ownDialogs_),
      list_(locale, messages_) {
    list_.recalculateDue = [this] { RecalculateDue(); };

    model_ = new FrequencyListModel(list_, this);
    BuildWidgets();
    BuildMenus();

    host_ =
        std::make_unique<FileCommandHost>(*this, *txtFilename, *statusBar(),
                                          [this](const std::string& path) { UpdateCaption(path); });
    fileCommands_ = std::make_unique<FileCommands>(list_, messages_, dialogs_, *host_);

    connect(model_, &FrequencyListModel::documentStateChanged, this, &frmMain::MirrorDocumentState);
    connect(model_, &FrequencyListModel::documentSelectionChanged, this, &frmMain::MirrorSelection);
    connect(model_, &FrequencyListModel::documentRowChanged, this, &frmMain::MirrorRowSelection);

    MirrorDocumentState();
    UpdateCaption({});
}

frmMain::~frmMain() {
    // The model observes the document; let it go before the document does.
    lvFreqs->setModel(nullptr);
    delete model_;
    model_ = nullptr;
}

void frmMain::BuildWidgets() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* header = new QGridLayout;
    auto addField = [&](const char* caption, const char* name, int row, int column) {
        auto* label = new QLabel(QString::fromLatin1(caption), central);
        auto* field = new QLineEdit(central);
        field->setObjectName(QString::fromLatin1(name));
        label->setBuddy(field);
        header->addWidget(label, row, column * 2);
        header->addWidget(field, row, column * 2 + 1);
        return field;
    };
    txtName = addField("Name:", "txtName", 0, 0);
    txtComment = addField("Comments:", "txtComment", 1, 0);
    txtFilename = addField("File:", "txtFilename", 0, 1);
    txtDate = addField("Last Saved:", "txtDate", 1, 1);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(3, 1);
    txtFilename->setReadOnly(true);
    txtFilename->setCursor(Qt::PointingHandCursor);
    txtFilename->installEventFilter(this);
    txtDate->setReadOnly(true);
    layout->addLayout(header);

    auto* buttons = new QHBoxLayout;
    lblFrequencies = new QLabel(QStringLiteral("Frequencies"), central);
    cmdLoad = new QPushButton(QStringLiteral("&Load..."), central);
    cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    cmdSave = new QPushButton(QStringLiteral("&Save..."), central);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClear = new QPushButton(QStringLiteral("Clea&r All"), central);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    buttons->addWidget(lblFrequencies);
    buttons->addStretch(1);
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClear);
    layout->addLayout(buttons);

    lvFreqs = new QTableView(central);
    lvFreqs->setObjectName(QStringLiteral("lvFreqs"));
    lblFrequencies->setBuddy(lvFreqs);
    lvFreqs->setModel(model_);
    lvFreqs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvFreqs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFreqs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFreqs->setShowGrid(false);
    lvFreqs->setWordWrap(false);
    lvFreqs->verticalHeader()->hide();
    lvFreqs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvFreqs->verticalHeader()->setDefaultSectionSize(lvFreqs->fontMetrics().height() + 6);
    lvFreqs->horizontalHeader()->setHighlightSections(false);
    lvFreqs->horizontalHeader()->setStretchLastSection(true);
    lvFreqs->installEventFilter(this);
    SetColumnWidths();
    layout->addWidget(lvFreqs, 1);

    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("statusline"));

    connect(lvFreqs->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmMain::ViewSelectionChanged);
    connect(lvFreqs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!mirroring_) {
                    list_.SetCurrentRow(current.isValid() ? current.row() : -1);
                }
            });
    connect(txtName, &QLineEdit::textEdited, this, [this] { HeaderFieldEdited(txtName, true); });
    connect(txtComment, &QLineEdit::textEdited, this,
            [this] { HeaderFieldEdited(txtComment, false); });
    connect(cmdLoad, &QPushButton::clicked, this, &frmMain::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);

    resize(900, 560);
}

void frmMain::SetColumnWidths() {
    const double pixelsPerTwip = logicalDpiX() / 1440.0;
    for (int column = 0; column < FrequencyColumnCount; ++column) {
        lvFreqs->setColumnWidth(
            column, static_cast<int>(
                        ColumnWidthsTwips[static_cast<std::size_t>(column)] * pixelsPerTwip + 0.5));
    }
}

void frmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNew = file->addAction(QStringLiteral("&New..."), this, &frmMain::mnuNew_Click);
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    mnuNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuSave = file->addAction(QStringLiteral("&Save as..."), this, &frmMain::cmdSave_Click);
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuOpen = file->addAction(QStringLiteral("&Open..."), this, &frmMain::cmdLoad_Click);
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void frmMain::UpdateCaption(const std::string& path) {
    setWindowTitle(ToQString(
        MainCaption(SPURLINE_VERSION_MAJOR, SPURLINE_VERSION_MINOR, SPURLINE_VERSION_PATCH, path)));
}

void frmMain::RecalculateDue() {
    emit recalculationDue();
}

// --- commands

void frmMain::mnuNew_Click() {
    list_.Clear();
    RecalculateDue();
}

void frmMain::cmdLoad_Click() {
    fileCommands_->cmdLoad_Click();
}

void frmMain::cmdSave_Click() {
    fileCommands_->cmdSave_Click();
}

void frmMain::cmdClear_Click() {
    list_.Clear();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The answer Yes means the user wants the list kept: when the save did not happen (the Save
    // dialog was cancelled or writing failed) the window stays open instead of losing the list.
    if (!fileCommands_->SaveQuestion()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFilename && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && txtFilename->rect().contains(mouse->pos())) {
            cmdLoad_Click();
            return true;
        }
    } else if (watched == lvFreqs &&
               (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        list_.ListFocusChanged(event->type() == QEvent::FocusIn);
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- header fields

void frmMain::HeaderFieldEdited(QLineEdit* field, bool siteName) {
    const QString text = field->text();
    const std::string utf8 = ToStdString(text);
    const FilteredText filtered =
        RemoveFieldSeparator(utf8, Utf8OffsetOf(text, field->cursorPosition()), list_.locale());
    if (filtered.text != utf8) {
        field->setText(ToQString(filtered.text));
        field->setCursorPosition(QtIndexOf(filtered.text, filtered.caret));
    }
    if (siteName) {
        list_.SetSiteName(filtered.text);
    } else {
        list_.SetComment(filtered.text);
    }
}

// --- mirroring the document

void frmMain::MirrorDocumentState() {
    // Assigning only differing texts keeps the caret of the field being typed in.
    auto mirror = [](QLineEdit* field, const std::string& text) {
        const QString value = ToQString(text);
        if (field->text() != value) {
            field->setText(value);
        }
    };
    mirror(txtName, list_.siteName());
    mirror(txtComment, list_.comment());
    mirror(txtFilename, list_.fileDisplayPath());
    mirror(txtDate, list_.lastSaved());
    txtFilename->setToolTip(ToQString(list_.filePath()));

    const CommandStates& commands = list_.commands();
    cmdSave->setEnabled(commands.save);
    mnuSave->setEnabled(commands.save);
    cmdClear->setEnabled(commands.clear);
}

void frmMain::MirrorSelection() {
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    QItemSelection wanted;
    const int lastColumn = FrequencyColumnCount - 1;
    int first = -1;
    for (int row = 0; row <= list_.count(); ++row) {
        const bool selected =
            row < list_.count() && row < model_->rowCount() && list_.entry(row).selected;
        if (selected && first < 0) {
            first = row;
        } else if (!selected && first >= 0) {
            wanted.select(model_->index(first, 0), model_->index(row - 1, lastColumn));
            first = -1;
        }
    }
    mirroring_ = true;
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    const int current = list_.currentRow();
    const QModelIndex currentIndex =
        current >= 0 && current < model_->rowCount() ? model_->index(current, 0) : QModelIndex();
    if (selection->currentIndex().row() != currentIndex.row() ||
        !selection->currentIndex().isValid() != !currentIndex.isValid()) {
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    }
    mirroring_ = false;
}

void frmMain::MirrorRowSelection(int row) {
    if (mirroring_ || row < 0 || row >= model_->rowCount() || row >= list_.count()) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    const bool wanted = list_.entry(row).selected;
    if (selection->isRowSelected(row, QModelIndex()) == wanted) {
        return;
    }
    mirroring_ = true;
    selection->select(model_->index(row, 0),
                      (wanted ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                          QItemSelectionModel::Rows);
    mirroring_ = false;
}

void frmMain::ViewSelectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    if (mirroring_) {
        return;
    }
    QItemSelectionModel* selection = lvFreqs->selectionModel();
    mirroring_ = true;
    for (const QItemSelection* ranges : {&selected, &deselected}) {
        for (const QItemSelectionRange& range : *ranges) {
            for (int row = range.top(); row <= range.bottom() && row < list_.count(); ++row) {
                list_.SetSelected(row, selection->isRowSelected(row, QModelIndex()));
            }
        }
    }
    mirroring_ = false;
}

} // namespace spurline
