// The construction notification (建築工事届): the owner's category (建築主の種別), the site
// (敷地の位置) with its city-planning area (都市計画), the planned construction period
// (工事予定期間), the kind of work (工事種別), the main use, one entry per building, the site area,
// the demolition part and the construction supervisor (工事監理者).
//
// Layouts: schema 256 has neither the main use nor the supervisor, and its text and owner code
// are not kept; 257 adds the main use; 258 the supervisor. Storing always writes 258.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelAppDemData.h"
#include "model/ZnModelAppStrNotif.h"
#include "model/ZnModelAreaCode.h"
#include "model/ZnModelConstCode.h"
#include "model/ZnModelOwnerOccCode.h"
#include "model/ZnModelOwnerTypeCode.h"

class ZnModelAppConstNotif : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppConstNotif)
public:
    // Replaces the buildings by copies of the given list's entries; the caller keeps its own.
    void SetStrNotifList(const ZnModelAppStrNotifList& buildings) { m_buildings = buildings; }

    void Serialize(CArchive& ar) override;

    ZnModelNum m_num; // read by no writer
    ZnModelOwnerTypeCode m_ownerType;
    ZnModelOwnerOccCode m_ownerOcc;
    int m_ownerValue = 0;
    JkModelAddress m_siteAddress; // 敷地の地名地番
    ZnModelAreaCode m_planArea;
    ZnModelDate m_periodStart; // 工事予定期間（開始）
    ZnModelDate m_periodEnd;   // 工事予定期間（終了）
    int m_periodA = 0;         // written with periodB as "%02d%02d"
    int m_periodB = 0;
    ZnModelConstCode m_constKind;
    CString m_oldText; // read by no writer
    ZnModelAppConstDemUsage m_mainUse;
    ZnModelAppStrNotifList m_buildings; // 一の建築物ごとの内容, 住宅部分の概要
    double m_siteArea = 0.0;            // 新築工事の場合における敷地面積, m²
    ZnModelAppDemData m_demolition;
    ZnModelDesigner m_supervisor;
};
