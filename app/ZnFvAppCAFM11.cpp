#include "app/ZnFvAppCAFM11.h"

#include "app/CMainFrame.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM11, ZnFvAppPageView)

ZnFvAppCAFM11::ZnFvAppCAFM11() : ZnFvAppPageView(IDD_FV_CAFM11, IDD_FDOUT11) { SetPage(m_page); }

void ZnFvAppCAFM11::DoDataExchange(CDataExchange* pDX)
{
    ZnFvAppPageView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE_14021, m_titleBuildingNotif);
    DDX_Control(pDX, IDC_TITLE_14023, m_titleBuilding);
}

void ZnFvAppCAFM11::ShowTitles()
{
    CMainFrame* frame = ZnGetMainFrame();
    int docType = frame ? frame->GetDocType() : 0;
    if (docType == IDC_DOC_CONFIRM)
        SetTitleVisible(m_titleBuilding, FALSE);
    else if (docType == IDC_DOC_PLANCHANGE)
        SetTitleVisible(m_titleBuildingNotif, FALSE);
}
