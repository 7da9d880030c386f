// The applications that accompany a building confirmation: its lifts, its equipment, a second
// list of lifts and its structures.
#pragma once

#include "model/ZnModelEquip.h"
#include "model/ZnModelLift.h"
#include "model/ZnModelStruct.h"

class ZnModelAppWith : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppWith)
public:
    // Each replaces one list by copies of the given list's elements; the caller keeps its own.
    void SetLiftList(const ZnModelLiftList& lifts) { m_liftList = lifts; }
    void SetEquipList(const ZnModelEquipList& equipment) { m_equipList = equipment; }
    void SetLiftList2(const ZnModelLiftList& lifts) { m_liftList2 = lifts; }
    void SetStructList(const ZnModelStructList& structures) { m_structList = structures; }
    const ZnModelLiftList& GetLiftList() const { return m_liftList; }
    const ZnModelEquipList& GetEquipList() const { return m_equipList; }
    const ZnModelLiftList& GetLiftList2() const { return m_liftList2; }
    const ZnModelStructList& GetStructList() const { return m_structList; }

    void Serialize(CArchive& ar) override;

    ZnModelLiftList m_liftList;
    ZnModelEquipList m_equipList;
    ZnModelLiftList m_liftList2;
    ZnModelStructList m_structList;
};
