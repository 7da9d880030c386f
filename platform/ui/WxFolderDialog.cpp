#include "platform/ui/WxFolderDialog.h"

#include "platform/files/WinPath.h"

#include <memory>
#include <sys/stat.h>

#include <gtk/gtk.h>

namespace {

// Why the Linux path may not be chosen, or nothing when it may.
std::optional<WxFolderDialog::Refused> RefusalOf(const std::string& linuxPath)
{
    struct stat chosen, reached;
    if (::stat(linuxPath.c_str(), &chosen) != 0 || !S_ISDIR(chosen.st_mode))
        return WxFolderDialog::Refused::noFolder;
    // The system names the folder by its Windows path: that must lead to this very folder.
    std::string back = WinPathToLinux(LinuxPathToWin(linuxPath).c_str());
    if (::stat(back.c_str(), &reached) != 0 || reached.st_dev != chosen.st_dev || reached.st_ino != chosen.st_ino)
        return WxFolderDialog::Refused::notReachedByWinPath;
    return std::nullopt;
}

} // namespace

struct WxFolderDialog::ResponseHook {
    static guint Signal() { return g_signal_lookup("response", GTK_TYPE_DIALOG); }

    // Every dialog's "response" passes here; only this chooser's OK is looked at.
    static gboolean Run(GSignalInvocationHint*, guint count, const GValue* values, gpointer data)
    {
        auto* dialog = static_cast<WxFolderDialog*>(data);
        if (count >= 2 && g_value_peek_pointer(&values[0]) == dialog->m_widget &&
            g_value_get_int(&values[1]) == GTK_RESPONSE_ACCEPT)
            dialog->BeforeAnswer();
        return TRUE; // the hook stays until the dialog goes
    }
};

WxFolderDialog::WxFolderDialog(wxWindow* parent, const wxString& title, const std::string& start, Refusal refuse)
    : wxDirDialog(parent, title, WxText::FromLinuxPath(start), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST),
      m_refuse(std::move(refuse))
{
    m_responseHook = g_signal_add_emission_hook(ResponseHook::Signal(), 0, ResponseHook::Run, this, nullptr);
}

WxFolderDialog::~WxFolderDialog()
{
    g_signal_remove_emission_hook(ResponseHook::Signal(), m_responseHook);
    HoldAnswers(false);
}

void WxFolderDialog::BeforeAnswer()
{
    if (!m_heldHandlers.empty())
        return; // a refusal is on its way already
    // The path GTK would answer with: what the location field names, else the selected folder.
    std::unique_ptr<gchar, decltype(&g_free)> chosen(gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(m_widget)), g_free);
    if (!chosen)
        return; // GTK does nothing with such a name either
    std::string path = chosen.get();
    std::optional<Refused> why = RefusalOf(path);
    if (!why)
        return;
    // A hook cannot stop the signal, but the handlers it would run can be held: GTK's, which would
    // make and record the folder, and wx's, which would take it.
    HoldAnswers(true);
    CallAfter([this, path, why] {
        HoldAnswers(false);
        m_refuse(*this, path, *why);
    });
}

void WxFolderDialog::HoldAnswers(bool hold)
{
    // One by one: GLib blocks handlers by signal alone only together with their function or data.
    if (hold) {
        auto unblocked = GSignalMatchType(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_UNBLOCKED);
        while (gulong handler =
                   g_signal_handler_find(m_widget, unblocked, ResponseHook::Signal(), 0, nullptr, nullptr, nullptr)) {
            g_signal_handler_block(m_widget, handler);
            m_heldHandlers.push_back(handler);
        }
    } else {
        for (unsigned long handler : m_heldHandlers)
            g_signal_handler_unblock(m_widget, handler);
        m_heldHandlers.clear();
    }
}

void WxFolderDialog::EndModal(int retCode)
{
    if (retCode == wxID_OK) {
        std::string chosen = WxText::ToLinuxPath(GetPath());
        if (std::optional<Refused> why = RefusalOf(chosen)) {
            // wx adds each path the chooser answers with to what it gives: the refused one goes.
            m_path.clear();
            m_paths.clear();
            m_refuse(*this, chosen, *why);
            return;
        }
    }
    wxDirDialog::EndModal(retCode);
}
