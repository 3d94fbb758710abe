#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace spurline {

class FileCommands;
class IMessageBox;
class ISettingsStore;
class ITextMeasurer;

// The caption the "&Open recent" submenu shows while the list is empty.
inline constexpr const char* RecentFilesPlaceholder = "none";

// How two paths name the same file: letter case matters where the file system keeps it apart.
enum class PathCase { Sensitive, Ignored };
#if defined(_WIN32) || defined(__APPLE__)
inline constexpr PathCase NativePathCase = PathCase::Ignored;
#else
inline constexpr PathCase NativePathCase = PathCase::Sensitive;
#endif

struct RecentFile {
    std::string path;
    std::string caption;
};

// The recent-files list behind "&Open recent": at most ten files, the most recent first, paths
// compared as the file system does; files with equal names show their shortened paths as well.
class RecentFiles {
public:
    static constexpr std::size_t MaxEntries = 10;
    // Width in pixels a shortened path may take in a long caption.
    static constexpr int LongCaptionPathWidth = 500;

    // measurer: the font of the main window, for shortening paths.
    explicit RecentFiles(const ITextMeasurer& measurer, PathCase pathCase = NativePathCase);

    // Puts the file at the top: an existing entry moves up, a new one pushes the oldest out of a
    // full list.
    void AddMRUItem(const std::string& filename);
    // Entry k moves to the top keeping the other captions as they are.
    void MoveToTop(std::size_t k);
    void Remove(std::size_t k);
    void Clear();

    const std::vector<RecentFile>& entries() const { return entries_; }

    // Section "MRUFiles": values "0", "1", ... up to the first missing or empty one or the tenth
    // different file; changed is called once, at the end.
    void Load(ISettingsStore& store);
    void Save(ISettingsStore& store) const;

    // Called after every change, so the menu can follow.
    std::function<void()> changed;

private:
    bool SamePath(const std::string& a, const std::string& b) const;
    std::string LongCaption(const std::string& path) const;
    void MarkDuplicateCaptions();
    void Changed() const;

    const ITextMeasurer& measurer_;
    PathCase pathCase_;
    bool loading_ = false;
    std::vector<RecentFile> entries_;
};

// Choosing entry k of the submenu: an existing file is loaded like "&Load..." does (after the
// save question) and moves to the top; for a file that has gone the user may remove the entry.
void mnuMRU_Click(RecentFiles& recentFiles, std::size_t k, FileCommands& files,
                  IMessageBox& messages, const std::function<bool(const std::string&)>& fileExists);

} // namespace spurline
