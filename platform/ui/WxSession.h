// The program's run over wx (GTK 3): starts wx on the display, installs the host with real
// windows and the printers over CUPS, and at the end takes them down again, so that no window
// outlives the run.
#pragma once

#include <memory>

class CupsPrinters;
class PrinterBackend;
class UiHost;
class WxUiHost;

class WxSession {
public:
    // argc and argv lose the options that GTK takes for itself.
    WxSession(int& argc, char** argv);
    ~WxSession();
    WxSession(const WxSession&) = delete;
    WxSession& operator=(const WxSession&) = delete;

    // False when wx could not start (no display).
    bool IsRunning() const { return m_host != nullptr; }
    WxUiHost& Host() { return *m_host; }

private:
    std::unique_ptr<WxUiHost> m_host;
    UiHost* m_previous = nullptr;
    std::unique_ptr<CupsPrinters> m_printers;
    PrinterBackend* m_previousPrinters = nullptr;
    bool m_started = false;
};

// The program's main: answers --help and refuses an unknown option before anything starts
// (AfxCheckCommandLine), starts wx, runs the application object (AfxWinMain) and returns its exit
// code: 0 when InitInstance ends the program by returning FALSE. Without a display it says so
// and returns 1.
int AfxWxMain(int argc, char* argv[]);
