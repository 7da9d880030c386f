// The floppy-output screen of the inspections of buildings and of structures under Article
// 88(2): the object kind shows its title ("建築物" or "工作物（法88条２項）").
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut31.h"
#include "platform/wnd/CStatic.h"

class ZnFvAppCAFM31 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM31)
protected:
    ZnFvAppCAFM31();
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowTitles() override;

    CStatic m_titleBuilding;
    CStatic m_titleStruct2;
    ZnDlgAppFDOut31 m_page;
};
