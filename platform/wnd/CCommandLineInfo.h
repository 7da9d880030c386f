// What the framework's standard parsing finds on the command line: a file to open, or to
// print (/p file, /pt file printer driver port); otherwise a new document.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CCommandLineInfo : public CObject {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, FileNothing = -1 };

    // One argument; bFlag when it began with "/" or "-" (which is not part of it).
    virtual void ParseParam(LPCTSTR lpszParam, BOOL bFlag, BOOL bLast);
    // True when the flag (without its "/" or "-") is one that ParseParam knows.
    static BOOL IsStandardFlag(LPCTSTR lpszParam);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};
