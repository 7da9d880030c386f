#include "platform/ui/WxFolderDialog.h"

#include "platform/files/WinPath.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/filefn.h>

namespace {

// Whether the system, which names the folder by its Windows path, reaches it by that path.
bool ReachedByWindowsPath(const std::string& linuxPath)
{
    return wxDirExists(WxText::FromLinuxPath(WinPathToLinux(LinuxPathToWin(linuxPath).c_str())));
}

} // namespace

WxFolderDialog::WxFolderDialog(wxWindow* parent, const wxString& title, const std::string& start, Refusal refuse)
    : wxDirDialog(parent, title, WxText::FromLinuxPath(start), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST),
      m_refuse(std::move(refuse))
{
    clock_gettime(CLOCK_REALTIME, &m_opened);
}

void WxFolderDialog::EndModal(int retCode)
{
    if (retCode == wxID_OK) {
        std::string chosen = WxText::ToLinuxPath(GetPath());
        bool made = MadeByChooser(chosen);
        if (made || !ReachedByWindowsPath(chosen)) {
            if (made)
                ::rmdir(chosen.c_str());
            // The chooser adds each name it answers with to what it gives: the refused one goes.
            m_path.clear();
            m_paths.clear();
            m_refuse(*this, chosen);
            return;
        }
    }
    wxDirDialog::EndModal(retCode);
}

bool WxFolderDialog::MadeByChooser(const std::string& linuxPath) const
{
    struct statx born;
    if (statx(AT_FDCWD, linuxPath.c_str(), 0, STATX_BTIME, &born) != 0 || !(born.stx_mask & STATX_BTIME))
        return false; // without a birth time nothing is taken for the chooser's
    bool since = born.stx_btime.tv_sec > m_opened.tv_sec ||
                 (born.stx_btime.tv_sec == m_opened.tv_sec && born.stx_btime.tv_nsec >= m_opened.tv_nsec);
    std::error_code error;
    return since && std::filesystem::is_empty(linuxPath, error) && !error;
}
