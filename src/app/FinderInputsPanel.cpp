#include "app/FinderInputsPanel.h"

#include "document/FileDialogs.h"
#include "document/MessageBox.h"
#include "engine/ChannelList.h"
#include "engine/FinderExclusions.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace spurline {

namespace {
constexpr const char* RasterText = "Candidates: the raster From - To in Step";
constexpr int ShownLines = 20; // lines not taken named in the message; the rest counted
} // namespace

FinderInputsPanel::FinderInputsPanel(const Locale& locale, IFileDialogs* dialogs,
                                     IMessageBox& messages, std::function<FinderRequest()> request,
                                     QWidget* parent)
    : QWidget(parent), locale_(locale), dialogs_(dialogs), messages_(messages),
      request_(std::move(request)) {
    source_ = new QLabel(QString::fromUtf8(RasterText), this);
    source_->setObjectName(QStringLiteral("lblCandidates"));
    auto* load = new QPushButton(QStringLiteral("Load channels..."), this);
    load->setObjectName(QStringLiteral("btnLoadChannels"));
    raster_ = new QPushButton(QStringLiteral("Raster"), this);
    raster_->setObjectName(QStringLiteral("btnRaster"));
    raster_->setEnabled(false);
    load->setVisible(dialogs_ != nullptr);
    raster_->setVisible(dialogs_ != nullptr);

    exclusions_ = new QStringListModel(this);
    exclusionView_ = new QListView(this);
    exclusionView_->setObjectName(QStringLiteral("lstExclusions"));
    exclusionView_->setModel(exclusions_);
    exclusionView_->setMaximumHeight(72);
    auto* add = new QPushButton(QStringLiteral("Add range"), this);
    add->setObjectName(QStringLiteral("btnAddRange"));
    auto* remove = new QPushButton(QStringLiteral("Remove range"), this);
    remove->setObjectName(QStringLiteral("btnRemoveRange"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(source_, 0, 0, 1, 2);
    auto* channelButtons = new QHBoxLayout;
    channelButtons->addWidget(load);
    channelButtons->addWidget(raster_);
    grid->addLayout(channelButtons, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Excluded (MHz)"), this), 1, 0, Qt::AlignTop);
    grid->addWidget(exclusionView_, 1, 1);
    auto* rangeButtons = new QVBoxLayout;
    rangeButtons->addWidget(add);
    rangeButtons->addWidget(remove);
    rangeButtons->addStretch();
    grid->addLayout(rangeButtons, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(load, &QPushButton::clicked, this, &FinderInputsPanel::AskForChannels);
    connect(raster_, &QPushButton::clicked, this, &FinderInputsPanel::UseRaster);
    connect(add, &QPushButton::clicked, this, [this] {
        const int row = exclusions_->rowCount();
        exclusions_->insertRows(row, 1);
        const QModelIndex index = exclusions_->index(row);
        exclusionView_->setCurrentIndex(index);
        exclusionView_->edit(index);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const QModelIndex index = exclusionView_->currentIndex();
        if (index.isValid()) {
            exclusions_->removeRows(index.row(), 1);
        }
    });
    connect(exclusions_, &QAbstractItemModel::dataChanged, this, &FinderInputsPanel::SaveRanges);
    connect(exclusions_, &QAbstractItemModel::rowsRemoved, this, &FinderInputsPanel::SaveRanges);
}

void FinderInputsPanel::SetStore(ISettingsStore& store) {
    store_ = nullptr; // no saving while the kept ranges are shown
    QStringList rows;
    for (const FinderExclusion& x : LoadExclusions(store)) {
        rows.push_back(QString::fromStdString(ExclusionText(x, locale_)));
    }
    exclusions_->setStringList(rows);
    store_ = &store;
}

void FinderInputsPanel::SaveRanges() {
    if (store_ == nullptr) {
        return;
    }
    // Only ranges that can be read are kept; a row being typed is kept once it can.
    std::vector<FinderExclusion> ranges;
    for (const QString& row : exclusions_->stringList()) {
        if (const auto x = ParseExclusion(row.toStdString(), locale_)) {
            ranges.push_back(*x);
        }
    }
    SaveExclusions(*store_, ranges);
}

void FinderInputsPanel::AskForChannels() {
    FileDialogOptions options;
    options.title = "Load channels";
    options.filter = "Channel lists (*.txt;*.csv)|*.txt;*.csv|All files (*.*)|*.*";
    options.mustExist = true;
    if (const std::optional<std::string> path = dialogs_->GetOpenFileName(options)) {
        const FinderRequest request = request_();
        LoadChannels(*path, request.role, request.offsetKHz);
    }
}

void FinderInputsPanel::LoadChannels(const std::string& path, FinderRole role, double offsetKHz) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.CenteredMsgBox("The channel list cannot be read: " + path, msgbox::Exclamation);
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const ChannelListRead read = ReadChannelList(text, role, offsetKHz, locale_);
    if (read.channels.empty()) {
        messages_.CenteredMsgBox("No channels in " + path, msgbox::Exclamation);
        return;
    }
    path_ = path;
    text_ = text;
    const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    source_->setText(QString::fromStdString("Candidates: " + std::to_string(read.channels.size()) +
                                            " channels from " + name));
    raster_->setEnabled(true);
    emit candidatesChanged(true);
    if (!read.rejected.empty()) {
        // Named as the CSV import names the lines it does not take.
        std::string message =
            std::to_string(read.channels.size()) + " channels loaded, lines not taken:";
        for (std::size_t k = 0; k < read.rejected.size(); ++k) {
            if (static_cast<int>(k) == ShownLines) {
                message += "\r\n... and " + std::to_string(read.rejected.size() - k) + " more";
                break;
            }
            message += "\r\n" + CsvRejectedLineText(read.rejected[k]);
        }
        messages_.CenteredMsgBox(message, msgbox::Exclamation);
    }
}

void FinderInputsPanel::UseRaster() {
    path_.clear();
    text_.clear();
    source_->setText(QString::fromUtf8(RasterText));
    raster_->setEnabled(false);
    emit candidatesChanged(false);
}

bool FinderInputsPanel::Fill(FinderRequest& request) const {
    request.channels.clear();
    if (!path_.empty()) {
        request.channels =
            ReadChannelList(text_, request.role, request.offsetKHz, locale_).channels;
        // A list of pairs read for a transmitter has none: never fall back to the raster.
        if (request.channels.empty()) {
            messages_.CenteredMsgBox("No channels for this role in " + path_, msgbox::Exclamation);
            return false;
        }
    }
    request.exclusions.clear();
    for (const QString& row : exclusions_->stringList()) {
        if (row.trimmed().isEmpty()) {
            continue;
        }
        const auto x = ParseExclusion(row.toStdString(), locale_);
        if (!x) {
            messages_.CenteredMsgBox("Please enter each excluded range as FROM-TO in MHz: " +
                                         row.toStdString(),
                                     msgbox::Exclamation);
            return false;
        }
        request.exclusions.push_back(*x);
    }
    return true;
}

} // namespace spurline
