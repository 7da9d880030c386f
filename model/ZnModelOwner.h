// A building owner (建築主): name and reading, address and postal code, telephone.
#pragma once

#include "model/JkModelIndividualData.h"
#include "model/ZnModelList.h"

class ZnModelOwner : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelOwner)
public:
    const JkModelIndividualData& GetIndividualData() const { return m_person; }
    void SetIndividualData(const JkModelIndividualData& person) { m_person = person; }

    void Serialize(CArchive& ar) override;

    JkModelIndividualData m_person;
};

// Building owners; the holder owns the elements.
typedef ZnModelList<ZnModelOwner> ZnModelOwnerList;
