// The numbers of one item an application covers (a building, a lift, a piece of equipment, a
// structure): an item number and two issued numbers. The first number of the first building
// group carries the application number and date.
#pragma once

#include "model/ZnModelNum.h"

class ZnModelNumGroup : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelNumGroup)
public:
    void SetFirstNum(const ZnModelNum& number) { m_firstNumber = number; }
    const ZnModelNum& GetFirstNum() const { return m_firstNumber; }

    // The two numbers come first in the archive, the item number last.
    void Serialize(CArchive& ar) override;

    int m_itemNumber = 0;
    ZnModelNum m_firstNumber;
    ZnModelNum m_secondNumber;
};

// Number groups; the holder owns the elements.
typedef ZnModelList<ZnModelNumGroup> ZnModelNumGroupList;
