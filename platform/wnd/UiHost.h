// The seams between the window objects and a person. Everything that would show a window of
// its own and wait for an answer (message boxes, the folder browser, the file and print
// dialogs, a popup menu, the loop of a modal dialog), the beeps, the shell's "open" and the
// clipboard go through the installed host.
//
// The default host has no display and never waits: a message box answers with its default
// button (and is written to standard error), pickers and dialogs are cancelled, a modal dialog
// ends at once with -1, the shell opens nothing. The user-interface half installs a host with
// real windows; tests install one that answers from a script and records what was asked.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

#include <vector>

class CDialog;
class CFileDialog;
class CFolderBrowser;
class CMenu;
class CPrintDialog;
class CWnd;
struct DialogResource;

// A message box as the user would see it: the effective caption, never null.
struct MessageBoxRequest {
    HWND owner;
    CString text;
    CString caption;
    UINT type; // MB_ buttons, icon, default button and modality
};

// The shell's ShellExecute.
struct ShellExecuteRequest {
    HWND owner;
    CString operation;
    CString file;
    CString parameters;
    CString directory;
    int showCommand;
};

// The aspects of a window's state that WindowChanged reports.
enum WndAspect : UINT {
    WndText = 0x01,     // window text
    WndStyle = 0x02,    // shown, enabled and other style bits
    WndPosition = 0x04, // position and size
    WndContent = 0x08,  // items, columns, limits
    WndSelection = 0x10,
    WndCheck = 0x20,
    WndFocus = 0x40,
    WndMenu = 0x80
};

class UiHost {
public:
    virtual ~UiHost() = default;

    // The button pressed: IDOK, IDCANCEL, IDYES, IDNO ...
    virtual int MessageBox(const MessageBoxRequest& request);
    virtual void MessageBeep(UINT type) {}
    // The wait cursor goes on (long work begins) or off.
    virtual void ShowWaitCursor(BOOL bShow) {}
    // TRUE with the chosen folder (a Windows path) in chosenPath, or FALSE when cancelled.
    virtual BOOL BrowseForFolder(CFolderBrowser& browser, CString& chosenPath);
    // IDOK after setting the dialog's chosen path, or IDCANCEL.
    virtual INT_PTR RunFileDialog(CFileDialog& dialog);
    // IDOK after setting the chosen printer, or IDCANCEL.
    virtual INT_PTR RunPrintDialog(CPrintDialog& dialog);
    // A value above 32 on success, else an error code.
    virtual int ShellExecute(const ShellExecuteRequest& request);
    // Runs the modal dialog until it has ended (CDialog::ContinueModal is FALSE).
    virtual void RunModalLoop(CDialog& dialog);
    // The command chosen from a popup menu, or 0.
    virtual UINT TrackPopupMenu(CMenu& menu, UINT flags, int x, int y, CWnd& owner);
    virtual CString GetClipboardText() { return m_clipboard; }
    virtual void SetClipboardText(const CString& text) { m_clipboard = text; }
    // A live window's state changed; what changed is a set of WndAspect bits.
    virtual void WindowChanged(CWnd& wnd, UINT aspects) {}
    // A live window is to show its state at once (CWnd::UpdateWindow).
    virtual void UpdateWindow(CWnd& wnd) {}
    // What a person typed or clicked that the windows have not handled yet is dropped.
    virtual void DiscardInput() {}
    // The window of wnd is being destroyed; the object may outlive it.
    virtual void WindowDestroyed(CWnd& wnd) {}
    // The dialog base units of a template's font in pixels: cx the average character width, cy
    // the character height. The default has no display and uses fixed 96-dpi metrics.
    virtual SIZE DialogBaseUnits(const DialogResource& dialog);

    // The installed host, or the default one.
    static UiHost& Current();
    // Installs a host (null: the default again) and returns the one it replaces (null for the
    // default). Message boxes go to the host from then on.
    static UiHost* Install(UiHost* host);

private:
    CString m_clipboard;
};

// Drops the keys pressed and the clicks made that the windows have not handled yet, such as
// those given while the program was busy with the wait cursor showing, so that they do not
// answer what it shows next.
void AfxDiscardPendingInput();
