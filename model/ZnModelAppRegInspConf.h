// The interim inspection application (中間検査申請書): the specified construction stage this
// inspection covers (特定工程), the interim inspections passed before it (以前の中間検査), those
// still to come (以降の中間検査), the certification number under the inspection special provision
// (検査の特例に係る認証番号) and the application the inspection rests on.
//
// Layouts: schema 256 has no certification number; 257 has it. Storing always writes 257.
#pragma once

#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelPastInspDate.h"

class ZnModelAppRegInspConf : public ZnModelAppInspConf {
    DECLARE_ZN_MODEL(ZnModelAppRegInspConf)
public:
    // Each replaces one list by copies of the given list's elements; the caller keeps its own.
    void SetPastInspDateList(const ZnModelPastInspDateList& passed) { m_pastInspList = passed; }
    void SetInspDateList(const ZnModelInspDateList& coming) { m_nextStageList = coming; }

    // The inspection base, the stages, the certification number, the embedded application, then
    // the two lists.
    void Serialize(CArchive& ar) override;

    ZnModelInspDate m_stage;        // 特定工程名称, 特定工程工事終了日
    ZnModelPastInspDate m_pastInsp; // 以前の中間検査
    ZnModelPastInspDateList m_pastInspList;
    ZnModelInspDate m_nextStage; // 以降の中間検査: 特定工程工事終了予定日, 実施回数
    ZnModelInspDateList m_nextStageList;
    CString m_specialCertNo; // 検査の特例に係る認証番号
};
