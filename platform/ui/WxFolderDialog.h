// The folder browser's dialog: GTK's folder chooser, giving only a folder that existed when it
// opened and that the system reaches by its Windows path, as the Windows browser offers only such
// folders. The chooser's location field takes any name typed into it, and GTK makes the folder of
// a typed name that does not exist before it answers. OK on such a name, or on a folder that its
// Windows path does not lead back to (a name holding "\"), is refused over the open chooser,
// which stays open; a folder that the chooser has just made for the name is removed again.
#pragma once

#include "platform/ui/WxText.h"

#include <ctime>
#include <functional>
#include <string>

#include <wx/dirdlg.h>

class WxFolderDialog : public wxDirDialog {
public:
    // Tells the person, over the chooser, that the Linux path is no folder to choose.
    using Refusal = std::function<void(wxWindow& chooser, const std::string& linuxPath)>;

    // start: the Linux folder to open at, or "" for the chooser's own choice.
    WxFolderDialog(wxWindow* parent, const wxString& title, const std::string& start, Refusal refuse);

    // The chooser ends through here: OK on a folder that may not be chosen is refused and leaves
    // it open.
    void EndModal(int retCode) override;

private:
    // Whether the folder is an empty one born since the chooser opened: the chooser made it.
    bool MadeByChooser(const std::string& linuxPath) const;

    Refusal m_refuse;
    timespec m_opened{};
};
