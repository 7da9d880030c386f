#include "platform/ui/WxSession.h"

#include "platform/gdi/CupsPrinters.h"
#include "platform/ui/WxUiHost.h"
#include "platform/wnd/CWinApp.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {
// The application wx needs: it leaves the command line to the application object, and sends
// wx's own complaints to standard error, where no one has to answer them.
class WxApp : public wxApp {
public:
    bool OnInit() override { return true; }
    void OnAssertFailure(const wxChar* file, int line, const wxChar* func, const wxChar* cond,
                         const wxChar* msg) override
    {
        std::fprintf(stderr, "wx: %s (%s:%d %s) %s\n", wxString(cond).utf8_str().data(),
                     wxString(file).utf8_str().data(), line, wxString(func).utf8_str().data(),
                     wxString(msg).utf8_str().data());
    }
};
} // namespace

WxSession::WxSession(int& argc, char** argv)
{
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new WxApp);
    m_started = wxEntryStart(argc, argv);
    if (!m_started || !wxTheApp->CallOnInit())
        return;
    m_host = std::make_unique<WxUiHost>();
    m_previous = UiHost::Install(m_host.get());
    m_printers = std::make_unique<CupsPrinters>();
    m_previousPrinters = InstallPrinterBackend(m_printers.get());
}

WxSession::~WxSession()
{
    if (m_printers)
        InstallPrinterBackend(m_previousPrinters);
    m_printers.reset();
    if (m_host)
        UiHost::Install(m_previous);
    m_host.reset();
    if (m_started)
        wxEntryCleanup();
    else
        delete wxLog::SetActiveTarget(nullptr);
}

int AfxWxMain(int argc, char* argv[])
{
    if (int status = AfxCheckCommandLine(argc, argv); status >= 0)
        return status;
    WxSession session(argc, argv);
    if (!session.IsRunning()) {
        std::fprintf(stderr, "No display: the program needs an X display (DISPLAY).\n");
        return 1;
    }
    return AfxWinMain(argc, argv);
}
