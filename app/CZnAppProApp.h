// The application object: it starts the program, holds the data folders, the current property
// and the identity of the loaded document, and the document templates of every screen. It is
// the current shell state of the subsystems below it for its whole life, taking the main
// frame's selections and the active document's model slots from the frame.
//
// InitInstance builds the whole application with the main frame hidden, runs the migration
// dialog through the frame's command 1013 and always returns FALSE, so that the program ends
// when that dialog closes.
#pragma once

#include "shell/ZnDocKindNames.h"

#include "platform/wnd/CWinApp.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnShellState.h"

class CDocTemplate;
class CMainFrame;
class CMultiDocTemplate;
class CZnAppProDoc;
class ZnAppBukkenShousaiTblDAO;

class CZnAppProApp : public CWinApp, public ZnShellState {
public:
    // The templates of the form views, in the order of the members that keep them.
    static const int kFormTemplateCountA = 13;
    static const int kFormTemplateCountB = 10;
    // The memory that start-up asks for once, to see that the program can run.
    static const size_t kMemoryProbeBytes = 24576000;

    // Installs itself as the current shell state.
    CZnAppProApp();
    ~CZnAppProApp() override;

    BOOL InitInstance() override;

    // The folders as stored: no separator is added or removed.
    CString GetComFolder() const override { return m_strComFolder; }
    CString GetObjFolder() const override { return m_strObjFolder; }
    CString GetDstFolder() const override { return m_strDstFolder; }
    CString GetAppFolder() const override { return m_strAppFolder; }
    CString GetOutputFolder() const override { return m_strOutputFolder; }
    void SetComFolder(LPCTSTR folder) { m_strComFolder = folder; }
    void SetObjFolder(LPCTSTR folder) { m_strObjFolder = folder; }
    void SetDstFolder(LPCTSTR folder) { m_strDstFolder = folder; }
    void SetAppFolder(LPCTSTR folder) { m_strAppFolder = folder; }
    void SetOutputFolder(LPCTSTR folder) override { m_strOutputFolder = folder; }

    // What a new property is given, and the current property's name (also its folder's name).
    CString GetChiikiShitei() const { return m_strChiikiShitei; }
    CString GetShoruiShubetsu() const { return m_strShoruiShubetsu; }
    CString GetBukkenName() const override { return m_strBukkenName; }
    CString GetSakuseibi() const { return m_strSakuseibi; }
    void SetChiikiShitei(LPCTSTR text) { m_strChiikiShitei = text; }
    void SetShoruiShubetsu(LPCTSTR text) { m_strShoruiShubetsu = text; }
    void SetBukkenName(LPCTSTR name) { m_strBukkenName = name; }
    void SetSakuseibi(LPCTSTR date) { m_strSakuseibi = date; }

    // Looks up one row of the property register's document list (AppBukkenShousaiTbl of
    // "APP_BUKKEN.mdb" in the property-data folder). With a row: the document name, the code as
    // decimal text and the file name go to the outputs and into the application's document
    // identity, and the result is the form number (the file name's last three characters as a
    // number, 0 when they are not one). Without one: -1, the outputs empty and the identity
    // unchanged. A database that cannot be opened raises its exception to the caller.
    int LookupBukkenShousai(int bukkenIndex, int shousaiIndex, CString& codeText, CString& docName, CString& fileName);
    // Takes a register row already read as the application's document identity, as the lookup
    // does with the row it finds; returns the form number.
    int SelectBukkenShousai(const ZnAppBukkenShousaiTblDAO& row);
    // Loads the document of m_nBukkenIndex and m_nBukkenShousaiIndex of the current property
    // into the active document: a new empty application in slot 1 and the per-kind model objects
    // of its code in slots 2 and 3 are prepared, and the file in the property's folder fills
    // them (an empty file leaves them empty). Returns TRUE when the document was loaded. FALSE,
    // so that the caller skips the document, when there is no active document, when the
    // register has no such row (the document is left as it was), when the register's file name
    // is not one file name (the run log gets an "ERROR" line), when the file is missing (slot 1
    // then holds an empty application and slots 2 and 3 are empty), or when the file cannot be
    // read (the framework reports it, the run log gets an "ERROR" line); in these last three
    // cases the slots are left as for a missing file.
    BOOL LoadBukkenDocument();
    // LoadBukkenDocument for the row (bukkenIndex, shousaiIndex), which becomes the identity of
    // the document to load.
    BOOL LoadBukkenDocument(int bukkenIndex, int shousaiIndex) override;
    // The active document's path: the file it was loaded from (empty when the last load found
    // no file) or last saved to.
    CString GetDocumentFile() const override;
    BOOL SaveDocument() override;
    // Loads the document of the identity that SelectBukkenShousai took, as LoadBukkenDocument
    // does after its lookup, without reading the register again.
    BOOL LoadSelectedDocument();

    // Replaces the form view shown on the active document by a new one from the template, or,
    // with no template, only closes it. The main window's title is reset either way.
    void ChangeView(CDocTemplate* pTemplate);
    // The template of a form view class, or null.
    CDocTemplate* GetFormTemplate(CRuntimeClass* viewClass) const;

    // The display name of a document-kind code in the name set of mode, and the name of a form's
    // document file in the current document mode (the application's one table of names).
    CString DocKindName(int code, int mode, int variant) const override;
    CString MakeFormFileName(int formNo) const override;
    // The era code of an era name and the era name of an era code on forms, with the era number.
    static CString EraNameToCode(CString name, int* era) { return ZnDocKindNames::EraNameToCode(name, era); }
    static CString EraCodeToName(CString code, int* era) { return ZnDocKindNames::EraCodeToName(code, era); }

    // Runs "txt2xml.exe" of the application folder with the file given twice, each in double
    // quotes, and waits for it to end. One trailing backslash of the path (a drive root such as
    // "A:\") is dropped first. A converter that cannot be started changes nothing.
    void RunTxt2Xml(CString path) override;

    // The main frame, or null before it is loaded.
    CMainFrame* GetMainFrame() const;
    // The document of the main frame's active child, or null.
    CZnAppProDoc* GetActiveDocument() const;

    // The shell state of the subsystems below: the main frame's selections and the active
    // document's slots. Without a main frame the mode is that of no selection (0) and the
    // type and kind 0; without an active document the slots are empty and a replacement is
    // deleted at once.
    int GetBukkenIndex() const override { return m_nBukkenIndex; }
    int GetShousaiIndex() const override { return m_nBukkenShousaiIndex; }
    int GetDocKindCode() const override { return m_nDocKindCode; }
    void SetCurrentDocument(int docKindCode, const CString& title, int formNo) override;
    int GetChiikiBangou() const override { return m_nChiikiBangou; }
    // The main frame's document mode (nothing without a main frame), and a property made by the
    // floppy import taken as the current one: the property-data folder, the name and the main
    // frame's property index.
    void SetDocMode(int mode) override;
    void SetCurrentProperty(LPCTSTR objFolder, LPCTSTR name, int bukkenIndex) override;
    int GetFrameBukkenIndex() const override;
    int GetDocMode(int flag) const override;
    int GetDocType() const override;
    int GetObjKind() const override;
    int GetCurrentPanel() const override;
    void SwitchPanel(int panel) override;
    void OpenFormView(int objKind, CRuntimeClass* viewClass) override;
    void CloseFormView() override { ChangeView(nullptr); }
    int SetDataChanged(int flag) override;
    ZnAppMDB* GetAppMDB() override;
    ZnAppComTblAccess* GetComTblAccess() override { return &m_comTblAccess; }
    ZnModel* GetModel(int slot) const override;
    void ReplaceModel(int slot, ZnModel* model) override;
    ZnModel* ExchangeModel(int slot, ZnModel* model) override;

    // The code tables of "COM_CODE.mdb" in the application folder: opened once at start-up after
    // the main frame is loaded, closed by the main frame when it ends.
    void InitCodeTables();
    void CloseCodeTables();

    // The identity of the document to load and of the loaded one (LoadBukkenDocument).
    int m_nBukkenIndex = 0;
    int m_nBukkenShousaiIndex = 0;
    int m_nDocKindCode = 0;
    CString m_strDocName;
    CString m_strDocKindCode;
    CString m_strFileName;
    CString m_strReserved3;
    int m_nFormNo = 0;
    CString m_strReserved4;
    // The region number of a new property's region designation; 0 until one is chosen.
    int m_nChiikiBangou = 0;

    // The templates: A holds ZnFvAppCAFM51 to 55, 11 to 16, 31 and 32; B ZnFvAppCACM01 to 09 and
    // ZnFvAppCAHJ0100. The document manager owns them.
    CMultiDocTemplate* m_pFormTemplatesA[kFormTemplateCountA] = {};
    CMultiDocTemplate* m_pFormTemplatesB[kFormTemplateCountB] = {};

protected:
    // Allocates the memory probe and frees it; a failure raises CMemoryException.
    virtual void ProbeMemory(size_t bytes);
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    // The memory probe; FALSE when it failed and the user chose to stop.
    BOOL CheckMemory();
    void CreateDocTemplates();
    void SetMainTitle();

    CString m_strComFolder;
    CString m_strObjFolder;
    CString m_strDstFolder;
    CString m_strAppFolder;
    CString m_strOutputFolder;
    CString m_strChiikiShitei;
    CString m_strShoruiShubetsu;
    CString m_strBukkenName;
    CString m_strSakuseibi;
    CString m_strReserved1;
    CString m_strReserved2;
    ZnAppComTblAccess m_comTblAccess;
};

// The running application object.
CZnAppProApp* ZnGetApp();
