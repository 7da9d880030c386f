// The floppy-output screen of the inspections of lifts, building equipment, structures under
// Article 88(1) and lifts of structures: the object kind shows its one title.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut32.h"
#include "platform/wnd/CStatic.h"

class ZnFvAppCAFM32 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM32)
protected:
    ZnFvAppCAFM32();
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowTitles() override;

    CStatic m_titleLift;
    CStatic m_titleEquip;
    CStatic m_titleStruct1;
    CStatic m_titleStrLift;
    ZnDlgAppFDOut32 m_page;
};
