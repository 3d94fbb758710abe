#include "document/StreamMessageBox.h"

#include <gtest/gtest.h>
#include <sstream>

namespace spurline {
namespace {

// A terminal shows a prompt's CR LF line breaks as plain line ends; questions are answered No.
TEST(StreamMessageBox, PromptsEndTheirLinesAsATerminalDoesAndQuestionsAreAnsweredNo) {
    struct Case {
        const char* prompt;
        int buttons;
        const char* line;
        int answer;
    };
    const Case cases[] = {{"File not found\r\nC:\\x.frq", msgbox::Critical,
                           "File not found\nC:\\x.frq\n", msgbox::Ok},
                          {"Saved\r\n", msgbox::Exclamation, "Saved\n\n", msgbox::Ok},
                          {"a\rb\n", msgbox::Exclamation, "a\rb\n\n", msgbox::Ok},
                          {"Save changes?", msgbox::Question, "Save changes?\n", msgbox::No},
                          {"", msgbox::InformationYesNo, "\n", msgbox::No}};
    std::ostringstream out;
    StreamMessageBox box(out);
    int shown = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        out.str({});
        EXPECT_EQ(box.CenteredMsgBox(c.prompt, c.buttons), c.answer);
        EXPECT_EQ(out.str(), c.line);
        EXPECT_EQ(box.shown(), ++shown);
    }
}

} // namespace
} // namespace spurline
