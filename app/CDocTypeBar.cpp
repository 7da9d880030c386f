#include "app/CDocTypeBar.h"

#include "app/CMainFrame.h"
#include "fdoutput/ZnDlgAppFDContents.h"
#include "res/MainFrameIds.h"

#define ON_DOC_TYPE(id) ON_COMMAND_EX(id, OnDocType) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(CDocTypeBar, CDialogBarBk)
ON_DOC_TYPE(IDC_DOC_CONFIRM)
ON_DOC_TYPE(IDC_DOC_INTERIM)
ON_DOC_TYPE(IDC_DOC_COMPLETION)
ON_DOC_TYPE(IDC_DOC_PLANCHANGE)
ON_DOC_TYPE(IDC_DOC_OTHER)
ON_BN_CLICKED(IDC_FD_CONTENTS, OnFDContents)
ON_UPDATE_COMMAND_UI(IDC_FD_CONTENTS, OnUpdateEnable)
END_MESSAGE_MAP()

namespace {
// Each button's document type and the panel it leads to.
struct DocTypeChoice {
    int id;
    int docType;
    int panel;
};
const DocTypeChoice choices[] = {
    {IDC_DOC_CONFIRM, IDC_DOC_CONFIRM, IDD_CONFIRMKINDBAR},
    {IDC_DOC_INTERIM, IDC_DOC_INTERIM, IDD_INTERIMKINDBAR},
    {IDC_DOC_COMPLETION, IDC_DOC_COMPLETION, IDD_COMPLETIONKINDBAR},
    {IDC_DOC_PLANCHANGE, IDC_DOC_PLANCHANGE, IDD_COMPLETIONKINDBAR},
    {IDC_DOC_OTHER, 0, IDD_OTHERFORMSBAR},
};
} // namespace

BOOL CDocTypeBar::OnDocType(UINT nID)
{
    if (!IsCurrentPanel(IDD_DOCTYPEBAR))
        return TRUE;
    for (const DocTypeChoice& choice : choices)
        if (static_cast<UINT>(choice.id) == nID) {
            ZnGetMainFrame()->SetDocType(choice.docType);
            SwitchPanel(choice.panel);
        }
    return TRUE;
}

void CDocTypeBar::OnFDContents()
{
    if (!IsCurrentPanel(IDD_DOCTYPEBAR))
        return;
    ZnDlgAppFDContents contents(ZnGetMainFrame());
    contents.DoModal();
}
