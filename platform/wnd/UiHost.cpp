#include "platform/wnd/UiHost.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/Resources.h"

#include <cstdio>

namespace {
UiHost* installedHost = nullptr;

// Without a display nobody can answer.
constexpr int kNoAssociation = 31;
} // namespace

int UiHost::MessageBox(const MessageBoxRequest& request)
{
    std::fprintf(stderr, "[%s] %s\n", cp932::ToUtf8(request.caption.Bytes()).c_str(),
                 cp932::ToUtf8(request.text.Bytes()).c_str());
    return AfxDefaultMessageBoxButton(request.type);
}

BOOL UiHost::BrowseForFolder(CFolderBrowser&, CString&) { return FALSE; }

INT_PTR UiHost::RunFileDialog(CFileDialog&) { return IDCANCEL; }

INT_PTR UiHost::RunPrintDialog(CPrintDialog&) { return IDCANCEL; }

int UiHost::ShellExecute(const ShellExecuteRequest&) { return kNoAssociation; }

void UiHost::RunModalLoop(CDialog& dialog) { dialog.EndDialog(-1); }

UINT UiHost::TrackPopupMenu(CMenu&, UINT, int, int, CWnd&) { return 0; }

SIZE UiHost::DialogBaseUnits(const DialogResource& dialog) { return AfxFixedDialogBaseUnits(dialog); }

UiHost& UiHost::Current()
{
    static UiHost defaultHost;
    return installedHost ? *installedHost : defaultHost;
}

UiHost* UiHost::Install(UiHost* host)
{
    UiHost* previous = installedHost;
    installedHost = host;
    AfxInstallWindowMessageBox();
    return previous;
}

void AfxDiscardPendingInput() { UiHost::Current().DiscardInput(); }
