#include "print/MPrintFileset.h"

#include "platform/wnd/CDC.h"
#include "platform/wnd/CWnd.h"

IMPLEMENT_DYNAMIC(MPrintFileset, CObject)

MPrintFileset::MPrintFileset(LPCTSTR fileName) : m_fileName(fileName) {}

MPrintFileset::~MPrintFileset() = default;

void MPrintFileset::Close()
{
    if (!m_file)
        return;
    m_file->Close();
    m_file.reset();
}

int MPrintFileset::StartDoc(int notify)
{
    CString name = m_fileName;
    DOCINFO info{20, name, nullptr, nullptr, 0};
    if (m_pDC->StartDoc(&info) == SP_ERROR)
        return 0;
    m_docStarted = true;
    if (notify)
        OnStartDoc(name);
    return 1;
}

int MPrintFileset::EndDoc()
{
    if (m_docStarted)
        m_pDC->EndDoc();
    m_docStarted = false;
    return 1;
}

CString MPrintFileset::PageLabel(int page, int total)
{
    CString label;
    if (total)
        label.Format("%d / %d ﾍﾟｰｼﾞ", page, total);
    else
        label.Format("%d ﾍﾟｰｼﾞ", page);
    return label;
}

void MPrintFileset::ReleaseStatus()
{
    if (!m_status)
        return;
    m_status->DestroyWindow();
    m_status.reset();
}

int MPrintFileset::Begin(CDC* pDC, int param)
{
    if (!pDC)
        return 0;
    m_pDC = pDC;
    m_param = param;
    m_file.reset();
    CFile* file = Open();
    if (!file)
        return 0;
    if (file != m_file.get())
        m_file.reset(file);
    return StartDoc(1);
}

int MPrintFileset::Finish()
{
    EndDoc();
    Close();
    ReleaseStatus();
    return 1;
}

int MPrintFileset::SetPaper(short orientation, short paperSize)
{
    if (!m_pDC || (orientation == m_pDC->GetOrientation() && paperSize == m_pDC->GetPaperSize()))
        return 0;
    DEVMODE mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
    mode.dmPaperSize = paperSize;
    mode.dmOrientation = orientation;
    return m_pDC->ResetDC(&mode) ? 1 : 0;
}
