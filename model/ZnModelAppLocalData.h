// The local data block of an application header: the document kind, a few texts and numbers,
// and five lists of number groups, one group per item the application covers.
#pragma once

#include "model/ZnModelDocKindCode.h"
#include "model/ZnModelNumGroup.h"

class ZnModelAppLocalData : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppLocalData)
public:
    // Each replaces one list by copies of the given groups; the caller keeps its own.
    void SetNumGroupList(const ZnModelNumGroupList& groups) { m_buildingNumGroups = groups; }
    void SetLiftNumGroupList(const ZnModelNumGroupList& groups) { m_liftNumGroups = groups; }
    void SetEquipNumGroupList(const ZnModelNumGroupList& groups) { m_equipmentNumGroups = groups; }
    void SetLift2NumGroupList(const ZnModelNumGroupList& groups) { m_secondLiftNumGroups = groups; }
    void SetStructNumGroupList(const ZnModelNumGroupList& groups) { m_structureNumGroups = groups; }

    const ZnModelDocKindCode& GetDocKindCode() const { return m_documentKind; }
    const ZnModelNumGroupList& GetNumGroupList() const { return m_buildingNumGroups; }

    void Serialize(CArchive& ar) override;

    CString m_localText;
    ZnModelDocKindCode m_documentKind;
    int m_firstLocalNumber = 0;
    int m_secondLocalNumber = 0;
    CString m_thirdLocalText;
    CString m_fourthLocalText;
    ZnModelNumGroupList m_buildingNumGroups;
    ZnModelNumGroupList m_liftNumGroups;
    ZnModelNumGroupList m_equipmentNumGroups;
    ZnModelNumGroupList m_secondLiftNumGroups;
    ZnModelNumGroupList m_structureNumGroups;
};
