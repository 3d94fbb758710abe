#pragma once

#include "document/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

namespace spurline::testing {

// Records every box and answers with prepared buttons (OK for an OK-only box when nothing was
// prepared; a question without a prepared answer fails the test through unansweredQuestions).
class ScriptedMessageBox final : public IMessageBox {
public:
    struct Shown {
        std::string prompt;
        int buttons = 0;
        std::string title;
    };

    int CenteredMsgBox(const std::string& prompt, int buttons, const std::string& title,
                       const std::string&, int, int) override {
        shown.push_back({prompt, buttons, title});
        if (!answers.empty()) {
            int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (msgbox::IsYesNo(buttons)) {
            ++unansweredQuestions;
            return msgbox::No;
        }
        return msgbox::Ok;
    }

    std::vector<Shown> shown;
    std::deque<int> answers;
    int unansweredQuestions = 0;
};

} // namespace spurline::testing
