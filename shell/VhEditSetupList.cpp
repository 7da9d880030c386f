#include "shell/VhEditSetupList.h"

#include "shell/VhEditCtrl.h"
#include "shell/VhEditIntImp.h"

VhEditSetupList::~VhEditSetupList()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        delete static_cast<VhEditSetup*>(GetNext(pos));
}

void VhEditSetupList::Apply()
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        auto* setup = static_cast<VhEditSetup*>(GetNext(pos));
        VhEditCtrlImp* imp = setup->m_pControl->GetImp();
        auto* numeric = dynamic_cast<VhEditIntImp*>(imp);
        if (numeric && setup->m_nType == VhEditSetup::NumericRange &&
            (setup->m_nRangeMin >= 0 || setup->m_nRangeMax >= 0))
            numeric->SetRange(setup->m_nRangeMin, setup->m_nRangeMax);
        if (numeric && setup->m_nType == VhEditSetup::NumericValue && setup->m_nValue >= 0)
            numeric->m_nNumeric = setup->m_nValue;
        imp->m_nCharMask = setup->m_nCharMask & 0xFFFF;
        imp->m_nImeOpenMode = setup->m_nImeOpenMode;
        imp->m_nMaxLength = setup->m_nMaxLength;
    }
}
