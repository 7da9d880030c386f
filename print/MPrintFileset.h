// One file to be printed in one format. The order is fixed: Begin opens the file and starts the
// print document, Print makes the pages, Finish ends the document and closes the file. The kinds
// decide how the file's bytes become pages. Operations give 1 on success and 0 on failure and
// report nothing, unless a kind says otherwise.
#pragma once

#include "platform/core/CString.h"
#include "platform/files/CFile.h"

#include <memory>

class CDC;
class CWnd;

class MPrintFileset : public CObject {
    DECLARE_DYNAMIC(MPrintFileset)
public:
    explicit MPrintFileset(LPCTSTR fileName);
    ~MPrintFileset() override;
    MPrintFileset(const MPrintFileset&) = delete;
    MPrintFileset& operator=(const MPrintFileset&) = delete;

    virtual int Print() = 0;
    virtual int Prepare() { return 1; }
    // Prints one page of the file; the base prints nothing.
    virtual int PrintPage(int page) { return 1; }
    // The file opened for reading; null when it cannot be opened. The file set owns it.
    virtual CFile* Open() = 0;
    virtual void Close();
    // Starts the print document named after the file on the device context; 0 when the device
    // refuses it. notify: call OnStartDoc.
    virtual int StartDoc(int notify);
    // Ends the document that StartDoc started; nothing when none was started.
    virtual int EndDoc();
    virtual void OnStartDoc(LPCTSTR name) {}
    // "page / total ﾍﾟｰｼﾞ" (or "page ﾍﾟｰｼﾞ" without a total), shown nowhere.
    virtual CString PageLabel(int page, int total);
    virtual void ReleaseStatus();

    // 0 without a device context or when the file cannot be opened or the document started.
    int Begin(CDC* pDC, int param);
    // Ends the document (when one was started), closes the file and releases the status window.
    int Finish();
    // Sets the paper size and orientation (DMPAPER_, DMORIENT_ codes) of the pages that follow on
    // this job's device context; the application's printer defaults stay as they are. 1 when
    // anything changed.
    int SetPaper(short orientation, short paperSize);

    void SetPrintToDevice(int flag) { m_printToDevice = flag; }
    int GetPrintToDevice() const { return m_printToDevice; }
    const CString& GetFileName() const { return m_fileName; }
    void SetKindName(LPCTSTR name) { m_kindName = name; }
    const CString& GetKindName() const { return m_kindName; }
    CDC* GetDC() const { return m_pDC; }
    CFile* GetFile() const { return m_file.get(); }
    // Whether StartDoc succeeded and EndDoc has not yet run.
    bool IsDocStarted() const { return m_docStarted; }

protected:
    void SetDocStarted(bool started) { m_docStarted = started; }

    int m_printToDevice = 0;
    CDC* m_pDC = nullptr;
    int m_param = 0;
    std::unique_ptr<CFile> m_file;
    CString m_fileName;
    int m_copies = 1;
    int m_firstPage = 1;
    int m_lastPage = 9999;
    int m_currentPage = 1;
    CString m_kindName;
    std::unique_ptr<CWnd> m_status;

private:
    bool m_docStarted = false;
};
