#pragma once

#include "document/FileDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace spurline::testing {

// Records the options of every dialog shown and answers with prepared names; an empty optional
// (or nothing prepared) is a cancelled dialog.
class ScriptedFileDialogs final : public IFileDialogs {
public:
    struct Shown {
        bool save = false;
        FileDialogOptions options;
    };

    std::optional<std::string> GetOpenFileName(const FileDialogOptions& options) override {
        return Answer(false, options);
    }
    std::optional<std::string> GetSaveFileName(const FileDialogOptions& options) override {
        return Answer(true, options);
    }

    std::vector<Shown> shown;
    std::deque<std::optional<std::string>> answers;

private:
    std::optional<std::string> Answer(bool save, const FileDialogOptions& options) {
        shown.push_back({save, options});
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace spurline::testing
