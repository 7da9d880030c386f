// The base of the lift, structure and structure-lift pages: for a confirmation application the
// count edit between "他" and its unit shows how many lifts or structures the form holds beyond
// the first; a plan change hides the three controls (the table's hidden controls).
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDCountingPage : public ZnDlgAppFDPage {
protected:
    // The number of further items of the form in the second slot.
    typedef int (*FurtherCount)(const ZnModel* form);

    ZnDlgAppFDCountingPage(UINT nIDTemplate, CWnd* pParent, const ZnFDOutPageValues& values, FurtherCount count)
        : ZnDlgAppFDPage(nIDTemplate, pParent, values), m_furtherCount(count)
    {
    }

    BOOL OnInitDialog() override;

    // The entries of the further-lift list of a lift form; of the further-structure list of a
    // structure form. A slot without such a form counts as an empty one.
    static int FurtherLifts(const ZnModel* form);
    static int FurtherStructures(const ZnModel* form);

private:
    FurtherCount m_furtherCount;
};
