// A message box in wx: the buttons of its MB_ type with the labels that Japanese Windows gives
// them, its icon and its default button, and the answer as the system's button id. wx names
// at most three buttons (OK or Yes, No, Cancel); the system's other buttons take their places
// with their own labels.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/UiHost.h"

#include <vector>

class wxWindow;

class WxMessageBox {
public:
    explicit WxMessageBox(UINT type);

    // The wx style: buttons, icon and default button.
    long Style() const { return m_style; }
    // The system's buttons in order, the wx id that stands for each, and their labels (CP932).
    const std::vector<int>& Buttons() const { return m_buttons; }
    const std::vector<int>& WxButtons() const { return m_wxIds; }
    CString Label(size_t index) const;
    // The system's id for wx's answer. An answer that is no button (the box was closed) is
    // Cancel when the box has it, else its last button.
    int Answer(int wxAnswer) const;

    // Shows the box modally over owner (or over no window) and returns the system's answer.
    static int Show(wxWindow* owner, const MessageBoxRequest& request);

private:
    std::vector<int> m_buttons;
    std::vector<int> m_wxIds;
    long m_style;
};
