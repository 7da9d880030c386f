// The floppy-output screen of the building's confirmation application and plan change. Two
// titles share one place: the confirmation application shows "建築物・建築工事届", the plan
// change "建築物".
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut11.h"
#include "platform/wnd/CStatic.h"

class ZnFvAppCAFM11 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM11)
protected:
    ZnFvAppCAFM11();
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowTitles() override;

    CStatic m_titleBuildingNotif;
    CStatic m_titleBuilding;
    ZnDlgAppFDOut11 m_page;
};
