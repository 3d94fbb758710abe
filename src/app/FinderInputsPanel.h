#pragma once

#include "document/Locale.h"
#include "engine/FrequencyFinder.h"

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace spurline {

class IFileDialogs;
class IMessageBox;
class ISettingsStore;

// The finder window's candidates and exclusions: "Load channels..." takes the candidates from a
// channel list file instead of the raster, "Raster" goes back; the excluded ranges are an
// editable list, kept in the settings store once one is given.
class FinderInputsPanel final : public QWidget {
    Q_OBJECT
public:
    // request: the window's inputs as they stand, for the role and offset a list is read with.
    // dialogs: none hides "Load channels...".
    FinderInputsPanel(const Locale& locale, IFileDialogs* dialogs, IMessageBox& messages,
                      std::function<FinderRequest()> request, QWidget* parent);
    // Shows the ranges kept there and keeps every change there from now on.
    void SetStore(ISettingsStore& store);
    // Loads a channel list as "Load channels..." does after the dialog; role and offset read
    // the lines for the message on lines not taken.
    void LoadChannels(const std::string& path, FinderRole role, double offsetKHz);
    // The channels and ranges into request, the file read again for the request's role and
    // offset; false, with a message shown, when a range cannot be read.
    bool Fill(FinderRequest& request) const;
    bool usesChannels() const { return !path_.empty(); }
    QStringListModel* exclusions() const { return exclusions_; }
    QListView* exclusionView() const { return exclusionView_; }

    // "Raster": the candidates are the raster again.
    void UseRaster();

signals:
    // The candidates switched between a channel list (true) and the raster.
    void candidatesChanged(bool channels);

private:
    // "Load channels...": the open dialog, then LoadChannels.
    void AskForChannels();
    void SaveRanges();

    Locale locale_;
    IFileDialogs* dialogs_;
    IMessageBox& messages_;
    std::function<FinderRequest()> request_;
    ISettingsStore* store_ = nullptr;
    std::string path_;
    std::string text_;
    QLabel* source_ = nullptr;
    QPushButton* raster_ = nullptr;
    QStringListModel* exclusions_ = nullptr;
    QListView* exclusionView_ = nullptr;
};

} // namespace spurline
