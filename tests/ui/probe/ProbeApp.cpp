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
        std::printf("host: %s\nframe window: %s\ndialog window shown: %s\ncommand line: %s\n", host ? "wx" : "other",
                    host && host->PeerWindow(*frame) ? "yes" : "no", notice && notice->IsShown() ? "yes" : "no",
                    static_cast<const char*>(m_lpCmdLine));
        return FALSE;
    }

private:
    CDialog m_notice;
};

ProbeApp theApp;

} // namespace
