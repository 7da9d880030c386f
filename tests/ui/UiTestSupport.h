// The display tests' wx session, and ways to act inside a modal loop without waiting: a body
// queued to run once the modal dialog shows, an event loop turned until a condition holds
// (bounded), clicks sent as the controls' own wx events.
#pragma once

#include "platform/ui/WxIds.h"
#include "platform/ui/WxUiHost.h"

#include <functional>
#include <string>

#include <wx/dialog.h>

namespace uitest {

// The host of the session that the test environment runs.
WxUiHost& Host();

// Runs body from inside the modal loop of the innermost modal wx dialog, once one is shown.
// If none shows within a bounded number of turns, the test fails and the running modal
// dialog object is ended, so that nothing waits.
void WhenModal(std::function<void(wxDialog&)> body);

// Turns the event loop (and wx's idle processing) until condition holds, at most `turns`
// times; returns whether it held.
bool PumpUntil(const std::function<bool()>& condition, int turns = 200);

// Lets wx delete the windows it keeps for deletion when idle; returns how many top-level
// windows are left.
size_t SettleWindows();

// The wx control that stands for a system control id in a dialog, or null.
template <class T> T* Control(wxWindow& dialog, int systemId)
{
    return dynamic_cast<T*>(dialog.FindWindow(WxIds::ToWx(systemId)));
}

// What a person's click on a control makes wx report: a push button's click, a check box
// toggled, a radio button selected, an item of a choice picked.
void Click(wxWindow* control);
void Pick(wxWindow* choice, int index);

// The folder for test artefacts (screenshots) in the build tree.
std::string ArtefactPath(const std::string& name);

} // namespace uitest
