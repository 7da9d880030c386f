#include "app/ZnFvAppCAFM32.h"

#include "app/CMainFrame.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM32, ZnFvAppPageView)

ZnFvAppCAFM32::ZnFvAppCAFM32() : ZnFvAppPageView(IDD_FV_CAFM32, IDD_FDOUT32) { SetPage(m_page); }

void ZnFvAppCAFM32::DoDataExchange(CDataExchange* pDX)
{
    ZnFvAppPageView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE_14023, m_titleLift);
    DDX_Control(pDX, IDC_TITLE_14024, m_titleEquip);
    DDX_Control(pDX, IDC_TITLE_14025, m_titleStruct1);
    DDX_Control(pDX, IDC_TITLE_14026, m_titleStrLift);
}

void ZnFvAppCAFM32::ShowTitles()
{
    CMainFrame* frame = ZnGetMainFrame();
    switch (frame ? frame->GetObjKind() : 0) {
    case IDC_OBJ_LIFT:
        SetTitleVisible(m_titleLift, TRUE);
        break;
    case IDC_OBJ_EQUIP:
        SetTitleVisible(m_titleEquip, TRUE);
        break;
    case IDC_OBJ_STRUCT1:
        SetTitleVisible(m_titleStruct1, TRUE);
        break;
    case IDC_OBJ_STRLIFT:
        SetTitleVisible(m_titleStrLift, TRUE);
        break;
    default:
        break;
    }
}
