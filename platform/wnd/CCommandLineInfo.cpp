#include "platform/wnd/CCommandLineInfo.h"

BOOL CCommandLineInfo::IsStandardFlag(LPCTSTR lpszParam)
{
    CCommandLineInfo parsed;
    parsed.ParseParam(lpszParam, TRUE, TRUE);
    return parsed.m_nShellCommand != FileNew || parsed.m_bRunEmbedded || parsed.m_bRunAutomated;
}

void CCommandLineInfo::ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL)
{
    CString param(lpszParam);
    if (bFlag) {
        if (param.CompareNoCase("pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (param.CompareNoCase("p") == 0)
            m_nShellCommand = FilePrint;
        else if (param.CompareNoCase("dde") == 0)
            m_nShellCommand = FileDDE;
        else if (param.CompareNoCase("Embedding") == 0)
            m_bRunEmbedded = TRUE;
        else if (param.CompareNoCase("Automation") == 0)
            m_bRunAutomated = TRUE;
        if (m_bRunEmbedded || m_bRunAutomated)
            m_bShowSplash = FALSE;
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = param;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        m_bShowSplash = FALSE;
    } else if (m_nShellCommand == FilePrintTo) {
        if (m_strPrinterName.IsEmpty())
            m_strPrinterName = param;
        else if (m_strDriverName.IsEmpty())
            m_strDriverName = param;
        else if (m_strPortName.IsEmpty())
            m_strPortName = param;
    }
}
