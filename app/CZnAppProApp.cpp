#include "app/CZnAppProApp.h"

#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CZnAppProDoc.h"
#include "app/CZnAppProView.h"
#include "app/ZnFvAppCAFM11.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "app/ZnFvAppCAFM16.h"
#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "app/ZnFvAppCAFM51.h"
#include "app/ZnFvAppCAFM52.h"
#include "app/ZnFvAppCAFM53.h"
#include "app/ZnFvAppCAFM54.h"
#include "app/ZnFvAppCAFM55.h"
#include "app/ZnFvAppCAHJ0100.h"
#include "editors/ZnFvAppCACM01.h"
#include "editors/ZnFvAppCACM02.h"
#include "editors/ZnFvAppCACM03.h"
#include "editors/ZnFvAppCACM04.h"
#include "editors/ZnFvAppCACM05.h"
#include "editors/ZnFvAppCACM06.h"
#include "editors/ZnFvAppCACM07.h"
#include "editors/ZnFvAppCACM08.h"
#include "editors/ZnFvAppCACM09.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileName.h"
#include "platform/files/WinPath.h"
#include "platform/process/WinProcess.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"
#include "shell/ZnDocKindNames.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnRunLog.h"
#include "writers/zip/ZipPacking.h"

#include <cctype>
#include <cstdlib>
#include <new>
#include <vector>

BEGIN_MESSAGE_MAP(CZnAppProApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

namespace {

const char kMainTitle[] = " Orvane for Windows Ver6.10";
const char kAppName[] = "App";
const char kLowMemoryText[] =
    "メモリが不足しています。\nこのまま続けるとプログラムが正常に動作しない可能性があります。\n\n"
    "プログラムを終了してよろしいですか？\n\t[はい]・・・・プログラムを終了する\n"
    "\t[いいえ]・・・プログラムを継続する";

// The form views in the order their templates are created, each with its place: 0 to 12 in the
// members A, 13 to 22 in the members B.
struct FormViewTemplate {
    CRuntimeClass* viewClass;
    int place;
};

const FormViewTemplate formViewTemplates[] = {
    {RUNTIME_CLASS(ZnFvAppCAFM11), 5},  {RUNTIME_CLASS(ZnFvAppCAFM12), 6},    {RUNTIME_CLASS(ZnFvAppCAFM13), 7},
    {RUNTIME_CLASS(ZnFvAppCAFM14), 8},  {RUNTIME_CLASS(ZnFvAppCAFM15), 9},    {RUNTIME_CLASS(ZnFvAppCAFM16), 10},
    {RUNTIME_CLASS(ZnFvAppCAFM51), 0},  {RUNTIME_CLASS(ZnFvAppCAFM52), 1},    {RUNTIME_CLASS(ZnFvAppCAFM53), 2},
    {RUNTIME_CLASS(ZnFvAppCAFM54), 3},  {RUNTIME_CLASS(ZnFvAppCAFM55), 4},    {RUNTIME_CLASS(ZnFvAppCAFM31), 11},
    {RUNTIME_CLASS(ZnFvAppCAFM32), 12}, {RUNTIME_CLASS(ZnFvAppCACM01), 13},   {RUNTIME_CLASS(ZnFvAppCACM02), 14},
    {RUNTIME_CLASS(ZnFvAppCACM03), 15}, {RUNTIME_CLASS(ZnFvAppCACM04), 16},   {RUNTIME_CLASS(ZnFvAppCACM05), 17},
    {RUNTIME_CLASS(ZnFvAppCACM06), 18}, {RUNTIME_CLASS(ZnFvAppCACM07), 19},   {RUNTIME_CLASS(ZnFvAppCACM08), 20},
    {RUNTIME_CLASS(ZnFvAppCACM09), 21}, {RUNTIME_CLASS(ZnFvAppCAHJ0100), 22},
};

// Replaces one of the application's names by a copy of text.
void ReplaceName(LPCTSTR& name, LPCTSTR text)
{
    std::free(const_cast<char*>(name));
    name = _tcsdup(text);
}

// The number that the leading decimal digits of text make; 0 when it starts with none.
int LeadingNumber(const CString& text)
{
    int number = 0;
    for (int i = 0; i < text.GetLength() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        number = number * 10 + (text[i] - '0');
    return number;
}

// Leaves the document as for a missing file: an empty application and no per-kind objects, and
// no file to save it to.
void EmptyDocument(CZnAppProDoc& document)
{
    document.SetPathName("", FALSE);
    document.DeleteFormModel();
    document.DeleteSubFormModel();
    document.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
}

// Puts a new empty application into slot 1 and new empty objects of the document kind's classes
// into slots 2 and 3 (none for a code that has no model objects), so that nothing of the document
// loaded before stays, not even when the file holds nothing (an empty file loads as an empty
// document).
void PrepareKindModels(CZnAppProDoc& document, int docKindCode)
{
    const ZnModelDocKind* kind = ZnModelDocKinds::Find(docKindCode);
    document.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
    document.ReplaceModel(CZnAppProDoc::formModel, kind ? ZnModelDocKinds::CreateSlotObject(kind->formClass) : nullptr);
    document.ReplaceModel(CZnAppProDoc::subFormModel,
                          kind ? ZnModelDocKinds::CreateSlotObject(kind->subFormClass) : nullptr);
}

// A document that is not loaded, in the run log of the migration export, which calls the loader.
void LogLoadError(const CString& message)
{
    ZnRunLog::Write(ZnRunLog::levelError, message, "ZnDlgAppSelectObjDialog.cpp", "ExportBukkenInfo()");
}

} // namespace

CZnAppProApp::CZnAppProApp() { ZnShellState::SetCurrent(this); }

CZnAppProApp::~CZnAppProApp()
{
    if (ZnShellState::Current() == this)
        ZnShellState::SetCurrent(nullptr);
}

CZnAppProApp* ZnGetApp() { return dynamic_cast<CZnAppProApp*>(AfxGetApp()); }

BOOL CZnAppProApp::InitInstance()
{
    AfxEnableControlContainer();
    m_strComFolder = m_strObjFolder = m_strAppFolder = "";
    m_strChiikiShitei = m_strShoruiShubetsu = m_strBukkenName = "";
    SetInstallPathReader(GetInstallPath);
    Enable3dControls();
    SetDialogBkColor(RGB(231, 236, 249), RGB(0, 0, 0));
    ReplaceName(m_pszProfileName, kAppName);
    ReplaceName(m_pszAppName, kAppName);
    ReplaceName(m_pszExeName, kAppName);
    if (!CheckMemory())
        return FALSE;
    CreateDocTemplates();

    CMainFrame* frame = new CMainFrame;
    // A frame that fails to load has deleted itself.
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = frame;
    InitCodeTables();

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (ProcessShellCommand(commandLine)) {
        SetMainTitle();
        frame->ShowWindow(SW_HIDE);
        frame->UpdateWindow();
        frame->SwitchMenu(IDC_TOP_SELECTBUKKEN);
    }
    return FALSE;
}

BOOL CZnAppProApp::CheckMemory()
{
    try {
        ProbeMemory(kMemoryProbeBytes);
        return TRUE;
    } catch (CMemoryException* e) {
        e->Delete();
    }
    return AfxMessageBox(kLowMemoryText, MB_YESNO | MB_ICONEXCLAMATION) != IDYES;
}

void CZnAppProApp::ProbeMemory(size_t bytes)
{
    char* probe = nullptr;
    try {
        probe = new char[bytes];
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    delete[] probe;
}

void CZnAppProApp::CreateDocTemplates()
{
    AddDocTemplate(new CMultiDocTemplate(IDR_ZNAPPPTYPE, RUNTIME_CLASS(CZnAppProDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CZnAppProView)));
    for (const FormViewTemplate& form : formViewTemplates) {
        auto* docTemplate = new CMultiDocTemplate(IDR_ZNAPPFORM, RUNTIME_CLASS(CZnAppProDoc),
                                                  RUNTIME_CLASS(CChildFrame), form.viewClass);
        AddDocTemplate(docTemplate);
        if (form.place < kFormTemplateCountA)
            m_pFormTemplatesA[form.place] = docTemplate;
        else
            m_pFormTemplatesB[form.place - kFormTemplateCountA] = docTemplate;
    }
}

CDocTemplate* CZnAppProApp::GetFormTemplate(CRuntimeClass* viewClass) const
{
    for (CMultiDocTemplate* docTemplate : m_pFormTemplatesA)
        if (docTemplate && docTemplate->m_pViewClass == viewClass)
            return docTemplate;
    for (CMultiDocTemplate* docTemplate : m_pFormTemplatesB)
        if (docTemplate && docTemplate->m_pViewClass == viewClass)
            return docTemplate;
    return nullptr;
}

void CZnAppProApp::SetMainTitle()
{
    if (m_pMainWnd)
        m_pMainWnd->SetWindowText(kMainTitle);
}

void CZnAppProApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CZnAppProApp::InitCodeTables() { m_comTblAccess.Init(); }

void CZnAppProApp::CloseCodeTables() { m_comTblAccess.Close(); }

CMainFrame* CZnAppProApp::GetMainFrame() const { return dynamic_cast<CMainFrame*>(m_pMainWnd); }

int CZnAppProApp::GetCurrentPanel() const
{
    CMainFrame* frame = ZnGetMainFrame();
    return frame ? frame->GetCurrentPanel() : -1;
}

void CZnAppProApp::SwitchPanel(int panel)
{
    CMainFrame* frame = ZnGetMainFrame();
    frame->DestroyPanel();
    frame->SetNextPanel(panel);
    frame->CreatePanel();
}

void CZnAppProApp::OpenFormView(int objKind, CRuntimeClass* viewClass)
{
    ZnGetMainFrame()->SetObjKind(objKind);
    if (viewClass)
        ChangeView(GetFormTemplate(viewClass));
}

CZnAppProDoc* CZnAppProApp::GetActiveDocument() const
{
    CMainFrame* frame = GetMainFrame();
    CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
    return child ? dynamic_cast<CZnAppProDoc*>(child->GetActiveDocument()) : nullptr;
}

void CZnAppProApp::ChangeView(CDocTemplate* pTemplate)
{
    CZnAppProDoc* document = GetActiveDocument();
    if (document) {
        // The form view's frame goes; the neutral view keeps the document.
        for (POSITION pos = document->GetFirstViewPosition(); pos;) {
            CView* view = document->GetNextView(pos);
            if (!view->IsKindOf(RUNTIME_CLASS(CZnAppProView))) {
                if (CFrameWnd* frame = view->GetParentFrame())
                    frame->DestroyWindow();
                break;
            }
        }
    }
    if (pTemplate && document) {
        CFrameWnd* frame = pTemplate->CreateNewFrame(document, nullptr);
        if (!frame)
            return;
        pTemplate->InitialUpdateFrame(frame, document, TRUE);
        if (CMainFrame* mainFrame = GetMainFrame())
            mainFrame->MDIMaximize(frame);
    }
    SetMainTitle();
}

int CZnAppProApp::LookupBukkenShousai(int bukkenIndex, int shousaiIndex, CString& codeText, CString& docName,
                                      CString& fileName)
{
    codeText.Empty();
    docName.Empty();
    fileName.Empty();
    CString sql;
    sql.Format("SELECT * FROM AppBukkenShousaiTbl WHERE BukkenIndex = %d AND BukkenShousaiIndex = %d", bukkenIndex,
               shousaiIndex);
    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(GetObjFolder() + GetAppMDB()->GetAppBukkenMdb());
    documents.Open(dbOpenDynaset, sql, 0);
    int formNo = documents.IsEOF() ? -1 : SelectBukkenShousai(documents);
    documents.Close();
    if (formNo >= 0) {
        docName = m_strDocName;
        codeText = m_strDocKindCode;
        fileName = m_strFileName;
    }
    return formNo;
}

int CZnAppProApp::SelectBukkenShousai(const ZnAppBukkenShousaiTblDAO& row)
{
    m_strDocName = row.m_ShinseiShoruiName;
    m_nDocKindCode = static_cast<int>(row.m_ShinseiShubetuCode);
    m_strDocKindCode.Format("%d", m_nDocKindCode);
    m_strFileName = row.m_FileName;
    m_nFormNo = LeadingNumber(m_strFileName.Right(3));
    return m_nFormNo;
}

void CZnAppProApp::SetCurrentDocument(int docKindCode, const CString& title, int formNo)
{
    m_nDocKindCode = docKindCode;
    m_strDocKindCode.Format("%d", docKindCode);
    m_strDocName = title;
    m_nFormNo = formNo;
}

BOOL CZnAppProApp::LoadBukkenDocument()
{
    CString codeText, docName, fileName;
    if (!GetActiveDocument() ||
        LookupBukkenShousai(m_nBukkenIndex, m_nBukkenShousaiIndex, codeText, docName, fileName) < 0)
        return FALSE;
    return LoadSelectedDocument();
}

BOOL CZnAppProApp::LoadBukkenDocument(int bukkenIndex, int shousaiIndex)
{
    m_nBukkenIndex = bukkenIndex;
    m_nBukkenShousaiIndex = shousaiIndex;
    return LoadBukkenDocument();
}

CString CZnAppProApp::GetDocumentFile() const
{
    CZnAppProDoc* document = GetActiveDocument();
    return document ? document->GetPathName() : CString();
}

BOOL CZnAppProApp::SaveDocument()
{
    CZnAppProDoc* document = GetActiveDocument();
    if (!document || document->GetPathName().IsEmpty())
        return FALSE;
    CString path = document->GetPathName();
    return document->DoSave(path, TRUE);
}

BOOL CZnAppProApp::LoadSelectedDocument()
{
    CZnAppProDoc* document = GetActiveDocument();
    if (!document)
        return FALSE;
    PrepareKindModels(*document, m_nDocKindCode);

    CString path = GetObjFolder() + "\\" + GetBukkenName() + "\\" + m_strFileName;
    if (!IsWinFileName(m_strFileName)) {
        // "..\x" or "a\b" would name a file outside the property's folder.
        LogLoadError("文書【" + path + "】のファイル名が正しくないため読み込みませんでした。");
        EmptyDocument(*document);
        return FALSE;
    }
    CFileFind finder;
    BOOL exists = finder.FindFile(path);
    finder.Close();
    if (!exists) {
        EmptyDocument(*document);
        return FALSE;
    }
    if (document->OnOpenDocument(path)) {
        document->SetPathName(path, FALSE);
        return TRUE;
    }
    LogLoadError("文書【" + path + "】のオープンに「予期しないファイル形式」エラーが発生しました。");
    EmptyDocument(*document);
    return FALSE;
}

CString CZnAppProApp::DocKindName(int code, int mode, int variant) const
{
    return ZnDocKindNames::DocKindName(code, mode, variant);
}

CString CZnAppProApp::MakeFormFileName(int formNo) const
{
    return ZnDocKindNames::MakeFormFileName(formNo, GetDocMode(0));
}

void CZnAppProApp::RunTxt2Xml(CString path)
{
    // A drive root such as "A:\" would end its quoted argument in "\"", which escapes the quote.
    if (EndsWithBackslash(path))
        path = path.Left(path.GetLength() - 1);
    CString commandLine = GetAppFolder() + "\\" + "txt2xml.exe" + " \"" + path + "\" \"" + path + "\"";
    std::vector<char> line(commandLine.Bytes().begin(), commandLine.Bytes().end());
    line.push_back('\0');
    STARTUPINFO startup;
    GetStartupInfo(&startup);
    PROCESS_INFORMATION process;
    if (!CreateProcess(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

int CZnAppProApp::GetDocMode(int flag) const
{
    CMainFrame* frame = GetMainFrame();
    if (frame)
        return frame->GetDocMode(flag);
    return flag == 1 ? DOCMODE_ZADAZEZ : 0;
}

void CZnAppProApp::SetDocMode(int mode)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetDocMode(mode);
}

void CZnAppProApp::SetCurrentProperty(LPCTSTR objFolder, LPCTSTR name, int bukkenIndex)
{
    SetObjFolder(objFolder);
    SetBukkenName(name);
    if (CMainFrame* frame = GetMainFrame())
        frame->SetBukkenIndex(bukkenIndex);
}

int CZnAppProApp::GetFrameBukkenIndex() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetBukkenIndex() : 0;
}

int CZnAppProApp::GetDocType() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetDocType() : 0;
}

int CZnAppProApp::GetObjKind() const
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetObjKind() : 0;
}

int CZnAppProApp::SetDataChanged(int flag)
{
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->SetDataChanged(flag) : flag;
}

ZnAppMDB* CZnAppProApp::GetAppMDB()
{
    static ZnAppMDB names; // the same names, before the frame exists
    CMainFrame* frame = GetMainFrame();
    return frame ? frame->GetAppMDB() : &names;
}

ZnModel* CZnAppProApp::GetModel(int slot) const
{
    CZnAppProDoc* document = GetActiveDocument();
    return document ? document->GetModel(slot) : nullptr;
}

ZnModel* CZnAppProApp::ExchangeModel(int slot, ZnModel* model)
{
    CZnAppProDoc* document = GetActiveDocument();
    return document ? document->ExchangeModel(slot, model) : model;
}

void CZnAppProApp::ReplaceModel(int slot, ZnModel* model)
{
    if (CZnAppProDoc* document = GetActiveDocument())
        document->ReplaceModel(slot, model);
    else
        delete model;
}
