// The folder browser's dialog: GTK's folder chooser, giving only a folder that exists and that the
// system reaches by its Windows path, as the Windows browser offers only such folders. OK on any
// other name (one typed into the location field for which no folder exists, a file, or a folder
// whose name its Windows path does not lead back to) is refused over the open chooser, which stays
// open.
//
// The refusal comes before GTK acts on the OK: GTK would make the folder of a typed name that does
// not exist, and add the name it answers with to the desktop's recently used files, before wx hears
// the answer. So a refused name makes no folder and is not recorded; only a chosen folder is, by
// GTK. Nothing is ever removed: a folder that exists when the answer comes is taken or refused as
// it stands, whoever made it.
#pragma once

#include "platform/ui/WxText.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/dirdlg.h>

class WxFolderDialog : public wxDirDialog {
public:
    // Why a path may not be chosen.
    enum class Refused {
        noFolder,            // nothing, or something other than a folder, is there
        notReachedByWinPath, // a folder whose Windows path leads elsewhere: a name holds "\" or a
                             // character that CP932 cannot hold
    };
    // Tells the person, over the chooser, why the Linux path is no folder to choose.
    using Refusal = std::function<void(wxWindow& chooser, const std::string& linuxPath, Refused why)>;

    // start: the Linux folder to open at, or "" for the chooser's own choice.
    WxFolderDialog(wxWindow* parent, const wxString& title, const std::string& start, Refusal refuse);
    ~WxFolderDialog() override;

    // The chooser ends through here: OK on a folder that may not be chosen is refused and leaves
    // it open (for a folder that changed after GTK's own answer was let through).
    void EndModal(int retCode) override;

private:
    // GTK's hook on the dialogs' "response", which runs before the dialog's own handlers.
    struct ResponseHook;

    // OK is pressed: a path that may not be chosen holds the chooser's answer back, so that GTK
    // neither makes nor records it, and is refused once the answer has passed.
    void BeforeAnswer();
    void HoldAnswers(bool hold);

    Refusal m_refuse;
    unsigned long m_responseHook = 0;
    std::vector<unsigned long> m_heldHandlers; // the chooser's answers held back, while a refusal waits
};
