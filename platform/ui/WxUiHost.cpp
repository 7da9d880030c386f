#include "platform/ui/WxUiHost.h"

#include "platform/core/WinFontFace.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "platform/ui/WxButtonPeer.h"
#include "platform/ui/WxComboBoxPeer.h"
#include "platform/ui/WxDialogFont.h"
#include "platform/ui/WxDialogPeer.h"
#include "platform/ui/WxEditPeer.h"
#include "platform/ui/WxFolderDialog.h"
#include "platform/ui/WxListBoxPeer.h"
#include "platform/ui/WxListViewPeer.h"
#include "platform/ui/WxMessageBox.h"
#include "platform/ui/WxPanelPeer.h"
#include "platform/ui/WxPrinterDialog.h"
#include "platform/ui/WxStaticPeer.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/CFolderBrowser.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/CListCtrl.h"
#include "platform/wnd/CPrintDialog.h"
#include "platform/wnd/CStatic.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/clipbrd.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/utils.h>

namespace {

// Ends the wait cursor for its lifetime, and starts it again as often as it had been started.
class NormalCursor {
public:
    explicit NormalCursor(int waits) : m_waits(waits)
    {
        for (int i = 0; i < m_waits; ++i)
            wxEndBusyCursor();
    }
    ~NormalCursor()
    {
        for (int i = 0; i < m_waits; ++i)
            wxBeginBusyCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    int m_waits;
};
// ShellExecute's results.
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kStarted = 42;

// The kinds of control that get a peer, and how it is made.
struct PeerKind {
    CRuntimeClass* objectClass;
    WxPeer* (*make)(WxUiHost& host, CWnd& control, wxWindow* parent);
};

template <class Peer, class Object> WxPeer* MakeKind(WxUiHost& host, CWnd& control, wxWindow* parent)
{
    return new Peer(host, static_cast<Object&>(control), parent);
}

const PeerKind peerKinds[] = {
    {RUNTIME_CLASS(CButton), MakeKind<WxButtonPeer, CButton>},
    {RUNTIME_CLASS(CEdit), MakeKind<WxEditPeer, CEdit>},
    {RUNTIME_CLASS(CStatic), MakeKind<WxStaticPeer, CStatic>},
    {RUNTIME_CLASS(CListBox), MakeKind<WxListBoxPeer, CListBox>},
    {RUNTIME_CLASS(CComboBox), MakeKind<WxComboBoxPeer, CComboBox>},
    {RUNTIME_CLASS(CListCtrl), MakeKind<WxListViewPeer, CListCtrl>},
    {RUNTIME_CLASS(CDialog), MakeKind<WxPanelPeer, CDialog>},
};

bool IsRelative(const CString& path) { return path.Find(':') < 0 && path.Left(1) != "\\"; }
} // namespace

WxUiHost::WxUiHost() { wxTheApp->Bind(wxEVT_IDLE, &WxUiHost::OnIdle, this); }

WxUiHost::~WxUiHost()
{
    wxTheApp->Unbind(wxEVT_IDLE, &WxUiHost::OnIdle, this);
    for (; m_waitCursors > 0; --m_waitCursors)
        wxEndBusyCursor();
    m_retired.clear();
    // Controls before their dialogs, so that wx deletes each window once.
    std::vector<std::unique_ptr<WxPeer>> dialogs;
    for (auto& entry : m_peers)
        if (entry.second->Window() && entry.second->Window()->IsTopLevel())
            dialogs.push_back(std::move(entry.second));
    m_peers.clear();
    dialogs.clear();
}

WxPeer* WxUiHost::PeerOf(HWND hWnd) const
{
    auto found = m_peers.find(hWnd);
    return found == m_peers.end() ? nullptr : found->second.get();
}

wxWindow* WxUiHost::PeerWindow(const CWnd& wnd) const
{
    WxPeer* peer = PeerOf(wnd.m_hWnd);
    return peer ? peer->Window() : nullptr;
}

wxWindow* WxUiHost::OwnerWindow(HWND owner) const
{
    CWnd* wnd = CWnd::FromHandle(owner);
    return wnd ? PeerWindow(*wnd->GetTopLevelParent()) : nullptr;
}

bool WxUiHost::WantsPeer(const CWnd& wnd) const
{
    if (wnd.GetStyle() & WS_CHILD) {
        CWnd* parent = wnd.GetParent();
        return parent && PeerOf(parent->m_hWnd);
    }
    // Of the top-level windows only the dialogs are shown in this build, once they are visible.
    const CDialog* dialog = dynamic_cast<const CDialog*>(&wnd);
    return dialog && dialog->GetTemplate() && dialog->IsWindowVisible();
}

WxPeer* WxUiHost::MakePeer(CWnd& wnd)
{
    if (!(wnd.GetStyle() & WS_CHILD)) {
        CDialog* dialog = dynamic_cast<CDialog*>(&wnd);
        return dialog ? new WxDialogPeer(*this, *dialog, OwnerWindow(wnd.GetOwner() ? wnd.GetOwner()->m_hWnd : nullptr))
                      : nullptr;
    }
    WxPeer* parent = wnd.GetParent() ? PeerOf(wnd.GetParent()->m_hWnd) : nullptr;
    if (!parent || !parent->Window())
        return nullptr;
    for (const PeerKind& kind : peerKinds)
        if (wnd.IsKindOf(kind.objectClass))
            return kind.make(*this, wnd, parent->Window());
    return nullptr;
}

WxPeer* WxUiHost::MakePeers(CWnd& wnd)
{
    WxPeer* peer = MakePeer(wnd);
    if (!peer)
        return nullptr;
    m_peers[wnd.m_hWnd].reset(peer);
    for (CWnd* child = wnd.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
        MakePeers(*child);
    // Shown (and focused) only now that its children are there.
    peer->Mirror(WndStyle | WndFocus);
    return peer;
}

void WxUiHost::WindowChanged(CWnd& wnd, UINT aspects)
{
    if (WxPeer* peer = PeerOf(wnd.m_hWnd))
        peer->Mirror(aspects);
    else if (WantsPeer(wnd))
        MakePeers(wnd);
}

void WxUiHost::UpdateWindow(CWnd& wnd)
{
    if (WxPeer* peer = PeerOf(wnd.m_hWnd))
        peer->Window()->Update();
}

void WxUiHost::DiscardInput()
{
    // Takes each input event as handled before any window sees it.
    class InputDropped : public wxEventFilter {
    public:
        int FilterEvent(wxEvent& event) override
        {
            return event.GetEventCategory() == wxEVT_CATEGORY_USER_INPUT ? Event_Processed : Event_Skip;
        }
    } dropped;
    // Outside a modal run there is no running loop to yield: a temporary one serves.
    std::unique_ptr<wxEventLoopBase> temporary(wxEventLoopBase::GetActive() ? nullptr : new wxEventLoop);
    std::unique_ptr<wxEventLoopActivator> activator(temporary ? new wxEventLoopActivator(temporary.get()) : nullptr);
    wxEvtHandler::AddFilter(&dropped);
    wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_USER_INPUT);
    wxEvtHandler::RemoveFilter(&dropped);
}

void WxUiHost::WindowDestroyed(CWnd& wnd)
{
    auto found = m_peers.find(wnd.m_hWnd);
    if (found == m_peers.end())
        return;
    std::unique_ptr<WxPeer> peer = std::move(found->second);
    m_peers.erase(found);
    peer->Retire();
    m_retired.push_back(std::move(peer));
}

void WxUiHost::RunModalLoop(CDialog& dialog)
{
    WxPeer* peer = PeerOf(dialog.m_hWnd);
    if (!peer)
        peer = MakePeers(dialog);
    WxDialogPeer* dialogPeer = dynamic_cast<WxDialogPeer*>(peer);
    if (!dialogPeer) {
        dialog.EndDialog(-1);
        return;
    }
    m_modal.push_back(dialogPeer);
    dialogPeer->RunModal();
    m_modal.pop_back();
}

void WxUiHost::RunPersonAction(HWND hWnd, const std::function<void()>& action)
{
    ++m_personActions;
    try {
        action();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "A window handler failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "A window handler failed.\n");
    }
    --m_personActions;
    if (WxPeer* peer = PeerOf(hWnd))
        peer->Mirror(WxPeer::kAllAspects);
    EndFinishedModal();
}

void WxUiHost::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    AfxPumpPostedMessages();
    FlushDeferred();
    EndFinishedModal();
    DeleteRetired();
}

void WxUiHost::EndFinishedModal()
{
    // Only the innermost run can end; the one around it follows once it has.
    if (!m_modal.empty())
        m_modal.back()->EndModalIfOver();
}

void WxUiHost::FlushDeferred()
{
    if (!m_mirrorWhenIdle)
        return;
    m_mirrorWhenIdle = false;
    for (auto& entry : m_peers)
        if (entry.second->HasDeferred())
            entry.second->FlushDeferred();
}

void WxUiHost::DeleteRetired()
{
    // Not while a person's action or a modal run may still be inside a retired peer.
    if (m_personActions > 0)
        return;
    auto inModalRun = [this](const std::unique_ptr<WxPeer>& peer) {
        return std::find(m_modal.begin(), m_modal.end(), peer.get()) != m_modal.end();
    };
    std::vector<std::unique_ptr<WxPeer>> kept;
    for (std::unique_ptr<WxPeer>& peer : m_retired)
        if (inModalRun(peer))
            kept.push_back(std::move(peer));
    m_retired.clear();
    m_retired = std::move(kept);
}

SIZE WxUiHost::DialogBaseUnits(const DialogResource& dialog)
{
    std::pair<std::string, int> key{AfxLinuxFontFamily(AfxResourceText(dialog.fontName)).Bytes(), dialog.pointSize};
    auto found = m_baseUnits.find(key);
    if (found == m_baseUnits.end())
        found = m_baseUnits.emplace(key, WxDialogFont::BaseUnits(WxDialogFont::FontOf(dialog))).first;
    return found->second;
}

int WxUiHost::MessageBox(const MessageBoxRequest& request)
{
    // The box waits for a person: the normal cursor over it, the wait cursor again afterwards.
    NormalCursor normal(m_waitCursors);
    return WxMessageBox::Show(OwnerWindow(request.owner), request);
}

void WxUiHost::MessageBeep(UINT) { wxBell(); }

void WxUiHost::ShowWaitCursor(BOOL bShow)
{
    if (bShow) {
        wxBeginBusyCursor();
        ++m_waitCursors;
    } else if (m_waitCursors > 0) {
        wxEndBusyCursor();
        --m_waitCursors;
    }
}

std::string WxUiHost::StartFolder(const CFolderBrowser& browser)
{
    if (!browser.GetSelection().IsEmpty())
        return WinPathToLinux(browser.GetSelection());
    // With nothing to select, a browser rooted at My Computer opens at the drives' stand-in.
    return browser.GetRootFolder() == CSIDL_DRIVES ? MyComputerFolder() : std::string();
}

BOOL WxUiHost::BrowseForFolder(CFolderBrowser& browser, CString& chosenPath)
{
    std::string start = StartFolder(browser);
    CString title = browser.GetTitle().IsEmpty() ? CString("フォルダの参照") : browser.GetTitle();
    std::optional<std::string> chosen = ChooseFolder(OwnerWindow(browser.GetOwnerWindow()), WxText::ToWx(title), start);
    if (!chosen)
        return FALSE;
    CString path(LinuxPathToWin(*chosen));
    // The browser's callback hears the person's selection before the browser closes.
    browser.SelectFolder(path);
    chosenPath = path;
    return TRUE;
}

INT_PTR WxUiHost::RunFileDialog(CFileDialog& dialog)
{
    bool open = dialog.IsOpenDialog() != FALSE;
    LPCTSTR title = dialog.m_ofn.lpstrTitle ? dialog.m_ofn.lpstrTitle : (open ? "ファイルを開く" : "名前を付けて保存");
    FileChoice choice{open,
                      WxText::ToWx(title),
                      dialog.m_ofn.lpstrInitialDir ? WinPathToLinux(dialog.m_ofn.lpstrInitialDir) : std::string(),
                      WxText::ToWx(dialog.GetInitialFileName()),
                      AfxWxWildcard(dialog.GetFilter(), open),
                      (dialog.m_ofn.Flags & OFN_FILEMUSTEXIST) != 0,
                      (dialog.m_ofn.Flags & OFN_OVERWRITEPROMPT) != 0};
    std::optional<std::string> chosen = ChooseFile(OwnerWindow(dialog.m_ofn.hwndOwner), choice);
    if (!chosen)
        return IDCANCEL;
    dialog.SetChosenPath(CString(LinuxPathToWin(*chosen)));
    return IDOK;
}

INT_PTR WxUiHost::RunPrintDialog(CPrintDialog& dialog)
{
    PrinterChoice choice{WxText::ToWx(dialog.GetDeviceName()), dialog.m_pd.nCopies, dialog.m_pd.nMinPage,
                         dialog.m_pd.nMaxPage};
    if (!ChoosePrinter(OwnerWindow(dialog.m_pd.hwndOwner), choice))
        return IDCANCEL;
    dialog.SetDeviceName(WxText::FromWx(choice.printer));
    dialog.m_pd.nCopies = static_cast<WORD>(choice.copies);
    return IDOK;
}

int WxUiHost::ShellExecute(const ShellExecuteRequest& request)
{
    if (!request.operation.IsEmpty() && request.operation.CompareNoCase("open") != 0)
        return kNoAssociation;
    CString file = request.file;
    if (!request.directory.IsEmpty() && IsRelative(file))
        file = request.directory + (request.directory.Right(1) == "\\" ? "" : "\\") + file;
    std::string path = WinPathToLinux(file);
    if (::access(path.c_str(), F_OK) != 0)
        return kFileNotFound;
    return LaunchOpener(path) ? kStarted : kNoAssociation;
}

CString WxUiHost::GetClipboardText()
{
    wxClipboardLocker locker;
    if (!locker)
        return UiHost::GetClipboardText();
    wxTextDataObject data;
    if (!wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || !wxTheClipboard->GetData(data))
        return CString();
    return WxText::FromWx(data.GetText());
}

void WxUiHost::SetClipboardText(const CString& text)
{
    wxClipboardLocker locker;
    if (!locker) {
        UiHost::SetClipboardText(text);
        return;
    }
    wxTheClipboard->SetData(new wxTextDataObject(WxText::ToWx(text)));
}

std::optional<std::string> WxUiHost::ChooseFolder(wxWindow* owner, const wxString& title, const std::string& start)
{
    auto refuse = [&title](wxWindow& chooser, const std::string& linuxPath, WxFolderDialog::Refused why) {
        CString text = "フォルダ【" + CString(LinuxPathToWin(linuxPath)) + "】";
        if (why == WxFolderDialog::Refused::noFolder)
            text += "は存在しません。\n存在するフォルダを選んでください。";
        else
            text += "の名前に、Windowsのパスに使えない文字が含まれています。\n別のフォルダを選んでください。";
        WxMessageBox::Show(&chooser, {nullptr, text, WxText::FromWx(title), MB_OK | MB_ICONEXCLAMATION});
    };
    WxFolderDialog dialog(owner, title, start, refuse);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return WxText::ToLinuxPath(dialog.GetPath());
}

std::optional<std::string> WxUiHost::ChooseFile(wxWindow* owner, const FileChoice& choice)
{
    long style = choice.open ? (wxFD_OPEN | (choice.mustExist ? wxFD_FILE_MUST_EXIST : 0))
                             : (wxFD_SAVE | (choice.overwritePrompt ? wxFD_OVERWRITE_PROMPT : 0));
    wxFileDialog dialog(owner, choice.title, WxText::FromLinuxPath(choice.folder), choice.fileName, choice.wildcard,
                        style);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return WxText::ToLinuxPath(dialog.GetPath());
}

bool WxUiHost::ChoosePrinter(wxWindow* owner, PrinterChoice& choice)
{
    PrinterBackend* backend = GetPrinterBackend();
    std::vector<PrinterInfo> printers = backend ? backend->Printers() : std::vector<PrinterInfo>();
    CString current = WxText::FromWx(choice.printer);
    if (current.IsEmpty() && backend)
        current = backend->DefaultPrinter();
    WxPrinterDialog dialog(owner, printers, current, choice.copies);
    if (dialog.ShowModal() != wxID_OK || dialog.GetPrinter().IsEmpty())
        return false;
    choice.printer = WxText::ToWx(dialog.GetPrinter());
    choice.copies = dialog.GetCopies();
    return true;
}

bool WxUiHost::LaunchOpener(const std::string& linuxPath)
{
    const char* command[] = {"xdg-open", linuxPath.c_str(), nullptr};
    return wxExecute(command, wxEXEC_ASYNC) > 0;
}

namespace {

// The pattern with each ASCII letter as a class of both its cases ("*.bmp" gives "*.[bB][mM][pP]"),
// for GTK matches patterns with case where Windows does not.
wxString AnyCasePattern(const wxString& pattern)
{
    wxString result;
    for (wxUniChar c : pattern) {
        if (c.IsAscii() && wxIsalpha(c))
            result << '[' << wxTolower(c) << wxToupper(c) << ']';
        else
            result << c;
    }
    return result;
}

} // namespace

wxString AfxWxWildcard(const CString& filter, bool anyCase)
{
    CString pairs = filter;
    while (pairs.Right(1) == "|")
        pairs = pairs.Left(pairs.GetLength() - 1);
    // Fields alternate: a name, then its patterns; only the patterns change.
    wxArrayString fields = wxSplit(WxText::ToWx(pairs), '|', 0);
    for (size_t i = 1; i < fields.size(); i += 2) {
        fields[i].Replace("*.*", "*");
        if (anyCase)
            fields[i] = AnyCasePattern(fields[i]);
    }
    return wxJoin(fields, '|', 0);
}
