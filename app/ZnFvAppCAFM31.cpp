#include "app/ZnFvAppCAFM31.h"

#include "app/CMainFrame.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM31, ZnFvAppPageView)

ZnFvAppCAFM31::ZnFvAppCAFM31() : ZnFvAppPageView(IDD_FV_CAFM31, IDD_FDOUT31) { SetPage(m_page); }

void ZnFvAppCAFM31::DoDataExchange(CDataExchange* pDX)
{
    ZnFvAppPageView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE_14021, m_titleBuilding);
    DDX_Control(pDX, IDC_TITLE_14051, m_titleStruct2);
}

void ZnFvAppCAFM31::ShowTitles()
{
    CMainFrame* frame = ZnGetMainFrame();
    int objKind = frame ? frame->GetObjKind() : 0;
    if (objKind == IDC_OBJ_BUILDING)
        SetTitleVisible(m_titleBuilding, TRUE);
    else if (objKind == IDC_OBJ_STRUCT2)
        SetTitleVisible(m_titleStruct2, TRUE);
}
