// The base of the floppy-output pages: a modeless child dialog inside its form view that lists
// the stored documents of one kind for the current property, loads the chosen one into the
// active document and writes it, after an optional input check, to the output folder. What a page
// has of its own comes from its table of values (ZnFDOutPageValues); a page whose road differs
// overrides the steps below. Enter and Escape do not close a page.
#pragma once

#include "fdoutput/ZnDlgAppCheckResult.h"
#include "fdoutput/ZnDlgAppFDOutConfirm.h"
#include "fdoutput/ZnFDOutPageValues.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CListCtrl.h"

#include <vector>

class ZnModelApp;

class ZnDlgAppFDPage : public CDialog {
public:
    ZnDlgAppFDOutConfirm m_dlgConfirm;
    ZnDlgAppCheckResult m_dlgCheckResult;
    // The FileName of each listed document: entry i belongs to row i.
    std::vector<CString> m_fileNames;

    CListCtrl m_listDocuments; // 14041
    CComboBox m_comboFormat;   // 書式種類 (14015): 0 今回, 1 修正
    CEdit m_editReception;     // 受付番号 (14006)
    CEdit m_editOutput;        // 出力先 (14054)

    // The first selected row, or -1.
    int GetSelectedRow() const;
    // The input findings of the loaded document, in order.
    virtual std::vector<CString> CheckInput();
    // The page's values for the selected document type; null for a type that it does not serve.
    const ZnFDOutTypeValues* TypeValues() const { return m_pType; }

protected:
    ZnDlgAppFDPage(UINT nIDTemplate, CWnd* pParent, const ZnFDOutPageValues& values);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBrowse();
    afx_msg void OnSiteMap();
    afx_msg void OnLayoutPlan();
    // The "FD出力" road: selection, output folder, confirm and check, then the output.
    afx_msg virtual void OnFDOut();
    DECLARE_MESSAGE_MAP()

    // What the page lists beside its documents (the building page: the construction notice).
    virtual void ShowRelatedDocuments() {}
    // Sets the page's own data values when it is shown, between reading and writing them.
    virtual void SetShownValues() {}
    // Writes the loaded document (WriteFloppy) with the progress note shown.
    void OutputFD(const ZnFDOutRequest& request);
    // The floppy of the loaded document: the table's output step; nothing for a type without one.
    virtual void WriteFloppy(const ZnFDOutRequest& request);

    // The steps of the road, each false after telling the user why the output does not start.
    // Without a selected row, the selection message comes with icon.
    bool CheckSelection(UINT icon);
    bool CheckOutputFolder();
    bool ConfirmAndCheck();
    // Runs the input check into the check-result dialog, with its progress note shown.
    void RunCheck();
    // What the input check reads: the active document's slots and the selected type and mode.
    ZnFDOutCheckInput MakeCheckInput() const;
    // The output folder, the format choice and the attachment paths as the page shows them.
    ZnFDOutRequest ReadRequest() const;

    // Puts new empty objects of the page's classes into the first three slots of the active
    // document, then reads the file at path into them; a missing file leaves them empty, and an
    // unreadable one (told as the document's open tells it) leaves new empty ones. The unsaved-
    // changes flag is cleared.
    void LoadDocumentFile(const CString& path);
    // Loads the selected row's file; nothing without a selected row.
    void LoadSelectedDocument();
    // The 申請年月日 edits from the loaded application.
    void ShowApplicationDate();
    // The loaded application of the first slot, or null.
    static const ZnModelApp* LoadedApp();
    // Runs a read of the property register; a register that cannot be read is told as the
    // framework tells an exception that leaves a message handler, and the page goes on.
    template <class Read> static void ReadRegister(Read read)
    {
        try {
            read();
        } catch (CException* e) {
            ReportException(e);
        }
    }
    static void ReportException(CException* e);

    const ZnFDOutPageValues& m_values;
    const ZnFDOutTypeValues* m_pType = nullptr;
    int m_nDocMode = 0;

private:
    void AddColumns();
    // What the document column leaves to the type's other columns: their widths added up.
    int OtherColumnsWidth() const;
    void ListDocuments();
    void PrepareSlots();
    void HideTypeControls();
    void FillFormatCombo();
    void ShowComment();
    void BrowseBitmap(UINT editId);
    int DocKindCode() const;
    CString DocumentTitle(int docKindCode) const;
    CString PropertyFilePath(const CString& fileName) const;
};
