// The floppy-output page of the building confirmation application (type 1000) and its plan change
// (type 1008): the page pattern with the two attachment bitmaps, the property's construction
// notice and the building checks.
#pragma once

#include "fdoutput/ZnBuildCheckFacts.h"
#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut11 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut11(CWnd* pParent = nullptr);

    // The page's own values: buildings, Ka001.110 for the application, the selected row's file for
    // the plan change, whose page hides the construction notice.
    static const ZnFDOutPageValues& Values();

    // The building check on the loaded document, which also keeps m_facts; for a confirmation
    // then the construction-notice and architect-class checks.
    std::vector<CString> CheckInput() override;

    // What the building check keeps for the checks after it.
    ZnBuildCheckFacts m_facts;
    CString m_strFace2Title; // 14021

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowRelatedDocuments() override;
    void SetShownValues() override { m_strFace2Title = "建築主等の概要（第二面）"; }
};
