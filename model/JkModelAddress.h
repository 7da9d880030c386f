// An address: the postal code in two parts, two address texts with their numbers, the address
// as the forms write it (住所, 所在地) and four further values kept with it.
#pragma once

#include "model/ZnModel.h"

class JkModelAddress : public ZnModel {
    DECLARE_ZN_MODEL(JkModelAddress)
public:
    // First part + "-" + second part, or "" when both parts are empty ("123-" for one part).
    CString GetPostalCode() const;

    void Serialize(CArchive& ar) override;

    CString m_postalCode1; // the three digits before the hyphen
    CString m_postalCode2; // the four digits after it
    CString m_firstAddressText;
    int m_firstAddressNumber = 0;
    CString m_secondAddressText;
    int m_secondAddressNumber = 0;
    CString m_address;
    int m_addressValues[4] = {0, 0, 0, 0};
};
