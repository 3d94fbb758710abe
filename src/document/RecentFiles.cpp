#include "document/RecentFiles.h"

#include "document/CompactPath.h"
#include "document/FileCommands.h"
#include "document/MessageBox.h"
#include "document/SettingsStore.h"
#include "document/TextHelpers.h"

#include <algorithm>

namespace spurline {

namespace {

constexpr const char* Section = "MRUFiles";

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return upper;
}

} // namespace

RecentFiles::RecentFiles(const ITextMeasurer& measurer, PathCase pathCase)
    : measurer_(measurer), pathCase_(pathCase) {}

bool RecentFiles::SamePath(const std::string& a, const std::string& b) const {
    return pathCase_ == PathCase::Sensitive ? a == b : Upper(a) == Upper(b);
}

void RecentFiles::AddMRUItem(const std::string& filename) {
    const auto match = std::find_if(entries_.begin(), entries_.end(), [&](const RecentFile& e) {
        return SamePath(e.path, filename);
    });
    if (match == entries_.end()) {
        if (entries_.size() == MaxEntries) {
            entries_.pop_back();
        }
        entries_.insert(entries_.begin(), RecentFile{});
    } else {
        std::rotate(entries_.begin(), match, match + 1);
    }
    entries_.front() = RecentFile{filename, FileNameFromPath(filename)};
    MarkDuplicateCaptions();
    Changed();
}

void RecentFiles::MoveToTop(std::size_t k) {
    if (k < entries_.size()) {
        std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(k),
                    entries_.begin() + static_cast<std::ptrdiff_t>(k) + 1);
        Changed();
    }
}

void RecentFiles::Remove(std::size_t k) {
    if (k < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(k));
        Changed();
    }
}

void RecentFiles::Clear() {
    entries_.clear();
    Changed();
}

std::string RecentFiles::LongCaption(const std::string& path) const {
    return FileNameFromPath(path) + " - (" + CompactPath(path, measurer_, LongCaptionPathWidth) +
           ")";
}

// Entries whose captions are equal get the long form; the others keep what they have.
void RecentFiles::MarkDuplicateCaptions() {
    std::vector<bool> duplicate(entries_.size(), false);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        for (std::size_t j = i + 1; j < entries_.size(); ++j) {
            if (Upper(entries_[i].caption) == Upper(entries_[j].caption)) {
                duplicate[i] = duplicate[j] = true;
            }
        }
    }
    // A caption that is no longer the bare file name is already the long form of its path.
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (duplicate[i] && entries_[i].caption == FileNameFromPath(entries_[i].path)) {
            entries_[i].caption = LongCaption(entries_[i].path);
        }
    }
}

void RecentFiles::Changed() const {
    if (changed && !loading_) {
        changed();
    }
}

void RecentFiles::Load(ISettingsStore& store) {
    // Adding them from the last up leaves the first ten different files, so reading stops there:
    // a hand-made section with a million values costs no more than one with ten.
    std::vector<std::string> stored;
    for (std::size_t key = 0; stored.size() < MaxEntries; ++key) {
        const std::optional<std::string> path = store.Read(Section, std::to_string(key));
        if (!path || path->empty()) {
            break;
        }
        // A value without a file name (a folder) would be a blank item that can neither be
        // opened nor removed; it names no frequency list, so it is left out.
        if (FileNameFromPath(*path).empty() ||
            std::any_of(stored.begin(), stored.end(),
                        [&](const std::string& p) { return SamePath(p, *path); })) {
            continue;
        }
        stored.push_back(*path);
    }
    loading_ = true;
    for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
        AddMRUItem(*it);
    }
    loading_ = false;
    Changed();
}

void RecentFiles::Save(ISettingsStore& store) const {
    store.DeleteSection(Section);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        store.Write(Section, std::to_string(i), entries_[i].path);
    }
}

void mnuMRU_Click(RecentFiles& recentFiles, std::size_t k, FileCommands& files,
                  IMessageBox& messages,
                  const std::function<bool(const std::string&)>& fileExists) {
    if (k >= recentFiles.entries().size()) {
        return;
    }
    const RecentFile entry = recentFiles.entries()[k];
    if (entry.caption.empty() || entry.caption == RecentFilesPlaceholder) {
        return;
    }
    if (fileExists(entry.path)) {
        // The load replaces the list: unsaved changes get the same question as "&Load...".
        if (!files.SaveQuestion()) {
            return;
        }
        files.LoadFrequencyList(entry.path);
        recentFiles.MoveToTop(k);
        return;
    }
    if (messages.CenteredMsgBox(std::string("File unavailable.") + "\r\n" + "Remove menu item?",
                                msgbox::InformationYesNo) == msgbox::Yes) {
        recentFiles.Remove(k);
    }
}

} // namespace spurline
