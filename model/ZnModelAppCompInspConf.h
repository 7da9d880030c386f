// The completion inspection application (完了検査申請書): the inspection history (検査経過: the
// interim inspections passed), building pages, the certification number under the inspection
// special provision (検査の特例に係る認証番号), a text and the application the inspection rests on.
//
// Layouts: schema 256 has neither building pages, certification number nor text; 257 adds the
// certification number; 258 the building pages and the text. Storing always writes 258.
#pragma once

#include "model/ZnModelAppBuildPage.h"
#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelPastInspDate.h"

class ZnModelAppCompInspConf : public ZnModelAppInspConf {
    DECLARE_ZN_MODEL(ZnModelAppCompInspConf)
public:
    // Replaces the inspection history by copies of the given list's entries; the caller keeps its
    // own.
    void SetPastInspDateList(const ZnModelPastInspDateList& passed) { m_pastInspList = passed; }

    // The inspection base, the first history entry, the building pages, the two texts, the
    // embedded application, then the rest of the history.
    void Serialize(CArchive& ar) override;

    ZnModelPastInspDate m_pastInsp; // 検査経過
    ZnModelPastInspDateList m_pastInspList;
    CString m_specialCertNo; // 検査の特例に係る認証番号
    CString m_text2;         // read by no writer
    ZnModelAppBuildPageList m_buildPageList;
};
