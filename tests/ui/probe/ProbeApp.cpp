// A program on the real main whose start-up shows a modeless dialog and returns FALSE; it reports what it saw.
#include "tests/ui/UiTestResources.h"

#include "platform/ui/WxUiHost.h"
#include "platform/wnd/Afxwin.h"

#include <cstdio>

#include <wx/toplevel.h>

namespace {

class ProbeApp : public CWinApp {
public:
    ~ProbeApp() override { std::printf("top-level windows left: %zu\n", wxTopLevelWindows.GetCount()); }

    BOOL InitInstance() override
    {
        SetDialogBkColor(RGB(231, 236, 249));
        CFrameWnd* frame = new CFrameWnd;
        frame->Create(nullptr, "main");
        m_pMainWnd = frame;
        m_notice.Create(IDD_NOTICE, frame);
        m_notice.ShowWindow(SW_SHOW);
        WxUiHost* host = dynamic_cast<WxUiHost*>(&UiHost::Current());
        wxWindow* notice = host ? host->PeerWindow(m_notice) : nullptr;
        std::printf("host: %s\n", host ? "wx" : "other");
        std::printf("frame window: %s\n", host && host->PeerWindow(*frame) ? "yes" : "no");
        std::printf("dialog window shown: %s\n", notice && notice->IsShown() ? "yes" : "no");
        std::printf("command line: %s\n", m_lpCmdLine);
        return FALSE;
    }

private:
    CDialog m_notice;
};

ProbeApp theApp;

} // namespace
