// One building of a construction notification: its number, use (用途), multiple-use class
// (多用途種別), structure of the part under construction, an area and three counts (the second
// the floors above ground, the third the basement floors), and its housing part: four codes and
// four pairs of a count and an area.
//
// Layouts: schema 256 has no use, and its text is not kept; 257 has both. Storing always
// writes 257.
#pragma once

#include "model/ZnModelConstStrCode.h"
#include "model/ZnModelFundCode.h"
#include "model/ZnModelHouseTypeCode.h"
#include "model/ZnModelList.h"
#include "model/ZnModelMultiUsageCode.h"
#include "model/ZnModelNeoCode.h"
#include "model/ZnModelStructMethodCode.h"
#include "model/ZnModelStrUsageCode.h"

class ZnModelAppStrNotif : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppStrNotif)
public:
    // The codes first in the archive, then the numbers, the text and the areas.
    void Serialize(CArchive& ar) override;

    int m_number = 0;  // the building's number (番の建築物)
    CString m_oldText; // read by no writer
    ZnModelStrUsageCode m_use;
    ZnModelMultiUsageCode m_multiUse;
    ZnModelConstStrCode m_partStructure; // 工事部分の構造コード
    double m_area = 0.0;
    int m_count1 = 0;
    int m_count2 = 0; // 地階を除く階数
    int m_count3 = 0; // 地階の階数
    // The housing part (住宅部分の概要).
    ZnModelNeoCode m_housing1;
    ZnModelFundCode m_housing2;
    ZnModelStructMethodCode m_housing3;
    ZnModelHouseTypeCode m_housing4;
    int m_housingCount1 = 0;
    double m_housingArea1 = 0.0;
    int m_housingCount2 = 0;
    double m_housingArea2 = 0.0;
    int m_housingCount3 = 0;
    double m_housingArea3 = 0.0;
    int m_housingCount4 = 0;
    double m_housingArea4 = 0.0;
};

// Buildings of a construction notification; the holder owns the elements.
typedef ZnModelList<ZnModelAppStrNotif> ZnModelAppStrNotifList;
