#include "fdoutput/ZnDlgAppFDCountingPage.h"

#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppStruct.h"
#include "res/FloppyOutputIds.h"
#include "storage/ZnShellState.h"

BOOL ZnDlgAppFDCountingPage::OnInitDialog()
{
    ZnDlgAppFDPage::OnInitDialog();
    if (!TypeValues() || TypeValues()->docType != 1000)
        return TRUE;
    CString count;
    count.Format("%d", m_furtherCount(ZnShellState::Current()->GetModel(ZnShellState::formModelSlot)));
    SetDlgItemText(IDC_FD12_EDIT_COUNT, count);
    return TRUE;
}

int ZnDlgAppFDCountingPage::FurtherLifts(const ZnModel* form)
{
    return static_cast<int>(ZnSlotView<ZnModelAppLift>(form)->GetLiftList().GetCount());
}

int ZnDlgAppFDCountingPage::FurtherStructures(const ZnModel* form)
{
    return static_cast<int>(ZnSlotView<ZnModelAppStruct>(form)->GetStructList().GetCount());
}
