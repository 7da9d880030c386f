// The header of every application: four texts, the prefecture or area, a header number and the
// local data block. The model stores the texts and the number without giving them a meaning.
#pragma once

#include "model/ZnModelAppLocalData.h"
#include "model/ZnModelPrefAreaCode.h"

class ZnModelAppHeader : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppHeader)
public:
    void SetLocalData(const ZnModelAppLocalData& localData) { m_localData = localData; }
    const ZnModelAppLocalData& GetLocalData() const { return m_localData; }

    // The area code and the local data come first in the archive, then texts and number.
    void Serialize(CArchive& ar) override;

    CString m_firstText;
    CString m_secondText;
    ZnModelPrefAreaCode m_areaCode;
    int m_headerNumber = 0; // field 5 of the head record of the floppy information file
    CString m_thirdText;
    CString m_fourthText;
    ZnModelAppLocalData m_localData;
};
