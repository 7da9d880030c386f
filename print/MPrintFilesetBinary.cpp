#include "print/MPrintFilesetBinary.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/core/WinError.h"
#include "platform/wnd/CPrintDialog.h"
#include "platform/wnd/CWinApp.h"

#include <vector>

IMPLEMENT_DYNAMIC(MPrintFilesetBinary, MPrintFileset)

namespace {

const char RetryQuestion[] =
    "暫く待ってから「再試行」して下さい。\n「キャンセル」をクリックすると印刷を中断します。";

// The device of the application's printer settings; without an application, the default printer.
CString DefaultPrinterName()
{
    PRINTDLG settings{};
    if (CWinApp* app = AfxGetApp(); app && app->GetPrinterDeviceDefaults(&settings)) {
        CString device = AfxDevNamesDevice(settings.hDevNames);
        GlobalFree(settings.hDevMode);
        GlobalFree(settings.hDevNames);
        return device;
    }
    DWORD size = 0;
    GetDefaultPrinter(nullptr, &size);
    if (size == 0)
        return CString();
    std::vector<char> name(size);
    return GetDefaultPrinter(name.data(), &size) ? CString(name.data()) : CString();
}

} // namespace

MPrintFilesetBinary::MPrintFilesetBinary(LPCTSTR fileName) : MPrintFileset(fileName) {}

MPrintFilesetBinary::~MPrintFilesetBinary() { ClosePrinterHandle(); }

CFile* MPrintFilesetBinary::Open()
{
    auto file = std::make_unique<CFile>();
    if (!file->Open(m_fileName, CFile::modeRead | CFile::typeBinary | CFile::shareDenyNone))
        return nullptr;
    return file.release();
}

int MPrintFilesetBinary::StartDoc(int notify)
{
    CString name = m_fileName;
    if (notify)
        OnStartDoc(name);
    if (!OpenPrinter(DefaultPrinterName(), &m_printer, nullptr)) {
        AfxMessageBox("OpenPrinter Error", MB_OK);
        return 0;
    }
    DOC_INFO_1 info{name, nullptr, "RAW"};
    // The spooler's wait becomes the question at once: nothing sleeps on this thread.
    for (SetLastError(ERROR_SUCCESS); !StartDocPrinter(m_printer, 1, &info); SetLastError(ERROR_SUCCESS)) {
        if (GetLastError() == ERROR_CANCELLED || AfxMessageBox(RetryQuestion, MB_RETRYCANCEL | MB_ICONQUESTION) != IDRETRY) {
            ClosePrinterHandle();
            return 0;
        }
    }
    SetDocStarted(true);
    return 1;
}

int MPrintFilesetBinary::Print()
{
    if (!m_file || !m_printer || !IsDocStarted())
        return 0;
    std::vector<char> block(BlockSize);
    for (;;) {
        UINT count = m_file->Read(block.data(), BlockSize);
        if (count == 0)
            return 1;
        OnBlock(count, block.data());
        DWORD written = 0;
        if (!WritePrinter(m_printer, block.data(), count, &written) || written != count) {
            AbortPrinter(m_printer);
            SetDocStarted(false);
            return 0;
        }
    }
}

int MPrintFilesetBinary::EndDoc()
{
    if (m_printer && IsDocStarted())
        EndDocPrinter(m_printer);
    SetDocStarted(false);
    ClosePrinterHandle();
    return 1;
}

void MPrintFilesetBinary::ClosePrinterHandle()
{
    if (m_printer)
        ClosePrinter(m_printer);
    m_printer = nullptr;
}
