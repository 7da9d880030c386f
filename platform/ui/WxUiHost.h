// The user-interface host with real windows over wx (GTK 3). It gives the dialog objects that
// are shown their peers (a wx dialog with a wx control per control object) and keeps them in
// line with the objects; windows that are never shown (hidden frames, their bars and views)
// get none. Message boxes, the folder browser and the file and print dialogs are wx dialogs,
// the shell's "open" is xdg-open, and the dialog base units come from the template's real
// font. Text crosses into wx through WxText only.
#pragma once

#include "platform/wnd/UiHost.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <wx/string.h>

class WxDialogPeer;
class WxPeer;
class wxIdleEvent;
class wxWindow;

class WxUiHost : public UiHost {
public:
    // Needs a running wx application (WxSession starts one).
    WxUiHost();
    // Destroys the peers that are left; wx deletes their windows when it is next idle or ends.
    ~WxUiHost() override;
    WxUiHost(const WxUiHost&) = delete;
    WxUiHost& operator=(const WxUiHost&) = delete;

    int MessageBox(const MessageBoxRequest& request) override;
    void MessageBeep(UINT type) override;
    // The wait cursor shows over every window but a message box, which waits for an answer.
    void ShowWaitCursor(BOOL bShow) override;
    BOOL BrowseForFolder(CFolderBrowser& browser, CString& chosenPath) override;
    INT_PTR RunFileDialog(CFileDialog& dialog) override;
    INT_PTR RunPrintDialog(CPrintDialog& dialog) override;
    int ShellExecute(const ShellExecuteRequest& request) override;
    void RunModalLoop(CDialog& dialog) override;
    CString GetClipboardText() override;
    void SetClipboardText(const CString& text) override;
    void WindowChanged(CWnd& wnd, UINT aspects) override;
    // Paints the peer's pending changes now, without handling anything a person does meanwhile.
    void UpdateWindow(CWnd& wnd) override;
    // The key and mouse events waiting in the display's queue are taken from it and handled as
    // if every window had handled them, which none sees; the other events stay queued.
    void DiscardInput() override;
    void WindowDestroyed(CWnd& wnd) override;
    SIZE DialogBaseUnits(const DialogResource& dialog) override;

    // The wx window of a window object, or null when it has none.
    wxWindow* PeerWindow(const CWnd& wnd) const;
    // The peers of live windows.
    size_t PeerCount() const { return m_peers.size(); }

    // For the peers: runs what a person did, then shows the acting window's state again and
    // ends a modal run that the action finished.
    void RunPersonAction(HWND hWnd, const std::function<void()>& action);
    // Some peer has changes that wait until wx is idle.
    void MirrorWhenIdle() { m_mirrorWhenIdle = true; }

    // What the native file and print dialogs are asked, and the print dialog answers.
    struct FileChoice {
        bool open;
        wxString title;
        std::string folder; // Linux path, or empty
        wxString fileName;
        wxString wildcard;
        bool mustExist;
        bool overwritePrompt;
    };
    struct PrinterChoice {
        wxString printer;
        int copies;
        int minPage;
        int maxPage;
    };

protected:
    // The native dialogs: each gives the chosen Linux path, or nothing when cancelled.
    virtual std::optional<std::string> ChooseFolder(wxWindow* owner, const wxString& title, const std::string& start);
    virtual std::optional<std::string> ChooseFile(wxWindow* owner, const FileChoice& choice);
    // True with the printer and copies chosen (WxPrinterDialog over the installed printers).
    virtual bool ChoosePrinter(wxWindow* owner, PrinterChoice& choice);
    // Starts the desktop's opener of a file (xdg-open) without waiting for it; false when it
    // could not be started.
    virtual bool LaunchOpener(const std::string& linuxPath);

    // The wx window that owns what a window object owns, or null.
    wxWindow* OwnerWindow(HWND owner) const;

private:
    // The Linux folder a folder browser opens at, or "" for the chooser's own choice.
    static std::string StartFolder(const CFolderBrowser& browser);
    WxPeer* PeerOf(HWND hWnd) const;
    bool WantsPeer(const CWnd& wnd) const;
    // The peer of a window and of its children, or null for a window that gets none.
    WxPeer* MakePeers(CWnd& wnd);
    WxPeer* MakePeer(CWnd& wnd);
    void OnIdle(wxIdleEvent& event);
    void EndFinishedModal();
    void FlushDeferred();
    void DeleteRetired();

    std::unordered_map<HWND, std::unique_ptr<WxPeer>> m_peers;
    std::vector<std::unique_ptr<WxPeer>> m_retired; // of windows that are gone, deleted when idle
    std::vector<WxDialogPeer*> m_modal;             // the dialogs in a modal run, innermost last
    std::map<std::pair<std::string, int>, SIZE> m_baseUnits;
    int m_waitCursors = 0;
    int m_personActions = 0; // person's actions running
    bool m_mirrorWhenIdle = false;
};

// Converts the filter of a file dialog ("name|pattern|...||") to a wx wildcard: the same pairs,
// with the pattern "*.*" as "*" (GTK would match only names with a dot). With anyCase (the open
// dialogs) each pattern matches names in any case, as on Windows.
wxString AfxWxWildcard(const CString& filter, bool anyCase);
