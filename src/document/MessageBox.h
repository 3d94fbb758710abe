#pragma once

#include <string>

namespace spurline {

// Message box styles (icon plus buttons) and the codes of the button that closed the box.
namespace msgbox {
inline constexpr int Critical = 16;         // critical stop, OK
inline constexpr int Exclamation = 48;      // exclamation, OK
inline constexpr int Question = 36;         // question, Yes and No
inline constexpr int ExclamationYesNo = 52; // exclamation, Yes and No
inline constexpr int InformationYesNo = 68; // information, Yes and No
inline constexpr int CentreOnForeground = 7;

inline constexpr bool IsYesNo(int buttons) {
    return buttons == Question || buttons == ExclamationYesNo || buttons == InformationYesNo;
}

inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

// Every question, notice and error goes through this: a modal box centred over the window in the
// foreground. Line breaks in prompts are CR LF.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual int CenteredMsgBox(const std::string& prompt, int buttons,
                               const std::string& title = {}, const std::string& helpFile = {},
                               int context = 0, int position = msgbox::CentreOnForeground) = 0;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a box of the given size goes so that its centre is the owner's centre (rounded to the
// nearest pixel, ties to even); it may stick out of a smaller owner.
ScreenRect CentreOver(const ScreenRect& owner, int boxWidth, int boxHeight);

} // namespace spurline
