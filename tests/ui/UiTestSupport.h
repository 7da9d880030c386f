// The display tests' wx session, and ways to act inside a modal loop without waiting.
#pragma once

#include "platform/ui/WxIds.h"
#include "platform/ui/WxUiHost.h"

#include <functional>
#include <string>

#include <wx/dialog.h>

namespace uitest {

// The host of the session that the test environment runs.
WxUiHost& Host();

// Runs body inside the innermost modal wx dialog once one shows; else fails and ends the dialog.
void WhenModal(std::function<void(wxDialog&)> body);

// Turns the event loop and idle processing until condition holds, at most `turns` times.
bool PumpUntil(const std::function<bool()>& condition, int turns = 200);

// Lets wx delete the windows it keeps for deletion; how many top-level windows are left.
size_t SettleWindows();

// The wx control that stands for a system control id in a dialog, or null.
template <class T> T* Control(wxWindow& dialog, int systemId)
{
    return dynamic_cast<T*>(dialog.FindWindow(WxIds::ToWx(systemId)));
}

// What a person's click on a button or check box, or a pick of an item of a choice, makes wx report.
void Click(wxWindow* control);
void Pick(wxWindow* choice, int index);

// The folder for test artefacts (screenshots) in the build tree.
std::string ArtefactPath(const std::string& name);

} // namespace uitest
